// A seeded random driver for the fuzz targets where libFuzzer is not used (the normal and the
// sanitizer builds, and ctest): `fuzz_x [INPUTS [SEED]]` runs INPUTS inputs, each a random
// input or one of the target's seeds mutated a few times. The same seed gives the same inputs.

#include <QElapsedTimer>
#include <QRandomGenerator>
#include <cstdio>

#include "fuzz.h"

namespace {

QByteArray randomBytes(QRandomGenerator& random, int size) {
    QByteArray bytes(size, '\0');
    for (char& b : bytes)
        b = char(random.bounded(256));
    return bytes;
}

// One change of the kinds that break files: a byte changed or set to an edge value, bytes
// inserted, removed or repeated, the end cut off.
void mutate(QByteArray& input, QRandomGenerator& random) {
    const int at = input.isEmpty() ? 0 : int(random.bounded(int(input.size())));
    switch (random.bounded(6)) {
        case 0:
            if (!input.isEmpty())
                input[at] = char(input[at] ^ (1 << random.bounded(8)));
            break;
        case 1:
            if (!input.isEmpty())
                input[at] = "\x00\xFF\x7F\x80\x20\x01"[random.bounded(6)];
            break;
        case 2:
            input.insert(at, randomBytes(random, int(random.bounded(1, 64))));
            break;
        case 3:
            input.remove(at, random.bounded(1, 64));
            break;
        case 4:
            input.insert(
                at, input.mid(int(random.bounded(int(input.size()) + 1)), random.bounded(1, 300)));
            break;
        default:
            input.truncate(at);
            break;
    }
}

}  // namespace

int main(int argc, char** argv) {
    const long long inputs = argc > 1 ? std::atoll(argv[1]) : 10000;
    QRandomGenerator random(argc > 2 ? quint32(std::atoll(argv[2])) : 1u);
    const std::vector<QByteArray> seeds = fuzzing::seeds();
    QElapsedTimer timer;
    timer.start();
    for (long long n = 0; n < inputs; ++n) {
        QByteArray input;
        if (seeds.empty() || random.bounded(4) == 0) {
            input = randomBytes(random, int(random.bounded(2000)));
        } else {
            input = seeds[random.bounded(quint32(seeds.size()))];
            for (int changes = int(random.bounded(1, 8)); changes > 0; --changes)
                mutate(input, random);
        }
        LLVMFuzzerTestOneInput(reinterpret_cast<const uint8_t*>(input.constData()),
                               size_t(input.size()));
    }
    std::printf("%lld inputs in %.1f s\n", inputs, double(timer.elapsed()) / 1000);
    return 0;
}

// A letter recorded into and deleted from a full year of 32,767 letters at the level of the
// store, as one journaled operation and as the separate writes that recording and deletion
// make without a journal: what keeping the register whole across its files costs.

#include <benchmark/benchmark.h>
#include <unistd.h>

#include <QTemporaryDir>

#include "store/operation.h"
#include "store/recordfile.h"
#include "store/records.h"
#include "tools/demoregister.h"

namespace {

constexpr int kYear = 2024;

class FullYear {
public:
    explicit FullYear(int letters) {
        testing::DemoOptions options;
        options.year = kYear;
        options.letters = letters;
        ok_ = dir_.isValid() && testing::writeDemoRegister(dir_.path(), options);
        for (const QStringView name : {u"Velmar.dat", u"KiIrat.dat", u"Num.dat"}) {
            const QString path = file(name);
            QFile f(path);
            ok_ = ok_ && f.open(QIODevice::ReadOnly);
            saved_.push_back({path, f.readAll()});
        }
    }
    bool ok() const { return ok_; }
    store::Paths paths() const { return store::Paths(dir_.path()); }
    QString file(QStringView name) const { return paths().yearFile(kYear, name); }
    // The year's files as they were, and on the disk, so the next step flushes only its own.
    void restore() const {
        for (const auto& [path, bytes] : saved_) {
            QFile f(path);
            if (f.open(QIODevice::WriteOnly))
                f.write(bytes);
        }
        ::sync();
    }

private:
    QTemporaryDir dir_;
    bool ok_ = false;
    std::vector<std::pair<QString, QByteArray>> saved_;
};

const QByteArray kLetter = store::LevelRekord().toBytes();
const QByteArray kDocument = store::IratRekord().toBytes();
const QByteArray kCounters = store::NumRekord{3, 4}.toBytes();

void BM_RecordSeparateWrites(benchmark::State& state) {
    const FullYear year(32766);
    for (auto _ : state) {
        state.PauseTiming();
        year.restore();
        state.ResumeTiming();
        store::RecordFile num(year.file(u"Num.dat"), store::NumRekord::Size);
        store::RecordFile letters(year.file(u"Velmar.dat"), store::LevelRekord::Size);
        store::RecordFile documents(year.file(u"KiIrat.dat"), store::IratRekord::Size);
        const qint64 n = letters.count() + 1;
        if (!num.writeBytes(1, kCounters) || !letters.writeBytes(n, kLetter) ||
            !documents.writeBytes(n, kDocument))
            state.SkipWithError("not written");
    }
}
BENCHMARK(BM_RecordSeparateWrites)->Unit(benchmark::kMillisecond)->Iterations(20);

void BM_RecordOperation(benchmark::State& state) {
    const FullYear year(32766);
    for (auto _ : state) {
        state.PauseTiming();
        year.restore();
        state.ResumeTiming();
        const qint64 n =
            store::RecordFile(year.file(u"Velmar.dat"), store::LevelRekord::Size).count();
        store::Operation operation(year.paths(), QStringLiteral("recording"));
        operation.writeAt(year.file(u"Num.dat"), 0, kCounters);
        operation.writeAt(year.file(u"Velmar.dat"), n * store::LevelRekord::Size, kLetter);
        operation.writeAt(year.file(u"KiIrat.dat"), n * store::IratRekord::Size, kDocument);
        if (!operation.commit().ok)
            state.SkipWithError("not committed");
    }
}
BENCHMARK(BM_RecordOperation)->Unit(benchmark::kMillisecond)->Iterations(20);

void BM_DeleteSeparateRewrites(benchmark::State& state) {
    const FullYear year(32767);
    for (auto _ : state) {
        state.PauseTiming();
        year.restore();
        state.ResumeTiming();
        // Each file rewritten as an operation of its own: what the register had before one
        // operation covered every file of a deletion.
        const bool ok =
            store::removeRecord(year.paths(), QStringLiteral("deletion"), year.file(u"Velmar.dat"),
                                store::LevelRekord::Size, 16000, QStringLiteral("xxx.dat"))
                .ok() &&
            store::removeRecord(year.paths(), QStringLiteral("deletion"), year.file(u"KiIrat.dat"),
                                store::IratRekord::Size, 16000, QStringLiteral("xxk.dat"))
                .ok() &&
            store::writeFirstRecord(year.file(u"Num.dat"), store::NumRekord::fromBytes(kCounters));
        if (!ok)
            state.SkipWithError("not written");
    }
}
BENCHMARK(BM_DeleteSeparateRewrites)->Unit(benchmark::kMillisecond)->Iterations(20);

void BM_DeleteOperation(benchmark::State& state) {
    const FullYear year(32767);
    for (auto _ : state) {
        state.PauseTiming();
        year.restore();
        state.ResumeTiming();
        store::Operation operation(year.paths(), QStringLiteral("deletion"));
        operation.removeRecord(year.file(u"Velmar.dat"), store::LevelRekord::Size, 16000,
                               QStringLiteral("xxx.dat"));
        operation.removeRecord(year.file(u"KiIrat.dat"), store::IratRekord::Size, 16000,
                               QStringLiteral("xxk.dat"));
        operation.writeAt(year.file(u"Num.dat"), 0, kCounters);
        if (!operation.commit().ok)
            state.SkipWithError("not committed");
    }
}
BENCHMARK(BM_DeleteOperation)->Unit(benchmark::kMillisecond)->Iterations(20);

}  // namespace

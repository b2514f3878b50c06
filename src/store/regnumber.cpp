#include "store/regnumber.h"

namespace store {

QString registrationNumber(const LevelRekord& letter) {
    const QString serial =
        letter.Sorszam == kBlankSerial ? QString() : QString::number(letter.Sorszam);
    return trimmed(letter.Elotag) + serial + trimmed(letter.Evszam);
}

}  // namespace store

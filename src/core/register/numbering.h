#pragma once

#include <QString>
#include <QStringView>
#include <optional>

#include "store/paths.h"
#include "store/records.h"

// Registration numbers: the counters of a year in Num.dat, the number proposed when the user
// chooses a direction, and the serial that recording counts.
namespace reg {

// The largest serial a year and direction can have: counters and serials are 16-bit.
inline constexpr qint16 kLastSerial = 32767;

// The number the direction choice puts into the three registration number boxes.
struct NumberProposal {
    QString elotag;   // txtSorszam1: the group's letter code and "B/" or "K/"
    QString sorszam;  // txtSorszam2: the counter plus one; empty when the counter is full
    QString evszam;   // txtSorszam: "/" and the year in four digits
    bool counterFull = false;
};

// Proposes the next number of `year` and the direction. A year without folder gets its
// folder and an empty Velmar.dat and starts at 1; otherwise the counters come from Num.dat
// (created empty when missing). Nothing is written to Num.dat.
NumberProposal proposeNumber(const store::Paths& paths, int year, bool incoming,
                             const QString& groupCode);

// "/2024": the year part of a new registration number.
QString yearPart(int year);

// The serial recording counts. From 2012 on it is the number in the serial box; letters of
// earlier years carried their serial in the year box, after its first "/" (2011/123), and
// only its first ten characters are read.
double serialOf(int letterYear, QStringView serialBox, QStringView yearBox);

// The counter of one direction.
qint16 counterOf(const store::NumRekord& counters, bool incoming);
void setCounterOf(store::NumRekord& counters, bool incoming, qint16 value);

// What recording does with the direction's counter for serial `serial`: a serial above the
// counter raises it by one (only by one, whatever the serial); the new value is the letter's
// `Num`. A serial not above it leaves the counters and gives `Num` 0. Nothing when the
// counter would have to go beyond the last serial.
struct CounterMove {
    store::NumRekord counters;
    bool moved = false;
    qint32 num = 0;
};
std::optional<CounterMove> countSerial(store::NumRekord counters, bool incoming, double serial);

// Deletion gives one number back: the counter of the deleted letter's direction goes down by
// one (it stays at the smallest 16-bit number rather than wrapping round).
store::NumRekord lowerCounter(store::NumRekord counters, bool incoming);

}  // namespace reg

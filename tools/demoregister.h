#pragma once

#include <QDate>
#include <QString>
#include <vector>

#include "store/records.h"

// A realistic register for screenshots, benchmarks and trying the program out: groups,
// clients, case handlers, and a year of letters numbered as the program numbers them.
// The same options always give the same register.
namespace testing {

struct DemoOptions {
    int year = 2024;
    int letters = 480;
    int clients = 120;
    quint32 seed = 2024;
    // The letters' dates run from 2 January up to this day of the year (default 14 December).
    QDate lastDay;
};

struct DemoYear {
    std::vector<store::LevelRekord> letters;
    std::vector<store::IratRekord> documents;  // one per letter, blank for most
    store::NumRekord counters;
};

std::vector<store::CsoportRekord> demoGroups();
std::vector<store::UgyfelRekord> demoClients(int count, quint32 seed);
std::vector<store::UgyintezoRekord> demoHandlers();
DemoYear demoYear(const DemoOptions& options);

// Writes Setup.dat, Csoportok.dat, Ugyfelek.dat, Ugyintezo.dat, UszNum.dat and the year's
// Velmar.dat, KiIrat.dat and Num.dat into `folder`. Returns false when a file could not be
// written.
bool writeDemoRegister(const QString& folder, const DemoOptions& options);

}  // namespace testing

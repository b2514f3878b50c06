// The search and the client pick list on a full year: 32,767 letters, 120 clients in the
// letters, and a client file of 20,000 clients for the pick list. Run offscreen:
//   QT_QPA_PLATFORM=offscreen ./build-bench/bench/bench_search

#include <benchmark/benchmark.h>

#include <QCheckBox>
#include <QFile>
#include <QLineEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <memory>

#include "mainwindow/velmar.h"
#include "search/search.h"
#include "store/paths.h"
#include "store/recordfile.h"
#include "support/fakeplatform.h"
#include "tools/demoregister.h"
#include "ui/reportview.h"

namespace {

constexpr int kLetters = 32767;
constexpr int kPickListClients = 20000;

// One register and one started main window for all benchmarks.
struct Bench {
    QTemporaryDir dir;
    testing::TestPlatform test;
    std::unique_ptr<reg::Velmar> window;

    Bench() {
        testing::DemoOptions options;
        options.letters = kLetters;
        if (!testing::writeDemoRegister(dir.path(), options))
            qFatal("cannot write the demo register");
        // The pick list's client file, larger than the register's own clients.
        QByteArray clients;
        for (const auto& client : testing::demoClients(kPickListClients, 7))
            clients += client.toBytes();
        QFile file(dir.path() + QStringLiteral("/Ugyfelek.dat"));
        if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) || file.write(clients) < 0)
            qFatal("cannot write the client file");
        window = std::make_unique<reg::Velmar>(test.platform, store::Paths(dir.path()));
        window->start();
    }

    template <typename T>
    T* find(const char* name) const {
        return window->findChild<T*>(QLatin1String(name));
    }
    int rows(const char* list) const { return find<ui::ReportView>(list)->model()->rowCount(); }
};

Bench& bench() {
    static Bench instance;
    return instance;
}

// "Kinek/Kitől szerint" for one of the 120 correspondents: a few hundred letters, lists
// filled, sorted and the last row selected (the demo register jumps to the last row).
void BM_SelectiveSearch(benchmark::State& state) {
    Bench& b = bench();
    auto* name = b.find<QLineEdit>("txtKitolKinek");
    auto* button = b.find<QPushButton>("Command1_2");
    for (auto _ : state) {
        state.PauseTiming();
        name->setText(QStringLiteral("Molnár Pékség Bt. 3"));
        state.ResumeTiming();
        button->click();
    }
    state.counters["matches"] = b.rows("ListView1");
}
BENCHMARK(BM_SelectiveSearch)->Unit(benchmark::kMillisecond);

// The matching alone, on the year's bytes already read: the part of a search that does not
// depend on the lists. Argument: the criterion, 2 "Kinek/Kitől szerint" for one
// correspondent, 6 "Teljes lista".
void BM_Matching(benchmark::State& state) {
    Bench& b = bench();
    store::RecordFile file(b.dir.path() + QStringLiteral("/2024/Velmar.dat"),
                           store::LevelRekord::Size);
    const QByteArray records = file.readAllBytes();
    search::SearchInputs inputs;
    inputs.kitolKinek = QStringLiteral("Molnár Pékség Bt. 3");
    const search::Search search(search::Criterion(state.range(0)), inputs, true);
    size_t found = 0;
    for (auto _ : state)
        found = search.matchingRecords(records).size();
    state.counters["matches"] = double(found);
}
BENCHMARK(BM_Matching)->Arg(2)->Arg(6)->Unit(benchmark::kMillisecond);

// "Minden évben" with "Kinek/Kitől szerint" over 20 years of 32,767 letters each: every
// year's file read and matched, the lists filled, sorted and the last row selected.
void BM_SelectiveSearchAllYears(benchmark::State& state) {
    static QTemporaryDir dir;
    static std::unique_ptr<reg::Velmar> window;
    static testing::TestPlatform test;
    if (!window) {
        for (int year = 2005; year <= 2024; ++year) {
            testing::DemoOptions options;
            options.year = year;
            options.letters = kLetters;
            options.seed = quint32(year);
            if (!testing::writeDemoRegister(dir.path(), options))
                qFatal("cannot write the demo register");
        }
        window = std::make_unique<reg::Velmar>(test.platform, store::Paths(dir.path()));
        window->start();
        window->findChild<QCheckBox*>(QStringLiteral("chkMindenEv"))->setChecked(true);
    }
    auto* name = window->findChild<QLineEdit*>(QStringLiteral("txtKitolKinek"));
    auto* button = window->findChild<QPushButton*>(QStringLiteral("Command1_2"));
    for (auto _ : state) {
        state.PauseTiming();
        name->setText(QStringLiteral("Molnár Pékség Bt. 3"));
        state.ResumeTiming();
        button->click();
    }
    state.counters["matches"] =
        window->findChild<ui::ReportView*>(QStringLiteral("ListView1"))->model()->rowCount();
}
BENCHMARK(BM_SelectiveSearchAllYears)->Unit(benchmark::kMillisecond);

// "Teljes lista": every letter matches.
void BM_FullList(benchmark::State& state) {
    Bench& b = bench();
    auto* button = b.find<QPushButton>("Command1_6");
    for (auto _ : state)
        button->click();
    state.counters["rows"] = b.rows("ListView1");
}
BENCHMARK(BM_FullList)->Unit(benchmark::kMillisecond);

// Filling the lists as after start-up, the yardstick of "Teljes lista".
void BM_Beolvas(benchmark::State& state) {
    Bench& b = bench();
    for (auto _ : state)
        b.window->beolvas();
    state.counters["rows"] = b.rows("ListView1");
}
BENCHMARK(BM_Beolvas)->Unit(benchmark::kMillisecond);

// One keystroke in "Kinek/Kitől": the client file read and the pick list refilled. The
// argument is the text after the keystroke: a narrowing text, one letter, and the empty
// field that lists all 20,000 clients.
void BM_ClientLookUp(benchmark::State& state) {
    Bench& b = bench();
    auto* name = b.find<QLineEdit>("txtKitolKinek");
    const QString texts[] = {QStringLiteral("kovács"), QStringLiteral("k"), QString()};
    const QString typed = texts[state.range(0)];
    for (auto _ : state) {
        state.PauseTiming();
        name->setText(QStringLiteral("#"));
        state.ResumeTiming();
        name->setText(typed);
    }
    state.counters["rows"] = b.rows("ListView2");
}
BENCHMARK(BM_ClientLookUp)->DenseRange(0, 2)->Unit(benchmark::kMillisecond);

}  // namespace

// Filling the three letter lists from a full year, and starting the program on it.

#include <benchmark/benchmark.h>

#include <QCoreApplication>
#include <QTemporaryDir>
#include <QTest>

#include "mainwindow/velmar.h"
#include "support/fakeplatform.h"
#include "tools/demoregister.h"

namespace {

// A year of 32,767 letters (the most one direction's serials allow per year) in a
// temporary register.
struct FullYear {
    QTemporaryDir dir;
    FullYear() {
        testing::DemoOptions options;
        options.letters = 32767;
        options.clients = 2000;
        testing::writeDemoRegister(dir.path(), options);
    }
};

FullYear& fullYear() {
    static FullYear year;
    return year;
}

// Read, format, fill, sort and select: what every reload of the lists does.
void BM_ReloadLists(benchmark::State& state) {
    testing::TestPlatform test;
    test.clock.value = QDateTime(QDate(2024, 12, 20), QTime(9, 0));
    reg::Velmar window(test.platform, store::Paths(fullYear().dir.path()));
    window.start();
    window.show();
    (void)QTest::qWaitForWindowExposed(&window);
    for (auto _ : state) {
        window.beolvas();
        QCoreApplication::processEvents();  // the lists repaint
    }
}
BENCHMARK(BM_ReloadLists)->Unit(benchmark::kMillisecond);

// From creating the window to the window shown with its lists painted.
void BM_StartToShownWindow(benchmark::State& state) {
    testing::TestPlatform test;
    test.clock.value = QDateTime(QDate(2024, 12, 20), QTime(9, 0));
    for (auto _ : state) {
        reg::Velmar window(test.platform, store::Paths(fullYear().dir.path()));
        window.start();
        window.show();
        (void)QTest::qWaitForWindowExposed(&window);
        QCoreApplication::processEvents();
    }
}
BENCHMARK(BM_StartToShownWindow)->Unit(benchmark::kMillisecond);

}  // namespace

// Recording a letter into, modifying one in and deleting one from a full year of the
// register, through the main window as the user does it: each measured step includes the
// checks, the operation's writes and syncs, the reload of the three lists and the selection
// of the last row. Argument 1: with the register log, 0: without it.

#include <benchmark/benchmark.h>
#include <unistd.h>

#include <QCheckBox>
#include <QComboBox>
#include <QFile>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>

#include "support/mainwindow.h"
#include "tools/demoregister.h"

using namespace testing;

namespace {

constexpr int kYear = 2024;

// The main window on a demo register whose year holds `letters` letters.
struct FullYear {
    FullYear(int letters, bool logged) {
        DemoOptions options;
        options.year = kYear;
        options.letters = letters;
        writeDemoRegister(w.files.folder(), options);
        for (const char16_t* name : {u"Velmar.dat", u"KiIrat.dat", u"Num.dat"})
            saved.push_back({w.files.yearFile(kYear, QStringView(name)), {}});
        for (auto& [path, bytes] : saved)
            bytes = w.files.read(path);
        w.start(logged);
        w.find<QCheckBox>(QStringLiteral("chkMellekletKerdes"))->setChecked(false);
        w.find<QCheckBox>(QStringLiteral("chkRogzitKerdes"))->setChecked(false);
        auto* groups = w.find<QComboBox>(QStringLiteral("cmbCsoportok"));
        groups->setCurrentIndex(0);
        emit groups->activated(0);
    }

    // Puts the year's files back as they were before the measured step, and on the disk:
    // otherwise the measured step's own flush would write the restored files out too.
    void restore() {
        for (const auto& [path, bytes] : saved)
            w.files.write(path, bytes);
        ::sync();
    }

    MainWindow w;
    std::vector<std::pair<QString, QByteArray>> saved;
};

void recordIntoAFullYear(benchmark::State& state) {
    FullYear year(32766, state.range(0) != 0);
    const store::UgyfelRekord client = demoClients(120, 2024).front();
    for (auto _ : state) {
        state.PauseTiming();
        year.restore();
        year.w.find<QRadioButton>(QStringLiteral("Option1_0"))->click();
        year.w.find<QLineEdit>(QStringLiteral("txtKitolKinek"))->setText(client.Nev);
        year.w.find<QLineEdit>(QStringLiteral("txtUgyfelszam"))
            ->setText(QString::number(client.Ugyfelszam));
        year.w.find<QPlainTextEdit>(QStringLiteral("txtLevelTargya"))
            ->setPlainText(QStringLiteral("Árajánlat kérése"));
        state.ResumeTiming();

        year.w.find<QPushButton>(QStringLiteral("cmdRogzit"))->click();
    }
    if (year.w.files.read(year.w.files.yearFile(kYear, u"Velmar.dat")).size() != 32767 * 258)
        state.SkipWithError("the letter was not recorded");
}
BENCHMARK(recordIntoAFullYear)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond)->Iterations(20);

void modifyInAFullYear(benchmark::State& state) {
    FullYear year(32767, state.range(0) != 0);
    auto* list = year.w.find<ui::ReportView>(QStringLiteral("ListView1"));
    auto* subject = year.w.find<QPlainTextEdit>(QStringLiteral("txtLevelTargya"));
    for (auto _ : state) {
        state.PauseTiming();
        year.restore();
        list->selectRow(16000);
        subject->setPlainText(subject->toPlainText() + QStringLiteral(" (javítva)"));
        year.w.test.dialogs.answerInput(QStringLiteral("2"));
        year.w.test.dialogs.answerMessage(ui::Answer::Yes);
        state.ResumeTiming();

        year.w.find<QPushButton>(QStringLiteral("cmdModosit"))->click();
    }
    // Every box was the question; a refusal or a failure would be another.
    for (const ui::Message& message : year.w.test.dialogs.messages) {
        if (message.title != QStringLiteral(" Módosítás az adatállományban !"))
            state.SkipWithError("the letter was not modified");
    }
}
BENCHMARK(modifyInAFullYear)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond)->Iterations(20);

void deleteFromAFullYear(benchmark::State& state) {
    FullYear year(32767, state.range(0) != 0);
    auto* list = year.w.find<ui::ReportView>(QStringLiteral("ListView1"));
    for (auto _ : state) {
        state.PauseTiming();
        year.restore();
        list->selectRow(16000);
        year.w.test.dialogs.answerMessage(ui::Answer::Yes);
        state.ResumeTiming();

        year.w.find<QPushButton>(QStringLiteral("cmdTorles"))->click();
    }
    if (year.w.files.read(year.w.files.yearFile(kYear, u"Velmar.dat")).size() != 32766 * 258)
        state.SkipWithError("the letter was not deleted");
}
BENCHMARK(deleteFromAFullYear)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond)->Iterations(20);

}  // namespace

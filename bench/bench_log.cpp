// The register log: opening the "Napló" window on a log of 100,000 entries, the cost the log
// adds to an operation's commit, checking the log at start, and exporting it.

#include <benchmark/benchmark.h>

#include <QCoreApplication>
#include <QFile>
#include <QSqlQuery>
#include <QTest>
#include <QUuid>

#include "log/csv.h"
#include "log/database.h"
#include "log/frmnaplo.h"
#include "log/log.h"
#include "support/fakeplatform.h"
#include "support/tempregister.h"
#include "tools/demoregister.h"

namespace {

constexpr int kEntries = 100000;
constexpr int kYear = 2024;

// A register whose log holds 100,000 entries: deletions, modifications and recordings of
// demo letters over five years by three users, as a busy office gathers them in some years.
struct BigLog {
    testing::TempRegister files;
    BigLog() {
        const auto letters = testing::demoYear({}).letters;
        eventlog::Log log(files.folder());
        for (int i = 0; i < 3; ++i) {
            const QByteArray before = letters[size_t(i)].toBytes();
            store::LevelRekord changed = letters[size_t(i)];
            changed.LevelTargya += QStringLiteral(" (javítva)");
            log.committing({QUuid::createUuid().toString(), eventlog::kinds::All[i].toString(),
                            eventlog::note(eventlog::letterChange(
                                kYear, i + 1, i == 0 ? QByteArray() : before,
                                i == 2 ? QByteArray() : changed.toBytes()))});
        }
        // The rest are copies of these three in one transaction, each with its own id, year
        // and user.
        eventlog::Connection connection(eventlog::databasePath(files.folder()),
                                        eventlog::Connection::Mode::ReadWrite);
        QSqlDatabase db = connection.database();
        QSqlQuery copy(db);
        const QString numbers =
            QStringLiteral(
                "WITH RECURSIVE n(i) AS (SELECT 4 UNION ALL SELECT i + 1 FROM n WHERE i < %1) ")
                .arg(kEntries);
        const bool done =
            db.transaction() &&
            copy.exec(numbers +
                      "INSERT INTO log (id, operation, time, user, kind, year, number, summary, "
                      "search, file, record) SELECT n.i, 'op' || n.i, l.time, 'user' || (n.i % 3), "
                      "l.kind, 2020 + n.i % 5, l.number, l.summary, l.search, l.file, n.i "
                      "FROM n JOIN log l ON l.id = 1 + n.i % 3") &&
            copy.exec(
                numbers +
                "INSERT INTO log_records SELECT n.i, record_before, record_after, "
                "document_before, document_after FROM n JOIN log_records ON entry = 1 + n.i % 3") &&
            db.commit();
        if (!done)
            qFatal("the log could not be filled");
    }
};

BigLog& bigLog() {
    static BigLog log;
    return log;
}

// From creating the window to its first entry listed and shown with its fields, painted.
void BM_OpenLogWindow(benchmark::State& state) {
    testing::TestPlatform test;
    const store::Paths paths = bigLog().files.paths();
    for (auto _ : state) {
        logwindow::frmNaplo window(test.platform, paths);
        window.show();
        QCoreApplication::processEvents();
    }
}
BENCHMARK(BM_OpenLogWindow)->Unit(benchmark::kMillisecond);

// A text typed into the filter: the count and the first page, each a scan of every entry's
// searchable text.
void BM_FilterByText(benchmark::State& state) {
    const eventlog::LogReader reader(bigLog().files.folder());
    eventlog::Filter filter;
    filter.text = testing::demoYear({}).letters[1].KitolKinek.left(6).toLower();
    for (auto _ : state) {
        benchmark::DoNotOptimize(reader.count(filter));
        benchmark::DoNotOptimize(reader.page(filter, 0, 200));
    }
}
BENCHMARK(BM_FilterByText)->Unit(benchmark::kMillisecond);

// Start-up's check of an existing log: SQLite's quick check of the whole file.
void BM_CheckLogAtStart(benchmark::State& state) {
    for (auto _ : state) {
        eventlog::Log log(bigLog().files.folder());
        log.open();
    }
}
BENCHMARK(BM_CheckLogAtStart)->Unit(benchmark::kMillisecond);

// The whole log to a CSV file.
void BM_ExportLog(benchmark::State& state) {
    const eventlog::LogReader reader(bigLog().files.folder());
    const QString path = bigLog().files.programFile(u"napló.csv");
    for (auto _ : state) {
        if (!eventlog::exportCsv(reader, {}, path).ok)
            state.SkipWithError("the export failed");
    }
}
BENCHMARK(BM_ExportLog)->Unit(benchmark::kMillisecond);

// A recording's writes into a full year (the letter and its document appended, the counter
// in place), committed with the log hearing it (argument 1) or without a log (0).
void BM_CommitRecording(benchmark::State& state) {
    testing::TempRegister files;
    testing::DemoOptions options;
    options.letters = 32766;
    testing::writeDemoRegister(files.folder(), options);
    eventlog::Log log(files.folder());
    store::Paths paths = files.paths();
    if (state.range(0))
        paths.setObserver(&log);
    const QString letters = files.yearFile(kYear, u"Velmar.dat");
    const QString documents = files.yearFile(kYear, u"KiIrat.dat");
    const qint64 letterSize = QFile(letters).size(), documentSize = QFile(documents).size();
    const QByteArray letter = testing::demoYear(options).letters.back().toBytes();
    for (auto _ : state) {
        store::Operation recording(paths, eventlog::kinds::Recording.toString());
        recording.setNote(eventlog::note(eventlog::letterChange(kYear, 32767, {}, letter)));
        recording.writeAt(letters, letterSize, letter);
        recording.writeAt(documents, documentSize, store::IratRekord{}.toBytes());
        recording.writeAt(files.yearFile(kYear, u"Num.dat"), 0, testing::fromHex("0000 FF7F"));
        if (!recording.commit().ok)
            state.SkipWithError("the recording failed");
        state.PauseTiming();
        QFile::resize(letters, letterSize);
        QFile::resize(documents, documentSize);
        state.ResumeTiming();
    }
}
BENCHMARK(BM_CommitRecording)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

}  // namespace

// The spreadsheet of a full year and the whole-register snapshot of a register with one.
//
// Target: a 32,767-row list written as .xlsx in at most 1 s. The snapshot and its restore
// have no target of their own; their figures show what a clerk waits for (copy, sync to the
// disk and read-back of a full year: 8.45 MB of letters and 11.5 MB of documents).

#include <benchmark/benchmark.h>

#include <QDir>
#include <QTemporaryDir>

#include "backup/snapshot.h"
#include "backup/spreadsheet.h"
#include "backup/yearbackup.h"
#include "store/recordfile.h"
#include "tools/demoregister.h"

namespace {

constexpr int kYear = 2024;
constexpr int kFullYear = 32767;

class Register {
public:
    Register() {
        testing::DemoOptions options;
        options.year = kYear;
        options.letters = kFullYear;
        ok_ = dir_.isValid() && testing::writeDemoRegister(dir_.path(), options);
    }
    bool ok() const { return ok_; }
    QString folder() const { return dir_.path(); }

private:
    QTemporaryDir dir_;
    bool ok_ = false;
};

void BM_SpreadsheetFullYear(benchmark::State& state) {
    const Register full;
    QTemporaryDir out;
    const QString path = out.filePath(QStringLiteral("levelek.xlsx"));
    for (auto _ : state) {
        // As the menu does it: the list's records read, then the workbook written.
        const store::RecordFile file(backup::letterFile(store::Paths(full.folder()), kYear),
                                     store::LevelRekord::Size);
        const QByteArray records = file.readAllBytes();
        if (records.size() != qsizetype(kFullYear) * store::LevelRekord::Size ||
            !backup::writeSpreadsheet(path, reg::LetterList::All, QStringLiteral("Levelek"),
                                      records)
                 .ok) {
            state.SkipWithError("spreadsheet failed");
        }
    }
}
BENCHMARK(BM_SpreadsheetFullYear)->Unit(benchmark::kMillisecond);

void BM_SnapshotFullYear(benchmark::State& state) {
    const Register full;
    QTemporaryDir target;
    const QDateTime moment(QDate(2026, 12, 5), QTime(14, 30));
    for (auto _ : state) {
        const backup::SnapshotResult made =
            backup::makeSnapshot(full.folder(), target.path(), moment, {});
        state.PauseTiming();
        if (!made.done() || !QDir(made.path).removeRecursively())
            state.SkipWithError("snapshot failed");
        state.ResumeTiming();
    }
}
BENCHMARK(BM_SnapshotFullYear)->Unit(benchmark::kMillisecond);

void BM_SnapshotRestoreFullYear(benchmark::State& state) {
    const Register full;
    QTemporaryDir target;
    const backup::SnapshotResult made = backup::makeSnapshot(
        full.folder(), target.path(), QDateTime(QDate(2026, 12, 5), QTime(14, 30)), {});
    for (auto _ : state) {
        if (!made.done() ||
            !backup::restoreSnapshot(store::Paths(full.folder()), made.path, {}).done()) {
            state.SkipWithError("restore failed");
        }
    }
}
BENCHMARK(BM_SnapshotRestoreFullYear)->Unit(benchmark::kMillisecond);

}  // namespace

// Backup, restore, export and printing of a full year.
//
// Targets: backup and restore of a 32,767-letter year at most 50 ms each; export of 32,767
// rows at most 200 ms; laying out and painting 1,234 rows to a PDF at most 2 s.

#include <benchmark/benchmark.h>

#include <QPrinter>
#include <QTemporaryDir>
#include <memory>

#include "backup/exportfile.h"
#include "backup/yearbackup.h"
#include "print/letterlistprint.h"
#include "register/letterlists.h"
#include "register/listletters.h"
#include "store/paths.h"
#include "store/recordfile.h"
#include "tools/demoregister.h"
#include "ui/listmodel.h"
#include "ui/qtprinter.h"

namespace {

constexpr int kYear = 2024;
constexpr int kFullYear = 32767;
constexpr int kPrintedRows = 1234;

// A demo register with `letters` letters in the year 2024, in a temporary folder.
class Register {
public:
    explicit Register(int letters) {
        testing::DemoOptions options;
        options.year = kYear;
        options.letters = letters;
        ok_ = dir_.isValid() && testing::writeDemoRegister(dir_.path(), options);
    }
    bool ok() const { return ok_; }
    store::Paths paths() const { return store::Paths(dir_.path()); }
    QString letterFile() const { return backup::letterFile(paths(), kYear); }

private:
    QTemporaryDir dir_;
    bool ok_ = false;
};

// The all-letters list as the main window holds it after a reload, sorted by correspondent.
struct AllLettersList {
    std::shared_ptr<const reg::LetterRows> rows;
    std::unique_ptr<ui::ListModel> model;

    // The letters of the list in its order, read through the rows' identities.
    QByteArray records(const store::Paths& paths) const {
        std::vector<int> indexes;
        for (int row = 0; row < model->rowCount(); ++row)
            indexes.push_back(rows->all[size_t(model->sourceRow(row))]);
        return reg::recordsByIdentity(paths, *rows, indexes);
    }
};

AllLettersList allLettersList(const Register& year) {
    QByteArray bytes;
    {
        const store::RecordFile file(year.letterFile(), store::LevelRekord::Size);
        bytes = file.readAllBytes();
    }
    AllLettersList list;
    list.rows = std::make_shared<const reg::LetterRows>(
        reg::allLetters(QString::number(kYear), bytes, true));
    list.model = std::make_unique<ui::ListModel>(reg::letterColumns(reg::LetterList::All));
    list.model->setRows(int(list.rows->all.size()), [rows = list.rows](int row, int column) {
        return reg::letterCell(*rows, reg::LetterList::All, rows->all[size_t(row)], column);
    });
    list.model->sortByColumn(7);
    return list;
}

void BM_BackupFullYear(benchmark::State& state) {
    const Register year(kFullYear);
    for (auto _ : state) {
        const backup::CopyResult copy = backup::backupYear(year.paths(), kYear);
        if (copy.records != kFullYear || !copy.ok())
            state.SkipWithError("backup failed");
    }
}
BENCHMARK(BM_BackupFullYear)->Unit(benchmark::kMillisecond);

void BM_RestoreFullYear(benchmark::State& state) {
    const Register year(kFullYear);
    backup::backupYear(year.paths(), kYear);
    for (auto _ : state) {
        const backup::CopyResult copy = backup::restoreYear(year.paths(), kYear);
        if (copy.records != kFullYear || !copy.ok())
            state.SkipWithError("restore failed");
    }
}
BENCHMARK(BM_RestoreFullYear)->Unit(benchmark::kMillisecond);

// What "Mentés &Excel fájlba" does after the name box: the list's letters read through
// their identities, the lines built and the file written.
void BM_ExportFullYear(benchmark::State& state) {
    const Register year(kFullYear);
    const auto list = allLettersList(year);
    const QString path = year.paths().yearFolder(kYear) + QStringLiteral("/lista.csv");
    for (auto _ : state) {
        const QByteArray content = backup::exportContent(list.records(year.paths()));
        if (content.size() != qsizetype(kFullYear + 1) * backup::kExportLineSize ||
            !backup::writeExportFile(path, content).ok) {
            state.SkipWithError("export failed");
        }
    }
}
BENCHMARK(BM_ExportFullYear)->Unit(benchmark::kMillisecond);

// The print layout alone, on the recording document.
void BM_PrintLayout1234(benchmark::State& state) {
    const Register year(kPrintedRows);
    const auto list = allLettersList(year);
    for (auto _ : state) {
        ui::PrintDocument document;
        print::printLetterList(document, QStringLiteral("Kigyűjtött levelek"),
                               QStringLiteral("2024.06.14."),
                               reg::lettersOf(list.records(year.paths())));
        benchmark::DoNotOptimize(document.pageCount());
    }
}
BENCHMARK(BM_PrintLayout1234)->Unit(benchmark::kMillisecond);

// Laying out 1,234 rows and painting them, 34 pages, into a PDF file.
void BM_PrintPdf1234(benchmark::State& state) {
    const Register year(kPrintedRows);
    const auto list = allLettersList(year);
    QTemporaryDir out;
    for (auto _ : state) {
        ui::PrintDocument document;
        print::printLetterList(document, QStringLiteral("Kigyűjtött levelek"),
                               QStringLiteral("2024.06.14."),
                               reg::lettersOf(list.records(year.paths())));
        QPrinter printer(QPrinter::HighResolution);
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(out.filePath(QStringLiteral("lista.pdf")));
        document.preparePrinter(printer);
        if (document.pageCount() != 34 || !document.print(printer))
            state.SkipWithError("printing failed");
    }
}
BENCHMARK(BM_PrintPdf1234)->Unit(benchmark::kMillisecond);

}  // namespace

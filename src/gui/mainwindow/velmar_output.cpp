// Export of the all-letters list to a file, a list as a spreadsheet, and printing of the
// three letter lists.

#include <QApplication>
#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

#include "backup/exportfile.h"
#include "backup/spreadsheet.h"
#include "mainwindow/velmar.h"
#include "print/letterlistprint.h"
#include "register/listletters.h"
#include "store/hungarian.h"
#include "ui/listmodel.h"

using namespace Qt::StringLiterals;

namespace reg {
namespace {

QString listCaption(LetterList list) {
    switch (list) {
        case LetterList::Incoming:
            return u"Bejövő levelek"_s;
        case LetterList::Outgoing:
            return u"Kimenő levelek"_s;
        case LetterList::All:
            break;
    }
    return u"Bejövő és kimenő levelek"_s;
}

}  // namespace

QByteArray Velmar::recordsOfList(LetterList list) const {
    // Each row reads its letter through its own identity, whatever year the picker shows.
    std::vector<int> indexes;
    indexes.reserve(size_t(letterModel(list)->rowCount()));
    for (int row = 0; row < letterModel(list)->rowCount(); ++row)
        indexes.push_back(letterIndex(list, row));
    return recordsByIdentity(paths_, *rows_, indexes);
}

void Velmar::onExport() {
    const std::optional<QString> answer = platform_.dialogs.input(
        this, u"Excel Lista mentése"_s, u"Kérem adja meg a mentés fájl nevét.\r\n"_s, QString());
    if (!answer || answer->isEmpty())
        return;
    state_.workingYear = pickerYear();
    const QString path = backup::exportPath(paths_, state_.workingYear, *answer);

    const backup::ExportResult written =
        backup::writeExportFile(path, backup::exportContent(recordsOfList(LetterList::All)));
    if (!written.ok) {
        // A name that cannot be created (a missing folder, no right to write there) leaves
        // no file behind, not even a part of one.
        platform_.dialogs.message(this, {u"! HIBA !"_s,
                                         u"Az Excel fájl nem jött létre!\r\n"_s + path.trimmed() +
                                             u"\r\nEllenőrízd a fájl nevét és a mappát!\r\n"_s,
                                         ui::Buttons::Ok, ui::Answer::Ok, ui::Icon::Critical});
        return;
    }
    platform_.dialogs.message(this, {u" Excel fájl megnyitása "_s,
                                     u"Excel fájl útvonala:\r\n"_s + path.trimmed() + u"\r\n"_s,
                                     ui::Buttons::Ok, ui::Answer::Ok, ui::Icon::Exclamation});
}

void Velmar::onSpreadsheet() {
    static constexpr LetterList kTabs[] = {LetterList::All, LetterList::Incoming,
                                           LetterList::Outgoing};
    const LetterList list = kTabs[qBound(0, listTabs_->currentIndex(), 2)];
    QString folder = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    if (!QFileInfo(folder).isDir())
        folder = QDir::homePath();
    const QString proposed = folder + u'/' + listCaption(list) + u".xlsx"_s;
    QString path = platform_.dialogs.saveFile(
        this, {u"Mentés táblázatba"_s, u"Excel munkafüzet (*.xlsx)|*.xlsx"_s, 1, proposed});
    if (path.isEmpty())
        return;
    if (!path.endsWith(u".xlsx"_s, Qt::CaseInsensitive))
        path += u".xlsx"_s;

    QApplication::setOverrideCursor(Qt::WaitCursor);
    const QByteArray records = recordsOfList(list);
    const backup::SpreadsheetResult written =
        backup::writeSpreadsheet(path, list, listCaption(list), records);
    QApplication::restoreOverrideCursor();
    if (!written.ok) {
        platform_.dialogs.message(
            this, {u"HIBA"_s,
                   u"A táblázat nem jött létre!\r\n"_s + path + u"\r\n"_s + written.errorText +
                       u"\r\nEllenőrízd a fájl nevét és a mappát!\r\n"_s,
                   ui::Buttons::Ok, ui::Answer::Ok, ui::Icon::Critical});
        return;
    }
    const qsizetype letters = records.size() / store::LevelRekord::Size;
    platform_.dialogs.message(this, {u"Mentés táblázatba"_s,
                                     u"A táblázat elkészült ("_s + store::groupedNumber(letters) +
                                         u" levél):\r\n"_s + path + u"\r\n"_s,
                                     ui::Buttons::Ok, ui::Answer::Ok, ui::Icon::Information});
}

void Velmar::printList(LetterList list) {
    const std::unique_ptr<print::PrintSurface> surface =
        platform_.printer.begin(this, listCaption(list));
    if (!surface) {
        platform_.dialogs.message(this, {u"FIGYELEM!"_s,
                                         u"Nincs használható nyomtató!\r\n"
                                         u"A lista nem nyomtatható ki.\r\n"_s,
                                         ui::Buttons::Ok, ui::Answer::Ok, ui::Icon::Exclamation});
        return;
    }
    // Cancel gives an empty header; the list prints all the same.
    const QString header = platform_.dialogs
                               .input(this, u"Kigyűjtött Lista Nyomtatása !"_s,
                                      u"Kérem adja meg, a fejléc szövegét."_s, QString())
                               .value_or(QString());
    print::printLetterList(*surface, header, store::shortDate(platform_.clock.today()),
                           lettersOf(recordsOfList(list)));
    if (!surface->end()) {
        platform_.dialogs.message(this, {u"FIGYELEM!"_s,
                                         u"A nyomtatás nem sikerült!\r\n"
                                         u"Ellenőrízd a nyomtatót, majd próbáld újra.\r\n"_s,
                                         ui::Buttons::Ok, ui::Answer::Ok, ui::Icon::Exclamation});
    }
}

}  // namespace reg

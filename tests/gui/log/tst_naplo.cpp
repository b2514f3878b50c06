// The log window "Napló" from the main window's menu: entries newest first, the filters, the
// changed fields side by side, a deleted letter brought back, the export; and a register
// whose log database is damaged.

#include <QTreeView>
#include <QTreeWidget>

#include "log/database.h"
#include "log/note.h"
#include "support/mainwindow.h"

using namespace testing;

namespace {

QByteArray letterBytes(qint16 serial, const QString& correspondent) {
    return letter(QDate(2024, 3, serial), true, serial, correspondent).toBytes();
}

// The main window on a year of three letters, the second with a document, after two
// operations done as the user does them: the first letter's correspondent changed, then the
// second letter deleted.
struct LoggedRegister : MainWindow {
    LoggedRegister() {
        files.write(files.yearFile(2024, u"Velmar.dat"), a + b + c);
        files.write(files.yearFile(2024, u"KiIrat.dat"), QByteArray(350, ' ') + document);
        files.write(files.yearFile(2024, u"Num.dat"), fromHex("0000 0300"));
        start();
        find<QCheckBox>("chkMellekletKerdes")->setChecked(false);
        auto* list = find<ui::ReportView>("ListView1");
        list->selectRow(0);
        setText("txtKitolKinek", "Kovács és Társa Kft.");
        test.dialogs.answerInput(QStringLiteral("2"));
        test.dialogs.answerMessage(ui::Answer::Yes);
        click("cmdModosit");
        list->selectRow(1);
        test.dialogs.answerMessage(ui::Answer::Yes);
        click("cmdTorles");
        QVERIFY(test.dialogs.scriptUsed());
        QCOMPARE(files.readYear(2024, u"Velmar.dat"), a2 + c);
        test.dialogs.messages.clear();
    }

    // Opens "Napló" and runs `handler` on it while it is open.
    void openLog(std::function<void(QDialog&)> handler) {
        test.dialogs.onModal(std::move(handler));
        trigger("mnuNaplo");
    }

    const QByteArray a = letterBytes(1, "Kovács Kft."), a2 = letterBytes(1, "Kovács és Társa Kft.");
    const QByteArray b = letterBytes(2, "Szabó Bt."), c = letterBytes(3, "Ádám Éva");
    const QByteArray document = store::IratRekord{"\"b.pdf\"", "\"/iratok/b.pdf\""}.toBytes();
};

QStringList listed(QDialog& d, int column) {
    QStringList cells;
    auto* model = control<QTreeView>(&d, "lstBejegyzesek")->model();
    for (int row = 0; row < model->rowCount(); ++row)
        cells << model->index(row, column).data().toString();
    return cells;
}

void selectEntry(QDialog& d, int row) {
    auto* view = control<QTreeView>(&d, "lstBejegyzesek");
    view->setCurrentIndex(view->model()->index(row, 0));
}

}  // namespace

class NaploTest : public QObject {
    Q_OBJECT

private slots:
    // Newest first; a modification shows what changed; the filters narrow the list.
    void entriesAndFilters() {
        LoggedRegister w;
        w.openLog([&](QDialog& d) {
            QCOMPARE(listed(d, 2), (QStringList{"Törlés", "Módosítás"}));
            QCOMPARE(listed(d, 4), (QStringList{"B/2/2024", "B/1/2024"}));
            QCOMPARE(listed(d, 0).first(), "2024.06.14. 10:30:00");
            selectEntry(d, 1);
            auto* fields = control<QTreeWidget>(&d, "lstValtozasok");
            QCOMPARE(fields->topLevelItemCount(), 1);
            const QTreeWidgetItem* field = fields->topLevelItem(0);
            QCOMPARE((QStringList{field->text(0), field->text(1), field->text(2)}),
                     (QStringList{"Kinek/Kitől", "Kovács Kft.", "Kovács és Társa Kft."}));
            QVERIFY(!control<QPushButton>(&d, "cmdVisszaallitas")->isEnabled());

            auto* kinds = control<QComboBox>(&d, "cmbMuvelet");
            kinds->setCurrentIndex(kinds->findText("Módosítás"));
            QCOMPARE(listed(d, 4), QStringList{"B/1/2024"});
            kinds->setCurrentIndex(0);
            setTextOf(&d, "txtSzoveg", "szabó");
            QTest::keyClick(control<QLineEdit>(&d, "txtSzoveg"), Qt::Key_Return);
            QCOMPARE(listed(d, 4), QStringList{"B/2/2024"});
            QCOMPARE(textOf(&d, "lblDarab"), "1 bejegyzés");
        });
        QVERIFY(w.test.dialogs.scriptUsed());
    }

    // "Visszaállítás" asks, appends the letter and its document to the year, logs it and
    // the main window lists it again; a second time it asks with No as the default, as the
    // number is taken.
    void deletedLetterComesBack() {
        LoggedRegister w;
        w.test.dialogs.answerMessage(ui::Answer::Yes);
        w.test.dialogs.answerMessage(ui::Answer::No);
        w.openLog([&](QDialog& d) {
            control<QPushButton>(&d, "cmdVisszaallitas")->click();
            QCOMPARE(listed(d, 2).first(), "Törölt levél visszaállítása");
            selectEntry(d, 1);
            control<QPushButton>(&d, "cmdVisszaallitas")->click();
        });
        const QString title = " Visszaállítás az adatállományba !";
        QCOMPARE(w.test.dialogs.messages,
                 (QList<ui::Message>{
                     {title,
                      "Biztos visszaállítható a(z) B/2/2024 iktatási számú törölt levél?\r\n"
                      "A levél eredeti dátumával a 2024. évi iktatás végére kerül.",
                      ui::Buttons::YesNo, ui::Answer::Yes, ui::Icon::Question},
                     {title,
                      "Biztos visszaállítható a(z) B/2/2024 iktatási számú törölt levél?\r\n"
                      "Ez az iktatási szám már szerepel a 2024. évi iktatásban (3. tétel): két "
                      "levél viseli majd.",
                      ui::Buttons::YesNo, ui::Answer::No, ui::Icon::Question}}));
        QCOMPARE(w.files.readYear(2024, u"Velmar.dat"), w.a2 + w.c + w.b);
        QCOMPARE(column(w.window.get(), "ListView1", 7),
                 (QStringList{"Kovács és Társa Kft.", "Szabó Bt.", "Ádám Éva"}));
    }

    // The entries listed go to the chosen file; the user hears where.
    void exportToCsv() {
        LoggedRegister w;
        const QString path = w.files.programFile(u"napló.csv");
        w.test.dialogs.answerSaveFile(path);
        w.test.dialogs.answerMessage(ui::Answer::Ok);
        w.openLog([&](QDialog& d) { control<QPushButton>(&d, "cmdExport")->click(); });
        QCOMPARE(w.test.dialogs.fileRequests.last().filter, "CSV fájl (*.csv)|*.csv");
        QCOMPARE(w.files.read(path).count("\r\n"), 3);
        QCOMPARE(w.test.dialogs.messages.last(),
                 (ui::Message{" Napló mentése ", "A napló 2 bejegyzése mentve:\r\n" + path,
                              ui::Buttons::Ok, ui::Answer::Ok, ui::Icon::Information}));
    }

    // A damaged database is set aside and reported once; the letters are listed as ever.
    void damagedDatabase() {
        MainWindow w;
        w.files.writeLetters(2024, {letter(QDate(2024, 3, 1), true, 1, "Kovács Kft.")});
        w.files.write(eventlog::databasePath(w.files.folder()), "no database");
        w.test.dialogs.answerMessage(ui::Answer::Ok);
        w.start();
        QTRY_VERIFY(w.test.dialogs.scriptUsed());
        const QString name = "Velmarok-serult-2024-06-14-103000.sqlite";
        QCOMPARE(w.test.dialogs.messages, QList{logwindow::setAsideMessage(name)});
        QCOMPARE(rowCount(w.window.get(), "ListView1"), 1);
    }
};

QTEST_MAIN(NaploTest)
#include "tst_naplo.moc"

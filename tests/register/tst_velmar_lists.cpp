// The main window's start-up, its three letter lists and what selecting a row does.

#include <QCheckBox>
#include <QComboBox>
#include <QDateTimeEdit>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>
#include <QTest>

#include "store/oledate.h"
#include "store/recordfile.h"
#include "support/mainwindow.h"
#include "ui/widgets.h"

using namespace testing;

namespace {

const QDate kToday(2024, 6, 14);

store::CsoportRekord group(const QString& name, const QString& code) {
    return {name, code};
}

// Incoming 10, outgoing 5, incoming 1, outgoing 1, incoming 2, in that file order.
std::vector<store::LevelRekord> mixedYear() {
    auto in = [](qint16 n, const QString& who) { return letter(QDate(2024, 3, n), true, n, who); };
    auto out = [](qint16 n, const QString& who) {
        return letter(QDate(2024, 4, n), false, n, who);
    };
    return {in(10, QStringLiteral("Tíz Bt.")), out(5, QStringLiteral("Öt Kft.")),
            in(1, QStringLiteral("Egy Zrt.")), out(1, QStringLiteral("Első Kft.")),
            in(2, QStringLiteral("Kettő Bt."))};
}

QStringList column(const QObject* root, const QString& list, int col) {
    QStringList cells;
    for (int row = 0; row < rowCount(root, list); ++row)
        cells << cell(root, list, row, col);
    return cells;
}

void clickRow(QWidget* window, const QString& list, int row) {
    auto* view = control<ui::ReportView>(window, list);
    const QRect rect = view->visualRect(view->model()->index(row, 0));
    QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, rect.center());
}

}  // namespace

class VelmarListsTest : public QObject {
    Q_OBJECT

private slots:
    void startOnEmptyFolder() {
        MainWindow w;
        w.test.clock.value = QDateTime(kToday, QTime(10, 30));
        w.start();

        QCOMPARE(w.window->windowTitle(), QStringLiteral("Velmarok"));
        QVERIFY(TempRegister::exists(w.files.programFile(u"Setup.dat")));
        QVERIFY(TempRegister::exists(w.files.programFile(u"Csoportok.dat")));
        QCOMPARE(w.files.read(w.files.programFile(u"Setup.dat")).size(), 0);
        QCOMPARE(w.files.read(w.files.programFile(u"Csoportok.dat")).size(), 0);
        QVERIFY(!TempRegister::exists(w.files.yearFile(2024, u"")));

        QCOMPARE(w.window->centralWidget()->palette().color(QPalette::Window), QColor(Qt::black));
        QCOMPARE(
            w.find<ui::ReportView>(QStringLiteral("ListView1"))->palette().color(QPalette::Base),
            QColor(Qt::black));
        for (const char* name : {"Option1_0", "Option1_1"}) {
            auto* option = w.find<QRadioButton>(QLatin1String(name));
            QVERIFY(option->isEnabled());
            QVERIFY(!option->isChecked());
        }
        QCOMPARE(w.find<QComboBox>(QStringLiteral("cmbCsoportok"))->count(), 0);
        QCOMPARE(rowCount(w.window.get(), QStringLiteral("ListView1")), 0);
        QVERIFY(!w.find<QPushButton>(QStringLiteral("cmdModosit"))->isEnabled());
        QVERIFY(!w.find<QPushButton>(QStringLiteral("cmdTorles"))->isEnabled());
        QCOMPARE(w.find<QDateTimeEdit>(QStringLiteral("DTPicker1"))->date(), kToday);
        QCOMPARE(w.window->state().kijeloltLevel, 0);
        QVERIFY(w.test.dialogs.messages.isEmpty());
    }

    void groupsFillTheComboBoxAndCloseTheDirections() {
        MainWindow w;
        w.files.writeRecords<store::CsoportRekord>(
            w.files.programFile(u"Csoportok.dat"),
            {group(QStringLiteral("  Pénzügy"), QStringLiteral("P")),
             group(QStringLiteral("Adó"), QStringLiteral("A")),
             group(QStringLiteral("Építés"), QStringLiteral("AB"))});
        w.start();
        auto* combo = w.find<QComboBox>(QStringLiteral("cmbCsoportok"));
        QCOMPARE(combo->count(), 3);
        QCOMPARE(combo->itemText(0), QStringLiteral("Pénzügy"));
        QCOMPARE(combo->itemText(2), QStringLiteral("Építés"));
        QVERIFY(!w.find<QRadioButton>(QStringLiteral("Option1_0"))->isEnabled());
        QVERIFY(!w.find<QRadioButton>(QStringLiteral("Option1_1"))->isEnabled());

        // A group added while the program runs shows at the next activation.
        w.files.writeRecords<store::CsoportRekord>(
            w.files.programFile(u"Csoportok.dat"),
            {group(QStringLiteral("Pénzügy"), QStringLiteral("P")),
             group(QStringLiteral("Adó"), QStringLiteral("A")),
             group(QStringLiteral("Építés"), QStringLiteral("AB")),
             group(QStringLiteral("Új"), QStringLiteral("U"))});
        w.window->activate();
        QCOMPARE(combo->count(), 4);
        QCOMPARE(combo->itemText(3), QStringLiteral("Új"));
    }

    void storedColoursAndOrderApply() {
        MainWindow w;
        store::SetupRekord setup;
        setup.AblakSzin = 0x00C0FFEE;  // blue C0, green FF, red EE
        setup.ListaSzin = 0x00FFFFFF;
        setup.PartnerSzin = 0x0000FF00;
        setup.Rendezes = 1;
        store::writeFirstRecord(w.files.programFile(u"Setup.dat"), setup);
        w.start();
        QCOMPARE(w.window->centralWidget()->palette().color(QPalette::Window),
                 QColor(0xEE, 0xFF, 0xC0));
        QCOMPARE(w.find<QLabel>(QStringLiteral("Label1_8"))->palette().color(QPalette::Window),
                 QColor(0xEE, 0xFF, 0xC0));
        QCOMPARE(
            w.find<ui::ReportView>(QStringLiteral("ListView5"))->palette().color(QPalette::Base),
            QColor(Qt::white));
        QCOMPARE(
            w.find<ui::ReportView>(QStringLiteral("ListView3"))->palette().color(QPalette::Base),
            QColor(Qt::green));
        QCOMPARE(w.find<ui::ReportView>(QStringLiteral("ListView1"))->listModel()->sortOrder(),
                 Qt::DescendingOrder);
        QCOMPARE(w.find<ui::ReportView>(QStringLiteral("ListView4"))->listModel()->sortOrder(),
                 Qt::AscendingOrder);
    }

    void listOrderAfterReload_data() {
        QTest::addColumn<int>("rendezes");
        QTest::addColumn<QStringList>("allIncoming");
        QTest::addColumn<QStringList>("allOutgoing");
        QTest::addColumn<int>("selectedAllRow");
        const QString sp = QStringLiteral(" ");
        QTest::newRow("ascending")
            << 0
            << QStringList{QStringLiteral("   1"), QStringLiteral("   2"), QStringLiteral("  10"),
                           sp, sp}
            << QStringList{sp, sp, sp, QStringLiteral("   1"), QStringLiteral("   5")} << 4;
        QTest::newRow("descending")
            << 1
            << QStringList{sp, sp, QStringLiteral("  10"), QStringLiteral("   2"),
                           QStringLiteral("   1")}
            << QStringList{QStringLiteral("   5"), QStringLiteral("   1"), sp, sp, sp} << 0;
    }

    void listOrderAfterReload() {
        QFETCH(int, rendezes);
        QFETCH(QStringList, allIncoming);
        QFETCH(QStringList, allOutgoing);
        QFETCH(int, selectedAllRow);

        MainWindow w;
        store::SetupRekord setup;
        setup.Rendezes = qint16(rendezes);
        store::writeFirstRecord(w.files.programFile(u"Setup.dat"), setup);
        w.files.writeRecords(w.files.yearFile(2024, u"Velmar.dat"), mixedYear());
        w.start();
        const QObject* root = w.window.get();

        QCOMPARE(
            column(root, QStringLiteral("ListView4"), 2),
            (QStringList{QStringLiteral("   1"), QStringLiteral("   2"), QStringLiteral("  10")}));
        QCOMPARE(column(root, QStringLiteral("ListView5"), 2),
                 (QStringList{QStringLiteral("   1"), QStringLiteral("   5")}));
        QCOMPARE(column(root, QStringLiteral("ListView1"), 2), allIncoming);
        QCOMPARE(column(root, QStringLiteral("ListView1"), 5), allOutgoing);
        QCOMPARE(selectedRow(root, QStringLiteral("ListView4")), 2);
        QCOMPARE(selectedRow(root, QStringLiteral("ListView5")), 1);
        QCOMPARE(selectedRow(root, QStringLiteral("ListView1")), selectedAllRow);

        // The entry fields show the selected row of the all-letters list: outgoing number 5.
        QCOMPARE(w.find<QLineEdit>(QStringLiteral("txtKitolKinek"))->text(),
                 QStringLiteral("Öt Kft."));
        QCOMPARE(w.find<QLineEdit>(QStringLiteral("txtSorszam2"))->text(), QStringLiteral("5"));
        QCOMPARE(w.window->state().kijeloltLevel, 2);
        // The activation after loading finds no groups and opens both directions unchecked.
        QVERIFY(!w.find<QRadioButton>(QStringLiteral("Option1_1"))->isChecked());
    }

    void cellsOfIncomingAndOutgoingRows() {
        MainWindow w;
        auto in = letter(QDate(2024, 3, 5), true, 7, QStringLiteral("  Ház Kft.  "));
        in.Elotag = QStringLiteral("AB/");
        in.Ugyfelszam = 1001;
        in.Num = 7;
        in.LevelTargya = QStringLiteral("Tárgy");
        in.Ugyintezo = QStringLiteral("Kiss Anna");
        auto out = letter(QDate(2024, 3, 6), false, 1234, QStringLiteral("Vár Bt."));
        out.Num = 0;
        w.files.writeRecords(w.files.yearFile(2024, u"Velmar.dat"),
                             std::vector<store::LevelRekord>{in, out});
        w.start();
        const QObject* root = w.window.get();
        const QString all = QStringLiteral("ListView1");
        const QStringList incomingRow = {
            QStringLiteral("2024.03.05."), QStringLiteral("AB/ "),      QStringLiteral("   7"),
            QStringLiteral("/2024"),       QStringLiteral(" "),         QStringLiteral(" "),
            QStringLiteral("-"),           QStringLiteral("Ház Kft."),  QStringLiteral("1001"),
            QStringLiteral("Tárgy"),       QStringLiteral("Kiss Anna"), QStringLiteral("    1"),
            QStringLiteral("7"),           QStringLiteral(" ")};
        const QStringList outgoingRow = {QStringLiteral("2024.03.06."),
                                         QStringLiteral(" "),
                                         QStringLiteral(" "),
                                         QStringLiteral("-"),
                                         QStringLiteral("K/  "),
                                         QStringLiteral("1234"),
                                         QStringLiteral("/2024"),
                                         QStringLiteral("Vár Bt."),
                                         QStringLiteral("0"),
                                         QString(),
                                         QString(),
                                         QStringLiteral("    2"),
                                         QStringLiteral(" "),
                                         QStringLiteral("0")};
        QStringList shownIn, shownOut;
        for (int c = 0; c < 14; ++c) {
            shownIn << cell(root, all, 0, c);
            shownOut << cell(root, all, 1, c);
        }
        QCOMPARE(shownIn, incomingRow);
        QCOMPARE(shownOut, outgoingRow);
        QCOMPARE(cell(root, QStringLiteral("ListView4"), 0, 3), QStringLiteral("/2024"));
        QCOMPARE(cell(root, QStringLiteral("ListView5"), 0, 8), QStringLiteral("    2"));
    }

    void blankSerial_data() {
        QTest::addColumn<QTime>("now");
        QTest::addColumn<QString>("cell");
        QTest::addColumn<QString>("serialBox");
        // The picker holds today at midnight: before 10:30, but not before midnight itself.
        QTest::newRow("picker before now") << QTime(10, 30) << QStringLiteral(" ") << QString();
        QTest::newRow("picker not before now")
            << QTime(0, 0) << QStringLiteral("8224") << QStringLiteral("8224");
    }

    void blankSerial() {
        QFETCH(QTime, now);
        QFETCH(QString, cell);
        QFETCH(QString, serialBox);
        MainWindow w;
        w.test.clock.value = QDateTime(kToday, now);
        auto old = letter(kToday, true, store::kBlankSerial, QStringLiteral("Régi"));
        w.files.writeRecords(w.files.yearFile(2024, u"Velmar.dat"), std::vector{old});
        w.start();
        QCOMPARE(testing::cell(w.window.get(), QStringLiteral("ListView4"), 0, 2), cell);
        QCOMPARE(w.find<QLineEdit>(QStringLiteral("txtSorszam2"))->text(), serialBox);
    }

    void clickingARowFillsTheEntryFields() {
        MainWindow w;
        w.files.writeRecords<store::CsoportRekord>(
            w.files.programFile(u"Csoportok.dat"),
            {group(QStringLiteral("Pénzügy"), QStringLiteral("P")),
             group(QStringLiteral("Adó"), QStringLiteral("A"))});
        auto first = letter(QDate(2024, 2, 1), true, 3, QStringLiteral("  Ország Kft. "));
        first.Elotag = QStringLiteral("AB/");
        first.CsoportJel = QStringLiteral("A");
        first.LevelTargya = QStringLiteral(" Kérelem\r\nmásodik sor ");
        first.Ugyfelszam = 1042;
        first.Ugyintezo = QStringLiteral("Nagy Éva");
        first.Melleklet = QStringLiteral("scan1.pdf");
        auto second = letter(QDate(2024, 5, 2), false, 9, QStringLiteral("Más"));
        w.files.writeRecords(w.files.yearFile(2024, u"Velmar.dat"),
                             std::vector<store::LevelRekord>{first, second});
        w.start();
        w.window->show();
        QVERIFY(QTest::qWaitForWindowExposed(w.window.get()));

        clickRow(w.window.get(), QStringLiteral("ListView1"), 0);
        QCOMPARE(w.window->state().kijeloltLevel, 1);
        QCOMPARE(w.find<QDateTimeEdit>(QStringLiteral("DTPicker1"))->date(), QDate(2024, 2, 1));
        QCOMPARE(w.find<QLineEdit>(QStringLiteral("txtKitolKinek"))->text(),
                 QStringLiteral("Ország Kft."));
        QCOMPARE(w.find<QPlainTextEdit>(QStringLiteral("txtLevelTargya"))->toPlainText(),
                 QStringLiteral("Kérelem\r\nmásodik sor")
                     .replace(QStringLiteral("\r\n"), QStringLiteral("\n")));
        QCOMPARE(w.find<QLineEdit>(QStringLiteral("txtSorszam"))->text(), QStringLiteral("/2024"));
        QCOMPARE(w.find<QLineEdit>(QStringLiteral("txtSorszam1"))->text(), QStringLiteral("AB/"));
        QCOMPARE(w.find<QLineEdit>(QStringLiteral("txtSorszam2"))->text(), QStringLiteral("3"));
        QCOMPARE(w.find<QLineEdit>(QStringLiteral("txtUgyfelszam"))->text(),
                 QStringLiteral("1042"));
        QCOMPARE(w.find<QLineEdit>(QStringLiteral("txUgyintezo"))->text(),
                 QStringLiteral("Nagy Éva"));
        QCOMPARE(w.find<QComboBox>(QStringLiteral("cmbCsoportok"))->currentText(),
                 QStringLiteral("Adó"));
        QCOMPARE(w.find<QLabel>(QStringLiteral("lbJel"))->text(), QStringLiteral("A "));
        QCOMPARE(w.window->state().aktMelleklet, QStringLiteral("scan1.pdf"));
        QVERIFY(w.find<QRadioButton>(QStringLiteral("Option1_0"))->isChecked());
        QVERIFY(w.find<QPushButton>(QStringLiteral("cmdModosit"))->isEnabled());
        QVERIFY(w.find<QPushButton>(QStringLiteral("cmdTorles"))->isEnabled());

        // Clicking the row that is already selected runs the selection again.
        w.find<QLineEdit>(QStringLiteral("txtKitolKinek"))->clear();
        clickRow(w.window.get(), QStringLiteral("ListView1"), 0);
        QCOMPARE(w.find<QLineEdit>(QStringLiteral("txtKitolKinek"))->text(),
                 QStringLiteral("Ország Kft."));

        // Moving the selection by keyboard selects too.
        QTest::keyClick(w.find<ui::ReportView>(QStringLiteral("ListView1")), Qt::Key_Down);
        QCOMPARE(w.window->state().kijeloltLevel, 2);
        QCOMPARE(w.find<QLineEdit>(QStringLiteral("txtKitolKinek"))->text(), QStringLiteral("Más"));
    }

    void selectingWhenThePickerYearHasNoFolder() {
        MainWindow w;
        w.files.writeRecords(w.files.yearFile(2024, u"Velmar.dat"), mixedYear());
        w.start();
        w.find<QDateTimeEdit>(QStringLiteral("DTPicker1"))->setDate(QDate(2013, 1, 2));
        w.test.dialogs.answerMessage(ui::Answer::Ok);
        control<ui::ReportView>(w.window.get(), QStringLiteral("ListView1"))->selectRow(0);
        QCOMPARE(w.test.dialogs.messages.size(), 1);
        const ui::Message& m = w.test.dialogs.messages[0];
        QCOMPARE(m.title, QStringLiteral("Keresés..."));
        QCOMPARE(m.text,
                 QStringLiteral(
                     "A megadott keresési dátum nem érvényes évszámot mutat.\r\nEllenőrízd!"));
        QCOMPARE(m.icon, ui::Icon::Information);
        QCOMPARE(m.buttons, ui::Buttons::Ok);
        QVERIFY(!TempRegister::exists(w.files.yearFile(2013, u"")));
    }

    void headerClickSortsInTheListsDirection() {
        MainWindow w;
        w.files.writeRecords(w.files.yearFile(2024, u"Velmar.dat"), mixedYear());
        w.start();
        auto* view = w.find<ui::ReportView>(QStringLiteral("ListView4"));
        emit view->header()->sectionClicked(4);  // "Kitől/Kinek"
        QCOMPARE(column(w.window.get(), QStringLiteral("ListView4"), 4),
                 (QStringList{QStringLiteral("Egy Zrt."), QStringLiteral("Kettő Bt."),
                              QStringLiteral("Tíz Bt.")}));
        emit view->header()->sectionClicked(2);
        QCOMPARE(
            column(w.window.get(), QStringLiteral("ListView4"), 2),
            (QStringList{QStringLiteral("   1"), QStringLiteral("   2"), QStringLiteral("  10")}));
        QCOMPARE(view->listModel()->sortOrder(), Qt::AscendingOrder);
    }

    void doubleClickOpensTheStoredDocument() {
        MainWindow w;
        w.files.writeRecords(
            w.files.yearFile(2024, u"Velmar.dat"),
            std::vector{letter(QDate(2024, 1, 5), true, 1), letter(QDate(2024, 1, 6), true, 2)});
        store::IratRekord doc{QStringLiteral("\"valasz 12.doc\""),
                              QStringLiteral("\"/home/iroda/Levelek/valasz 12.doc\"")};
        w.files.writeRecords(w.files.yearFile(2024, u"KiIrat.dat"), std::vector{doc});
        w.start();
        auto* view = w.find<ui::ReportView>(QStringLiteral("ListView1"));
        // Letter 2 has no document record: nothing opens.
        view->selectRow(1);
        emit view->itemDoubleClicked(1);
        QVERIFY(w.test.shell.documents.isEmpty());
        view->selectRow(0);
        emit view->itemDoubleClicked(0);
        QCOMPARE(w.test.shell.documents,
                 QStringList{QStringLiteral("/home/iroda/Levelek/valasz 12.doc")});
        QCOMPARE(w.window->state().aktIratNev, QStringLiteral("\"valasz 12.doc\""));
    }

    void choosingAGroupOpensTheDirections() {
        MainWindow w;
        w.files.writeRecords<store::CsoportRekord>(
            w.files.programFile(u"Csoportok.dat"),
            {group(QStringLiteral("Pénzügy"), QStringLiteral("P")),
             group(QStringLiteral("Adó"), QStringLiteral(" A"))});
        w.start();
        w.find<QLineEdit>(QStringLiteral("txtSorszam"))->setText(QStringLiteral("/2024"));
        auto* combo = w.find<QComboBox>(QStringLiteral("cmbCsoportok"));
        combo->setCurrentIndex(1);
        emit combo->activated(1);
        QCOMPARE(w.find<QLabel>(QStringLiteral("lbJel"))->text(), QStringLiteral("A"));
        QVERIFY(w.find<QRadioButton>(QStringLiteral("Option1_0"))->isEnabled());
        QVERIFY(!w.find<QRadioButton>(QStringLiteral("Option1_0"))->isChecked());
        QVERIFY(w.find<QLineEdit>(QStringLiteral("txtSorszam"))->text().isEmpty());
    }

    void captionDoubleClickStoresTheCounters_data() {
        QTest::addColumn<QString>("ki");
        QTest::addColumn<QString>("be");
        QTest::addColumn<QByteArray>("expected");
        QTest::newRow("both") << QStringLiteral("5") << QStringLiteral("7") << fromHex("0500 0700");
        QTest::newRow("halves to even")
            << QStringLiteral("2.5") << QStringLiteral("3.5") << fromHex("0200 0400");
        QTest::newRow("empty keeps")
            << QString() << QStringLiteral("12abc") << fromHex("0E00 0C00");
        QTest::newRow("no number keeps")
            << QStringLiteral("x") << QStringLiteral("99999") << fromHex("0E00 2500");
    }

    void captionDoubleClickStoresTheCounters() {
        QFETCH(QString, ki);
        QFETCH(QString, be);
        QFETCH(QByteArray, expected);
        MainWindow w;
        w.files.write(w.files.yearFile(2024, u"Num.dat"), fromHex("0E00 2500"));  // 14 and 37
        w.start();
        w.find<QLineEdit>(QStringLiteral("Text1"))->setText(ki);
        w.find<QLineEdit>(QStringLiteral("Text2"))->setText(be);
        emit w.find<ui::ClickLabel>(QStringLiteral("Label1_3"))->doubleClicked();
        QCOMPARE(w.files.read(w.files.yearFile(2024, u"Num.dat")), expected);
    }

    void everyEntryFieldIsNamedByItsCaption() {
        MainWindow w;
        w.start();
        const QList<QPair<const char*, const char*>> fields = {
            {"Label1_0", "DTPicker1"},      {"Label1_2", "txtKitolKinek"},
            {"Label1_3", "txtLevelTargya"}, {"Label1_4", "txtUgyfelszam"},
            {"Label1_5", "Text1"},          {"Label1_6", "Text2"},
            {"Label1_7", "cmbCsoportok"},   {"Label1_8", "txUgyintezo"},
            {"Label1_9", "txtSorszam1"},    {"Label1_10", "txtSorszam2"},
            {"Label1_11", "txtSorszam"},    {"Label2", "txtDatum"}};
        for (const auto& [labelName, fieldName] : fields) {
            auto* caption = w.find<QLabel>(QLatin1String(labelName));
            auto* field = w.find<QWidget>(QLatin1String(fieldName));
            QCOMPARE(caption->buddy(), field);
            QVERIFY2(!field->accessibleName().isEmpty(), fieldName);
        }
    }
};

QTEST_MAIN(VelmarListsTest)
#include "tst_velmar_lists.moc"

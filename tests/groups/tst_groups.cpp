// The group window: adding and deleting groups in Csoportok.dat.

#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

#include "groups/frmcsoportok.h"
#include "support/mainwindow.h"
#include "ui/reportview.h"
#include "ui/widgets.h"

using namespace testing;

namespace {

QByteArray group(QByteArray name, QByteArray code) {
    name.append(QByteArray(30 - name.size(), ' '));
    code.append(QByteArray(2 - code.size(), ' '));
    return name + code;
}

struct GroupWindow {
    TestPlatform test;
    TempRegister files;
    std::unique_ptr<groups::frmCsoportok> window;

    QByteArray file() const { return files.read(files.programFile(u"Csoportok.dat")); }
    groups::frmCsoportok& open(const QByteArray& content) {
        files.write(files.programFile(u"Csoportok.dat"), content);
        window = std::make_unique<groups::frmCsoportok>(test.platform, files.paths());
        return *window;
    }
    template <typename T>
    T* find(const QString& name) const {
        return control<T>(window.get(), name);
    }
};

}  // namespace

class GroupsTest : public QObject {
    Q_OBJECT

private slots:
    void opensEmpty() {
        GroupWindow g;
        g.open({});
        QCOMPARE(g.window->windowTitle(), QStringLiteral("Csoportok felvétele"));
        QCOMPARE(g.window->height(), ui::twipsToPixels(6825));
        QCOMPARE(rowCount(g.window.get(), "ListView1"), 0);
        QVERIFY(!g.find<QPushButton>("Command2")->isEnabled());
    }

    void addAppendsCutAndPadded_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("code");
        QTest::addColumn<QByteArray>("record");
        QTest::addColumn<QString>("shownName");
        QTest::newRow("accented name") << "Pénzügy"
                                       << "P" << group("P\xE9nz\xFCgy", "P") << "Pénzügy";
        QTest::newRow("both empty") << ""
                                    << "" << group("", "") << "";
        QTest::newRow("name and code cut")
            << "Közbeszerzési és beruházási osztály"
            << "KBO" << group("K\xF6zbeszerz\xE9si \xE9s beruh\xE1z\xE1si os", "KB")
            << "Közbeszerzési és beruházási os";
        QTest::newRow("blanks kept on file") << " A "
                                             << "X" << group(" A ", "X") << "A";
    }

    void addAppendsCutAndPadded() {
        QFETCH(QString, name);
        QFETCH(QString, code);
        QFETCH(QByteArray, record);
        QFETCH(QString, shownName);
        GroupWindow g;
        g.open(group("Ad\xF3", "A"));
        g.find<QLineEdit>("txCsopNev")->setText(name);
        g.find<QLineEdit>("txBetujel")->setText(code);
        g.find<QPushButton>("Command1")->click();

        QCOMPARE(g.file(), group("Ad\xF3", "A") + record);
        QCOMPARE(rowCount(g.window.get(), "ListView1"), 2);
        QCOMPARE(cell(g.window.get(), "ListView1", 1, 0), shownName);
        QCOMPARE(cell(g.window.get(), "ListView1", 1, 2), QStringLiteral("2"));
        QVERIFY(g.find<QLineEdit>("txCsopNev")->text().isEmpty());
        QVERIFY(g.find<QLineEdit>("txBetujel")->text().isEmpty());
        QVERIFY(g.test.dialogs.messages.isEmpty());
    }

    void deleteKeepsTheOrder_data() {
        QTest::addColumn<QByteArray>("before");
        QTest::addColumn<int>("row");
        QTest::addColumn<QByteArray>("after");
        const QByteArray a = group("A", "1"), b = group("B", "2"), c = group("C", "3");
        QTest::newRow("first") << a + b + c << 0 << b + c;
        QTest::newRow("middle") << a + b + c << 1 << a + c;
        QTest::newRow("last") << a + b + c << 2 << a + b;
        QTest::newRow("the only one") << a << 0 << QByteArray();
        // A trailing partial record is no group and goes with the rewrite.
        QTest::newRow("partial record") << a + b + "xyz" << 0 << b;
    }

    void deleteKeepsTheOrder() {
        QFETCH(QByteArray, before);
        QFETCH(int, row);
        QFETCH(QByteArray, after);
        GroupWindow g;
        g.open(before);
        g.find<ui::ReportView>("ListView1")->selectRow(row);
        QVERIFY(g.find<QPushButton>("Command2")->isEnabled());
        g.find<QPushButton>("Command2")->click();

        QCOMPARE(g.file(), after);
        QVERIFY(TempRegister::exists(g.files.programFile(u"Csoportok.dat")));
        QVERIFY(!TempRegister::exists(g.files.programFile(u"nevx.dat")));
        QCOMPARE(rowCount(g.window.get(), "ListView1"), after.size() / 32);
        QVERIFY(g.test.dialogs.messages.isEmpty());
    }

    void noSecondDeleteWithoutANewClick() {
        GroupWindow g;
        g.open(group("A", "1") + group("B", "2") + group("C", "3"));
        auto* list = g.find<ui::ReportView>("ListView1");
        auto* remove = g.find<QPushButton>("Command2");
        list->selectRow(0);
        remove->click();
        // The stale record number cannot be used again: the button waits for a new click.
        QVERIFY(!remove->isEnabled());
        QCOMPARE(g.file(), group("B", "2") + group("C", "3"));
        // The renumbered list: "C" is now record 2, and a click on it deletes record 2.
        list->selectRow(1);
        QCOMPARE(g.window->kijeloltRekord(), 2);
        remove->click();
        QCOMPARE(g.file(), group("B", "2"));
    }

    void mainWindowShowsTheNewGroupOnReturn() {
        MainWindow w;
        w.start();
        w.test.dialogs.onModal([](QDialog& d) {
            d.findChild<QLineEdit*>("txCsopNev")->setText("Pénzügy");
            d.findChild<QLineEdit*>("txBetujel")->setText("P");
            d.findChild<QPushButton*>("Command1")->click();
        });
        action(w.window.get(), "mnuCsopFelvetel")->trigger();
        QCOMPARE(w.test.dialogs.modalWindows, QStringList{"frmCsoportok"});
        auto* combo = w.find<QComboBox>("cmbCsoportok");
        QCOMPARE(combo->count(), 1);
        QCOMPARE(combo->itemText(0), QStringLiteral("Pénzügy"));
    }
};

QTEST_MAIN(GroupsTest)
#include "tst_groups.moc"

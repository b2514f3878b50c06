// The group window: adding and deleting groups in Csoportok.dat.

#include "groups/frmcsoportok.h"
#include "support/mainwindow.h"

using namespace testing;

namespace {

// A group record: the name (bytes as on disk) padded to 30, the code padded to 2.
QByteArray group(QByteArray name, QByteArray code) {
    return name.leftJustified(30, ' ') + code.leftJustified(2, ' ');
}

struct GroupWindow {
    TestPlatform test;
    TempRegister files;
    std::unique_ptr<groups::frmCsoportok> window;

    explicit GroupWindow(const QByteArray& content) {
        files.write(files.programFile(u"Csoportok.dat"), content);
        window = std::make_unique<groups::frmCsoportok>(test.platform, files.paths());
    }
    QByteArray file() const { return files.readProgram(u"Csoportok.dat"); }
    template <typename T>
    T* find(const QString& name) const {
        return control<T>(window.get(), name);
    }
};

}  // namespace

class GroupsTest : public QObject {
    Q_OBJECT

private slots:
    void addAppendsCutAndPadded_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("code");
        QTest::addColumn<QByteArray>("record");
        QTest::addColumn<QString>("shown");
        auto row = [](const char* name, const char* typedName, const char* code,
                      const QByteArray& record, const char* shown) {
            QTest::newRow(name) << QString(typedName) << QString(code) << record << QString(shown);
        };
        row("accented", "Pénzügy", "P", group("P\xE9nz\xFCgy", "P"), "Pénzügy");
        row("both empty", "", "", group("", ""), "");
        row("name and code cut", "Közbeszerzési és beruházási osztály", "KBO",
            group("K\xF6zbeszerz\xE9si \xE9s beruh\xE1z\xE1si os", "KB"),
            "Közbeszerzési és beruházási os");
        row("blanks kept on file", " A ", "X", group(" A ", "X"), "A");
    }

    void addAppendsCutAndPadded() {
        QFETCH(QString, name);
        QFETCH(QString, code);
        QFETCH(QByteArray, record);
        QFETCH(QString, shown);
        GroupWindow g(group("Ad\xF3", "A"));
        setTextOf(g.window.get(), "txCsopNev", name);
        setTextOf(g.window.get(), "txBetujel", code);
        g.find<QPushButton>("Command1")->click();

        QCOMPARE(g.file(), group("Ad\xF3", "A") + record);
        QCOMPARE(cell(g.window.get(), "ListView1", 1, 0), shown);
        QCOMPARE(cell(g.window.get(), "ListView1", 1, 2), "2");
        QCOMPARE(textOf(g.window.get(), "txCsopNev") + textOf(g.window.get(), "txBetujel"), "");
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
        GroupWindow g(before);
        auto* list = g.find<ui::ReportView>("ListView1");
        auto* remove = g.find<QPushButton>("Command2");
        QVERIFY(!remove->isEnabled());
        list->selectRow(row);
        remove->click();
        QCOMPARE(g.file(), after);
        QVERIFY(TempRegister::exists(g.files.programFile(u"Csoportok.dat")));
        QVERIFY(!TempRegister::exists(g.files.programFile(u"nevx.dat")));
        QVERIFY(g.test.dialogs.messages.isEmpty());
        // The stale record number cannot be used again: the button waits for a new click.
        QVERIFY(!remove->isEnabled());
        // The last row is now the record of its new number, and a click deletes that one.
        const int rows = int(after.size() / 32);
        QCOMPARE(rowCount(g.window.get(), "ListView1"), rows);
        if (rows > 1) {
            list->selectRow(rows - 1);
            QCOMPARE(g.window->kijeloltRekord(), rows);
            remove->click();
            QCOMPARE(g.file(), after.first((rows - 1) * 32));
        }
    }
};

QTEST_MAIN(GroupsTest)
#include "tst_groups.moc"

// The group window: adding and deleting groups in Csoportok.dat.

#include "groups/frmcsoportok.h"
#include "support/mainwindow.h"

using namespace testing;

namespace {

// A group record: the name (bytes as on disk) padded to 30, the code padded to 2.
QByteArray group(QByteArray name, QByteArray code) {
    return name.leftJustified(30, ' ') + code.leftJustified(2, ' ');
}

struct GroupWindow : WindowAccess<groups::frmCsoportok> {
    explicit GroupWindow(const QByteArray& content) {
        files.write(files.programFile(u"Csoportok.dat"), content);
        window = std::make_unique<groups::frmCsoportok>(test.platform, files.paths());
    }
    QByteArray file() const { return files.readProgram(u"Csoportok.dat"); }
};

}  // namespace

class GroupsTest : public QObject {
    Q_OBJECT

private slots:
    // Added in turn: an accented group, one of empty fields, one whose name and code are cut
    // to their fields, and one whose blanks are kept on file but not in the list.
    void addAppendsCutAndPadded() {
        GroupWindow g(group("Ad\xF3", "A"));
        const QList<std::pair<QString, QString>> typed = {
            {"Pénzügy", "P"},
            {"", ""},
            {"Közbeszerzési és beruházási osztály", "KBO"},
            {" A ", "X"}};
        for (const auto& [name, code] : typed) {
            g.setText("txCsopNev", name);
            g.setText("txBetujel", code);
            g.click("Command1");
            QCOMPARE(g.text("txCsopNev") + g.text("txBetujel"), "");
        }
        QCOMPARE(g.file(), group("Ad\xF3", "A") + group("P\xE9nz\xFCgy", "P") + group("", "") +
                               group("K\xF6zbeszerz\xE9si \xE9s beruh\xE1z\xE1si os", "KB") +
                               group(" A ", "X"));
        QCOMPARE(column(g.window.get(), "ListView1", 0),
                 (QStringList{"Adó", "Pénzügy", "", "Közbeszerzési és beruházási os", "A"}));
        QCOMPARE(column(g.window.get(), "ListView1", 2), (QStringList{"1", "2", "3", "4", "5"}));
    }

    // The middle group goes without a question; the button then waits for a new click, as
    // the selected record number is stale. Removing the last record or the only one is
    // store::removeRecord's (tst_operation.cpp).
    void deleteKeepsTheOrder() {
        const QByteArray a = group("A", "1"), b = group("B", "2"), c = group("C", "3");
        GroupWindow g(a + b + c);
        auto* deleteButton = g.find<QPushButton>("Command2");
        QVERIFY(!deleteButton->isEnabled());  // until a group is chosen
        g.find<ui::ReportView>("ListView1")->selectRow(1);
        g.click("Command2");
        QVERIFY(!deleteButton->isEnabled());
        QCOMPARE(g.file(), a + c);
        QCOMPARE(column(g.window.get(), "ListView1", 0), (QStringList{"A", "C"}));
        QVERIFY(!TempRegister::exists(g.files.programFile(u"nevx.dat")));
        QVERIFY(g.test.dialogs.messages.isEmpty());
    }
};

QTEST_MAIN(GroupsTest)
#include "tst_groups.moc"

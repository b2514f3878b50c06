// The export file's fixed 237-byte lines, byte for byte, and writing the file whole.

#include <QDir>
#include <QTest>

#include "backup/exportfile.h"
#include "support/tempregister.h"

using namespace testing;

namespace {

// `bytes` (Windows-1250, spelled out) padded with spaces to `width`.
QByteArray padded(const QByteArray& bytes, int width) {
    return bytes + QByteArray(width - bytes.size(), ' ');
}

QByteArray lineEnd() {
    return QByteArray(28, '\0') + "\r\n";
}

store::LevelRekord sample() {
    store::LevelRekord r = letter(QDate(2012, 10, 15), false, 7, QStringLiteral("  Őri Kft.  "));
    r.Ugyintezo = QStringLiteral(" Kiss Anna ");
    r.LevelTargya = QStringLiteral("Árajánlat");
    return r;
}

}  // namespace

class ExportFileTest : public QObject {
    Q_OBJECT

private slots:
    void headerLine() {
        const QByteArray expected =
            padded(" D\xE1tum", 12) + padded(";Sorsz\xE1m", 22) + padded(";Kinek/kit\xF5l", 41) +
            padded(";\xDCgyint\xE9z\xF5", 31) + padded(";Lev\xE9l t\xE1rgya", 101) + lineEnd();
        QCOMPARE(expected.size(), 237);
        QCOMPARE(backup::exportHeaderLine(), expected);
    }

    void dataLine() {
        const QByteArray expected = padded("2012.10.15.", 12) + padded(";K/7/2012", 22) +
                                    padded(";\xD5ri Kft.", 41) + padded(";Kiss Anna", 31) +
                                    padded(";\xC1raj\xE1nlat", 101) + lineEnd();
        QCOMPARE(backup::exportLine(sample()), expected);
    }

    void columns_data() {
        QTest::addColumn<QString>("elotag");
        QTest::addColumn<int>("serial");
        QTest::addColumn<QString>("evszam");
        QTest::addColumn<QString>("subject");
        QTest::addColumn<QByteArray>("number");        // bytes 12-33
        QTest::addColumn<QByteArray>("subjectBytes");  // bytes 106-206
        QTest::newRow("group and sub-number")
            << "AB/" << 15 << "/2012/3"
            << "x" << padded(";AB/15/2012/3", 22) << padded(";x", 101);
        QTest::newRow("blank serial counts as empty")
            << "B/" << int(store::kBlankSerial) << "/2012"
            << "x" << padded(";B//2012", 22) << padded(";x", 101);
        QTest::newRow("long Evszam cut at the column's end")
            << "AB/" << 12345 << "/2012/12345678"
            << "x" << QByteArray(";AB/12345/2012/1234567") << padded(";x", 101);
        QTest::newRow("a semicolon is written as it is")
            << "K/" << 1 << "/2012"
            << "a;b" << padded(";K/1/2012", 22) << padded(";a;b", 101);
        QTest::newRow("a 100-character subject fits")
            << "K/" << 1 << "/2012" << QString(100, u'\xFC') << padded(";K/1/2012", 22)
            << ";" + QByteArray(100, '\xFC');
    }

    void columns() {
        QFETCH(QString, elotag);
        QFETCH(int, serial);
        QFETCH(QString, evszam);
        QFETCH(QString, subject);
        QFETCH(QByteArray, number);
        QFETCH(QByteArray, subjectBytes);
        store::LevelRekord r = sample();
        r.Elotag = elotag;
        r.Sorszam = qint16(serial);
        r.Evszam = evszam;
        r.LevelTargya = subject;

        const QByteArray line = backup::exportLine(r);
        QCOMPARE(line.size(), 237);
        QCOMPARE(line.mid(12, 22), number);
        QCOMPARE(line.mid(106, 101), subjectBytes);
        QCOMPARE(line.mid(207), lineEnd());
    }

    void aDateThatIsNoDateLeavesTheColumnBlank() {
        store::LevelRekord r = sample();
        r.Datum = std::numeric_limits<double>::quiet_NaN();
        QCOMPARE(backup::exportLine(r).left(13), QByteArray(12, ' ') + ';');
    }

    void aRecordCutShortReadsAsEmptyFromWhereItEnds() {
        // Date, direction, Evszam and Elotag are there; the serial and all after it are not.
        const QByteArray record = sample().toBytes().left(28);
        const QByteArray expected = padded("2012.10.15.", 12) + padded(";K/0/2012", 22) +
                                    padded(";", 41) + padded(";", 31) + padded(";", 101) +
                                    lineEnd();
        QCOMPARE(backup::exportLine(QByteArrayView(record)), expected);
    }

    void contentIsHeaderThenRowsInOrder_data() {
        QTest::addColumn<int>("rows");
        QTest::newRow("empty list") << 0;
        QTest::newRow("three rows") << 3;
    }

    void contentIsHeaderThenRowsInOrder() {
        QFETCH(int, rows);
        QByteArray records;
        for (int i = rows; i >= 1; --i)  // a list in descending order stays descending
            records += letter(QDate(2012, 3, i), true, qint16(i)).toBytes();
        const QByteArray content = backup::exportContent(records);
        QCOMPARE(content.size(), (rows + 1) * 237);
        QVERIFY(content.startsWith(" D\xE1tum"));
        for (int line = 0; line <= rows; ++line) {
            const QByteArray bytes = content.mid(line * 237, 237);
            QCOMPARE(bytes.mid(207, 28), QByteArray(28, '\0'));
            QCOMPARE(bytes.mid(235), QByteArray("\r\n"));
            if (line > 0) {
                const int serial = rows + 1 - line;
                QCOMPARE(bytes.mid(12, 22),
                         padded(";B/" + QByteArray::number(serial) + "/2012", 22));
            }
        }
    }

    void path_data() {
        QTest::addColumn<QString>("answer");
        QTest::addColumn<QString>("relative");
        QTest::newRow("plain name") << "lista"
                                    << "/2012/lista.csv";
        QTest::newRow("accented name with spaces") << " Őszi lista "
                                                   << "/2012/ Őszi lista .csv";
        QTest::newRow("sub-folder") << "ki/lista"
                                    << "/2012/ki/lista.csv";
        QTest::newRow("backslash separates folders") << "ki\\lista"
                                                     << "/2012/ki/lista.csv";
    }

    void path() {
        QFETCH(QString, answer);
        QFETCH(QString, relative);
        TempRegister files;
        QCOMPARE(backup::exportPath(files.paths(), 2012, answer), files.folder() + relative);
    }

    void writeReplacesTheFileWhole() {
        TempRegister files;
        const QString path = files.makeYear(2012) + QStringLiteral("/lista.csv");
        files.write(path, QByteArray(5000, 'r'));
        const backup::ExportResult result = backup::writeExportFile(path, "abc\r\n");
        QVERIFY(result.ok);
        QCOMPARE(files.read(path), QByteArray("abc\r\n"));
        QCOMPARE(QDir(files.makeYear(2012)).entryList(QDir::Files), QStringList{"lista.csv"});
    }

    void writeIntoAMissingFolderFails() {
        TempRegister files;
        const QString path = files.folder() + QStringLiteral("/2012/lista.csv");
        const backup::ExportResult result = backup::writeExportFile(path, "abc");
        QVERIFY(!result.ok);
        QVERIFY(!result.errorText.isEmpty());
        QVERIFY(!TempRegister::exists(path));
    }
};

QTEST_GUILESS_MAIN(ExportFileTest)
#include "tst_exportfile.moc"

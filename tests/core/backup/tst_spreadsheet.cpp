// The .xlsx of a letter list, read back from the file's own XML: values, types, the header's
// bold font, the date format, the frozen header row and the autofilter.

#include <QHash>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>

#include "backup/spreadsheet.h"
#include "support/tempregister.h"

using namespace testing;

namespace {

QString unzip(const QString& file, const QString& member) {
    QProcess p;
    p.start("unzip", {"-p", file, member});
    p.waitForFinished();
    return QString::fromUtf8(p.readAllStandardOutput());
}

QRegularExpressionMatchIterator all(const QString& text, const char* pattern) {
    return QRegularExpression(pattern).globalMatch(text);
}

// Every cell of the sheet by its reference ("B2") as "value|type|bold|number format", and
// the autofilter's range as "filter".
QHash<QString, QString> readSheet(const QString& file) {
    const QString styles = unzip(file, "xl/styles.xml");
    QStringList bold, style;
    QHash<QString, QString> formats;
    for (auto m = all(styles, "<font>(.*?)</font>"); m.hasNext();)
        bold << (m.next().captured(1).contains("<b/>") ? "bold" : "");
    for (auto m = all(styles, "numFmtId=\"(\\d+)\" formatCode=\"([^\"]*)\""); m.hasNext();) {
        const auto f = m.next();
        formats[f.captured(1)] = f.captured(2);
    }
    for (auto m = all(styles.section("<cellXfs", 1), "<xf numFmtId=\"(\\d+)\" fontId=\"(\\d+)\"");
         m.hasNext();) {
        const auto x = m.next();
        style << bold.value(x.captured(2).toInt()) + '|' + formats.value(x.captured(1));
    }
    const QString sheet = unzip(file, "xl/worksheets/sheet1.xml");
    QHash<QString, QString> cells;
    for (auto m =
             all(sheet,
                 "<c r=\"(\\w+)\"(?: s=\"(\\d+)\")?(?: t=\"(\\w+)\")?>(?:<v>|<is><t[^>]*>)([^<]*)");
         m.hasNext();) {
        const auto c = m.next();
        cells[c.captured(1)] =
            c.captured(4) + '|' + c.captured(3) + '|' + style.value(c.captured(2).toInt());
    }
    cells["filter"] = all(sheet, "<autoFilter ref=\"([^\"]+)\"").next().captured(1);
    cells["pane"] = all(sheet, "<pane ([^/]*)/>").next().captured(1);
    return cells;
}

}  // namespace

Q_DECLARE_METATYPE(reg::LetterList)

class SpreadsheetTest : public QObject {
    Q_OBJECT

private slots:
    void letters_data() {
        QTest::addColumn<reg::LetterList>("list");
        QTest::addColumn<QString>("cells");  // "ref=value|type|bold|format", '~' between
        const QString subject = "~H2=Őszi ülés; „jegyzőkönyv”\nmásodik sor|inlineStr||";
        QTest::newRow("all letters")
            << reg::LetterList::All
            << "A1=Dátum|inlineStr|bold|~C1=Irány|inlineStr|bold|~I1=Ügyintéző|inlineStr|bold|~"
               "A2=45366|||yyyy.mm.dd.~B2=AB/15/2024|inlineStr||~C2=Bejövő|inlineStr||~D2=15|||~"
               "E2=A|inlineStr||~F2=Árvíztűrő Tükörfúrógép Kft.|inlineStr||~G2=1234|||~"
               "I2=Kovács Ödön|inlineStr||~B3=K//2024|inlineStr||~C3=Kimenő|inlineStr||~D3=~"
               "A4=1899.12.30.|inlineStr||~filter=A1:I4" +
                   subject;
        QTest::newRow("incoming letters, no direction column")
            << reg::LetterList::Incoming
            << "C1=Sorszám|inlineStr|bold|~H1=Ügyintéző|inlineStr|bold|~I1=~filter=A1:H4" +
                   QString(subject).replace("H2=", "G2=");
    }
    void letters() {
        QFETCH(reg::LetterList, list);
        QFETCH(QString, cells);
        store::LevelRekord first =
            letter(QDate(2024, 3, 15), true, 15, "Árvíztűrő Tükörfúrógép Kft.");
        first.Elotag = "AB/";
        first.CsoportJel = "A";
        first.Ugyfelszam = 1234;
        first.LevelTargya = "Őszi ülés; „jegyzőkönyv”\r\nmásodik sor";
        first.Ugyintezo = "Kovács Ödön";
        // Then a letter without serial and one never dated.
        const QByteArray records =
            first.toBytes() + letter(QDate(2024, 3, 16), false, store::kBlankSerial).toBytes() +
            store::LevelRekord().toBytes();

        QTemporaryDir dir;
        const QString path = dir.filePath("lista.xlsx");
        QFile(path).open(QIODevice::WriteOnly);  // an older file of that name is replaced
        const backup::SpreadsheetResult written =
            backup::writeSpreadsheet(path, list, "Levelek: [2024]", records);
        QVERIFY2(written.ok, qPrintable(written.errorText));
        QCOMPARE(QDir(dir.path()).entryList(QDir::Files), QStringList{"lista.xlsx"});
        QVERIFY(unzip(path, "xl/workbook.xml").contains("name=\"Levelek- -2024-\""));

        const QHash<QString, QString> sheet = readSheet(path);
        QCOMPARE(sheet["pane"],
                 "ySplit=\"1\" topLeftCell=\"A2\" activePane=\"bottomLeft\" state=\"frozen\"");
        for (const QString& expected : cells.split('~'))
            QCOMPARE(sheet.value(expected.section('=', 0, 0)), expected.section('=', 1));
    }
};

QTEST_APPLESS_MAIN(SpreadsheetTest)
#include "tst_spreadsheet.moc"

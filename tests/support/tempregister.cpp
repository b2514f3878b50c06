#include "support/tempregister.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTest>

#include "store/oledate.h"

namespace testing {

TempRegister::TempRegister() : folderPath_(dir_.path()) {
    if (!dir_.isValid())
        QTest::qFail("no temporary folder", __FILE__, __LINE__);
}

QString TempRegister::programFile(QStringView name) const {
    return folderPath_ + u'/' + name;
}

QString TempRegister::yearFile(int year, QStringView name) const {
    return folderPath_ + u'/' + QString::number(year) + u'/' + name;
}

QString TempRegister::makeYear(int year) const {
    const QString path = folderPath_ + u'/' + QString::number(year);
    QDir().mkpath(path);
    return path;
}

void TempRegister::write(const QString& path, const QByteArray& bytes) const {
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) || file.write(bytes) != bytes.size())
        QTest::qFail(qPrintable(QStringLiteral("cannot write %1").arg(path)), __FILE__, __LINE__);
}

QByteArray TempRegister::read(const QString& path) const {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

bool TempRegister::exists(const QString& path) {
    return QFileInfo::exists(path);
}

QByteArray fromHex(const char* hex) {
    QByteArray compact(hex);
    compact.replace(' ', "").replace('\n', "");
    return QByteArray::fromHex(compact);
}

store::LevelRekord letter(QDate date, bool incoming, qint16 serial, const QString& correspondent,
                          int year) {
    store::LevelRekord r;
    r.Datum = store::oleFromDate(date);
    r.Bejovo = store::flag(incoming);
    r.Elotag = incoming ? QStringLiteral("B/") : QStringLiteral("K/");
    r.Sorszam = serial;
    r.Evszam = u'/' + QString::number(year ? year : date.year());
    r.KitolKinek = correspondent;
    return r;
}

}  // namespace testing

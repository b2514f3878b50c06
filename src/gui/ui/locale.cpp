#include "ui/locale.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

namespace ui {

bool useHungarianQtDialogs() {
    const QLocale hungarian(QLocale::Hungarian, QLocale::Hungary);
    QLocale::setDefault(hungarian);
    auto* translator = new QTranslator(QCoreApplication::instance());
    if (translator->load(hungarian, QStringLiteral("qtbase"), QStringLiteral("_"),
                         QLibraryInfo::path(QLibraryInfo::TranslationsPath)) &&
        QCoreApplication::installTranslator(translator)) {
        return true;
    }
    delete translator;
    return false;
}

QColor colorFromStored(qint32 stored) {
    const auto v = static_cast<quint32>(stored);
    return QColor(int(v & 0xFF), int((v >> 8) & 0xFF), int((v >> 16) & 0xFF));
}

qint32 storedFromColor(const QColor& color) {
    const quint32 v =
        quint32(color.red()) | (quint32(color.green()) << 8) | (quint32(color.blue()) << 16);
    return static_cast<qint32>(v);
}

}  // namespace ui

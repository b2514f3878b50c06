#include "support/fakeplatform.h"

#include <QDialog>
#include <QTest>

char* ui::toString(const Message& message) {
    QString text = message.text;
    text.replace(u'\r', QStringLiteral("\\r")).replace(u'\n', QStringLiteral("\\n"));
    return qstrdup(qPrintable(QStringLiteral("\"%1\": \"%2\" (buttons %3, default %4, icon %5)")
                                  .arg(message.title, text)
                                  .arg(int(message.buttons))
                                  .arg(int(message.defaultButton))
                                  .arg(int(message.icon))));
}

namespace testing {

void FakeDialogs::showModal(QDialog& dialog) {
    modalWindows << dialog.objectName();
    if (auto handler = next(modalHandlers, "modal window " + dialog.objectName(),
                            std::function<void(QDialog&)>()))
        handler(dialog);
}

}  // namespace testing

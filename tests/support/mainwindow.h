#pragma once

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QDateTimeEdit>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <memory>

#include "register/velmar.h"
#include "support/fakeplatform.h"
#include "support/tempregister.h"
#include "ui/listmodel.h"
#include "ui/reportview.h"

// Building the main window in a test: a fresh temporary program folder, the test platform,
// controls found by objectName and lists read through their models. See tests/README.md.
// The widget headers are included here for the tests that reach those controls.
namespace testing {

// The child control `name` of `root`; fails the test when there is none.
template <typename T>
T* control(const QObject* root, const QString& name) {
    T* found = root->findChild<T*>(name);
    if (!found)
        QTest::qFail(qPrintable(QStringLiteral("no control %1").arg(name)), __FILE__, __LINE__);
    return found;
}

// The menu action `name` of a window.
QAction* action(const QObject* root, const QString& name);

// Rows and cells of a list (ListView1, ListView2, ...) as the list shows them.
int rowCount(const QObject* root, const QString& list);
QString cell(const QObject* root, const QString& list, int row, int column);
// The selected row of a list, -1 when none.
int selectedRow(const QObject* root, const QString& list);
// Every cell of one column of a list, top to bottom.
QStringList column(const QObject* root, const QString& list, int col);
// The text a control shows: a line edit, text box, label, button or combo box.
QString textOf(const QObject* root, const QString& name);
// Replaces the text of a line edit, text box, label, button or combo box.
void setTextOf(const QObject* root, const QString& name, const QString& text);

struct MainWindow {
    TestPlatform test;
    TempRegister files;
    std::unique_ptr<reg::Velmar> window;

    // Creates the window on the temporary folder and runs its start-up.
    reg::Velmar& start();

    template <typename T>
    T* find(const QString& name) const {
        return control<T>(window.get(), name);
    }
    QString text(const QString& name) const { return textOf(window.get(), name); }
    void setText(const QString& name, const QString& text) const {
        setTextOf(window.get(), name, text);
    }
    void click(const QString& button) const { find<QAbstractButton>(button)->click(); }
    void trigger(const QString& menu) const { action(window.get(), menu)->trigger(); }
};

}  // namespace testing

#pragma once

#include <QAction>
#include <QTest>
#include <QWidget>
#include <memory>

#include "register/velmar.h"
#include "support/fakeplatform.h"
#include "support/tempregister.h"
#include "ui/listmodel.h"
#include "ui/reportview.h"

// Building the main window in a test: a fresh temporary program folder, the test platform,
// controls found by objectName and lists read through their models. See tests/README.md.
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
};

}  // namespace testing

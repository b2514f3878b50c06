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
#include <QSettings>
#include <QTemporaryDir>
#include <QTest>
#include <memory>

#include "log/frmnaplo.h"
#include "log/log.h"
#include "mainwindow/velmar.h"
#include "store/operation.h"
#include "support/fakeplatform.h"
#include "support/tempregister.h"
#include "ui/listmodel.h"
#include "ui/reportview.h"

// Building the main window in a test: a fresh temporary program folder, the test platform,
// controls found by objectName and lists read through their models. See docs/testing.md.
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
inline QAction* action(const QObject* root, const QString& name) {
    return control<QAction>(root, name);
}

// Rows and cells of a list (ListView1, ListView2, ...) as the list shows them.
inline int rowCount(const QObject* root, const QString& list) {
    auto* view = control<ui::ReportView>(root, list);
    return view ? view->model()->rowCount() : -1;
}
inline QString cell(const QObject* root, const QString& list, int row, int column) {
    auto* view = control<ui::ReportView>(root, list);
    return view ? view->model()->index(row, column).data().toString() : QString();
}
// The selected row of a list, -1 when none.
inline int selectedRow(const QObject* root, const QString& list) {
    auto* view = control<ui::ReportView>(root, list);
    return view ? view->selectedRow() : -1;
}
// Every cell of one column of a list, top to bottom.
inline QStringList column(const QObject* root, const QString& list, int col) {
    QStringList cells;
    for (int row = 0; row < rowCount(root, list); ++row)
        cells << cell(root, list, row, col);
    return cells;
}

// The property that holds what a control shows: a line edit, label or button its text, a
// text box its plain text, a combo box its current text.
inline const char* textProperty(const QObject* control) {
    for (const char* name : {"plainText", "currentText", "text"}) {
        if (control && control->property(name).isValid())
            return name;
    }
    return nullptr;
}
// The text a control shows: a line edit, text box, label, button or combo box.
inline QString textOf(const QObject* root, const QString& name) {
    const QObject* found = control<QObject>(root, name);
    if (const char* property = textProperty(found))
        return found->property(property).toString();
    if (found)
        QTest::qFail(qPrintable(name + " shows no text"), __FILE__, __LINE__);
    return {};
}
// Replaces the text of a line edit, text box, label, button or combo box.
inline void setTextOf(const QObject* root, const QString& name, const QString& text) {
    QObject* found = control<QObject>(root, name);
    const char* property = textProperty(found);
    if (found && (!property || !found->setProperty(property, text)))
        QTest::qFail(qPrintable(name + " takes no text"), __FILE__, __LINE__);
}

// Shorthands on a window under test, kept in `window`: find a control, read or type its
// text, press a button.
template <typename Window>
struct WindowAccess {
    TestPlatform test;
    TempRegister files;
    std::unique_ptr<Window> window;

    template <typename T>
    T* find(const QString& name) const {
        return control<T>(window.get(), name);
    }
    QString text(const QString& name) const { return textOf(window.get(), name); }
    void setText(const QString& name, const QString& text) const {
        setTextOf(window.get(), name, text);
    }
    void click(const QString& button) const { find<QAbstractButton>(button)->click(); }
};

struct MainWindow : WindowAccess<reg::Velmar> {
    // The user's settings (QSettings) as a fresh user has them, in a folder of this test's own.
    QTemporaryDir userSettings;

    ~MainWindow() { window.reset(); }

    // As the program starts: the register log hears the register's operations (at the test
    // clock's time), start-up recovery runs, then the window is created and runs its start-up.
    // `logged` false leaves the log out, as a build without it (the benchmarks compare).
    reg::Velmar& start(bool logged = true) {
        QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, userSettings.path());
        log.setClock([this] { return test.clock.now(); });
        log.setReporter(logwindow::setAsideReporter(test.dialogs));
        log.open();
        store::Paths paths = files.paths();
        if (logged)
            paths.setObserver(&log);
        store::recoverOperations(paths);
        window = std::make_unique<reg::Velmar>(test.platform, paths);
        window->start();
        return *window;
    }
    void trigger(const QString& menu) const { action(window.get(), menu)->trigger(); }

    eventlog::Log log{files.folder()};
};

}  // namespace testing

#include "support/mainwindow.h"

namespace testing {

QAction* action(const QObject* root, const QString& name) {
    return control<QAction>(root, name);
}

int rowCount(const QObject* root, const QString& list) {
    auto* view = control<ui::ReportView>(root, list);
    return view ? view->model()->rowCount() : -1;
}

QString cell(const QObject* root, const QString& list, int row, int column) {
    auto* view = control<ui::ReportView>(root, list);
    return view ? view->model()->index(row, column).data().toString() : QString();
}

int selectedRow(const QObject* root, const QString& list) {
    auto* view = control<ui::ReportView>(root, list);
    return view ? view->selectedRow() : -1;
}

QStringList column(const QObject* root, const QString& list, int col) {
    QStringList cells;
    for (int row = 0; row < rowCount(root, list); ++row)
        cells << cell(root, list, row, col);
    return cells;
}

namespace {

// The property that holds what a control shows: a line edit, label or button its text, a
// text box its plain text, a combo box its current text.
const char* textProperty(const QObject* control) {
    for (const char* name : {"plainText", "currentText", "text"}) {
        if (control && control->property(name).isValid())
            return name;
    }
    return nullptr;
}

}  // namespace

QString textOf(const QObject* root, const QString& name) {
    const QObject* found = control<QObject>(root, name);
    if (const char* property = textProperty(found))
        return found->property(property).toString();
    if (found)
        QTest::qFail(qPrintable(QStringLiteral("%1 shows no text").arg(name)), __FILE__, __LINE__);
    return {};
}

void setTextOf(const QObject* root, const QString& name, const QString& text) {
    QObject* found = control<QObject>(root, name);
    const char* property = textProperty(found);
    if (found && (!property || !found->setProperty(property, text)))
        QTest::qFail(qPrintable(QStringLiteral("%1 takes no text").arg(name)), __FILE__, __LINE__);
}

reg::Velmar& MainWindow::start() {
    window = std::make_unique<reg::Velmar>(test.platform, files.paths());
    window->start();
    return *window;
}

}  // namespace testing

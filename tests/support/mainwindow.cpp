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

QString textOf(const QObject* root, const QString& name) {
    QObject* found = control<QObject>(root, name);
    if (auto* edit = qobject_cast<QLineEdit*>(found))
        return edit->text();
    if (auto* box = qobject_cast<QPlainTextEdit*>(found))
        return box->toPlainText();
    if (auto* label = qobject_cast<QLabel*>(found))
        return label->text();
    if (auto* button = qobject_cast<QAbstractButton*>(found))
        return button->text();
    if (auto* combo = qobject_cast<QComboBox*>(found))
        return combo->currentText();
    if (found)
        QTest::qFail(qPrintable(QStringLiteral("%1 shows no text").arg(name)), __FILE__, __LINE__);
    return {};
}

void setTextOf(const QObject* root, const QString& name, const QString& text) {
    QObject* found = control<QObject>(root, name);
    if (auto* edit = qobject_cast<QLineEdit*>(found))
        edit->setText(text);
    else if (auto* box = qobject_cast<QPlainTextEdit*>(found))
        box->setPlainText(text);
    else if (auto* label = qobject_cast<QLabel*>(found))
        label->setText(text);
    else if (found)
        QTest::qFail(qPrintable(QStringLiteral("%1 takes no text").arg(name)), __FILE__, __LINE__);
}

reg::Velmar& MainWindow::start() {
    window = std::make_unique<reg::Velmar>(test.platform, files.paths());
    window->start();
    return *window;
}

}  // namespace testing

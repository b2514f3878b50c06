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

reg::Velmar& MainWindow::start() {
    window = std::make_unique<reg::Velmar>(test.platform, files.paths());
    window->start();
    return *window;
}

}  // namespace testing

#pragma once

#include <QDialog>

#include "store/paths.h"
#include "ui/platform.h"

class QLabel;
class QLineEdit;
class QPushButton;

namespace ui {
class ListModel;
class ReportView;
}  // namespace ui

namespace groups {

// The group window "Csoportok felvétele": adds groups to Csoportok.dat and deletes them.
// The list is always rebuilt from the file; the main window reads the file again itself when
// it becomes active, so nothing is handed back.
class frmCsoportok : public QDialog {
    Q_OBJECT
public:
    frmCsoportok(ui::Platform& platform, store::Paths paths, QWidget* parent = nullptr);

    // Fills the list from the group file.
    void beolvas();
    // The record number of the row last clicked; 0 until a row is clicked.
    int kijeloltRekord() const { return kijeloltRekord_; }

private:
    void onAdd();
    void onDelete();
    void onRowClicked(int row);
    void writeFailed(const QString& text);

    ui::Platform& platform_;
    store::Paths paths_;
    int kijeloltRekord_ = 0;

    QLabel* lblCsopNev_ = nullptr;
    QLabel* lblBetujel_ = nullptr;
    QLineEdit* txCsopNev_ = nullptr;
    QLineEdit* txBetujel_ = nullptr;
    QPushButton* Command1_ = nullptr;
    QPushButton* Command2_ = nullptr;
    ui::ReportView* ListView1_ = nullptr;
    ui::ListModel* model_ = nullptr;
};

}  // namespace groups

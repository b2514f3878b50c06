#pragma once

#include <QTreeView>

#include "ui/listmodel.h"

namespace ui {

// A report-style list: column headers, whole-row single selection, no tree decoration.
//
// `itemClicked` is the list's row event: it comes once when the user clicks a row (also the
// row already selected), when the selection moves by keyboard, and when the program selects
// a row with selectLastRow or selectFirstRow.
class ReportView : public QTreeView {
    Q_OBJECT
public:
    explicit ReportView(QWidget* parent = nullptr);

    // Shows `model`; column widths come from its columns' twips.
    void setListModel(ListModel* model);
    ListModel* listModel() const { return model_; }

    // The selected row, -1 when none.
    int selectedRow() const;
    // As the End key: focus the list, select and show its last row; runs itemClicked.
    void selectLastRow();
    // As the Home key: the same with the first row.
    void selectFirstRow();
    // Selects `row` and runs itemClicked, without moving the focus.
    void selectRow(int row);

signals:
    void itemClicked(int row);
    void itemDoubleClicked(int row);
    void mouseReleased();
    void headerClicked(int column);

protected:
    bool viewportEvent(QEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    void onCurrentRowChanged(const QModelIndex& current);
    void onClicked(const QModelIndex& index);

    ListModel* model_ = nullptr;
    bool rowChangedSincePress_ = false;
};

}  // namespace ui

#pragma once

#include <QTreeView>

#include "ui/listmodel.h"

namespace ui {

// A report-style list: column headers, whole-row single selection, no tree decoration.
//
// `itemClicked` is the list's row event: it comes once when the user clicks a row (also the
// row already selected), when the user moves the selection with the keyboard in the focused
// list, and when the program selects a row with selectRow, selectLastRow or selectFirstRow.
// Qt also moves a view's current row on its own — when the list gets the focus, when its rows
// are replaced or sorted —; none of that is the user's choice, and none raises the event.
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
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    void onCurrentRowChanged(const QModelIndex& current);
    void onClicked(const QModelIndex& index);

    ListModel* model_ = nullptr;
    // Set while a mouse press, a key press or the program's own selection runs: only then
    // does a change of the current row count as a selection.
    int choosing_ = 0;
    bool rowChangedSincePress_ = false;
};

}  // namespace ui

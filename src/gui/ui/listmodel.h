#pragma once

#include <QAbstractTableModel>
#include <QList>
#include <QString>
#include <QStringList>
#include <functional>
#include <vector>

#include "register/columns.h"

namespace ui {

using reg::ListColumn;

// The rows of a report-style list as display texts: the letter lists, the pick lists and the
// lists of the settings and group windows. Rows are held as source rows whose cells a
// function formats when the view asks for them, so a list of 32,767 letters fills without
// formatting every cell up front.
//
// Sorting is the lists' own: a stable text sort by one column in the list's direction, with
// Hungarian collation (cs after c, ő after ö). Cells made only of digits, blanks and the
// marks . - / (numbers padded with spaces, dates) sort by their characters' order, which is
// the same order the collation gives them, without building collation keys.
class ListModel : public QAbstractTableModel {
    Q_OBJECT
public:
    using CellFunction = std::function<QString(int sourceRow, int column)>;

    explicit ListModel(QList<ListColumn> columns, QObject* parent = nullptr);

    const QList<ListColumn>& columns() const { return columns_; }

    // Replaces every row: `rowCount` source rows in source order, cells from `cell`.
    void setRows(int rowCount, CellFunction cell);
    // Replaces every row with ready texts, one list of cells per row.
    void setTexts(QList<QStringList> rows);
    void clear();

    // Cell text of the row shown at `row` (display order).
    QString text(int row, int column) const;
    // The source row shown at `row`.
    int sourceRow(int row) const { return order_[size_t(row)]; }

    Qt::SortOrder sortOrder() const { return sortOrder_; }
    void setSortOrder(Qt::SortOrder order) { sortOrder_ = order; }
    int sortColumn() const { return sortColumn_; }
    // Sorts by `column` in the list's direction; equal cells keep their order.
    void sortByColumn(int column);

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;
    void sort(int column, Qt::SortOrder order) override;

private:
    QList<ListColumn> columns_;
    CellFunction cell_;
    std::vector<int> order_;
    Qt::SortOrder sortOrder_ = Qt::AscendingOrder;
    int sortColumn_ = 0;
};

}  // namespace ui

#include "ui/reportview.h"

#include <QHeaderView>
#include <QMouseEvent>
#include <algorithm>

#include "ui/widgets.h"

namespace ui {

ReportView::ReportView(QWidget* parent) : QTreeView(parent) {
    setRootIsDecorated(false);
    setItemsExpandable(false);
    setUniformRowHeights(true);
    setAllColumnsShowFocus(true);
    setSelectionBehavior(QAbstractItemView::SelectRows);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setSortingEnabled(false);
    // The columns have fixed widths in twips, laid out for a compact list font: a narrow
    // sans serif at 8 points fits a date in its 1000 twips.
    QFont compact(QStringLiteral("Liberation Sans"));
    compact.setStyleHint(QFont::SansSerif);
    compact.setPointSizeF(std::min(font().pointSizeF(), 8.0));
    setFont(compact);
    header()->setSectionsClickable(true);
    header()->setSectionsMovable(false);
    header()->setStretchLastSection(false);
    header()->setSortIndicatorShown(false);
    connect(header(), &QHeaderView::sectionClicked, this, &ReportView::headerClicked);
    connect(this, &QAbstractItemView::clicked, this, &ReportView::onClicked);
    connect(this, &QAbstractItemView::doubleClicked, this, [this](const QModelIndex& index) {
        if (index.isValid())
            emit itemDoubleClicked(index.row());
    });
}

void ReportView::setListModel(ListModel* model) {
    model_ = model;
    setModel(model);
    for (int c = 0; c < model->columns().size(); ++c) {
        header()->resizeSection(c, twipsToPixels(model->columns()[c].widthTwips));
    }
    connect(selectionModel(), &QItemSelectionModel::currentRowChanged, this,
            [this](const QModelIndex& current) { onCurrentRowChanged(current); });
}

int ReportView::selectedRow() const {
    const QModelIndex current = currentIndex();
    if (!current.isValid() || !selectionModel()->isRowSelected(current.row(), {}))
        return -1;
    return current.row();
}

void ReportView::selectLastRow() {
    setFocus(Qt::OtherFocusReason);
    if (model_ && model_->rowCount() > 0)
        selectRow(model_->rowCount() - 1);
}

void ReportView::selectFirstRow() {
    setFocus(Qt::OtherFocusReason);
    if (model_ && model_->rowCount() > 0)
        selectRow(0);
}

void ReportView::selectRow(int row) {
    if (!model_ || row < 0 || row >= model_->rowCount())
        return;
    const QModelIndex index = model_->index(row, 0);
    const bool alreadyCurrent = currentIndex().row() == row && currentIndex().isValid();
    ++choosing_;
    selectionModel()->setCurrentIndex(
        index, QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
    --choosing_;
    scrollTo(index);
    // A row that was current already raises no change; the row event still runs.
    if (alreadyCurrent)
        emit itemClicked(row);
}

void ReportView::mousePressEvent(QMouseEvent* event) {
    rowChangedSincePress_ = false;
    ++choosing_;
    QTreeView::mousePressEvent(event);
    --choosing_;
}

void ReportView::keyPressEvent(QKeyEvent* event) {
    ++choosing_;
    QTreeView::keyPressEvent(event);
    --choosing_;
}

void ReportView::mouseReleaseEvent(QMouseEvent* event) {
    QTreeView::mouseReleaseEvent(event);
    emit mouseReleased();
}

void ReportView::onCurrentRowChanged(const QModelIndex& current) {
    if (!current.isValid() || choosing_ == 0)
        return;
    rowChangedSincePress_ = true;
    emit itemClicked(current.row());
}

void ReportView::onClicked(const QModelIndex& index) {
    // A click on the row that is already current: the press changed nothing, so the row
    // event comes from the click itself.
    if (index.isValid() && !rowChangedSincePress_)
        emit itemClicked(index.row());
    rowChangedSincePress_ = false;
}

}  // namespace ui

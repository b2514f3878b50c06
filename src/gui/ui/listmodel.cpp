#include "ui/listmodel.h"

#include <QCollator>
#include <QCollatorSortKey>
#include <QLocale>
#include <algorithm>
#include <memory>

namespace ui {
namespace {

// Digits, blanks and . - / compare in the same order by code and by the collation, so such
// cells need no collation keys.
bool plainOrder(const QString& text) {
    for (QChar c : text) {
        const char16_t u = c.unicode();
        if (!((u >= u'0' && u <= u'9') || u == u' ' || u == u'.' || u == u'-' || u == u'/'))
            return false;
    }
    return true;
}

const QCollator& hungarianCollator() {
    static const QCollator collator(QLocale(QLocale::Hungarian, QLocale::Hungary));
    return collator;
}

}  // namespace

ListModel::ListModel(QList<ListColumn> columns, QObject* parent)
    : QAbstractTableModel(parent), columns_(std::move(columns)) {}

void ListModel::setRows(int rowCount, CellFunction cell) {
    beginResetModel();
    cell_ = std::move(cell);
    order_.resize(size_t(std::max(rowCount, 0)));
    for (size_t i = 0; i < order_.size(); ++i)
        order_[i] = int(i);
    endResetModel();
}

void ListModel::setTexts(QList<QStringList> rows) {
    auto texts = std::make_shared<const QList<QStringList>>(std::move(rows));
    const int count = int(texts->size());
    setRows(count, [texts](int row, int column) {
        const QStringList& cells = (*texts)[row];
        return column < cells.size() ? cells[column] : QString();
    });
}

void ListModel::clear() {
    setRows(0, {});
}

QString ListModel::text(int row, int column) const {
    if (row < 0 || row >= int(order_.size()) || column < 0 || column >= columns_.size() || !cell_)
        return {};
    return cell_(order_[size_t(row)], column);
}

void ListModel::sortByColumn(int column) {
    sortColumn_ = column;
    if (order_.size() < 2 || column < 0 || column >= columns_.size())
        return;

    std::vector<QString> keys(order_.size());
    bool plain = true;
    for (size_t i = 0; i < order_.size(); ++i) {
        keys[i] = cell_(int(i), column);
        plain = plain && plainOrder(keys[i]);
    }

    std::vector<int> sorted = order_;
    const bool descending = sortOrder_ == Qt::DescendingOrder;
    if (plain) {
        std::stable_sort(sorted.begin(), sorted.end(), [&](int a, int b) {
            const int c = QString::compare(keys[size_t(a)], keys[size_t(b)]);
            return descending ? c > 0 : c < 0;
        });
    } else {
        std::vector<QCollatorSortKey> collated;
        collated.reserve(keys.size());
        for (const QString& key : keys)
            collated.push_back(hungarianCollator().sortKey(key));
        std::stable_sort(sorted.begin(), sorted.end(), [&](int a, int b) {
            const int c = collated[size_t(a)].compare(collated[size_t(b)]);
            return descending ? c > 0 : c < 0;
        });
    }

    emit layoutAboutToBeChanged({}, QAbstractItemModel::VerticalSortHint);
    // Selections and the current row follow their rows to the new positions.
    std::vector<int> newPosition(order_.size());
    for (size_t pos = 0; pos < sorted.size(); ++pos)
        newPosition[size_t(sorted[pos])] = int(pos);
    const QModelIndexList before = persistentIndexList();
    QModelIndexList after;
    after.reserve(before.size());
    for (const QModelIndex& index : before) {
        const int source = order_[size_t(index.row())];
        after << createIndex(newPosition[size_t(source)], index.column());
    }
    order_ = std::move(sorted);
    changePersistentIndexList(before, after);
    emit layoutChanged({}, QAbstractItemModel::VerticalSortHint);
}

int ListModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : int(order_.size());
}

int ListModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : int(columns_.size());
}

QVariant ListModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid())
        return {};
    switch (role) {
        case Qt::DisplayRole:
        case Qt::AccessibleTextRole:
            return text(index.row(), index.column());
        case Qt::TextAlignmentRole:
            return QVariant::fromValue(
                Qt::AlignVCenter |
                (columns_[index.column()].rightAligned ? Qt::AlignRight : Qt::AlignLeft));
        default:
            return {};
    }
}

QVariant ListModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation != Qt::Horizontal || section < 0 || section >= columns_.size())
        return {};
    if (role == Qt::DisplayRole || role == Qt::AccessibleTextRole)
        return columns_[section].header;
    if (role == Qt::TextAlignmentRole) {
        return QVariant::fromValue(
            Qt::AlignVCenter | (columns_[section].rightAligned ? Qt::AlignRight : Qt::AlignLeft));
    }
    return {};
}

void ListModel::sort(int column, Qt::SortOrder order) {
    sortOrder_ = order;
    sortByColumn(column);
}

}  // namespace ui

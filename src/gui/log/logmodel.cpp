#include "log/logmodel.h"

#include <algorithm>
#include <cstdlib>
#include <limits>

#include "log/note.h"

using namespace Qt::StringLiterals;

namespace logwindow {

LogModel::LogModel(const eventlog::LogReader& reader, QObject* parent)
    : QAbstractTableModel(parent), reader_(reader) {
    setFilter({});
}

void LogModel::setFilter(eventlog::Filter filter) {
    beginResetModel();
    filter_ = std::move(filter);
    pages_.clear();
    rows_ = int(std::min<qint64>(reader_.count(filter_), std::numeric_limits<int>::max()));
    endResetModel();
}

const eventlog::Entry* LogModel::entryAt(int row) const {
    if (row < 0 || row >= rows_)
        return nullptr;
    const qint64 page = row / kPageSize;
    auto found = pages_.find(page);
    if (found == pages_.end()) {
        // Pages far from the one wanted go first; the view shows a screenful at a time.
        if (pages_.size() >= kCachedPages) {
            auto farthest = std::max_element(pages_.begin(), pages_.end(), [&](auto& a, auto& b) {
                return std::abs(a.first - page) < std::abs(b.first - page);
            });
            pages_.erase(farthest);
        }
        found = pages_.emplace(page, reader_.page(filter_, page * kPageSize, kPageSize)).first;
    }
    const size_t at = size_t(row % kPageSize);
    return at < found->second.size() ? &found->second[at] : nullptr;
}

int LogModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : rows_;
}

int LogModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : ColumnCount;
}

QVariant LogModel::data(const QModelIndex& index, int role) const {
    if (role != Qt::DisplayRole && role != Qt::ToolTipRole)
        return {};
    const eventlog::Entry* entry = entryAt(index.row());
    if (!entry)
        return {};
    switch (index.column()) {
        case Time:
            return entry->time.toString(u"yyyy.MM.dd. HH:mm:ss"_s);
        case User:
            return entry->user;
        case Kind:
            return eventlog::kindCaption(entry->kind);
        case Year:
            return entry->change.year ? QString::number(entry->change.year) : QString();
        case Number:
            return entry->change.number;
        case Summary:
            return entry->summary;
        default:
            return {};
    }
}

QVariant LogModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole)
        return {};
    static const QString captions[] = {u"Időpont"_s, u"Felhasználó"_s, u"Művelet"_s,
                                       u"Év"_s,      u"Iktatószám"_s,  u"Leírás"_s};
    return section >= 0 && section < ColumnCount ? captions[section] : QVariant();
}

}  // namespace logwindow

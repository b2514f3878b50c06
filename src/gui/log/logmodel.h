#pragma once

#include <QAbstractTableModel>
#include <map>
#include <vector>

#include "log/log.h"

namespace logwindow {

// The log's entries as the log window lists them, newest first. Only the number of entries is
// counted up front; rows are read a page at a time when the view first shows them, so a log
// of a hundred thousand entries opens as fast as one of ten.
class LogModel final : public QAbstractTableModel {
    Q_OBJECT
public:
    enum Column { Time, User, Kind, Year, Number, Summary, ColumnCount };

    explicit LogModel(const eventlog::LogReader& reader, QObject* parent = nullptr);

    // Lists the entries the filter matches (again), from the first.
    void setFilter(eventlog::Filter filter);
    const eventlog::Filter& filter() const { return filter_; }

    // The entry at `row`, without its record bytes; nullptr outside the rows.
    const eventlog::Entry* entryAt(int row) const;

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

private:
    static constexpr int kPageSize = 200;
    static constexpr size_t kCachedPages = 64;

    const eventlog::LogReader& reader_;
    eventlog::Filter filter_;
    int rows_ = 0;
    mutable std::map<qint64, std::vector<eventlog::Entry>> pages_;
};

}  // namespace logwindow

#pragma once

#include <QDialog>
#include <QList>

#include "backup/snapshot.h"

class QTreeWidget;

namespace snapshots {

// "2023: 1 234 levél, 2024: 56 levél": the letters of a snapshot by year.
QString letterSummary(const backup::SnapshotInfo& snapshot);

// The window of "Teljes visszaállítás...": the snapshots of a folder, newest first, each with
// the moment it was made and its letters by year. Enter or "&Visszaállítás" takes the selected
// one, Escape or "&Mégse" none.
class SnapshotChoice : public QDialog {
    Q_OBJECT
public:
    SnapshotChoice(const QList<backup::SnapshotInfo>& snapshots, const QString& folder,
                   QWidget* parent = nullptr);

    // The snapshot chosen; nothing unless the window was closed with "&Visszaállítás".
    std::optional<backup::SnapshotInfo> chosen() const;

private:
    QList<backup::SnapshotInfo> snapshots_;
    QTreeWidget* list_ = nullptr;
};

}  // namespace snapshots

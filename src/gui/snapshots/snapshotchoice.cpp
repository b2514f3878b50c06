#include "snapshots/snapshotchoice.h"

#include <QDialogButtonBox>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTreeWidget>
#include <QVBoxLayout>

#include "store/hungarian.h"
#include "ui/widgets.h"

using namespace Qt::StringLiterals;

namespace snapshots {

QString letterSummary(const backup::SnapshotInfo& snapshot) {
    QStringList years;
    for (const auto& [year, letters] : snapshot.letters)
        years << QString::number(year) + u": "_s + store::groupedNumber(letters) + u" levél"_s;
    return years.isEmpty() ? u"nincs levél"_s : years.join(u", "_s);
}

SnapshotChoice::SnapshotChoice(const QList<backup::SnapshotInfo>& snapshots, const QString& folder,
                               QWidget* parent)
    : QDialog(parent), snapshots_(snapshots) {
    using ui::named;
    setObjectName(u"frmTeljesVisszaallitas"_s);
    setWindowTitle(u"Teljes visszaállítás"_s);

    auto* place = named(new QLabel(u"A mentések helye: "_s + folder), u"lblHely"_s);
    place->setTextInteractionFlags(Qt::TextSelectableByMouse);
    auto* caption = named(new QLabel(u"Me&ntések:"_s), u"lblMentesek"_s);
    list_ = named(new QTreeWidget, u"lstMentesek"_s);
    list_->setRootIsDecorated(false);
    list_->setAllColumnsShowFocus(true);
    list_->setHeaderLabels({u"Készült"_s, u"Levelek évenként"_s});
    for (const backup::SnapshotInfo& snapshot : snapshots_) {
        const QString made = store::shortDate(snapshot.moment.date()) + u' ' +
                             snapshot.moment.time().toString(u"HH:mm"_s);
        auto* item = new QTreeWidgetItem(list_, {made, letterSummary(snapshot)});
        item->setToolTip(0, snapshot.path);
    }
    list_->header()->setSectionResizeMode(0, QHeaderView::ResizeToContents);
    list_->setCurrentItem(list_->topLevelItem(0));
    ui::labelFor(caption, list_);

    auto* buttons = new QDialogButtonBox;
    QPushButton* restore = named(
        buttons->addButton(u"&Visszaállítás"_s, QDialogButtonBox::AcceptRole), u"cmdVisszaallit"_s);
    named(buttons->addButton(u"&Mégse"_s, QDialogButtonBox::RejectRole), u"cmdMegse"_s);
    restore->setDefault(true);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(list_, &QTreeWidget::itemActivated, this, &QDialog::accept);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(place);
    layout->addWidget(caption);
    layout->addWidget(list_, 1);
    layout->addWidget(buttons);
    resize(640, 360);
    list_->setFocus();
}

std::optional<backup::SnapshotInfo> SnapshotChoice::chosen() const {
    const int row = list_->indexOfTopLevelItem(list_->currentItem());
    if (result() != QDialog::Accepted || row < 0)
        return std::nullopt;
    return snapshots_[row];
}

}  // namespace snapshots

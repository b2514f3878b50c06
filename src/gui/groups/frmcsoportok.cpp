#include "groups/frmcsoportok.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "settings/groupfile.h"
#include "store/numbers.h"
#include "store/recordfile.h"
#include "ui/listmodel.h"
#include "ui/reportview.h"
#include "ui/widgets.h"

using namespace Qt::StringLiterals;

namespace groups {
namespace {

constexpr int kWidthTwips = 5400;
constexpr int kHeightTwips = 6825;

}  // namespace

frmCsoportok::frmCsoportok(ui::Platform& platform, store::Paths paths, QWidget* parent)
    : QDialog(parent), platform_(platform), paths_(std::move(paths)) {
    setObjectName(u"frmCsoportok"_s);
    setWindowTitle(u"Csoportok felvétele"_s);

    lblCsopNev_ = new QLabel(u"Csoport neve:"_s);
    lblCsopNev_->setObjectName(u"Label1_0"_s);
    lblBetujel_ = new QLabel(u"Betűjele:"_s);
    lblBetujel_->setObjectName(u"Label1_1"_s);
    txCsopNev_ = ui::named(new QLineEdit, u"txCsopNev"_s);
    txBetujel_ = ui::named(new QLineEdit, u"txBetujel"_s);
    ui::labelFor(lblCsopNev_, txCsopNev_);
    ui::labelFor(lblBetujel_, txBetujel_);

    Command1_ = new QPushButton(u"&Felvesz"_s);
    Command1_->setObjectName(u"Command1"_s);
    Command2_ = new QPushButton(u"&Töröl"_s);
    Command2_->setObjectName(u"Command2"_s);
    Command2_->setEnabled(false);
    // Enter in a box must not press a button by itself: adding is always the user's choice.
    Command1_->setAutoDefault(false);
    Command2_->setAutoDefault(false);

    model_ = new ui::ListModel(
        {{u"Csoport neve"_s, 2300, false}, {u"Betűjel"_s, 800, false}, {u"rec"_s, 1440, true}},
        this);
    ListView1_ = new ui::ReportView;
    ListView1_->setObjectName(u"ListView1"_s);
    ListView1_->setListModel(model_);
    ListView1_->setAccessibleName(u"Csoportok"_s);

    auto* fields = new QGridLayout;
    fields->addWidget(lblCsopNev_, 0, 0);
    fields->addWidget(txCsopNev_, 0, 1);
    fields->addWidget(lblBetujel_, 1, 0);
    fields->addWidget(txBetujel_, 1, 1);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(Command1_);
    buttons->addWidget(Command2_);
    buttons->addStretch(1);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(fields);
    layout->addLayout(buttons);
    layout->addWidget(ListView1_, 1);

    connect(Command1_, &QPushButton::clicked, this, &frmCsoportok::onAdd);
    connect(Command2_, &QPushButton::clicked, this, &frmCsoportok::onDelete);
    connect(ListView1_, &ui::ReportView::itemClicked, this, &frmCsoportok::onRowClicked);

    // Load: centred, then the designed height with the top edge kept.
    resize(ui::twipsToPixels(kWidthTwips), ui::twipsToPixels(kHeightTwips));
    ui::centreOnScreen(this);
    beolvas();
    txCsopNev_->setFocus(Qt::OtherFocusReason);
}

void frmCsoportok::beolvas() {
    model_->setTexts(groupRows(
        store::readAllRecords<store::CsoportRekord>(paths_.programFile(store::files::Csoportok))));
}

void frmCsoportok::onAdd() {
    if (!addGroup(paths_, txCsopNev_->text(), txBetujel_->text())) {
        writeFailed(u"A csoport felvétele nem sikerült.\r\nA Csoportok.dat nem írható."_s);
        return;
    }
    beolvas();
    txCsopNev_->clear();
    txBetujel_->clear();
    txCsopNev_->setFocus(Qt::OtherFocusReason);
}

void frmCsoportok::onDelete() {
    // No question: the user has just clicked the row to delete.
    const store::ReplaceResult result = deleteGroup(paths_, kijeloltRekord_);
    beolvas();
    // A record number is used once: the next delete needs a new click on a row.
    Command2_->setEnabled(false);
    if (!result.ok())
        writeFailed(u"A csoport törlése nem sikerült.\r\n"_s + result.errorText);
}

void frmCsoportok::onRowClicked(int row) {
    kijeloltRekord_ = int(store::numericValue(model_->text(row, 2)));
    Command2_->setEnabled(true);
}

void frmCsoportok::writeFailed(const QString& text) {
    platform_.dialogs.message(
        this, {u"HIBA"_s, text, ui::Buttons::Ok, ui::Answer::Ok, ui::Icon::Critical});
}

}  // namespace groups

// The settings window: building it, loading it, and the colours, sort order, saved settings
// and serial counters of the tab "Általános beállítások".

#include "settings/frmsetup.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>
#include <QVBoxLayout>

#include "settings/setupfields.h"
#include "store/recordfile.h"
#include "ui/links.h"
#include "ui/listmodel.h"
#include "ui/locale.h"
#include "ui/reportview.h"
#include "ui/widgets.h"

using namespace Qt::StringLiterals;

namespace settings {
namespace {

constexpr int kWidthTwips = 10800;
constexpr int kHeightTwips = 8400;

using ui::named;

// A caption label that announces `buddy` to assistive technology.
QLabel* caption(const QString& text, const QString& name, QWidget* buddy) {
    auto* label = named(new QLabel(text), name);
    ui::labelFor(label, buddy);
    return label;
}

}  // namespace

frmSetup::frmSetup(ui::Platform& platform, store::Paths paths, MainWindowLink& mainWindow,
                   QWidget* parent, SearchPlaces places)
    : QDialog(parent),
      platform_(platform),
      paths_(std::move(paths)),
      mainWindow_(mainWindow),
      places_(std::move(places)) {
    setObjectName(u"frmSetup"_s);
    setWindowTitle(u"Beállítások"_s);

    SSTab1_ = named(new QTabWidget, u"SSTab1"_s);
    SSTab1_->addTab(buildGeneralTab(), u"Általános beállítások"_s);
    SSTab1_->addTab(buildClientTab(), u"Ügyfelek kezelése"_s);
    cmdVissza_ = named(new QPushButton(u"&Vissza"_s), u"cmdVissza"_s);

    auto* bottom = new QHBoxLayout;
    bottom->addStretch(1);
    bottom->addWidget(cmdVissza_);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(SSTab1_, 1);
    layout->addLayout(bottom);

    // Enter in a box never presses a button by itself: every button here writes something.
    for (QPushButton* button : findChildren<QPushButton*>())
        button->setAutoDefault(false);

    connectHandlers();
    load();
}

frmSetup::~frmSetup() = default;

QWidget* frmSetup::buildGeneralTab() {
    auto* tab = named(new QWidget, u"tabAltalanos"_s);

    // Colours.
    Frame1_ = named(new QGroupBox(u"Színbeállítások"_s), u"Frame1"_s);
    auto* colours = new QGridLayout(Frame1_);
    const QString buttonNames[3] = {u"cmdListSzin"_s, u"cmdList2Szin"_s, u"cmdList3Szin"_s};
    const QString buttonCaptions[3] = {u"&Ablak háttér"_s, u"&Levelek lista háttér"_s,
                                       u"&Partnerek lista háttér"_s};
    const QString labelNames[3] = {u"lbLista"_s, u"lbLista2"_s, u"lbLista3"_s};
    for (int i = 0; i < 3; ++i) {
        cmdSzin_[i] = named(new QPushButton(buttonCaptions[i]), buttonNames[i]);
        lbSzin_[i] = named(new QLabel, labelNames[i]);
        lbSzin_[i]->setFrameStyle(QFrame::Panel | QFrame::Sunken);
        lbSzin_[i]->setMinimumSize(ui::twipsToPixels(900), ui::twipsToPixels(300));
        lbSzin_[i]->setAccessibleName(QString(buttonCaptions[i]).remove(u'&'));
        colours->addWidget(cmdSzin_[i], i, 0);
        colours->addWidget(lbSzin_[i], i, 1);
    }

    // Sort order; "Csökkenő" is the one selected when the window is built.
    Frame2_ = named(new QGroupBox(u"Levél lista rendezése"_s), u"Frame2"_s);
    Option1_[0] = named(new QRadioButton(u"&Növekvő"_s), u"Option1_0"_s);
    Option1_[1] = named(new QRadioButton(u"&Csökkenő"_s), u"Option1_1"_s);
    auto* order = new QButtonGroup(this);
    order->addButton(Option1_[0], 0);
    order->addButton(Option1_[1], 1);
    Option1_[1]->setChecked(true);
    connect(order, &QButtonGroup::idClicked, this, &frmSetup::onOrderClicked);
    auto* orderLayout = new QVBoxLayout(Frame2_);
    orderLayout->addWidget(Option1_[0]);
    orderLayout->addWidget(Option1_[1]);
    orderLayout->addStretch(1);

    // Program paths.
    const QString browseTip =
        u"Amennyiben az automatikus keresés sikertelen, tallózással "
        u"keresse meg!"_s;
    txtExcelUtvonal_ = named(new QLineEdit, u"txtExcelUtvonal"_s);
    txtPDFUtvonal_ = named(new QLineEdit, u"txtPDFUtvonal"_s);
    cmdTalloz_ = named(new QPushButton(u"&Tallóz"_s), u"cmdTalloz"_s);
    cmdTalloz2_ = named(new QPushButton(u"&Tallóz"_s), u"cmdTalloz2"_s);
    cmdTalloz_->setToolTip(browseTip);
    cmdTalloz2_->setToolTip(browseTip);
    Label1_[0] = caption(u"Word útvonal:"_s, u"Label1_0"_s, txtExcelUtvonal_);
    Label1_[1] = caption(u"PDF útvonal:"_s, u"Label1_1"_s, txtPDFUtvonal_);

    // Client numbering, counters, jump to the last row, save.
    chkAutNum_ = named(new QCheckBox(u"Autómatikus ügyfélszám"_s), u"chkAutNum"_s);
    chkAutNum_->setChecked(true);
    txtUgyfszam_ = named(new QLineEdit, u"txtUgyfszam"_s);
    Label1_[2] = caption(u"Kezdő ügyfélszám:"_s, u"Label1_2"_s, txtUgyfszam_);
    txtKimenoNum_ = named(new QLineEdit, u"txtKimenoNum"_s);
    txtBejovoNum_ = named(new QLineEdit, u"txtBejovoNum"_s);
    Label1_[3] = caption(u"Utolsó kimenő sorszám:"_s, u"Label1_3"_s, txtKimenoNum_);
    Label1_[4] = caption(u"Utolsó bejövő sorszám:"_s, u"Label1_4"_s, txtBejovoNum_);
    cmdKiNum_ = named(new QPushButton(u"Módosít"_s), u"cmdKiNum"_s);
    cmdBeNum_ = named(new QPushButton(u"Módosít"_s), u"cmdBeNum"_s);
    cmdKiNum_->setAccessibleName(u"Utolsó kimenő sorszám módosítása"_s);
    cmdBeNum_->setAccessibleName(u"Utolsó bejövő sorszám módosítása"_s);
    chkUtolsoSorraUgras_ =
        named(new QCheckBox(u"Rögzítés után utolsó sorra ugrás"_s), u"chkUtolsoSorraUgras"_s);
    cmdMent_ = named(new QPushButton(u"Beállítások &Mentése"_s), u"cmdMent"_s);

    auto* paths = new QGridLayout;
    paths->addWidget(Label1_[0], 0, 0);
    paths->addWidget(txtExcelUtvonal_, 0, 1);
    paths->addWidget(cmdTalloz_, 0, 2);
    paths->addWidget(Label1_[1], 1, 0);
    paths->addWidget(txtPDFUtvonal_, 1, 1);
    paths->addWidget(cmdTalloz2_, 1, 2);

    auto* numbers = new QGridLayout;
    numbers->addWidget(chkAutNum_, 0, 0, 1, 3);
    numbers->addWidget(Label1_[2], 1, 0);
    numbers->addWidget(txtUgyfszam_, 1, 1);
    numbers->addWidget(Label1_[3], 2, 0);
    numbers->addWidget(txtKimenoNum_, 2, 1);
    numbers->addWidget(cmdKiNum_, 2, 2);
    numbers->addWidget(Label1_[4], 3, 0);
    numbers->addWidget(txtBejovoNum_, 3, 1);
    numbers->addWidget(cmdBeNum_, 3, 2);
    numbers->addWidget(chkUtolsoSorraUgras_, 4, 0, 1, 3);
    numbers->setRowStretch(5, 1);

    auto* top = new QHBoxLayout;
    top->addWidget(Frame1_);
    top->addWidget(Frame2_);
    top->addLayout(numbers, 1);
    auto* save = new QHBoxLayout;
    save->addStretch(1);
    save->addWidget(cmdMent_);

    auto* layout = new QVBoxLayout(tab);
    layout->addLayout(top);
    layout->addLayout(paths);
    layout->addWidget(buildSearchArea(), 1);
    layout->addLayout(save);
    return tab;
}

QWidget* frmSetup::buildClientTab() {
    auto* tab = named(new QWidget, u"tabUgyfelek"_s);
    txtKitolKinek_ = named(new QLineEdit, u"txtKitolKinek"_s);
    txtUgyfelszam_ = named(new QLineEdit, u"txtUgyfelszam"_s);
    Label2_[0] = caption(u"Kinek/Kitől"_s, u"Label2_0"_s, txtKitolKinek_);
    Label2_[1] = caption(u"Ügyfélszám:"_s, u"Label2_1"_s, txtUgyfelszam_);
    cmdFelvesz_ = named(new QPushButton(u"Felvétel"_s), u"cmdFelvesz"_s);
    cmdModosit_ = named(new QPushButton(u"Módosítás"_s), u"cmdModosit"_s);
    cmdDel_ = named(new QPushButton(u"Törlés"_s), u"cmdDel"_s);
    cmdModosit_->setEnabled(false);
    cmdDel_->setEnabled(false);

    clientModel_ = new ui::ListModel(
        {{u"Név"_s, 2650, false}, {u"Üsz."_s, 900, true}, {u"rec"_s, 1440, true}}, this);
    ListView2_ = named(new ui::ReportView, u"ListView2"_s);
    ListView2_->setListModel(clientModel_);
    ListView2_->setAccessibleName(u"Ügyfelek"_s);

    auto* fields = new QGridLayout;
    fields->addWidget(Label2_[0], 0, 0);
    fields->addWidget(txtKitolKinek_, 0, 1);
    fields->addWidget(Label2_[1], 1, 0);
    fields->addWidget(txtUgyfelszam_, 1, 1);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(cmdFelvesz_);
    buttons->addWidget(cmdModosit_);
    buttons->addWidget(cmdDel_);
    buttons->addStretch(1);
    auto* layout = new QVBoxLayout(tab);
    layout->addLayout(fields);
    layout->addLayout(buttons);
    layout->addWidget(ListView2_, 1);
    return tab;
}

void frmSetup::connectHandlers() {
    for (int i = 0; i < 3; ++i)
        connect(cmdSzin_[i], &QPushButton::clicked, this, [this, i] { onColorClicked(i); });
    connect(chkAutNum_, &QCheckBox::toggled, this, &frmSetup::onAutNumToggled);
    connect(cmdKiNum_, &QPushButton::clicked, this, [this] { onCounterClicked(true); });
    connect(cmdBeNum_, &QPushButton::clicked, this, [this] { onCounterClicked(false); });
    connect(cmdMent_, &QPushButton::clicked, this, &frmSetup::onSave);
    connect(cmdVissza_, &QPushButton::clicked, this, &QDialog::reject);

    connect(ListView2_, &ui::ReportView::itemClicked, this, &frmSetup::onClientRowClicked);
    connect(ListView2_, &ui::ReportView::headerClicked, this, &frmSetup::onClientHeaderClicked);
    connect(cmdFelvesz_, &QPushButton::clicked, this, &frmSetup::onClientAdd);
    connect(cmdModosit_, &QPushButton::clicked, this, &frmSetup::onClientChange);
    connect(cmdDel_, &QPushButton::clicked, this, &frmSetup::onClientDelete);

    const Program programs[3] = {Program::Word, Program::PdfXChange, Program::AdobeReader};
    for (int i = 0; i < 3; ++i) {
        connect(GombIndit_[i], &QPushButton::clicked, this,
                [this, program = programs[i]] { onSearchClicked(program); });
    }
    connect(cmdTalloz_, &QPushButton::clicked, this, [this] { onBrowse(txtExcelUtvonal_); });
    connect(cmdTalloz2_, &QPushButton::clicked, this, [this] { onBrowse(txtPDFUtvonal_); });
    connect(Drive_, &QComboBox::activated, this, &frmSetup::onDriveChosen);
}

void frmSetup::load() {
    resize(QSize(ui::twipsToPixels(kWidthTwips), ui::twipsToPixels(kHeightTwips))
               .expandedTo(sizeHint()));
    ui::centreOnScreen(this);

    // Whatever cannot be read leaves its control as it is and loading goes on.
    const store::SetupRekord setup =
        store::readFirstRecord<store::SetupRekord>(paths_.programFile(store::files::Setup));
    ui::setBackground(lbSzin_[2], ui::colorFromStored(setup.PartnerSzin));
    ui::setBackground(lbSzin_[0], ui::colorFromStored(setup.AblakSzin));
    ui::setBackground(lbSzin_[1], ui::colorFromStored(setup.ListaSzin));
    txtExcelUtvonal_->setText(shownPath(setup.WordUtvonal));
    txtPDFUtvonal_->setText(shownPath(setup.PDFUtvonal));
    txtUgyfszam_->setText(QString::number(setup.KezdoUgyfelszam));
    chkAutNum_->setChecked(store::flagOn(setup.AutUgyfelszam));
    chkUtolsoSorraUgras_->setChecked(store::flagOn(setup.UtolsoSorraUgras));

    // The counters of the picker's year; a year without folder gets one now.
    const store::NumRekord num = loadCounters(paths_, mainWindow_.pickerYear());
    txtKimenoNum_->setText(QString::number(num.KiNum));
    txtBejovoNum_->setText(QString::number(num.BeNum));

    // Ascending order is chosen as a click would: stored again and applied to the lists.
    if (setup.Rendezes == 0) {
        Option1_[0]->setChecked(true);
        onOrderClicked(0);
    }

    ugyfBeolvas();
}

void frmSetup::onColorClicked(int index) {
    const std::optional<QColor> chosen = platform_.dialogs.chooseColor(this, dialogColor_);
    if (!chosen)
        return;  // cancelled: nothing changes
    dialogColor_ = *chosen;
    ui::setBackground(lbSzin_[index], *chosen);
    ColorField field = ColorField::Window;
    switch (index) {
        case 0:
            mainWindow_.applyWindowColor(*chosen);
            break;
        case 1:
            field = ColorField::LetterList;
            mainWindow_.applyLetterListColor(*chosen);
            break;
        default:
            field = ColorField::PartnerList;
            mainWindow_.applyPartnerListColor(*chosen);
            break;
    }
    // A colour that cannot be stored still shows until the program ends; no message.
    storeColor(paths_, field, ui::storedFromColor(*chosen));
}

void frmSetup::onOrderClicked(int index) {
    storeSortOrder(paths_, qint16(index));
    mainWindow_.setLetterListOrder(index == 0 ? Qt::AscendingOrder : Qt::DescendingOrder);
}

void frmSetup::onAutNumToggled(bool ticked) {
    Label1_[2]->setVisible(ticked);
    txtUgyfszam_->setVisible(ticked);
}

void frmSetup::onCounterClicked(bool outgoing) {
    QLineEdit* box = outgoing ? txtKimenoNum_ : txtBejovoNum_;
    const std::optional<qint16> value = counterValue(box->text());
    if (!value) {
        message(u"HIBA"_s,
                u"A sorszám -32768 és 32767 közötti szám lehet!\r\nA módosítás nem történt meg."_s,
                ui::Icon::Critical);
        box->setFocus(Qt::OtherFocusReason);
        return;
    }
    if (!storeCounter(paths_, mainWindow_.pickerYear(),
                      outgoing ? Counter::Outgoing : Counter::Incoming, *value)) {
        message(u"HIBA"_s, u"A sorszám módosítása nem sikerült.\r\nA Num.dat nem írható."_s,
                ui::Icon::Critical);
        return;
    }
    message(u"Sorszám módosítás"_s, u"A módosítás megtörtént."_s, ui::Icon::Information);
}

void frmSetup::onSave() {
    const ui::Answer answer = platform_.dialogs.message(
        this, {u" Módosítás "_s, u"Biztos módosítod a beállításokat?\r\n\r\n"_s, ui::Buttons::YesNo,
               ui::Answer::Yes, ui::Icon::Question});
    if (answer != ui::Answer::Yes)
        return;

    SavedSettings saved;
    saved.wordPath = txtExcelUtvonal_->text();
    saved.pdfPath = txtPDFUtvonal_->text();
    saved.autUgyfelszam = chkAutNum_->isChecked();
    saved.utolsoSorraUgras = chkUtolsoSorraUgras_->isChecked();
    if (saved.autUgyfelszam) {
        const std::optional<qint32> start = startingClientNumber(txtUgyfszam_->text());
        if (!start) {
            message(u"HIBA"_s,
                    u"A kezdő ügyfélszám csak egész szám lehet!\r\n"
                    u"A beállítások nem lettek elmentve."_s,
                    ui::Icon::Critical);
            txtUgyfszam_->setFocus(Qt::OtherFocusReason);
            return;
        }
        saved.kezdoUgyfelszam = *start;
    }
    if (!storeSaved(paths_, saved)) {
        message(u"HIBA"_s, u"A beállítások mentése nem sikerült.\r\nA Setup.dat nem írható."_s,
                ui::Icon::Critical);
    }
}

void frmSetup::message(const QString& title, const QString& text, ui::Icon icon) {
    platform_.dialogs.message(this, {title, text, ui::Buttons::Ok, ui::Answer::Ok, icon});
}

}  // namespace settings

#include "mainwindow/velmar.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QDateTimeEdit>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QResizeEvent>
#include <QTabWidget>
#include <QVBoxLayout>

#include "store/oledate.h"
#include "store/recordfile.h"
#include "ui/listmodel.h"
#include "ui/locale.h"
#include "ui/reportview.h"
#include "ui/widgets.h"

using namespace Qt::StringLiterals;

namespace reg {
namespace {

constexpr int kWindowWidth = 1320;
constexpr int kWindowHeightTwips = 11250;  // 750 pixels at 96 dpi
constexpr int kHiddenAreaHeight = 40;

using ui::named;

QLineEdit* lineEdit(const QString& name, int maxLength = 0, const QString& tip = {}) {
    auto* edit = named(new QLineEdit, name);
    if (maxLength > 0)
        edit->setMaxLength(maxLength);
    if (!tip.isEmpty())
        edit->setToolTip(tip);
    return edit;
}

}  // namespace

Velmar::Velmar(ui::Platform& platform, store::Paths paths, QWidget* parent)
    : QMainWindow(parent), platform_(platform), paths_(std::move(paths)) {
    setObjectName(u"Velmar"_s);
    setWindowTitle(u"Velmarok"_s);

    buildMenu();

    auto* central = new QWidget;
    central->setObjectName(u"centralWidget"_s);
    mainArea_ = new QWidget(central);
    auto* top = new QHBoxLayout;
    top->addWidget(buildEntryArea(), 5);
    top->addWidget(buildPickLists(), 0);
    top->addWidget(buildSearchFrame(), 0);
    auto* layout = new QVBoxLayout(mainArea_);
    layout->addLayout(top);
    layout->addWidget(buildListTabs(), 1);
    buildHiddenArea(central);
    setCentralWidget(central);

    connectHandlers();
    connectBackupAndOutput();
    connectWindows();
    connectRegisterKeeping();
    connectSearch();
    connectAssistance();
    // "&Bejövő" and "&Törlés" keep Alt+B and Alt+T although "&Beállítások" and "Men&tés" use
    // the same letters.
    ui::preferButtonAccessKeys(this);
    resize(kWindowWidth, ui::twipsToPixels(kWindowHeightTwips));
}

Velmar::~Velmar() = default;

void Velmar::buildMenu() {
    QMenuBar* bar = menuBar();
    auto action = [this](const QString& name, const QString& caption) {
        auto* a = new QAction(caption, this);
        a->setObjectName(name);
        return a;
    };
    mnuKilep_ = action(u"mnuKilep"_s, u"Kilépé&s"_s);
    mnuCsopFelvetel_ = action(u"mnuCsopFelvetel"_s, u"&Csoportok felvétele"_s);
    mnuSetup_ = action(u"mnuSetup"_s, u"&Beállítások"_s);
    mnuMentMost_ = action(u"mnuMentMost"_s, u"&Mentés most"_s);
    mnuBetoltes_ = action(u"mnuBetoltes"_s, u"Mentett adatok &betöltése "_s);
    mnuNevjegy_ = action(u"mnuNevjegy"_s, u"Né&vjegy"_s);
    mnuPrintBeKi_ = action(u"mnuPrintBeKi"_s, u"B&ejövő-Kimenő listából"_s);
    mnuPrintBe_ = action(u"mnuPrintBe"_s, u"&Bejövő listából"_s);
    mnuPrintKi_ = action(u"mnuPrintKi"_s, u"&Kimenő listából"_s);
    mnuExcel_ = action(u"mnuExcel"_s, u"Mentés &Excel fájlba"_s);

    bar->addAction(mnuKilep_);
    bar->addAction(mnuCsopFelvetel_);
    bar->addAction(mnuSetup_);
    QMenu* mentes = bar->addMenu(u"Men&tés"_s);
    mentes->setObjectName(u"mnuMentesMenu"_s);
    mnuMentes_ = mentes->menuAction();
    mnuMentes_->setObjectName(u"mnuMentes"_s);
    mentes->addAction(mnuMentMost_);
    mentes->addAction(mnuBetoltes_);
    bar->addAction(mnuNevjegy_);
    QMenu* print = bar->addMenu(u"&Nyomtatás"_s);
    print->setObjectName(u"mnuPrintMenu"_s);
    mnuPrint_ = print->menuAction();
    mnuPrint_->setObjectName(u"mnuPrint"_s);
    print->addAction(mnuPrintBeKi_);
    print->addAction(mnuPrintBe_);
    print->addAction(mnuPrintKi_);
    bar->addAction(mnuExcel_);

    // Operations that are not part of the program yet stay visible but cannot be chosen.
    for (QAction* a : {mnuKilep_, mnuCsopFelvetel_, mnuSetup_, mnuMentMost_, mnuBetoltes_,
                       mnuNevjegy_, mnuPrintBeKi_, mnuPrintBe_, mnuPrintKi_, mnuExcel_}) {
        a->setEnabled(false);
    }
}

QWidget* Velmar::buildEntryArea() {
    auto* area = new QWidget;
    auto* grid = new QGridLayout(area);
    grid->setContentsMargins(0, 0, 0, 0);

    const QStringList captions = {
        u"Dátum:"_s,      u"Iktatószám:"_s, u"Kinek/Kitől"_s, u"Levél tárgya:"_s,
        u"Ügyfélszám:"_s, u"KI"_s,          u"Be"_s,          u"Csoportok:"_s,
        u"Ügyintéző:"_s,  u"Cs:"_s,         u"Szám:"_s,       u"Év/xxx:"_s};
    for (int i = 0; i < 12; ++i) {
        Label1_[i] = named(new ui::ClickLabel(captions[i]), u"Label1_%1"_s.arg(i));
    }

    DTPicker1_ = named(new QDateTimeEdit, u"DTPicker1"_s);
    DTPicker1_->setTimeSpec(Qt::UTC);  // a plain calendar date and time, no daylight saving
    DTPicker1_->setDisplayFormat(u"yyyy.MM.dd."_s);
    DTPicker1_->setCalendarPopup(true);
    DTPicker1_->setMinimumDate(QDate(1601, 1, 1));
    DTPicker1_->setMaximumDate(QDate(9999, 12, 31));
    ui::labelFor(Label1_[0], DTPicker1_);

    Frame1_ = named(new QGroupBox, u"Frame1"_s);
    Option1_[0] = named(new QRadioButton(u"&Bejövő"_s), u"Option1_0"_s);
    Option1_[1] = named(new QRadioButton(u"&Kimenő"_s), u"Option1_1"_s);
    directions_ = new QButtonGroup(this);
    directions_->addButton(Option1_[0], 0);
    directions_->addButton(Option1_[1], 1);
    auto* frame1Layout = new QHBoxLayout(Frame1_);
    frame1Layout->setContentsMargins(6, 0, 6, 0);
    frame1Layout->addWidget(Option1_[0]);
    frame1Layout->addWidget(Option1_[1]);
    for (QRadioButton* option : Option1_)
        option->setEnabled(false);

    cmbCsoportok_ = named(new QComboBox, u"cmbCsoportok"_s);
    cmbCsoportok_->setMinimumContentsLength(20);
    ui::labelFor(Label1_[7], cmbCsoportok_);
    lbJel_ = named(new QLabel, u"lbJel"_s);
    lbJel_->setMinimumWidth(30);
    lbJel_->setAccessibleName(u"Betűjel"_s);

    txtSorszam1_ = lineEdit(u"txtSorszam1"_s, 20, u"A csoport betűjele."_s);
    txtSorszam2_ = lineEdit(u"txtSorszam2"_s, 20, u"Sorszám"_s);
    txtSorszam_ = lineEdit(u"txtSorszam"_s, 20, u"Évszám és esetleges perezés max 16 karakter."_s);
    ui::labelFor(Label1_[9], txtSorszam1_);
    ui::labelFor(Label1_[10], txtSorszam2_);
    ui::labelFor(Label1_[11], txtSorszam_);

    txtKitolKinek_ = lineEdit(u"txtKitolKinek"_s, 40);
    ui::labelFor(Label1_[2], txtKitolKinek_);
    txtUgyfelszam_ = lineEdit(u"txtUgyfelszam"_s);
    ui::labelFor(Label1_[4], txtUgyfelszam_);
    txtLevelTargya_ = named(new QPlainTextEdit, u"txtLevelTargya"_s);
    txtLevelTargya_->setTabChangesFocus(true);
    txtLevelTargya_->setFixedHeight(72);
    ui::labelFor(Label1_[3], txtLevelTargya_);
    lbHossz_ = named(new QLabel, u"lbHossz"_s);
    txUgyintezo_ = lineEdit(u"txUgyintezo"_s, 30);
    ui::labelFor(Label1_[8], txUgyintezo_);

    chkMellekletKerdes_ =
        named(new QCheckBox(u"Rákérdezés mellékletre."_s), u"chkMellekletKerdes"_s);
    chkRogzitKerdes_ = named(new QCheckBox(u"Rákérdezés rögzítésre."_s), u"chkRogzitKerdes"_s);
    chkMellekletKerdes_->setChecked(true);
    chkRogzitKerdes_->setChecked(true);

    cmdRogzit_ = named(new QPushButton(u"&Rögzítés"_s), u"cmdRogzit"_s);
    cmdModosit_ = named(new QPushButton(u"&Módosítás"_s), u"cmdModosit"_s);
    cmdModosit_->setToolTip(u"A kijelölt tétel módosítása."_s);
    cmdTorles_ = named(new QPushButton(u"&Törlés"_s), u"cmdTorles"_s);
    cmdTorles_->setToolTip(u"A kijelölt tétel törlése."_s);
    cmdModosit_->setEnabled(false);
    cmdTorles_->setEnabled(false);

    // Date and direction, then the group.
    grid->addWidget(Label1_[0], 0, 0);
    auto* dateRow = new QHBoxLayout;
    dateRow->addWidget(DTPicker1_);
    dateRow->addWidget(Frame1_);
    dateRow->addStretch(1);
    grid->addLayout(dateRow, 0, 1, 1, 3);
    grid->addWidget(Label1_[7], 1, 0);
    auto* groupRow = new QHBoxLayout;
    groupRow->addWidget(cmbCsoportok_, 1);
    groupRow->addWidget(lbJel_);
    grid->addLayout(groupRow, 1, 1, 1, 3);

    // The registration number: three boxes with their small captions above.
    grid->addWidget(Label1_[1], 3, 0);
    auto* numberCaptions = new QHBoxLayout;
    auto* numberBoxes = new QHBoxLayout;
    for (int i : {9, 10, 11})
        numberCaptions->addWidget(Label1_[i], i == 11 ? 2 : 1);
    numberBoxes->addWidget(txtSorszam1_, 1);
    numberBoxes->addWidget(txtSorszam2_, 1);
    numberBoxes->addWidget(txtSorszam_, 2);
    grid->addLayout(numberCaptions, 2, 1, 1, 3);
    grid->addLayout(numberBoxes, 3, 1, 1, 3);

    // Correspondent, client number, subject, handler.
    grid->addWidget(Label1_[2], 4, 0);
    grid->addWidget(txtKitolKinek_, 4, 1);
    grid->addWidget(Label1_[4], 4, 2);
    grid->addWidget(txtUgyfelszam_, 4, 3);
    grid->addWidget(Label1_[3], 5, 0, Qt::AlignTop);
    grid->addWidget(txtLevelTargya_, 5, 1, 1, 3);
    grid->addWidget(lbHossz_, 6, 1);
    grid->addWidget(Label1_[8], 7, 0);
    grid->addWidget(txUgyintezo_, 7, 1);

    // The two questions, and the three buttons at the bottom.
    auto* questions = new QHBoxLayout;
    questions->addWidget(chkMellekletKerdes_);
    questions->addWidget(chkRogzitKerdes_);
    questions->addStretch(1);
    grid->addLayout(questions, 8, 0, 1, 4);
    grid->setRowStretch(9, 1);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(cmdRogzit_);
    buttons->addWidget(cmdModosit_);
    buttons->addWidget(cmdTorles_);
    grid->addLayout(buttons, 10, 0, 1, 4);
    grid->setColumnStretch(1, 3);
    grid->setColumnStretch(3, 1);
    return area;
}

QWidget* Velmar::buildPickLists() {
    auto* area = new QWidget;
    auto* layout = new QVBoxLayout(area);
    layout->setContentsMargins(0, 0, 0, 0);
    clientModel_ = new ui::ListModel(
        {{u"Név"_s, 3800, false}, {u"Üsz."_s, 900, true}, {u"rec"_s, 600, true}}, this);
    handlerModel_ = new ui::ListModel({{u"Név"_s, 4000, false}, {u"rec"_s, 1440, true}}, this);
    ListView2_ = named(new ui::ReportView, u"ListView2"_s);
    ListView2_->setListModel(clientModel_);
    ListView2_->setAccessibleName(u"Ügyfelek"_s);
    ListView3_ = named(new ui::ReportView, u"ListView3"_s);
    ListView3_->setListModel(handlerModel_);
    ListView3_->setAccessibleName(u"Ügyintézők"_s);
    layout->addWidget(ListView2_, 3);
    layout->addWidget(ListView3_, 2);
    // Wide enough for the client list's three columns and its scroll bar.
    area->setMinimumWidth(ui::twipsToPixels(3800 + 900 + 600) + 24);
    return area;
}

QWidget* Velmar::buildSearchFrame() {
    Frame2_ = named(new QGroupBox(u"Keresés"_s), u"Frame2"_s);
    auto* grid = new QGridLayout(Frame2_);
    Label2_ = named(new QLabel(u"Keresendő dátum:"_s), u"Label2"_s);
    txtDatum_ = lineEdit(u"txtDatum"_s, 0, u"Minimum évszámot meg kell adni!!!"_s);
    ui::labelFor(Label2_, txtDatum_);
    grid->addWidget(Label2_, 0, 0);
    grid->addWidget(txtDatum_, 0, 1, 1, 2);

    const QStringList captions = {u"Dátum szerint"_s,        u"Sorszám szerint"_s,
                                  u"Kinek/Kitől szerint"_s,  u"Ügyfélszám szerint"_s,
                                  u"Levél tárgya szerint"_s, u"Csoport szerint"_s,
                                  u"Teljes lista"_s,         u"Ügyintéző szerint"_s};
    for (int i = 0; i < 8; ++i) {
        Command1_[i] = named(new QPushButton(captions[i]), u"Command1_%1"_s.arg(i));
        Command1_[i]->setEnabled(false);  // connectSearch enables them
    }
    // Three rows: date, serial, correspondent; client number, subject, group; handler, all.
    const int layoutOrder[8][2] = {{1, 0}, {1, 1}, {1, 2}, {2, 0}, {2, 1}, {2, 2}, {3, 1}, {3, 0}};
    for (int i = 0; i < 8; ++i)
        grid->addWidget(Command1_[i], layoutOrder[i][0], layoutOrder[i][1]);
    grid->setRowStretch(4, 1);
    return Frame2_;
}

QWidget* Velmar::buildListTabs() {
    SSTab1_ = named(new QTabWidget, u"SSTab1"_s);
    allModel_ = new ui::ListModel(letterColumns(LetterList::All), this);
    incomingModel_ = new ui::ListModel(letterColumns(LetterList::Incoming), this);
    outgoingModel_ = new ui::ListModel(letterColumns(LetterList::Outgoing), this);
    ListView1_ = named(new ui::ReportView, u"ListView1"_s);
    ListView4_ = named(new ui::ReportView, u"ListView4"_s);
    ListView5_ = named(new ui::ReportView, u"ListView5"_s);
    ListView1_->setListModel(allModel_);
    ListView4_->setListModel(incomingModel_);
    ListView5_->setListModel(outgoingModel_);
    SSTab1_->addTab(ListView1_, u"Bejövő és kimenő levelek"_s);
    SSTab1_->addTab(ListView4_, u"Bejövő levelek"_s);
    SSTab1_->addTab(ListView5_, u"Kimenő levelek"_s);
    ListView1_->setAccessibleName(u"Bejövő és kimenő levelek"_s);
    ListView4_->setAccessibleName(u"Bejövő levelek"_s);
    ListView5_->setAccessibleName(u"Kimenő levelek"_s);
    return SSTab1_;
}

void Velmar::buildHiddenArea(QWidget* central) {
    hiddenArea_ = named(new QWidget(central), u"hiddenArea"_s);
    auto* layout = new QHBoxLayout(hiddenArea_);
    Text1_ = lineEdit(u"Text1"_s);
    Text2_ = lineEdit(u"Text2"_s);
    ui::labelFor(Label1_[5], Text1_);
    ui::labelFor(Label1_[6], Text2_);
    cmdLevelek_ = named(new QPushButton(u"&Bejövő levelek"_s), u"cmdLevelek"_s);
    cmdKiLevelek_ = named(new QPushButton(u"Command3"_s), u"cmdKiLevelek"_s);
    cmdKiLevelStart_ = named(new QPushButton(u"Kilevelek"_s), u"cmdKiLevelStart"_s);
    for (QWidget* w :
         std::initializer_list<QWidget*>{Label1_[5], Text1_, Label1_[6], Text2_, cmdLevelek_,
                                         cmdKiLevelek_, cmdKiLevelStart_}) {
        layout->addWidget(w);
        // Out of sight, out of the Tab order: only the program presses these.
        w->setFocusPolicy(w == Text1_ || w == Text2_ ? Qt::ClickFocus : Qt::NoFocus);
    }
}

void Velmar::resizeEvent(QResizeEvent* event) {
    QMainWindow::resizeEvent(event);
    // The main area fills the client area; the maintenance strip lies just below its bottom
    // edge, where the window never shows it.
    const QSize client = centralWidget()->size();
    mainArea_->setGeometry(0, 0, client.width(), client.height());
    hiddenArea_->setGeometry(0, client.height(), client.width(), kHiddenAreaHeight);
}

void Velmar::start() {
    load();
    activate();
}

void Velmar::load() {
    // 1-2. The designed width, a height of 11250 twips, centred on the screen.
    resize(kWindowWidth, ui::twipsToPixels(kWindowHeightTwips));
    ui::centreOnScreen(this);
    // 3. Today's date, no time of day.
    DTPicker1_->setDateTime(QDateTime(platform_.clock.today(), QTime(0, 0), Qt::UTC));
    state_.munkaEv = pickerYear();
    // 4. The settings.
    state_.settings =
        store::readFirstRecord<store::SetupRekord>(paths_.programFile(store::files::Setup));
    // 5. The stored colours.
    applyStoredColors();
    // 6. The all-letters list's direction; the other two keep theirs.
    allModel_->setSortOrder(state_.settings.Rendezes == 1 ? Qt::DescendingOrder
                                                          : Qt::AscendingOrder);
    // 7. The year's letters.
    beolvas();
    // 8.
    iranyValasztasAktiv_ = true;
}

void Velmar::activate() {
    cmbCsoportok_->clear();
    const auto groups =
        store::readAllRecords<store::CsoportRekord>(paths_.programFile(store::files::Csoportok));
    if (groups.empty()) {
        // Without groups a letter is numbered without one: both directions are open.
        for (QRadioButton* option : Option1_)
            option->setEnabled(true);
        uncheckDirections();
    }
    for (const auto& group : groups)
        cmbCsoportok_->addItem(store::trimmed(group.Nev));
    cmbCsoportok_->setCurrentIndex(-1);
}

void Velmar::applyStoredColors() {
    applyWindowColor(ui::colorFromStored(state_.settings.AblakSzin));
    applyLetterListColor(ui::colorFromStored(state_.settings.ListaSzin), true);
    applyPartnerListColor(ui::colorFromStored(state_.settings.PartnerSzin), true);
}

void Velmar::applyWindowColor(const QColor& color) {
    ui::setBackground(centralWidget(), color);
    std::vector<QWidget*> painted = {Frame1_,         Frame2_,     Label2_,     lbJel_,
                                     lbHossz_,        Option1_[0], Option1_[1], chkMellekletKerdes_,
                                     chkRogzitKerdes_};
    for (int i = 0; i <= 8; ++i)
        painted.push_back(Label1_[i]);
    for (QWidget* w : painted)
        ui::setBackground(w, color);
}

void Velmar::applyLetterListColor(const QColor& color, bool allLists) {
    ui::setListBackground(ListView1_, color);
    if (allLists) {
        ui::setListBackground(ListView4_, color);
        ui::setListBackground(ListView5_, color);
    }
}

void Velmar::applyPartnerListColor(const QColor& color, bool bothLists) {
    ui::setListBackground(ListView2_, color);
    if (bothLists)
        ui::setListBackground(ListView3_, color);
}

void Velmar::setLetterListOrder(Qt::SortOrder order) {
    // The lists re-sort at once by the column they are sorted by, in the new direction.
    for (ui::ListModel* model : {allModel_, incomingModel_, outgoingModel_}) {
        model->setSortOrder(order);
        model->sortByColumn(model->sortColumn());
    }
}

double Velmar::pickerValue() const {
    const QDateTime value = DTPicker1_->dateTime();
    return store::oleFromDate(value.date(), value.time());
}

int Velmar::pickerYear() const {
    return DTPicker1_->date().year();
}

void Velmar::setPickerValue(double value) {
    const store::DateParts parts = store::dateFromOle(value);
    if (parts.date.isValid())
        DTPicker1_->setDateTime(QDateTime(parts.date, parts.time, Qt::UTC));
}

double Velmar::nowValue() const {
    const QDateTime now = platform_.clock.now();
    return store::oleFromDate(now.date(), now.time());
}

void Velmar::uncheckDirections() {
    directions_->setExclusive(false);
    for (QRadioButton* option : Option1_)
        option->setChecked(false);
    directions_->setExclusive(true);
}

void Velmar::connectHandlers() {
    connect(ListView1_, &ui::ReportView::itemClicked, this,
            [this](int row) { onLetterRowClicked(LetterList::All, row); });
    connect(ListView4_, &ui::ReportView::itemClicked, this,
            [this](int row) { onLetterRowClicked(LetterList::Incoming, row); });
    connect(ListView5_, &ui::ReportView::itemClicked, this,
            [this](int row) { onLetterRowClicked(LetterList::Outgoing, row); });
    connect(ListView1_, &ui::ReportView::itemDoubleClicked, this, &Velmar::onLetterDoubleClicked);
    connect(ListView1_, &ui::ReportView::headerClicked, this,
            [this](int column) { onLetterHeaderClicked(LetterList::All, column); });
    connect(ListView4_, &ui::ReportView::headerClicked, this,
            [this](int column) { onLetterHeaderClicked(LetterList::Incoming, column); });
    connect(ListView5_, &ui::ReportView::headerClicked, this,
            [this](int column) { onLetterHeaderClicked(LetterList::Outgoing, column); });
    connect(ListView2_, &ui::ReportView::itemClicked, this, &Velmar::onClientRowClicked);
    connect(ListView2_, &ui::ReportView::mouseReleased, this,
            [this] { txtLevelTargya_->setFocus(Qt::MouseFocusReason); });
    connect(ListView3_, &ui::ReportView::itemClicked, this, &Velmar::onHandlerRowClicked);
    connect(cmbCsoportok_, &QComboBox::activated, this, &Velmar::onGroupChosen);
    connect(DTPicker1_, &QDateTimeEdit::dateChanged, this, &Velmar::onPickerChanged);
    for (ui::ClickLabel* caption : Label1_) {
        connect(caption, &ui::ClickLabel::doubleClicked, this, &Velmar::onCaptionDoubleClicked);
    }
    connect(cmdKiLevelStart_, &QPushButton::clicked, this, &Velmar::openDocument);
}

}  // namespace reg

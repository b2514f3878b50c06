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
    connectSnapshots();
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
    exitAction_ = action(u"mnuKilep"_s, u"Kilépé&s"_s);
    groupsAction_ = action(u"mnuCsopFelvetel"_s, u"&Csoportok felvétele"_s);
    settingsAction_ = action(u"mnuSetup"_s, u"&Beállítások"_s);
    backupNowAction_ = action(u"mnuMentMost"_s, u"&Mentés most"_s);
    restoreAction_ = action(u"mnuBetoltes"_s, u"Mentett adatok &betöltése "_s);
    aboutAction_ = action(u"mnuNevjegy"_s, u"Né&vjegy"_s);
    printAllAction_ = action(u"mnuPrintBeKi"_s, u"B&ejövő-Kimenő listából"_s);
    printIncomingAction_ = action(u"mnuPrintBe"_s, u"&Bejövő listából"_s);
    printOutgoingAction_ = action(u"mnuPrintKi"_s, u"&Kimenő listából"_s);
    exportAction_ = action(u"mnuExcel"_s, u"Mentés &Excel fájlba"_s);
    spreadsheetAction_ = action(u"mnuXlsx"_s, u"Mentés táblázatba (.&xlsx)..."_s);
    wholeBackupAction_ = action(u"mnuTeljesMentes"_s, u"Teljes &mentés..."_s);
    wholeRestoreAction_ = action(u"mnuTeljesVisszaallitas"_s, u"Teljes &visszaállítás..."_s);
    snapshotFolderAction_ = action(u"mnuTeljesMentesHelye"_s, u"Teljes mentés &helye..."_s);

    bar->addAction(exitAction_);
    bar->addAction(groupsAction_);
    bar->addAction(settingsAction_);
    QMenu* mentes = bar->addMenu(u"Men&tés"_s);
    mentes->setObjectName(u"mnuMentesMenu"_s);
    backupMenuAction_ = mentes->menuAction();
    backupMenuAction_->setObjectName(u"mnuMentes"_s);
    mentes->addAction(backupNowAction_);
    mentes->addAction(restoreAction_);
    mentes->addSeparator();
    mentes->addAction(wholeBackupAction_);
    mentes->addAction(wholeRestoreAction_);
    mentes->addAction(snapshotFolderAction_);
    bar->addAction(aboutAction_);
    QMenu* print = bar->addMenu(u"&Nyomtatás"_s);
    print->setObjectName(u"mnuPrintMenu"_s);
    printMenuAction_ = print->menuAction();
    printMenuAction_->setObjectName(u"mnuPrint"_s);
    print->addAction(printAllAction_);
    print->addAction(printIncomingAction_);
    print->addAction(printOutgoingAction_);
    bar->addAction(exportAction_);
    bar->addAction(spreadsheetAction_);
    auto* logAction = action(u"mnuNaplo"_s, u"Na&pló..."_s);
    logAction->setEnabled(false);
    bar->addAction(logAction);

    // Operations that are not part of the program yet stay visible but cannot be chosen.
    for (QAction* a : {exitAction_, groupsAction_, settingsAction_, backupNowAction_,
                       restoreAction_, aboutAction_, printAllAction_, printIncomingAction_,
                       printOutgoingAction_, exportAction_}) {
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
        captionLabels_[i] = named(new ui::ClickLabel(captions[i]), u"Label1_%1"_s.arg(i));
    }

    datePicker_ = named(new QDateTimeEdit, u"DTPicker1"_s);
    ui::usePlainDateTimes(datePicker_);
    datePicker_->setDisplayFormat(u"yyyy.MM.dd."_s);
    datePicker_->setCalendarPopup(true);
    datePicker_->setMinimumDate(QDate(1601, 1, 1));
    datePicker_->setMaximumDate(QDate(9999, 12, 31));
    ui::labelFor(captionLabels_[0], datePicker_);

    directionFrame_ = named(new QGroupBox, u"Frame1"_s);
    directionOptions_[0] = named(new QRadioButton(u"&Bejövő"_s), u"Option1_0"_s);
    directionOptions_[1] = named(new QRadioButton(u"&Kimenő"_s), u"Option1_1"_s);
    directionGroup_ = new QButtonGroup(this);
    directionGroup_->addButton(directionOptions_[0], 0);
    directionGroup_->addButton(directionOptions_[1], 1);
    auto* frame1Layout = new QHBoxLayout(directionFrame_);
    frame1Layout->setContentsMargins(6, 0, 6, 0);
    frame1Layout->addWidget(directionOptions_[0]);
    frame1Layout->addWidget(directionOptions_[1]);
    for (QRadioButton* option : directionOptions_)
        option->setEnabled(false);

    groupCombo_ = named(new QComboBox, u"cmbCsoportok"_s);
    groupCombo_->setMinimumContentsLength(20);
    ui::labelFor(captionLabels_[7], groupCombo_);
    groupCodeLabel_ = named(new QLabel, u"lbJel"_s);
    groupCodeLabel_->setMinimumWidth(30);
    groupCodeLabel_->setAccessibleName(u"Betűjel"_s);

    prefixEdit_ = lineEdit(u"txtSorszam1"_s, 20, u"A csoport betűjele."_s);
    serialEdit_ = lineEdit(u"txtSorszam2"_s, 20, u"Sorszám"_s);
    yearPartEdit_ =
        lineEdit(u"txtSorszam"_s, 20, u"Évszám és esetleges perezés max 16 karakter."_s);
    ui::labelFor(captionLabels_[9], prefixEdit_);
    ui::labelFor(captionLabels_[10], serialEdit_);
    ui::labelFor(captionLabels_[11], yearPartEdit_);

    correspondentEdit_ = lineEdit(u"txtKitolKinek"_s, 40);
    ui::labelFor(captionLabels_[2], correspondentEdit_);
    clientNumberEdit_ = lineEdit(u"txtUgyfelszam"_s);
    ui::labelFor(captionLabels_[4], clientNumberEdit_);
    subjectEdit_ = named(new QPlainTextEdit, u"txtLevelTargya"_s);
    subjectEdit_->setTabChangesFocus(true);
    subjectEdit_->setFixedHeight(72);
    ui::labelFor(captionLabels_[3], subjectEdit_);
    subjectCounterLabel_ = named(new QLabel, u"lbHossz"_s);
    handlerEdit_ = lineEdit(u"txUgyintezo"_s, 30);
    ui::labelFor(captionLabels_[8], handlerEdit_);

    askDocumentCheck_ = named(new QCheckBox(u"Rákérdezés mellékletre."_s), u"chkMellekletKerdes"_s);
    askRecordingCheck_ = named(new QCheckBox(u"Rákérdezés rögzítésre."_s), u"chkRogzitKerdes"_s);
    askDocumentCheck_->setChecked(true);
    askRecordingCheck_->setChecked(true);

    recordButton_ = named(new QPushButton(u"&Rögzítés"_s), u"cmdRogzit"_s);
    modifyButton_ = named(new QPushButton(u"&Módosítás"_s), u"cmdModosit"_s);
    modifyButton_->setToolTip(u"A kijelölt tétel módosítása."_s);
    deleteButton_ = named(new QPushButton(u"&Törlés"_s), u"cmdTorles"_s);
    deleteButton_->setToolTip(u"A kijelölt tétel törlése."_s);
    modifyButton_->setEnabled(false);
    deleteButton_->setEnabled(false);

    // Date and direction, then the group.
    grid->addWidget(captionLabels_[0], 0, 0);
    auto* dateRow = new QHBoxLayout;
    dateRow->addWidget(datePicker_);
    dateRow->addWidget(directionFrame_);
    dateRow->addStretch(1);
    grid->addLayout(dateRow, 0, 1, 1, 3);
    grid->addWidget(captionLabels_[7], 1, 0);
    auto* groupRow = new QHBoxLayout;
    groupRow->addWidget(groupCombo_, 1);
    groupRow->addWidget(groupCodeLabel_);
    grid->addLayout(groupRow, 1, 1, 1, 3);

    // The registration number: three boxes with their small captions above.
    grid->addWidget(captionLabels_[1], 3, 0);
    auto* numberCaptions = new QHBoxLayout;
    auto* numberBoxes = new QHBoxLayout;
    for (int i : {9, 10, 11})
        numberCaptions->addWidget(captionLabels_[i], i == 11 ? 2 : 1);
    numberBoxes->addWidget(prefixEdit_, 1);
    numberBoxes->addWidget(serialEdit_, 1);
    numberBoxes->addWidget(yearPartEdit_, 2);
    grid->addLayout(numberCaptions, 2, 1, 1, 3);
    grid->addLayout(numberBoxes, 3, 1, 1, 3);

    // Correspondent, client number, subject, handler.
    grid->addWidget(captionLabels_[2], 4, 0);
    grid->addWidget(correspondentEdit_, 4, 1);
    grid->addWidget(captionLabels_[4], 4, 2);
    grid->addWidget(clientNumberEdit_, 4, 3);
    grid->addWidget(captionLabels_[3], 5, 0, Qt::AlignTop);
    grid->addWidget(subjectEdit_, 5, 1, 1, 3);
    grid->addWidget(subjectCounterLabel_, 6, 1);
    grid->addWidget(captionLabels_[8], 7, 0);
    grid->addWidget(handlerEdit_, 7, 1);
    // The scanned image of an incoming letter is chosen with this button beside the case
    // handler; the out-of-sight scanned-letter button does the same for the program.
    scannedLetterChoiceButton_ =
        named(new QPushButton(u"Beszkennelt &levél..."_s), u"cmdBeszkenneltLevel"_s);
    scannedLetterChoiceButton_->setToolTip(
        u"A kijelölt bejövő levél beszkennelt képének (JPG vagy PDF) kiválasztása; "
        u"a Módosítás menti a levélhez."_s);
    scannedLetterChoiceButton_->setAccessibleName(u"Beszkennelt levél kiválasztása"_s);
    grid->addWidget(scannedLetterChoiceButton_, 7, 3, Qt::AlignLeft);

    // The two questions, and the three buttons at the bottom.
    auto* questions = new QHBoxLayout;
    questions->addWidget(askDocumentCheck_);
    questions->addWidget(askRecordingCheck_);
    questions->addStretch(1);
    grid->addLayout(questions, 8, 0, 1, 4);
    grid->setRowStretch(9, 1);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(recordButton_);
    buttons->addWidget(modifyButton_);
    buttons->addWidget(deleteButton_);
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
    clientPickList_ = named(new ui::ReportView, u"ListView2"_s);
    clientPickList_->setListModel(clientModel_);
    clientPickList_->setAccessibleName(u"Ügyfelek"_s);
    handlerPickList_ = named(new ui::ReportView, u"ListView3"_s);
    handlerPickList_->setListModel(handlerModel_);
    handlerPickList_->setAccessibleName(u"Ügyintézők"_s);
    layout->addWidget(clientPickList_, 3);
    layout->addWidget(handlerPickList_, 2);
    // Wide enough for the client list's three columns and its scroll bar.
    area->setMinimumWidth(ui::twipsToPixels(3800 + 900 + 600) + 24);
    return area;
}

QWidget* Velmar::buildSearchFrame() {
    searchFrame_ = named(new QGroupBox(u"Keresés"_s), u"Frame2"_s);
    auto* grid = new QGridLayout(searchFrame_);
    searchDateLabel_ = named(new QLabel(u"Keresendő dátum:"_s), u"Label2"_s);
    searchDateEdit_ = lineEdit(u"txtDatum"_s, 0, u"Minimum évszámot meg kell adni!!!"_s);
    ui::labelFor(searchDateLabel_, searchDateEdit_);
    grid->addWidget(searchDateLabel_, 0, 0);
    grid->addWidget(searchDateEdit_, 0, 1, 1, 2);
    // The searches and "Teljes lista" over every year of the register instead of one.
    allYearsCheck_ = named(new QCheckBox(u"M&inden évben"_s), u"chkMindenEv"_s);
    allYearsCheck_->setToolTip(u"A keresés a nyilvántartás minden évében fut."_s);
    grid->addWidget(allYearsCheck_, 4, 0, 1, 3);

    const QStringList captions = {u"Dátum szerint"_s,        u"Sorszám szerint"_s,
                                  u"Kinek/Kitől szerint"_s,  u"Ügyfélszám szerint"_s,
                                  u"Levél tárgya szerint"_s, u"Csoport szerint"_s,
                                  u"Teljes lista"_s,         u"Ügyintéző szerint"_s};
    for (int i = 0; i < 8; ++i) {
        searchButtons_[i] = named(new QPushButton(captions[i]), u"Command1_%1"_s.arg(i));
        searchButtons_[i]->setEnabled(false);  // connectSearch enables them
    }
    // Three rows: date, serial, correspondent; client number, subject, group; handler, all.
    const int layoutOrder[8][2] = {{1, 0}, {1, 1}, {1, 2}, {2, 0}, {2, 1}, {2, 2}, {3, 1}, {3, 0}};
    for (int i = 0; i < 8; ++i)
        grid->addWidget(searchButtons_[i], layoutOrder[i][0], layoutOrder[i][1]);
    grid->setRowStretch(5, 1);
    return searchFrame_;
}

QWidget* Velmar::buildListTabs() {
    listTabs_ = named(new QTabWidget, u"SSTab1"_s);
    allModel_ = new ui::ListModel(letterColumns(LetterList::All), this);
    incomingModel_ = new ui::ListModel(letterColumns(LetterList::Incoming), this);
    outgoingModel_ = new ui::ListModel(letterColumns(LetterList::Outgoing), this);
    allList_ = named(new ui::ReportView, u"ListView1"_s);
    incomingList_ = named(new ui::ReportView, u"ListView4"_s);
    outgoingList_ = named(new ui::ReportView, u"ListView5"_s);
    allList_->setListModel(allModel_);
    incomingList_->setListModel(incomingModel_);
    outgoingList_->setListModel(outgoingModel_);
    listTabs_->addTab(allList_, u"Bejövő és kimenő levelek"_s);
    listTabs_->addTab(incomingList_, u"Bejövő levelek"_s);
    listTabs_->addTab(outgoingList_, u"Kimenő levelek"_s);
    allList_->setAccessibleName(u"Bejövő és kimenő levelek"_s);
    incomingList_->setAccessibleName(u"Bejövő levelek"_s);
    outgoingList_->setAccessibleName(u"Kimenő levelek"_s);
    return listTabs_;
}

void Velmar::buildHiddenArea(QWidget* central) {
    hiddenArea_ = named(new QWidget(central), u"hiddenArea"_s);
    auto* layout = new QHBoxLayout(hiddenArea_);
    outgoingCounterEdit_ = lineEdit(u"Text1"_s);
    incomingCounterEdit_ = lineEdit(u"Text2"_s);
    ui::labelFor(captionLabels_[5], outgoingCounterEdit_);
    ui::labelFor(captionLabels_[6], incomingCounterEdit_);
    scannedLetterButton_ = named(new QPushButton(u"&Bejövő levelek"_s), u"cmdLevelek"_s);
    documentChoiceButton_ = named(new QPushButton(u"Command3"_s), u"cmdKiLevelek"_s);
    documentOpenButton_ = named(new QPushButton(u"Kilevelek"_s), u"cmdKiLevelStart"_s);
    for (QWidget* w : std::initializer_list<QWidget*>{
             captionLabels_[5], outgoingCounterEdit_, captionLabels_[6], incomingCounterEdit_,
             scannedLetterButton_, documentChoiceButton_, documentOpenButton_}) {
        layout->addWidget(w);
        // Out of sight, out of the Tab order: only the program presses these.
        w->setFocusPolicy(w == outgoingCounterEdit_ || w == incomingCounterEdit_ ? Qt::ClickFocus
                                                                                 : Qt::NoFocus);
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
    // 1-2. The designed width, a height of 11250 twips, centred on the screen; a smaller
    // screen takes the largest window of these proportions that fits, but never one too small
    // for the controls.
    centralWidget()->setMinimumSize(mainArea_->minimumSizeHint());
    ui::fitOnScreen(this, QSize(kWindowWidth, ui::twipsToPixels(kWindowHeightTwips)));
    // 3. Today's date, no time of day.
    datePicker_->setDateTime(ui::plainDateTime(platform_.clock.today()));
    state_.workingYear = pickerYear();
    // 4.-6. The settings: the stored colours and the all-letters list's direction.
    applyStoredSettings();
    // 7. The year's letters.
    beolvas();
    // 8.
    directionChoiceActive_ = true;
}

void Velmar::activate() {
    groupCombo_->clear();
    const auto groups =
        store::readAllRecords<store::CsoportRekord>(paths_.programFile(store::files::Csoportok));
    if (groups.empty()) {
        // Without groups a letter is numbered without one: both directions are open.
        for (QRadioButton* option : directionOptions_)
            option->setEnabled(true);
        uncheckDirections();
    }
    for (const auto& group : groups)
        groupCombo_->addItem(store::trimmed(group.Nev));
    groupCombo_->setCurrentIndex(-1);
}

void Velmar::applyStoredSettings() {
    state_.settings =
        store::readFirstRecord<store::SetupRekord>(paths_.programFile(store::files::Setup));
    applyWindowColor(ui::colorFromStored(state_.settings.AblakSzin));
    applyLetterListColor(ui::colorFromStored(state_.settings.ListaSzin), true);
    applyPartnerListColor(ui::colorFromStored(state_.settings.PartnerSzin), true);
    // The all-letters list's direction; the other two keep theirs.
    allModel_->setSortOrder(state_.settings.Rendezes == 1 ? Qt::DescendingOrder
                                                          : Qt::AscendingOrder);
}

void Velmar::applyWindowColor(const QColor& color) {
    ui::setBackground(centralWidget(), color);
    std::vector<QWidget*> painted = {
        directionFrame_,      searchFrame_,         searchDateLabel_,
        groupCodeLabel_,      subjectCounterLabel_, directionOptions_[0],
        directionOptions_[1], askDocumentCheck_,    askRecordingCheck_};
    for (int i = 0; i <= 8; ++i)
        painted.push_back(captionLabels_[i]);
    for (QWidget* w : painted)
        ui::setBackground(w, color);
    // The list tabs are drawn light whatever the window colour; their captions stay dark.
    ui::keepStyleText(listTabs_);
}

void Velmar::applyLetterListColor(const QColor& color, bool allLists) {
    ui::setListBackground(allList_, color);
    if (allLists) {
        ui::setListBackground(incomingList_, color);
        ui::setListBackground(outgoingList_, color);
    }
}

void Velmar::applyPartnerListColor(const QColor& color, bool bothLists) {
    ui::setListBackground(clientPickList_, color);
    if (bothLists)
        ui::setListBackground(handlerPickList_, color);
}

void Velmar::setLetterListOrder(Qt::SortOrder order) {
    // The lists re-sort at once by the column they are sorted by, in the new direction.
    for (ui::ListModel* model : {allModel_, incomingModel_, outgoingModel_}) {
        model->setSortOrder(order);
        model->sortByColumn(model->sortColumn());
    }
}

double Velmar::pickerValue() const {
    const QDateTime value = datePicker_->dateTime();
    return store::oleFromDate(value.date(), value.time());
}

int Velmar::pickerYear() const {
    return datePicker_->date().year();
}

void Velmar::setPickerValue(double value) {
    const store::DateParts parts = store::dateFromOle(value);
    if (parts.date.isValid())
        datePicker_->setDateTime(ui::plainDateTime(parts.date, parts.time));
}

double Velmar::nowValue() const {
    const QDateTime now = platform_.clock.now();
    return store::oleFromDate(now.date(), now.time());
}

void Velmar::uncheckDirections() {
    directionGroup_->setExclusive(false);
    for (QRadioButton* option : directionOptions_)
        option->setChecked(false);
    directionGroup_->setExclusive(true);
}

void Velmar::connectHandlers() {
    connect(allList_, &ui::ReportView::itemClicked, this,
            [this](int row) { onLetterRowClicked(LetterList::All, row); });
    connect(incomingList_, &ui::ReportView::itemClicked, this,
            [this](int row) { onLetterRowClicked(LetterList::Incoming, row); });
    connect(outgoingList_, &ui::ReportView::itemClicked, this,
            [this](int row) { onLetterRowClicked(LetterList::Outgoing, row); });
    connect(allList_, &ui::ReportView::itemDoubleClicked, this, &Velmar::onLetterDoubleClicked);
    connect(allList_, &ui::ReportView::headerClicked, this,
            [this](int column) { onLetterHeaderClicked(LetterList::All, column); });
    connect(incomingList_, &ui::ReportView::headerClicked, this,
            [this](int column) { onLetterHeaderClicked(LetterList::Incoming, column); });
    connect(outgoingList_, &ui::ReportView::headerClicked, this,
            [this](int column) { onLetterHeaderClicked(LetterList::Outgoing, column); });
    connect(clientPickList_, &ui::ReportView::itemClicked, this, &Velmar::onClientRowClicked);
    connect(clientPickList_, &ui::ReportView::mouseReleased, this,
            [this] { subjectEdit_->setFocus(Qt::MouseFocusReason); });
    connect(handlerPickList_, &ui::ReportView::itemClicked, this, &Velmar::onHandlerRowClicked);
    connect(groupCombo_, &QComboBox::activated, this, &Velmar::onGroupChosen);
    connect(datePicker_, &QDateTimeEdit::dateChanged, this, &Velmar::onPickerChanged);
    for (ui::ClickLabel* caption : captionLabels_) {
        connect(caption, &ui::ClickLabel::doubleClicked, this, &Velmar::onCaptionDoubleClicked);
    }
    connect(documentOpenButton_, &QPushButton::clicked, this, &Velmar::openDocument);
}

}  // namespace reg

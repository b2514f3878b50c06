#include "log/frmnaplo.h"

#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QProgressDialog>
#include <QPushButton>
#include <QStandardPaths>
#include <QTimer>
#include <QTreeView>
#include <QTreeWidget>
#include <QVBoxLayout>
#include <tuple>

#include "log/csv.h"
#include "log/database.h"
#include "log/fields.h"
#include "log/logmodel.h"
#include "log/restore.h"
#include "store/hungarian.h"
#include "store/records.h"
#include "ui/widgets.h"

using namespace Qt::StringLiterals;

namespace logwindow {
namespace {

constexpr int kWidthTwips = 14400;
constexpr int kHeightTwips = 9600;
// Typing in the text filter lists again once the typing pauses.
constexpr int kTextDelayMs = 250;

QPushButton* button(const QString& caption, const QString& name) {
    auto* b = ui::named(new QPushButton(caption), name);
    // Enter in the text filter applies it; it never presses a button.
    b->setAutoDefault(false);
    return b;
}

// A filter's choices; `characters` wide, so the row keeps its place when they are read again.
QComboBox* filterCombo(const QString& name, int characters) {
    auto* combo = ui::named(new QComboBox, name);
    combo->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    combo->setMinimumContentsLength(characters);
    return combo;
}

}  // namespace

ui::Message setAsideMessage(const QString& setAsideName) {
    return {u"FIGYELEM!"_s,
            u"A napló adatbázisa (%1) sérült, vagy nem ehhez a programhoz tartozik.\r\n"
            u"A program félretette %2 néven, és a következő változással új naplót kezd.\r\n"
            u"A levelek adatait ez nem érinti."_s.arg(eventlog::kDatabaseName, setAsideName),
            ui::Buttons::Ok, ui::Answer::Ok, ui::Icon::Exclamation};
}

std::function<void(const QString&)> setAsideReporter(ui::Dialogs& dialogs) {
    return [&dialogs](const QString& name) {
        QTimer::singleShot(0,
                           [&dialogs, name] { dialogs.message(nullptr, setAsideMessage(name)); });
    };
}

frmNaplo::frmNaplo(ui::Platform& platform, store::Paths paths, QWidget* parent)
    : QDialog(parent), platform_(platform), paths_(std::move(paths)) {
    setObjectName(u"frmNaplo"_s);
    setWindowTitle(u"Napló"_s);
    buildControls();
    resize(ui::twipsToPixels(kWidthTwips), ui::twipsToPixels(kHeightTwips));
    ui::centreOnScreen(this);
    reload();
    entryList_->setFocus(Qt::OtherFocusReason);
}

frmNaplo::~frmNaplo() = default;

void frmNaplo::buildControls() {
    yearCombo_ = filterCombo(u"cmbEv"_s, 6);
    kindCombo_ = filterCombo(u"cmbMuvelet"_s, 26);
    userCombo_ = filterCombo(u"cmbFelhasznalo"_s, 14);
    textEdit_ = ui::named(new QLineEdit, u"txtSzoveg"_s);
    textEdit_->setClearButtonEnabled(true);
    textEdit_->setToolTip(u"Iktatószám, név, tárgy vagy bármely adat részlete."_s);
    textTimer_ = new QTimer(this);
    textTimer_->setSingleShot(true);
    textTimer_->setInterval(kTextDelayMs);

    entryList_ = ui::named(new QTreeView, u"lstBejegyzesek"_s);
    entryList_->setRootIsDecorated(false);
    entryList_->setUniformRowHeights(true);
    entryList_->setAllColumnsShowFocus(true);
    entryList_->setSelectionBehavior(QAbstractItemView::SelectRows);
    entryList_->setSelectionMode(QAbstractItemView::SingleSelection);
    fieldList_ = ui::named(new QTreeWidget, u"lstValtozasok"_s);
    fieldList_->setRootIsDecorated(false);
    fieldList_->setColumnCount(3);
    fieldList_->setHeaderLabels({u"Adat"_s, u"Előtte"_s, u"Utána"_s});
    fieldList_->setSelectionMode(QAbstractItemView::SingleSelection);
    // The values before and after share the width beside the field names.
    fieldList_->header()->setStretchLastSection(false);
    fieldList_->header()->setSectionResizeMode(0, QHeaderView::ResizeToContents);
    fieldList_->header()->setSectionResizeMode(1, QHeaderView::Stretch);
    fieldList_->header()->setSectionResizeMode(2, QHeaderView::Stretch);
    countLabel_ = ui::named(new QLabel, u"lblDarab"_s);

    restoreButton_ = button(u"Visszaállí&tás"_s, u"cmdVisszaallitas"_s);
    restoreButton_->setToolTip(u"A kijelölt törlés levelének visszaállítása az iktatásba."_s);
    exportButton_ = button(u"&Exportálás CSV fájlba..."_s, u"cmdExport"_s);
    exportButton_->setToolTip(u"A listázott bejegyzések mentése CSV fájlba."_s);
    closeButton_ = button(u"&Bezárás"_s, u"cmdBezar"_s);

    auto* filters = new QGridLayout;
    int column = 0;
    for (auto [name, caption, control] :
         {std::tuple<QString, QString, QWidget*>{u"lblEv"_s, u"É&v:"_s, yearCombo_},
          {u"lblMuvelet"_s, u"&Művelet:"_s, kindCombo_},
          {u"lblFelhasznalo"_s, u"&Felhasználó:"_s, userCombo_},
          {u"lblSzoveg"_s, u"&Szöveg:"_s, textEdit_}}) {
        auto* label = ui::named(new QLabel(caption), name);
        ui::labelFor(label, control);
        filters->addWidget(label, 0, column++);
        filters->addWidget(control, 0, column++);
    }
    filters->setColumnStretch(column - 1, 1);

    auto* listLabel = ui::named(new QLabel(u"Be&jegyzések:"_s), u"lblBejegyzesek"_s);
    ui::labelFor(listLabel, entryList_);
    auto* listHeading = new QHBoxLayout;
    listHeading->addWidget(listLabel);
    listHeading->addStretch(1);
    listHeading->addWidget(countLabel_);
    auto* fieldLabel = ui::named(new QLabel(u"&Adatok előtte és utána:"_s), u"lblAdatok"_s);
    ui::labelFor(fieldLabel, fieldList_);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(restoreButton_);
    buttons->addWidget(exportButton_);
    buttons->addStretch(1);
    buttons->addWidget(closeButton_);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(filters);
    layout->addLayout(listHeading);
    layout->addWidget(entryList_, 3);
    layout->addWidget(fieldLabel);
    layout->addWidget(fieldList_, 2);
    layout->addLayout(buttons);

    for (QComboBox* combo : {yearCombo_, kindCombo_, userCombo_})
        connect(combo, &QComboBox::currentIndexChanged, this, &frmNaplo::applyFilter);
    connect(textEdit_, &QLineEdit::textChanged, textTimer_, qOverload<>(&QTimer::start));
    connect(textEdit_, &QLineEdit::returnPressed, this, &frmNaplo::applyFilter);
    connect(textTimer_, &QTimer::timeout, this, &frmNaplo::applyFilter);
    connect(restoreButton_, &QPushButton::clicked, this, &frmNaplo::onRestore);
    connect(exportButton_, &QPushButton::clicked, this, &frmNaplo::onExport);
    connect(closeButton_, &QPushButton::clicked, this, &QDialog::reject);
}

void frmNaplo::reload() {
    // A log that did not exist when the window opened may have been made since.
    if (!reader_ || !reader_->isOpen()) {
        delete model_;
        model_ = nullptr;
        reader_ = std::make_unique<eventlog::LogReader>(paths_.programFolder());
        model_ = new LogModel(*reader_, this);
        entryList_->setModel(model_);
        connect(entryList_->selectionModel(), &QItemSelectionModel::currentRowChanged, this,
                &frmNaplo::showCurrentEntry);
        QHeaderView* header = entryList_->header();
        for (auto [column, twips] : {std::pair{LogModel::Time, 2400},
                                     {LogModel::User, 1500},
                                     {LogModel::Kind, 2700},
                                     {LogModel::Year, 750},
                                     {LogModel::Number, 1800}}) {
            header->resizeSection(column, ui::twipsToPixels(twips));
        }
    }
    fillFilters();
    applyFilter();
}

void frmNaplo::fillFilters() {
    const QSignalBlocker blockYear(yearCombo_), blockKind(kindCombo_), blockUser(userCombo_);
    const QVariant year = yearCombo_->currentData(), kind = kindCombo_->currentData(),
                   user = userCombo_->currentData();
    for (QComboBox* combo : {yearCombo_, kindCombo_, userCombo_}) {
        combo->clear();
        combo->addItem(u"(mind)"_s);
    }
    for (int y : reader_->years())
        yearCombo_->addItem(QString::number(y), y);
    // Kinds in the order of the register's work; one of a later program's at the end.
    QStringList kinds = reader_->kinds();
    for (QStringView kind : eventlog::kinds::All) {
        if (kinds.removeAll(kind.toString()) > 0)
            kindCombo_->addItem(eventlog::kindCaption(kind), kind.toString());
    }
    for (const QString& kind : kinds)
        kindCombo_->addItem(eventlog::kindCaption(kind), kind);
    for (const QString& u : reader_->users())
        userCombo_->addItem(u, u);
    // The choices made before stay, as long as they still exist.
    yearCombo_->setCurrentIndex(std::max(0, yearCombo_->findData(year)));
    kindCombo_->setCurrentIndex(std::max(0, kindCombo_->findData(kind)));
    userCombo_->setCurrentIndex(std::max(0, userCombo_->findData(user)));
}

void frmNaplo::applyFilter() {
    textTimer_->stop();
    eventlog::Filter filter;
    if (const QVariant year = yearCombo_->currentData(); year.isValid())
        filter.year = year.toInt();
    filter.kind = kindCombo_->currentData().toString();
    filter.user = userCombo_->currentData().toString();
    filter.text = textEdit_->text();
    model_->setFilter(std::move(filter));
    countLabel_->setText(store::groupedNumber(model_->rowCount()) + u" bejegyzés"_s);
    if (model_->rowCount() > 0)
        entryList_->setCurrentIndex(model_->index(0, 0));
    showCurrentEntry();
}

std::optional<eventlog::Entry> frmNaplo::currentEntry() const {
    const eventlog::Entry* listed = model_->entryAt(entryList_->currentIndex().row());
    return listed ? reader_->entry(listed->id) : std::nullopt;
}

void frmNaplo::showCurrentEntry() {
    fieldList_->clear();
    const std::optional<eventlog::Entry> entry = currentEntry();
    restoreButton_->setEnabled(!readOnly_ && entry && eventlog::restorable(*entry));
    if (!entry)
        return;
    QList<QTreeWidgetItem*> items;
    for (const eventlog::Field& field : eventlog::changeFields(entry->change))
        items << new QTreeWidgetItem(QStringList{field.caption, field.before, field.after});
    if (!entry->change.text.isEmpty())
        items << new QTreeWidgetItem(QStringList{u"Megjegyzés"_s, QString(), entry->change.text});
    fieldList_->addTopLevelItems(items);
}

void frmNaplo::setReadOnly() {
    readOnly_ = true;
    restoreButton_->setEnabled(false);
}

void frmNaplo::onRestore() {
    const std::optional<eventlog::Entry> entry = currentEntry();
    if (!entry || !eventlog::restorable(*entry))
        return;
    const int year = entry->change.year;
    const QString& number = entry->change.number;
    const qint64 existing = eventlog::letterWithNumber(paths_, year, number);
    const QString title = u" Visszaállítás az adatállományba !"_s;
    const ui::Message question =
        existing ? ui::Message{title,
                               u"Biztos visszaállítható a(z) %1 iktatási számú törölt levél?\r\n"
                               u"Ez az iktatási szám már szerepel a %2. évi iktatásban (%3. "
                               u"tétel): két levél viseli majd."_s.arg(number)
                                   .arg(year)
                                   .arg(existing),
                               ui::Buttons::YesNo, ui::Answer::No, ui::Icon::Question}
                 : ui::Message{title,
                               u"Biztos visszaállítható a(z) %1 iktatási számú törölt levél?"
                               u"\r\nA levél eredeti dátumával a %2. évi iktatás végére kerül."_s
                                   .arg(number)
                                   .arg(year),
                               ui::Buttons::YesNo, ui::Answer::Yes, ui::Icon::Question};
    if (platform_.dialogs.message(this, question) != ui::Answer::Yes)
        return;

    const eventlog::RestoreResult restored = eventlog::restoreDeletedLetter(paths_, *entry);
    if (!restored.result.ok) {
        message(u"HIBA"_s,
                u"A levelet nem sikerült visszaállítani!\r\n"_s +
                    (restored.result.failedFile.isEmpty()
                         ? u"A napló nem írható."_s
                         : restored.result.failedFile + u": "_s + restored.result.errorText) +
                    u"\r\nEllenőrízze, hogy az adatok mappája írható-e."_s,
                ui::Icon::Critical);
        return;
    }
    registerChanged_ = true;
    reload();
    // The new entry is the first row; the button just pressed is off for it.
    entryList_->setFocus(Qt::OtherFocusReason);
    if (eventlog::serialAboveCounter(paths_, year, entry->change.before)) {
        const QString direction =
            store::LevelView(entry->change.before).incoming() ? u"bejövő"_s : u"kimenő"_s;
        message(u"FIGYELEM!"_s,
                u"A visszaállított %1 levél sorszáma nagyobb, mint a %2. év utoljára kiadott "
                u"%3 sorszáma.\r\nA következő javasolt %3 sorszám ütközhet vele; a sorszám a "
                u"Beállításokban állítható."_s.arg(number)
                    .arg(year)
                    .arg(direction),
                ui::Icon::Exclamation);
    }
}

void frmNaplo::onExport() {
    const QString suggested = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation) +
                              u"/Velmarok-naplo-"_s +
                              platform_.clock.today().toString(u"yyyy-MM-dd"_s) + u".csv"_s;
    const QString path = platform_.dialogs.saveFile(
        this, {u"Napló mentése CSV fájlba"_s, u"CSV fájl (*.csv)|*.csv"_s, 1, suggested});
    if (path.isEmpty())
        return;
    // A long log shows its progress after half a second and can be stopped; a stopped
    // export leaves no file.
    QProgressDialog progress(u"A napló mentése..."_s, u"Mégse"_s, 0, model_->rowCount(), this);
    progress.setObjectName(u"prgMentes"_s);
    progress.setWindowTitle(u" Napló mentése "_s);
    progress.setWindowModality(Qt::WindowModal);
    progress.setMinimumDuration(500);
    const eventlog::ExportResult result =
        eventlog::exportCsv(*reader_, model_->filter(), path, [&progress](qint64 written) {
            progress.setValue(int(written));
            return !progress.wasCanceled();
        });
    progress.reset();
    if (result.cancelled)
        return;
    if (!result.ok) {
        message(u"HIBA"_s,
                u"A napló mentése nem sikerült!\r\n"_s + path + u"\r\n"_s + result.errorText +
                    u"\r\nEllenőrízze a fájl nevét és a mappát."_s,
                ui::Icon::Critical);
        return;
    }
    message(
        u" Napló mentése "_s,
        u"A napló %1 bejegyzése mentve:\r\n"_s.arg(store::groupedNumber(model_->rowCount())) + path,
        ui::Icon::Information);
}

void frmNaplo::message(const QString& title, const QString& text, ui::Icon icon) {
    platform_.dialogs.message(this, {title, text, ui::Buttons::Ok, ui::Answer::Ok, icon});
}

}  // namespace logwindow

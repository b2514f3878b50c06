// The program search of the settings window: the three search buttons with their stop, the
// drive and folder lists, browsing for a program by hand and the download pictures.

#include <QComboBox>
#include <QDir>
#include <QGridLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPainter>
#include <QPainterPath>
#include <QPushButton>
#include <QSignalBlocker>
#include <QVBoxLayout>
#include <utility>

#include "settings/frmsetup.h"
#include "ui/links.h"
#include "ui/widgets.h"

using namespace Qt::StringLiterals;

namespace settings {
namespace {

const QString kStopCaption = u"Leállít"_s;

// Neutral download pages of the two PDF viewers.
const QString kViewerDownload = u"https://www.example.org/velmarok/letoltes/pdf-megjelenito"_s;
const QString kReaderDownload = u"https://www.example.org/velmarok/letoltes/pdf-olvaso"_s;

QString idleCaption(Program program) {
    switch (program) {
        case Program::Word:
            return u"Word automatikus keresése"_s;
        case Program::PdfXChange:
            return u"PDF Viewer automatikus keresése"_s;
        case Program::AdobeReader:
            break;
    }
    return u"Adobe Reader automatikus keresése"_s;
}

// The pictures beside the search buttons, drawn here: a text document, and two PDF pages in
// different colours with the letters "PDF".
QPixmap documentPicture(const QColor& page, const QColor& ink, const QString& mark) {
    const int size = ui::twipsToPixels(480);
    QPixmap pixmap(size, size);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    const double w = size, fold = size * 0.25;
    QPainterPath sheet;
    sheet.moveTo(w * 0.15, w * 0.05);
    sheet.lineTo(w * 0.85 - fold, w * 0.05);
    sheet.lineTo(w * 0.85, w * 0.05 + fold);
    sheet.lineTo(w * 0.85, w * 0.95);
    sheet.lineTo(w * 0.15, w * 0.95);
    sheet.closeSubpath();
    painter.setPen(QPen(ink, 1.5));
    painter.setBrush(page);
    painter.drawPath(sheet);
    if (mark.isEmpty()) {
        for (int line = 0; line < 5; ++line) {
            const double y = w * (0.4 + line * 0.1);
            painter.drawLine(QPointF(w * 0.25, y), QPointF(w * (line == 4 ? 0.55 : 0.75), y));
        }
    } else {
        QFont font = painter.font();
        font.setBold(true);
        font.setPixelSize(qMax(6, size / 4));
        painter.setFont(font);
        painter.setPen(ink);
        painter.drawText(QRectF(0, w * 0.4, w, w * 0.4), Qt::AlignCenter, mark);
    }
    return pixmap;
}

}  // namespace

QWidget* frmSetup::buildSearchArea() {
    auto* area = new QWidget;
    area->setObjectName(u"keresesTerulet"_s);
    const QString buttonNames[3] = {u"GombIndít"_s, u"GombIndít2"_s, u"GombIndít3"_s};
    const Program programs[3] = {Program::Word, Program::PdfXChange, Program::AdobeReader};
    for (int i = 0; i < 3; ++i) {
        GombIndit_[i] = new QPushButton(idleCaption(programs[i]));
        GombIndit_[i]->setObjectName(buttonNames[i]);
    }

    Image1_ = new QLabel;
    Image1_->setObjectName(u"Image1"_s);
    Image1_->setPixmap(documentPicture(Qt::white, QColor(0x1f, 0x4e, 0x9a), {}));
    Image2_ = new ui::LinkLabel;
    Image2_->setObjectName(u"Image2"_s);
    Image2_->setPixmap(
        documentPicture(QColor(0xff, 0xf4, 0xe0), QColor(0xc0, 0x60, 0x00), u"PDF"_s));
    Image2_->setAccessibleName(u"PDF megjelenítő letöltése"_s);
    Image3_ = new ui::LinkLabel;
    Image3_->setObjectName(u"Image3"_s);
    Image3_->setPixmap(
        documentPicture(QColor(0xfd, 0xe8, 0xe8), QColor(0xa0, 0x10, 0x10), u"PDF"_s));
    Image3_->setAccessibleName(u"PDF olvasó letöltése"_s);
    Label1_[5] = new QLabel(u"<--- Letöltéshez klikk a képre --->"_s);
    Label1_[5]->setObjectName(u"Label1_5"_s);
    Label1_[5]->setAlignment(Qt::AlignCenter);

    KeresesiAllapot_ = new QLabel;
    KeresesiAllapot_->setObjectName(u"KeresesiAllapot"_s);
    // Long folder paths must not widen the window.
    KeresesiAllapot_->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);
    KeresesiAllapot_->setMinimumWidth(0);

    const QString placeTip = u" A keresés helye "_s;
    Drive_ = new QComboBox;
    Drive_->setObjectName(u"Drive"_s);
    Drive_->setToolTip(placeTip);
    Drive_->setAccessibleName(u"Meghajtó"_s);
    Drive_->addItems(places_.volumes ? places_.volumes() : QStringList{u"/"_s});
    ListaMappa_ = new QListWidget;
    ListaMappa_->setObjectName(u"ListaMappa"_s);
    ListaMappa_->setToolTip(placeTip);
    ListaMappa_->installEventFilter(this);
    connect(ListaMappa_, &QListWidget::itemDoubleClicked, this,
            [this](QListWidgetItem* item) { showFolder(item->data(Qt::UserRole).toString()); });
    Label1_[6] = new QLabel(u"Automatikus keresés helye:"_s);
    Label1_[6]->setObjectName(u"Label1_6"_s);
    Label1_[6]->setBuddy(ListaMappa_);
    ListaMappa_->setAccessibleName(u"Automatikus keresés helye"_s);

    auto* grid = new QGridLayout(area);
    grid->setContentsMargins(0, 0, 0, 0);
    grid->addWidget(Image1_, 0, 0);
    grid->addWidget(GombIndit_[0], 0, 1);
    grid->addWidget(Image2_, 1, 0);
    grid->addWidget(GombIndit_[1], 1, 1);
    grid->addWidget(Image3_, 2, 0);
    grid->addWidget(GombIndit_[2], 2, 1);
    grid->addWidget(Label1_[5], 3, 0, 1, 2);
    grid->addWidget(KeresesiAllapot_, 4, 0, 1, 4);
    auto* place = new QVBoxLayout;
    place->addWidget(Label1_[6]);
    place->addWidget(Drive_);
    place->addWidget(ListaMappa_, 1);
    grid->addLayout(place, 0, 2, 4, 2);
    grid->setColumnStretch(2, 1);

    connect(Image2_, &ui::ClickLabel::clicked, this,
            [this] { ui::openBrowser(platform_.shell, kViewerDownload); });
    connect(Image3_, &ui::ClickLabel::clicked, this,
            [this] { ui::openBrowser(platform_.shell, kReaderDownload); });

    driveRoot_ = Drive_->count() > 0 ? Drive_->itemText(0) : u"/"_s;
    showFolder(driveRoot_);
    return area;
}

void frmSetup::onSearchClicked(Program program) {
    const int index = int(program) - 1;
    QPushButton* button = GombIndit_[index];
    QLineEdit* box = program == Program::Word ? txtExcelUtvonal_ : txtPDFUtvonal_;
    box->clear();
    if (button->text() != idleCaption(program)) {
        // The button reads "Leállít": the running walk returns at its next folder.
        if (walk_)
            walk_->stop();
        return;
    }

    setCursor(Qt::BusyCursor);
    button->setText(kStopCaption);
    KeresesiAllapot_->setText(u"Előkészületek..."_s);
    for (QPushButton* other : GombIndit_) {
        if (other != button)
            other->setEnabled(false);
    }

    walk_ = std::make_unique<FolderWalk>();
    walk_->pumpEvents = places_.pumpEvents;
    walk_->skippedFolders = places_.skippedFolders;
    walk_->showFolder = [this](const QString& folder) { KeresesiAllapot_->setText(folder); };
    // The Word search walks the drive chosen in the drive list from its root, whatever folder
    // the folder list shows; the viewers are searched from the root of the file system.
    const QString root = program == Program::Word ? driveRoot_ : places_.viewerRoot;
    const QString found = walk_->run(root, program);
    const bool stopped = walk_->stopped();
    walk_.reset();
    if (!found.isEmpty())
        box->setText(found);

    unsetCursor();
    platform_.dialogs.beep();
    if (box->text().isEmpty()) {
        KeresesiAllapot_->setText(stopped ? u"Megszakítva..."_s
                                          : u"NEM Találom, a Tallóz gombbal keresse meg..."_s);
    } else {
        KeresesiAllapot_->setText(u"Megtaláltam..."_s);
    }
    button->setText(idleCaption(program));
    for (QPushButton* other : GombIndit_)
        other->setEnabled(true);

    if (closeWhenSearchEnds_)
        QDialog::done(*std::exchange(closeWhenSearchEnds_, std::nullopt));
}

void frmSetup::done(int result) {
    if (walk_) {
        walk_->stop();
        closeWhenSearchEnds_ = result;
        return;
    }
    QDialog::done(result);
}

void frmSetup::onBrowse(QLineEdit* box) {
    // Linux programs have no ".exe": the dialog opens on all files, with "*.exe" offered.
    const QString chosen = platform_.dialogs.openFile(
        this, {u"Megnyitás"_s, u"Programok (*.exe)|*.exe|Minden fájl (*)|*"_s, 2, u"*.exe"_s});
    const QString s = chosen + u' ';
    if (chosen.isEmpty() || s.startsWith(u"*.exe"_s))
        return;  // cancelled: the box keeps its text
    box->setText(s.trimmed());
}

void frmSetup::onDriveChosen(int index) {
    const QString root = Drive_->itemText(index);
    if (root == driveRoot_)
        return;
    if (showFolder(root)) {
        driveRoot_ = root;
        return;
    }
    // The drive list goes back to the drive that the folder list still shows.
    const QSignalBlocker blocker(Drive_);
    Drive_->setCurrentIndex(Drive_->findText(driveRoot_));
}

bool frmSetup::showFolder(const QString& path) {
    if (path.isEmpty())
        return false;
    if (const std::optional<FolderProblem> problem = folderProblem(path)) {
        const QString text = problem->notReady
                                 ? u"Az eszköz nem érhető el!\r\nVálassz másik meghajtót..."
                                   u"\r\nEllenőrízd...\r\n"_s
                                 : problem->description + u"\r\nEllenőrízd...\r\n"_s;
        message(u"! HIBA !"_s, text, ui::Icon::Exclamation);
        return false;
    }
    folderPath_ = path;
    ListaMappa_->clear();
    auto* current = new QListWidgetItem(path, ListaMappa_);
    current->setData(Qt::UserRole, path);
    const QString up = parentFolder(path, driveRoot_.isEmpty() ? path : driveRoot_);
    if (up != path) {
        auto* item = new QListWidgetItem(u".."_s, ListaMappa_);
        item->setData(Qt::UserRole, up);
    }
    const QDir dir(path);
    for (const QString& name :
         dir.entryList(QDir::Dirs | QDir::NoDotAndDotDot, QDir::Name | QDir::IgnoreCase)) {
        auto* item = new QListWidgetItem(name, ListaMappa_);
        item->setData(Qt::UserRole, dir.filePath(name));
    }
    ListaMappa_->setCurrentRow(0);
    return true;
}

bool frmSetup::eventFilter(QObject* watched, QEvent* event) {
    if (watched != ListaMappa_ || event->type() != QEvent::KeyPress)
        return QDialog::eventFilter(watched, event);
    auto* key = static_cast<QKeyEvent*>(event);
    if (key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter || key->text() == u"l"_s) {
        if (QListWidgetItem* item = ListaMappa_->currentItem())
            showFolder(item->data(Qt::UserRole).toString());
        return true;
    }
    if (key->key() == Qt::Key_Backspace) {
        // Up one folder; at the root of the drive nothing changes.
        const QString up = parentFolder(folderPath_, driveRoot_);
        if (up != folderPath_)
            showFolder(up);
        return true;
    }
    return QDialog::eventFilter(watched, event);
}

}  // namespace settings

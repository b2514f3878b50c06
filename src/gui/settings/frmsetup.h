#pragma once

#include <QColor>
#include <QDialog>
#include <memory>

#include "settings/mainwindowlink.h"
#include "settings/programsearch.h"
#include "store/paths.h"
#include "ui/platform.h"

class QCheckBox;
class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;
class QRadioButton;
class QTabWidget;

namespace ui {
class ClickLabel;
class LinkLabel;
class ListModel;
class ReportView;
}  // namespace ui

namespace settings {

// The settings window "Beállítások" with its two tabs: "Általános beállítások" (colours, sort
// order, program paths and their search, client numbering, the year's serial counters) and
// "Ügyfelek kezelése" (the client list). Colours and the sort order are stored and applied
// to the main window the moment they are chosen; paths, flags and the starting client
// number by "Beállítások Mentése"; each counter by its own "Módosít".
class frmSetup : public QDialog {
    Q_OBJECT
public:
    frmSetup(ui::Platform& platform, store::Paths paths, MainWindowLink& mainWindow,
             QWidget* parent = nullptr, SearchPlaces places = systemSearchPlaces());
    ~frmSetup() override;

    // Rebuilds the client list from the client file.
    void ugyfBeolvas();
    // The record number of the client row last clicked; 0 until a row is clicked.
    int kijeloltRekord() const { return kijeloltRekord_; }
    // True while a program search runs.
    bool searching() const { return walk_ != nullptr; }

    // Closing while a search runs stops the search first and closes when it has returned.
    void done(int result) override;

private:
    // Building (frmsetup.cpp).
    QWidget* buildGeneralTab();
    QWidget* buildSearchArea();
    QWidget* buildClientTab();
    void connectHandlers();
    void load();

    // General tab (frmsetup.cpp).
    void onColorClicked(int index);
    void onOrderClicked(int index);
    void onAutNumToggled(bool ticked);
    void onCounterClicked(bool outgoing);
    void onSave();
    void message(const QString& title, const QString& text, ui::Icon icon);

    // Client tab (frmsetup_clients.cpp).
    void onClientRowClicked(int row);
    void onClientHeaderClicked(int column);
    void onClientAdd();
    void onClientChange();
    void onClientDelete();
    bool clientNameGiven();
    std::optional<qint32> clientNumberFromBox();
    // What adding and changing a client begin with: a name, the question answered Yes, and
    // a whole client number; nothing when one of them is missing.
    std::optional<qint32> confirmedClientNumber(const QString& title, const QString& question);

    // Program search (frmsetup_search.cpp).
    void onSearchClicked(Program program);
    void onBrowse(QLineEdit* box);
    void onDriveChosen(int index);
    // Shows `path` in the folder list; false, after telling the user why, when it cannot.
    bool showFolder(const QString& path);
    bool eventFilter(QObject* watched, QEvent* event) override;

    ui::Platform& platform_;
    store::Paths paths_;
    MainWindowLink& mainWindow_;
    SearchPlaces places_;

    // The colour dialog's current colour: the last one chosen while the window is open.
    QColor dialogColor_{Qt::black};
    int kijeloltRekord_ = 0;
    bool clientListSorted_ = false;
    std::unique_ptr<FolderWalk> walk_;
    std::optional<int> closeWhenSearchEnds_;
    QString folderPath_;  // the folder ListaMappa shows
    QString driveRoot_;   // the drive chosen in Drive

    QTabWidget* SSTab1_ = nullptr;
    QPushButton* cmdVissza_ = nullptr;

    // "Általános beállítások".
    QGroupBox* Frame1_ = nullptr;
    QPushButton* cmdSzin_[3] = {};  // cmdListSzin, cmdList2Szin, cmdList3Szin
    QLabel* lbSzin_[3] = {};        // lbLista, lbLista2, lbLista3
    QGroupBox* Frame2_ = nullptr;
    QRadioButton* Option1_[2] = {};
    QLabel* Label1_[7] = {};
    QLineEdit* txtExcelUtvonal_ = nullptr;
    QLineEdit* txtPDFUtvonal_ = nullptr;
    QPushButton* cmdTalloz_ = nullptr;
    QPushButton* cmdTalloz2_ = nullptr;
    QCheckBox* chkAutNum_ = nullptr;
    QLineEdit* txtUgyfszam_ = nullptr;
    QLineEdit* txtKimenoNum_ = nullptr;
    QPushButton* cmdKiNum_ = nullptr;
    QLineEdit* txtBejovoNum_ = nullptr;
    QPushButton* cmdBeNum_ = nullptr;
    QCheckBox* chkUtolsoSorraUgras_ = nullptr;
    QPushButton* cmdMent_ = nullptr;

    // The program search.
    QPushButton* GombIndit_[3] = {};  // GombIndít, GombIndít2, GombIndít3
    QLabel* Image1_ = nullptr;
    ui::LinkLabel* Image2_ = nullptr;
    ui::LinkLabel* Image3_ = nullptr;
    QLabel* KeresesiAllapot_ = nullptr;
    QComboBox* Drive_ = nullptr;
    QListWidget* ListaMappa_ = nullptr;

    // "Ügyfelek kezelése".
    QLabel* Label2_[2] = {};
    QLineEdit* txtKitolKinek_ = nullptr;
    QLineEdit* txtUgyfelszam_ = nullptr;
    QPushButton* cmdFelvesz_ = nullptr;
    QPushButton* cmdModosit_ = nullptr;
    QPushButton* cmdDel_ = nullptr;
    ui::ReportView* ListView2_ = nullptr;
    ui::ListModel* clientModel_ = nullptr;
};

}  // namespace settings

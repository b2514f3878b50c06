#pragma once

#include <QMainWindow>
#include <QPointer>
#include <optional>

#include "register/letterlists.h"
#include "register/state.h"
#include "store/paths.h"
#include "ui/platform.h"

class QAction;
class QButtonGroup;
class QCheckBox;
class QComboBox;
class QDateTimeEdit;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class QRadioButton;
class QTabWidget;

namespace ui {
class ClickLabel;
class ListModel;
class ReportView;
}  // namespace ui

namespace reg {

struct ChangeOutcome;  // register/changes.h

// The main window: the entry area of one letter, the search frame and the three letter lists.
// Every control carries its name as its objectName, so tests and assistive technology find
// it. The window reads its controls, calls the register's logic and writes the controls back.
class Velmar : public QMainWindow {
    Q_OBJECT
public:
    Velmar(ui::Platform& platform, store::Paths paths, QWidget* parent = nullptr);
    ~Velmar() override;

    // Start-up: centre, set the height, today's date, read the settings, paint the colours,
    // set the sort direction, fill the lists; then the activation sequence.
    void start();
    // Runs every time the window becomes active again: refills the group box.
    void activate();
    // For a register that may only be read (velmar_readonly.cpp), before start(): the lists,
    // searches, printing and export work; every control and menu item that writes stays
    // disabled, "Kilépé&s" makes no backup, and the title says "csak olvasható".
    void openReadOnly();

    // Refills the three letter lists from the year's letter file, sorts them and selects
    // their last (or first) rows.
    void beolvas();
    // Focuses the all-letters list, sorts it by each of `columns` in turn (in its direction)
    // and selects its last row, as the End key does.
    void jumpToLastRow(std::initializer_list<int> columns);
    // Unchecks both directions and empties the correspondent, client number, subject and
    // year part fields, ready for the next letter.
    void clearEntryFields();

    const store::Paths& paths() const { return paths_; }
    ui::Platform& platform() { return platform_; }
    RegisterState& state() { return state_; }

    // The date picker's value (days since 1899-12-30) and year.
    double pickerValue() const;
    int pickerYear() const;
    void setPickerValue(double value);
    // The present moment as a date value.
    double nowValue() const;

    // Live changes from the settings window.
    void applyWindowColor(const QColor& color);
    void applyLetterListColor(const QColor& color, bool allLists);
    void applyPartnerListColor(const QColor& color, bool bothLists);
    void setLetterListOrder(Qt::SortOrder order);

private:
    // Building the window (velmar.cpp).
    void buildMenu();
    QWidget* buildEntryArea();
    QWidget* buildPickLists();
    QWidget* buildSearchFrame();
    QWidget* buildListTabs();
    void buildHiddenArea(QWidget* central);
    void connectHandlers();
    void load();
    // Reads Setup.dat: its colours and the all-letters list's order take effect.
    void applyStoredSettings();
    void resizeEvent(QResizeEvent* event) override;

    // Lists (velmar_lists.cpp).
    void fillLists(LetterRows rows);
    void sortAndSelectAfterFill();
    ui::ListModel* letterModel(LetterList list) const;
    ui::ReportView* letterView(LetterList list) const;
    // The letter (an index into rows_) that a list shows at `row`.
    int letterIndex(LetterList list, int row) const;
    void onLetterRowClicked(LetterList list, int row);
    void onLetterDoubleClicked(int row);
    void onLetterHeaderClicked(LetterList list, int column);
    void onClientRowClicked(int row);
    void onHandlerRowClicked(int row);
    void onGroupChosen();
    void onPickerChanged();
    void onCaptionDoubleClicked();
    void uncheckDirections();

    // Documents (velmar_documents.cpp).
    void openDocument();

    // Backup, restore and exit (velmar_backup.cpp); export and printing of the lists
    // (velmar_output.cpp).
    void connectBackupAndOutput();
    void onBackupNow();
    void onRestore();
    void onExit();
    void onExport();
    void printList(LetterList list);
    // The letter records behind a list's rows, in the list's order, read through the rows'
    // letter identities.
    QByteArray recordsOfList(LetterList list) const;
    // The list on the current tab written to an .xlsx file the user names.
    void onSpreadsheet();

    // Whole-register snapshots on another disk (velmar_snapshots.cpp): made, restored, their
    // folder chosen, and offered at exit when the last one is over a week old.
    void connectSnapshots();
    void onWholeBackup();
    void onWholeRestore();
    void offerWholeBackupAtExit();
    // The remembered folder of the snapshots while it can be reached, otherwise the one the
    // user chooses now (remembered from then on); empty when none was chosen.
    QString snapshotFolder();
    QString chooseSnapshotFolder(const QString& start);
    // Copies the register into `folder` under a progress window titled `title`; the new
    // snapshot's path, or empty when it was cancelled or failed (the user is told why).
    QString runSnapshot(const QString& folder, const QString& title);
    // Everything read from the register's files again after a whole restore.
    void reloadRegister();

    // The modal windows opened from the menu: groups, settings, About (velmar_windows.cpp).
    // Each runs the activation sequence when it closes.
    void connectWindows();
    void openGroups();
    void openSettings();
    void openAbout();

    // Register keeping: the direction choice and its proposed number, recording, modifying
    // and deleting letters, and the document choices (velmar_recording.cpp,
    // velmar_changes.cpp, velmar_documents.cpp).
    void connectRegisterKeeping();
    void onDirectionChosen(int index);
    void onRecord();
    void onModify();
    void onDelete();
    void chooseDocument();
    void chooseScannedLetter();
    // The entry fields read as a letter (reg::LetterEntry, register/recording.h).
    struct LetterEntry entryFields() const;
    // True "&Bejövő", false "&Kimenő", nothing when neither is chosen.
    std::optional<bool> chosenDirection() const;
    // Before modification and deletion: the selected letter must still be stored as it was
    // read (otherwise the user is told and the lists reload), and a letter of another year
    // than the picker's is named to the user. `action` names the operation in that notice.
    bool selectionStillStored(const QString& action);
    // What modification and deletion leave behind: a reloaded list and an entry area ready
    // for a new letter, with the two buttons off until the next selection.
    void finishChange(bool jumpToLast);
    // Reports a modification or deletion that was not written; true when it was.
    bool changeWritten(const ChangeOutcome& outcome, ui::Message (*failed)(const QString& reason));

    // Searching the register (velmar_search.cpp) and the help of the entry fields
    // (velmar_assist.cpp).
    void connectSearch();
    void runSearch(int index);
    void finishSearch(bool byClientNumber);
    void connectAssistance();
    void lookUpClients();
    void lookUpHandlers();
    void controlSubjectLength();
    void keepSerialNumeric();
    void checkAndProposeClientNumber();
    void setNextClientNumber();
    void changeYearFromSearchDate();
    bool checkingClientNumber_ = false;
    QString lastSerialText_;  // the serial box's last text that read as a number

    ui::Platform& platform_;
    store::Paths paths_;
    RegisterState state_;
    bool readOnly_ = false;
    bool directionChoiceActive_ = false;
    // The letters the three lists show, each with the file and record it was read from.
    std::shared_ptr<const LetterRows> rows_;

    // Menu.
    QAction* exitAction_ = nullptr;
    QAction* groupsAction_ = nullptr;
    QAction* settingsAction_ = nullptr;
    QAction* backupMenuAction_ = nullptr;
    QAction* backupNowAction_ = nullptr;
    QAction* restoreAction_ = nullptr;
    QAction* aboutAction_ = nullptr;
    QAction* printMenuAction_ = nullptr;
    QAction* printAllAction_ = nullptr;
    QAction* printIncomingAction_ = nullptr;
    QAction* printOutgoingAction_ = nullptr;
    QAction* exportAction_ = nullptr;
    QAction* spreadsheetAction_ = nullptr;
    QAction* wholeBackupAction_ = nullptr;
    QAction* wholeRestoreAction_ = nullptr;
    QAction* snapshotFolderAction_ = nullptr;

    // Entry area.
    QWidget* mainArea_ = nullptr;
    QDateTimeEdit* datePicker_ = nullptr;
    QGroupBox* directionFrame_ = nullptr;
    QRadioButton* directionOptions_[2] = {};
    QButtonGroup* directionGroup_ = nullptr;
    QComboBox* groupCombo_ = nullptr;
    QLabel* groupCodeLabel_ = nullptr;
    QLineEdit* prefixEdit_ = nullptr;
    QLineEdit* serialEdit_ = nullptr;
    QLineEdit* yearPartEdit_ = nullptr;
    QLineEdit* correspondentEdit_ = nullptr;
    QLineEdit* clientNumberEdit_ = nullptr;
    QPlainTextEdit* subjectEdit_ = nullptr;
    QLabel* subjectCounterLabel_ = nullptr;
    QLineEdit* handlerEdit_ = nullptr;
    QPushButton* scannedLetterChoiceButton_ = nullptr;  // the scanned-letter choice, on screen
    ui::ReportView* clientPickList_ = nullptr;
    ui::ReportView* handlerPickList_ = nullptr;
    ui::ListModel* clientModel_ = nullptr;
    ui::ListModel* handlerModel_ = nullptr;
    QCheckBox* askDocumentCheck_ = nullptr;
    QCheckBox* askRecordingCheck_ = nullptr;
    QPushButton* recordButton_ = nullptr;
    QPushButton* modifyButton_ = nullptr;
    QPushButton* deleteButton_ = nullptr;
    ui::ClickLabel* captionLabels_[12] = {};

    // Search frame.
    QGroupBox* searchFrame_ = nullptr;
    QPushButton* searchButtons_[8] = {};
    QLineEdit* searchDateEdit_ = nullptr;
    QLabel* searchDateLabel_ = nullptr;
    QCheckBox* allYearsCheck_ = nullptr;  // "M&inden évben"

    // Letter lists.
    QTabWidget* listTabs_ = nullptr;
    ui::ReportView* allList_ = nullptr;
    ui::ReportView* incomingList_ = nullptr;
    ui::ReportView* outgoingList_ = nullptr;
    ui::ListModel* allModel_ = nullptr;
    ui::ListModel* incomingModel_ = nullptr;
    ui::ListModel* outgoingModel_ = nullptr;

    // Below the visible client area: the counter maintenance boxes and the document buttons
    // that other operations press.
    QWidget* hiddenArea_ = nullptr;
    QLineEdit* outgoingCounterEdit_ = nullptr;
    QLineEdit* incomingCounterEdit_ = nullptr;
    QPushButton* scannedLetterButton_ = nullptr;
    QPushButton* documentChoiceButton_ = nullptr;
    QPushButton* documentOpenButton_ = nullptr;
};

}  // namespace reg

#pragma once

#include <QDialog>
#include <functional>
#include <memory>
#include <optional>

#include "log/log.h"
#include "store/paths.h"
#include "ui/platform.h"

class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QTimer;
class QTreeView;
class QTreeWidget;

namespace logwindow {

class LogModel;

// What the user is told when the log found its database damaged or foreign and renamed it to
// `setAsideName`. The reporter shows it once the event loop runs, never inside an operation.
ui::Message setAsideMessage(const QString& setAsideName);
std::function<void(const QString&)> setAsideReporter(ui::Dialogs& dialogs);

// The log window "Napló": the register's log entries newest first, filtered by year,
// operation, user and a text; the fields an entry changed, before and after side by side;
// a deleted letter brought back; the log exported as CSV. It reads the log through its own
// connection and changes the register only through a logged operation (paths' observer).
class frmNaplo : public QDialog {
    Q_OBJECT
public:
    frmNaplo(ui::Platform& platform, store::Paths paths, QWidget* parent = nullptr);
    ~frmNaplo() override;

    // Whether a letter was brought back, so the main window reads its lists again.
    bool registerChanged() const { return registerChanged_; }
    // A register that may only be read: the log is shown, nothing is brought back.
    void setReadOnly();

private:
    void buildControls();
    // Reads the filters' choices and the entries again (after a restore, a new log).
    void reload();
    void fillFilters();
    void applyFilter();
    void showCurrentEntry();
    std::optional<eventlog::Entry> currentEntry() const;
    void onRestore();
    void onExport();
    void message(const QString& title, const QString& text, ui::Icon icon);

    ui::Platform& platform_;
    store::Paths paths_;
    std::unique_ptr<eventlog::LogReader> reader_;
    LogModel* model_ = nullptr;
    bool registerChanged_ = false;
    bool readOnly_ = false;

    QComboBox* yearCombo_ = nullptr;
    QComboBox* kindCombo_ = nullptr;
    QComboBox* userCombo_ = nullptr;
    QLineEdit* textEdit_ = nullptr;
    QTimer* textTimer_ = nullptr;
    QLabel* countLabel_ = nullptr;
    QTreeView* entryList_ = nullptr;
    QTreeWidget* fieldList_ = nullptr;
    QPushButton* restoreButton_ = nullptr;
    QPushButton* exportButton_ = nullptr;
    QPushButton* closeButton_ = nullptr;
};

}  // namespace logwindow

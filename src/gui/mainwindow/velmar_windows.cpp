// The modal windows that the main window opens from its menu: the group window, the settings
// window, the About box and the log window.

#include <QAction>

#include "about/frmabout.h"
#include "groups/frmcsoportok.h"
#include "log/frmnaplo.h"
#include "mainwindow/settingslink.h"
#include "mainwindow/velmar.h"
#include "settings/frmsetup.h"
#include "store/recordfile.h"

using namespace Qt::StringLiterals;

namespace reg {

void Velmar::connectWindows() {
    for (QAction* item : {groupsAction_, settingsAction_, aboutAction_})
        item->setEnabled(true);
    connect(groupsAction_, &QAction::triggered, this, &Velmar::openGroups);
    connect(settingsAction_, &QAction::triggered, this, &Velmar::openSettings);
    connect(aboutAction_, &QAction::triggered, this, &Velmar::openAbout);
    // The log window: a letter it brings back shows in the lists at once.
    auto* logAction = findChild<QAction*>(u"mnuNaplo"_s);
    logAction->setEnabled(true);
    connect(logAction, &QAction::triggered, this, [this] {
        logwindow::frmNaplo window(platform_, paths_, this);
        if (readOnly_)
            window.setReadOnly();
        platform_.dialogs.showModal(window);
        if (window.registerChanged())
            beolvas();
        activate();
    });
}

void Velmar::openGroups() {
    groups::frmCsoportok window(platform_, paths_, this);
    platform_.dialogs.showModal(window);
    activate();
}

void Velmar::openSettings() {
    SettingsLink link(*this);
    {
        settings::frmSetup window(platform_, paths_, link, this);
        platform_.dialogs.showModal(window);
    }
    // The operations that read the settings find what the window stored.
    state_.settings =
        store::readFirstRecord<store::SetupRekord>(paths_.programFile(store::files::Setup));
    activate();
}

void Velmar::openAbout() {
    about::frmAbout window(platform_, this);
    platform_.dialogs.showModal(window);
    activate();
}

}  // namespace reg

// A register that may only be read, on a read-only medium or share: the window shows and
// searches its letters, prints and exports its lists, and writes nothing.

#include <QAction>
#include <QActionGroup>
#include <QGroupBox>
#include <QLineEdit>
#include <QPushButton>

#include "mainwindow/velmar.h"
#include "ui/widgets.h"

using namespace Qt::StringLiterals;

namespace reg {

void Velmar::openReadOnly() {
    readOnly_ = true;
    setWindowTitle(u"Velmarok - csak olvasható"_s);

    // The menu items that write into the register belong to a disabled group, which keeps
    // them disabled. A whole backup only reads the register and writes elsewhere; the log
    // window shows its entries without bringing a letter back.
    auto* writing = new QActionGroup(this);
    writing->setExclusionPolicy(QActionGroup::ExclusionPolicy::None);
    for (QAction* item :
         {groupsAction_, settingsAction_, backupNowAction_, restoreAction_, wholeRestoreAction_})
        writing->addAction(item);
    writing->setEnabled(false);

    // The direction choice (which proposes the next number), recording, modification,
    // deletion, the scanned-letter choice and the counter maintenance boxes.
    for (QWidget* control : std::initializer_list<QWidget*>{
             directionFrame_, recordButton_, modifyButton_, deleteButton_,
             scannedLetterChoiceButton_, scannedLetterButton_, documentChoiceButton_,
             outgoingCounterEdit_, incomingCounterEdit_}) {
        ui::keepDisabled(control);
    }
    // A double-click on a caption would store the counter boxes into Num.dat.
    for (ui::ClickLabel* caption : captionLabels_)
        disconnect(caption, &ui::ClickLabel::doubleClicked, this, nullptr);
}

}  // namespace reg

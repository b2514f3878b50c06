#pragma once

#include <QDialog>

#include "about/aboutinfo.h"
#include "ui/platform.h"

class QLabel;
class QPushButton;

namespace ui {
class LinkLabel;
}

namespace about {

// The About box: the program's name, version and purpose, the makers' contacts as links, and
// a button that starts the system information program.
class frmAbout : public QDialog {
    Q_OBJECT
public:
    // `find` looks programs up in the search path; tests hand in their own.
    explicit frmAbout(ui::Platform& platform, QWidget* parent = nullptr, ProgramFinder find = {});

    // Starts the system information program, or says that there is none.
    void startSysInfo();

protected:
    void mouseMoveEvent(QMouseEvent* event) override;

private:
    void setLinkColor(ui::LinkLabel* link, const QColor& color);

    ui::Platform& platform_;
    ProgramFinder find_;

    QLabel* lblTitle_ = nullptr;
    QLabel* lblVersion_ = nullptr;
    QLabel* Label5_ = nullptr;
    QLabel* lblDescription_ = nullptr;
    QLabel* Label3_[3] = {};
    ui::LinkLabel* Label1_ = nullptr;  // e-mail
    ui::LinkLabel* Label4_ = nullptr;  // support e-mail
    ui::LinkLabel* Label2_ = nullptr;  // home page
    QPushButton* cmdOK_ = nullptr;
    QPushButton* cmdSysInfo_ = nullptr;
};

}  // namespace about

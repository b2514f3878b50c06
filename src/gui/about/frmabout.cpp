#include "about/frmabout.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QMouseEvent>
#include <QPushButton>
#include <QStandardPaths>
#include <QVBoxLayout>

#include "ui/links.h"
#include "ui/locale.h"
#include "ui/widgets.h"

using namespace Qt::StringLiterals;

namespace about {
namespace {

constexpr int kWidthTwips = 6000;
constexpr int kHeightTwips = 3900;

// Link colours: red under the mouse, dark blue otherwise (stored values 255 and 12582912).
const QColor kHoverColor = ui::colorFromStored(255);
const QColor kLinkColor = ui::colorFromStored(12582912);

}  // namespace

frmAbout::frmAbout(ui::Platform& platform, QWidget* parent, ProgramFinder find)
    : QDialog(parent), platform_(platform), find_(std::move(find)) {
    if (!find_)
        find_ = [](const QString& name) { return QStandardPaths::findExecutable(name); };
    setObjectName(u"frmAbout"_s);
    setWindowTitle(programTitle() + u" Névjegy"_s);
    // Mouse moves over the window's own background turn the links back to dark blue.
    setMouseTracking(true);

    lblTitle_ = new QLabel(programTitle() + u" "_s);
    lblTitle_->setObjectName(u"lblTitle"_s);
    QFont titleFont = lblTitle_->font();
    titleFont.setBold(true);
    titleFont.setPointSizeF(titleFont.pointSizeF() * 1.6);
    lblTitle_->setFont(titleFont);
    lblVersion_ = new QLabel(buildVersionText());
    lblVersion_->setObjectName(u"lblVersion"_s);
    Label5_ =
        new QLabel(u"A program bejövő és kimenő levelek iktatására és megjelenítésére szolgál."_s);
    Label5_->setObjectName(u"Label5"_s);
    Label5_->setWordWrap(true);
    lblDescription_ = new QLabel(makerLine());
    lblDescription_->setObjectName(u"lblDescription"_s);

    const QString captions[3] = {u"E-mail:"_s, u"E-mail:"_s, u"Honlap:"_s};
    for (int i = 0; i < 3; ++i) {
        Label3_[i] = new QLabel(captions[i]);
        Label3_[i]->setObjectName(u"Label3_%1"_s.arg(i));
    }
    auto link = [this](const QString& text, const QString& name, QLabel* caption) {
        auto* label = new ui::LinkLabel(text);
        label->setObjectName(name);
        // A move over a link is the link's own: it does not reach the window's background.
        label->setAttribute(Qt::WA_NoMousePropagation);
        label->setAccessibleName(QString(caption->text()).remove(u':') + u' ' + text);
        caption->setBuddy(label);
        setLinkColor(label, kLinkColor);
        connect(label, &ui::ClickLabel::mouseMoved, this,
                [this, label] { setLinkColor(label, kHoverColor); });
        return label;
    };
    Label1_ = link(mailAddress(), u"Label1"_s, Label3_[0]);
    Label4_ = link(supportAddress(), u"Label4"_s, Label3_[1]);
    Label2_ = link(homePage(), u"Label2"_s, Label3_[2]);
    connect(Label1_, &ui::ClickLabel::clicked, this,
            [this] { ui::openMail(platform_.shell, u"mailto:"_s + Label1_->text()); });
    connect(Label4_, &ui::ClickLabel::clicked, this,
            [this] { ui::openMail(platform_.shell, u"mailto:"_s + Label4_->text()); });
    connect(Label2_, &ui::ClickLabel::clicked, this,
            [this] { ui::openBrowser(platform_.shell, homePage()); });

    cmdOK_ = new QPushButton(u"OK"_s);
    cmdOK_->setObjectName(u"cmdOK"_s);
    cmdOK_->setDefault(true);
    cmdSysInfo_ = new QPushButton(u"&System Info..."_s);
    cmdSysInfo_->setObjectName(u"cmdSysInfo"_s);
    cmdSysInfo_->setAutoDefault(false);
    connect(cmdOK_, &QPushButton::clicked, this, &QDialog::accept);
    connect(cmdSysInfo_, &QPushButton::clicked, this, &frmAbout::startSysInfo);

    auto* contacts = new QGridLayout;
    contacts->addWidget(Label3_[0], 0, 0);
    contacts->addWidget(Label1_, 0, 1);
    contacts->addWidget(Label3_[1], 1, 0);
    contacts->addWidget(Label4_, 1, 1);
    contacts->addWidget(Label3_[2], 2, 0);
    contacts->addWidget(Label2_, 2, 1);
    contacts->setColumnStretch(2, 1);
    auto* buttons = new QVBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(cmdOK_);
    buttons->addWidget(cmdSysInfo_);
    auto* bottom = new QHBoxLayout;
    bottom->addLayout(contacts, 1);
    bottom->addLayout(buttons);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(lblTitle_);
    layout->addWidget(lblVersion_);
    layout->addWidget(Label5_);
    layout->addSpacing(ui::twipsToPixels(120));
    layout->addWidget(lblDescription_);
    layout->addStretch(1);
    layout->addLayout(bottom);

    resize(QSize(ui::twipsToPixels(kWidthTwips), ui::twipsToPixels(kHeightTwips))
               .expandedTo(sizeHint()));
    ui::centreOnScreen(this);
    cmdOK_->setFocus(Qt::OtherFocusReason);
}

void frmAbout::setLinkColor(ui::LinkLabel* link, const QColor& color) {
    QPalette palette = link->palette();
    palette.setColor(QPalette::WindowText, color);
    link->setPalette(palette);
}

void frmAbout::mouseMoveEvent(QMouseEvent* event) {
    for (ui::LinkLabel* link : {Label1_, Label4_, Label2_})
        setLinkColor(link, kLinkColor);
    QDialog::mouseMoveEvent(event);
}

void frmAbout::startSysInfo() {
    if (const std::optional<SystemInfoProgram> found = findSystemInfo(find_)) {
        if (platform_.shell.startProgram(found->program, found->arguments))
            return;
    }
    platform_.dialogs.message(
        this, {programTitle(), u"System Information Is Unavailable At This Time"_s, ui::Buttons::Ok,
               ui::Answer::Ok, ui::Icon::None});
}

}  // namespace about

#pragma once

#include <QString>

#include "ui/platform.h"
#include "ui/widgets.h"

// Web and mail addresses handed to the desktop shell, and the clickable labels that show them.
namespace ui {

// A web address as the shell gets it: "http://" is put in front of an address that does not
// begin with "http" (upper and lower case alike).
QString browserAddress(const QString& address);
// Opens a web address; true when the shell reports that it opened it.
bool openBrowser(Shell& shell, const QString& address);
// Opens a "mailto:" address as it is; true when the shell reports that it opened it.
bool openMail(Shell& shell, const QString& address);

// A ClickLabel that the keyboard reaches too: it takes the focus by Tab, shows a focus
// frame, and Enter or Space click it. Links and clickable pictures use it.
class LinkLabel : public ClickLabel {
    Q_OBJECT
public:
    explicit LinkLabel(const QString& text = {}, QWidget* parent = nullptr);

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
};

}  // namespace ui

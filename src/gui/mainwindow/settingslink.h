#pragma once

#include "mainwindow/velmar.h"
#include "settings/mainwindowlink.h"

namespace reg {

// The main window as the settings window sees it: the picker's year and the live colour and
// order changes. Only the all-letters list and the client pick list take a colour at once.
class SettingsLink final : public settings::MainWindowLink {
public:
    explicit SettingsLink(Velmar& window) : window_(window) {}

    int pickerYear() const override { return window_.pickerYear(); }
    void applyWindowColor(const QColor& color) override { window_.applyWindowColor(color); }
    void applyLetterListColor(const QColor& color) override {
        window_.applyLetterListColor(color, false);
    }
    void applyPartnerListColor(const QColor& color) override {
        window_.applyPartnerListColor(color, false);
    }
    void setLetterListOrder(Qt::SortOrder order) override { window_.setLetterListOrder(order); }

private:
    Velmar& window_;
};

}  // namespace reg

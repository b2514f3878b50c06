#pragma once

#include <memory>

#include "settings/frmsetup.h"
#include "support/mainwindow.h"

// The settings window on a temporary register, with a main window that shows the picker's
// year and takes colours and order silently (the real one takes them in tst_frmsetup.cpp).
namespace testing {

class FakeMainWindow final : public settings::MainWindowLink {
public:
    int year = 2024;
    int pickerYear() const override { return year; }
    void applyWindowColor(const QColor&) override {}
    void applyLetterListColor(const QColor&) override {}
    void applyPartnerListColor(const QColor&) override {}
    void setLetterListOrder(Qt::SortOrder) override {}
};

struct SetupWindow : WindowAccess<settings::frmSetup> {
    FakeMainWindow main;
    ~SetupWindow() { window.reset(); }  // the window goes before the main window it links to

    // Builds (and so loads) the window; the program search walks only the temporary folder
    // unless `places` says otherwise.
    settings::frmSetup& open(settings::SearchPlaces places = {}) {
        if (!places.volumes)
            places.volumes = [this] { return QStringList{files.folder()}; };
        if (places.viewerRoot.isEmpty())
            places.viewerRoot = files.folder();
        window = std::make_unique<settings::frmSetup>(test.platform, files.paths(), main, nullptr,
                                                      std::move(places));
        return *window;
    }
    QByteArray file(QStringView name) const { return files.read(files.programFile(name)); }
};

}  // namespace testing

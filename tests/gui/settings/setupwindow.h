#pragma once

#include <QStringList>
#include <memory>

#include "settings/frmsetup.h"
#include "support/mainwindow.h"

// The settings window on a temporary register, with a main window that logs what it is told.
namespace testing {

class FakeMainWindow final : public settings::MainWindowLink {
public:
    int year = 2024;
    QStringList calls;  // "window #rrggbb", "letters #rrggbb", "partners #rrggbb", "order 0|1"

    int pickerYear() const override { return year; }
    void applyWindowColor(const QColor& c) override { calls << "window " + c.name(); }
    void applyLetterListColor(const QColor& c) override { calls << "letters " + c.name(); }
    void applyPartnerListColor(const QColor& c) override { calls << "partners " + c.name(); }
    void setLetterListOrder(Qt::SortOrder order) override {
        calls << QStringLiteral("order %1").arg(order == Qt::AscendingOrder ? 0 : 1);
    }
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

// A text field of `width` bytes holding `text` (bytes as on disk), padded with spaces.
inline QByteArray field(QByteArray text, int width) {
    text.append(QByteArray(width - text.size(), ' '));
    return text;
}

}  // namespace testing

#pragma once

#include <QColor>
#include <Qt>

// What the settings window needs of the main window: the year of its date picker and the
// live changes of its colours and list order. The main window provides it, so the settings
// subsystem does not depend on the main window's class.
namespace settings {

class MainWindowLink {
public:
    virtual ~MainWindowLink() = default;

    // The year of the main window's date picker: the year whose counters the window shows.
    virtual int pickerYear() const = 0;
    // The window colour: the window's background, its frames, captions, options and checks.
    virtual void applyWindowColor(const QColor& color) = 0;
    // The background of the all-letters list only; the other lists take it at the next start.
    virtual void applyLetterListColor(const QColor& color) = 0;
    // The background of the client pick list only.
    virtual void applyPartnerListColor(const QColor& color) = 0;
    // The direction of the three letter lists, which re-sort in it.
    virtual void setLetterListOrder(Qt::SortOrder order) = 0;
};

}  // namespace settings

#pragma once

#include <QByteArray>
#include <QString>
#include <optional>

#include "register/letterlists.h"
#include "store/records.h"

namespace reg {

// The letter the user chose in a letter list: where it lives and its record's bytes as they
// were read when the row was selected. Modification and deletion act on exactly this record,
// and only while the file still holds these bytes.
struct SelectedLetter {
    LetterId id;
    QByteArray bytes;

    store::LevelRekord letter() const { return store::LevelRekord::fromBytes(bytes); }
};

// The documents chosen for the letter being entered or shown: the scanned incoming letter's
// file name (Melleklet) and the quoted name and path of its document (IratNev, IratUtvonal).
struct LetterDocuments {
    QString melleklet;
    QString iratNev;
    QString iratUtvonal;
};

// What the main window's operations share between user actions, kept apart from the
// widgets so that the register's functions take it and tests build it without a window.
struct RegisterState {
    // The settings as last read from Setup.dat.
    store::SetupRekord settings;
    // The letter last selected in a letter list; nothing until a row is selected and after
    // it was modified or deleted.
    std::optional<SelectedLetter> selection;
    // The documents chosen for or stored with the letter.
    LetterDocuments documents;
    // The working year: the year of the date picker.
    int workingYear = 0;
};

}  // namespace reg

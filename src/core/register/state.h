#pragma once

#include <QString>

#include "store/records.h"

namespace reg {

// What the main window's operations share between user actions.
struct RegisterState {
    // The settings as last read from Setup.dat.
    store::SetupRekord settings;
    // Record number of the letter last selected in a letter list; 0 until a row is selected.
    int kijeloltLevel = 0;
    // The scanned incoming letter's file name, stored as the letter's Melleklet.
    QString aktMelleklet;
    // The quoted document name and path chosen for or stored with the letter.
    QString aktIratNev;
    QString aktIratUtvonal;
    // The working year: the year of the date picker.
    int munkaEv = 0;
};

}  // namespace reg

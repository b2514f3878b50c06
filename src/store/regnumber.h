#pragma once

#include <QString>

#include "store/records.h"

namespace store {

// A letter's registration number as one text, the way the printed list and the export file
// write it: `Elotag` trimmed, the serial, `Evszam` trimmed, with nothing between them
// (AB/15/2012). A letter without serial (the blank marker 8224) reads AB//2012.
QString registrationNumber(const LevelRekord& letter);

}  // namespace store

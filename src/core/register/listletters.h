#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <vector>

#include "register/letterlists.h"
#include "store/paths.h"
#include "store/records.h"

// The letters behind a letter list's rows, for printing and export.
namespace reg {

// The letters at `indexes` of `rows` (in that order), read through their identities from the
// letter files as they are now: each year's file is read once. A letter whose record is no
// longer in its file gives the empty letter.
QByteArray recordsByIdentity(const store::Paths& paths, const LetterRows& rows,
                             const std::vector<int>& indexes);

// The letters of records laid end to end.
std::vector<store::LevelRekord> lettersOf(QByteArrayView records);

}  // namespace reg

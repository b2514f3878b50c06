// Start-up on a damaged register: any bytes in every file of the program folder and of a
// year, a journal among them. The recovery runs, then everything is read as the program
// reads it, and every cell of the three letter lists is built.

#include "fuzz.h"
#include "register/letterlists.h"
#include "store/journal.h"
#include "store/operation.h"
#include "store/recordfile.h"
#include "store/records.h"

namespace {

const char16_t* const kFiles[] = {
    u"velmarok.journal", u"Setup.dat",       u"Csoportok.dat",   u"Ugyfelek.dat",
    u"Ugyintezo.dat",    u"UszNum.dat",      u"2024/Velmar.dat", u"2024/KiIrat.dat",
    u"2024/Num.dat",     u"2024/Mentés.dat",
};

}  // namespace

std::vector<QByteArray> fuzzing::seeds() {
    store::LevelRekord letter;
    letter.Datum = 45458.5;
    letter.Bejovo = store::kTrue;
    letter.Elotag = QStringLiteral("B/");
    letter.Sorszam = 1;
    letter.Evszam = QStringLiteral("/2024");
    store::LevelRekord blank = letter;
    blank.Sorszam = store::kBlankSerial;
    blank.Bejovo = 0;
    QByteArray whole;
    for (const QByteArray& piece :
         {QByteArray(), store::SetupRekord().toBytes(), store::CsoportRekord().toBytes(),
          store::UgyfelRekord().toBytes(), QByteArray(), store::UszNumRekord{1000}.toBytes(),
          QByteArray(letter.toBytes() + blank.toBytes() + "tail"), store::IratRekord().toBytes(),
          store::NumRekord{1, 1}.toBytes(), letter.toBytes()})
        whole += fuzzing::Pieces::lead(piece);
    return {whole};
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const fuzzing::Scratch& scratch = fuzzing::Scratch::instance();
    scratch.clear();
    fuzzing::Pieces pieces(data, size);
    for (const char16_t* name : kFiles) {
        const QByteArray piece = pieces.next();
        // A file of no bytes at all stays missing.
        if (!piece.isEmpty())
            scratch.write(QString::fromUtf16(name), piece);
    }

    const store::Paths paths(scratch.folder());
    (void)store::recoverOperations(paths);
    (void)store::readFirstRecord<store::SetupRekord>(paths.programFile(store::files::Setup));
    (void)store::readAllRecords<store::CsoportRekord>(paths.programFile(store::files::Csoportok));
    (void)store::readAllRecords<store::UgyfelRekord>(paths.programFile(store::files::Ugyfelek));
    (void)store::readAllRecords<store::UgyintezoRekord>(paths.programFile(store::files::Ugyintezo));
    (void)store::readFirstRecord<store::UszNumRekord>(paths.programFile(store::files::UszNum));
    (void)store::readFirstRecord<store::NumRekord>(paths.yearFile(2024, store::files::Num));
    (void)store::readAllRecords<store::IratRekord>(paths.yearFile(2024, store::files::KiIrat));
    (void)store::RecordFile(paths.yearFile(2024, store::files::Mentes), store::LevelRekord::Size)
        .count();

    const store::RecordFile letters(paths.yearFile(2024, store::files::Velmar),
                                    store::LevelRekord::Size);
    const reg::LetterRows rows =
        reg::allLetters(QStringLiteral("2024"), letters.readAllBytes(), size % 2 == 0);
    for (const reg::LetterList list :
         {reg::LetterList::All, reg::LetterList::Incoming, reg::LetterList::Outgoing}) {
        const int columns = int(reg::letterColumns(list).size());
        for (const int index : rows.rows(list)) {
            for (int column = 0; column < columns; ++column)
                (void)reg::letterCell(rows, list, index, column);
        }
    }
    return 0;
}

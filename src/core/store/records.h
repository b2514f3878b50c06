#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>
#include <QtGlobal>

// The record types of the register's files. Every type is laid out byte for byte as the files
// hold it: little-endian numbers, Windows-1250 text fields cut or padded with spaces to their
// width, no gaps. `fromBytes` accepts any input: missing bytes read as the empty record
// (numbers 0, texts blank), so a short or damaged file never breaks a reader.

namespace store {

// A flag on disk: -1 (all bits set) is true, 0 is false.
inline constexpr qint16 kTrue = -1;
inline constexpr qint16 kFalse = 0;
inline constexpr qint16 flag(bool on) {
    return on ? kTrue : kFalse;
}
// Whether a flag of the settings is on. Only -1 is: the settings window ticks its check box
// exactly then, and every operation that reads the flag follows what the window shows.
inline constexpr bool flagOn(qint16 value) {
    return value == kTrue;
}

// A `Sorszam` holding 8224 (two space bytes, 0x2020) marks a letter without a serial number.
inline constexpr qint16 kBlankSerial = 8224;

// Removes the padding of a text field: spaces (and the NUL bytes of never-written fields)
// at both ends. Unlike QString::trimmed, line breaks and tabs inside a subject stay.
QString trimmed(const QString& field);

// Reads single fields of a letter record straight from its bytes, so lists and searches
// over a whole year touch only the fields they show or compare. Bytes beyond the input
// read as the empty record.
class LevelView {
public:
    explicit LevelView(QByteArrayView bytes) : bytes_(bytes) {}

    double Datum() const;
    qint16 Bejovo() const;
    QString Evszam() const;
    QString Elotag() const;
    qint16 Sorszam() const;
    QString KitolKinek() const;
    QString Ugyintezo() const;
    QString LevelTargya() const;
    qint16 Ugyfelszam() const;
    QString CsoportJel() const;
    qint32 Num() const;
    QString Melleklet() const;

    bool incoming() const;

    // The raw Windows-1250 bytes of a text field (offset and width as in LevelRekord), for
    // comparisons that need no decoded text; bytes beyond the input are left out.
    QByteArrayView bytes(qsizetype offset, qsizetype width) const;

private:
    QByteArrayView bytes_;
};

// Letter record, file Velmar.dat.
struct LevelRekord {
    static constexpr int Size = 258;
    static constexpr int EvszamWidth = 14, ElotagWidth = 4, KitolKinekWidth = 40,
                         UgyintezoWidth = 30, LevelTargyaWidth = 100, CsoportJelWidth = 2,
                         MellekletWidth = 50;

    double Datum = 0;       // days since 1899-12-30, fraction = time of day
    qint16 Bejovo = 0;      // -1 incoming, anything else outgoing
    QString Evszam;         // "/" + year, optionally further "/" parts
    QString Elotag;         // group letter code + "B/" or "K/"
    qint16 Sorszam = 0;     // serial; kBlankSerial = none
    QString KitolKinek;     // correspondent
    QString Ugyintezo;      // case handler
    QString LevelTargya;    // subject
    qint16 Ugyfelszam = 0;  // client number
    QString CsoportJel;     // group letter code
    qint32 Num = 0;         // running number when the recording moved the counter
    QString Melleklet;      // file name of the scanned incoming letter

    bool incoming() const { return Bejovo == kTrue; }
    static LevelRekord fromBytes(QByteArrayView bytes);
    QByteArray toBytes() const;
};

// The registration number as the lists show it: Elotag and Evszam trimmed, the serial
// between them with nothing in between (AB/15/2012); a letter without serial reads AB//2012.
QString registrationNumber(const LevelRekord& letter);

// Document record, file KiIrat.dat; record n belongs to letter n.
struct IratRekord {
    static constexpr int Size = 350;
    static constexpr int IratNevWidth = 50, IratUtvonalWidth = 300;

    QString IratNev;      // "\"name\""
    QString IratUtvonal;  // "\"full path\""

    static IratRekord fromBytes(QByteArrayView bytes);
    QByteArray toBytes() const;
};

// Serial number counters of a year, file Num.dat, record 1.
struct NumRekord {
    static constexpr int Size = 4;

    qint16 KiNum = 0;  // last outgoing serial
    qint16 BeNum = 0;  // last incoming serial

    static NumRekord fromBytes(QByteArrayView bytes);
    QByteArray toBytes() const;
};

// Last client number given automatically, file UszNum.dat, record 1.
struct UszNumRekord {
    static constexpr int Size = 4;

    qint32 UszNum = 0;

    static UszNumRekord fromBytes(QByteArrayView bytes);
    QByteArray toBytes() const;
};

// Settings, file Setup.dat, record 1. Colours are 0x00BBGGRR.
struct SetupRekord {
    static constexpr int Size = 522;
    static constexpr int UtvonalWidth = 250;

    qint32 AblakSzin = 0;
    qint32 ListaSzin = 0;
    qint32 PartnerSzin = 0;
    qint16 Rendezes = 0;  // 0 ascending, 1 descending
    QString WordUtvonal;  // quoted path
    QString PDFUtvonal;   // quoted path
    qint16 AutUgyfelszam = 0;
    qint16 UtolsoSorraUgras = 0;
    qint32 KezdoUgyfelszam = 0;

    static SetupRekord fromBytes(QByteArrayView bytes);
    QByteArray toBytes() const;
};

// Letter group, file Csoportok.dat.
struct CsoportRekord {
    static constexpr int Size = 32;
    static constexpr int NevWidth = 30, BetujelWidth = 2;

    QString Nev;
    QString Betujel;

    static CsoportRekord fromBytes(QByteArrayView bytes);
    QByteArray toBytes() const;
};

// Client, file Ugyfelek.dat.
struct UgyfelRekord {
    static constexpr int Size = 44;
    static constexpr int NevWidth = 40;

    QString Nev;
    qint32 Ugyfelszam = 0;

    static UgyfelRekord fromBytes(QByteArrayView bytes);
    QByteArray toBytes() const;
};

// Case handler, file Ugyintezo.dat.
struct UgyintezoRekord {
    static constexpr int Size = 40;
    static constexpr int NevWidth = 40;

    QString Nev;

    static UgyintezoRekord fromBytes(QByteArrayView bytes);
    QByteArray toBytes() const;
};

}  // namespace store

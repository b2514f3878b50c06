#include "log/fields.h"

#include "store/hungarian.h"
#include "store/oledate.h"
#include "store/paths.h"
#include "store/records.h"

using namespace Qt::StringLiterals;

namespace eventlog {
namespace {

using Texts = std::vector<QString>;

// The captions of a layout and its fields as texts; an empty side gives no texts.
struct Layout {
    QStringView file;
    std::vector<QString> captions;
    Texts (*texts)(QByteArrayView bytes);
};

QString yesNo(qint16 value) {
    return value != 0 ? u"igen"_s : u"nem"_s;
}

// A colour value 0x00BBGGRR as the usual #RRGGBB.
QString colour(qint32 value) {
    const quint32 v = quint32(value);
    return QString::asprintf("#%02X%02X%02X", v & 0xFF, (v >> 8) & 0xFF, (v >> 16) & 0xFF);
}

QString dateText(double value) {
    const store::DateParts parts = store::dateFromOle(value);
    if (!parts.date.isValid())
        return QString::number(value);
    QString text = store::shortDate(parts.date);
    if (parts.time != QTime(0, 0))
        text += u' ' + parts.time.toString(u"HH:mm"_s);
    return text;
}

Texts letterTexts(QByteArrayView bytes) {
    const auto r = store::LevelRekord::fromBytes(bytes);
    return {dateText(r.Datum),
            r.incoming() ? u"Bejövő"_s : u"Kimenő"_s,
            store::trimmed(r.Elotag),
            r.Sorszam == store::kBlankSerial ? QString() : QString::number(r.Sorszam),
            store::trimmed(r.Evszam),
            store::trimmed(r.KitolKinek),
            QString::number(r.Ugyfelszam),
            store::trimmed(r.LevelTargya),
            store::trimmed(r.Ugyintezo),
            store::trimmed(r.CsoportJel),
            QString::number(r.Num),
            store::trimmed(r.Melleklet)};
}

Texts documentTexts(QByteArrayView bytes) {
    const auto r = store::IratRekord::fromBytes(bytes);
    return {store::trimmed(r.IratNev), store::trimmed(r.IratUtvonal)};
}

Texts clientTexts(QByteArrayView bytes) {
    const auto r = store::UgyfelRekord::fromBytes(bytes);
    return {store::trimmed(r.Nev), QString::number(r.Ugyfelszam)};
}

Texts groupTexts(QByteArrayView bytes) {
    const auto r = store::CsoportRekord::fromBytes(bytes);
    return {store::trimmed(r.Nev), store::trimmed(r.Betujel)};
}

Texts handlerTexts(QByteArrayView bytes) {
    return {store::trimmed(store::UgyintezoRekord::fromBytes(bytes).Nev)};
}

Texts counterTexts(QByteArrayView bytes) {
    const auto r = store::NumRekord::fromBytes(bytes);
    return {QString::number(r.KiNum), QString::number(r.BeNum)};
}

Texts clientCounterTexts(QByteArrayView bytes) {
    return {QString::number(store::UszNumRekord::fromBytes(bytes).UszNum)};
}

Texts setupTexts(QByteArrayView bytes) {
    const auto r = store::SetupRekord::fromBytes(bytes);
    return {colour(r.AblakSzin),
            colour(r.ListaSzin),
            colour(r.PartnerSzin),
            r.Rendezes == 1 ? u"Csökkenő"_s : u"Növekvő"_s,
            store::trimmed(r.WordUtvonal),
            store::trimmed(r.PDFUtvonal),
            yesNo(r.AutUgyfelszam),
            yesNo(r.UtolsoSorraUgras),
            QString::number(r.KezdoUgyfelszam)};
}

const std::vector<Layout>& layouts() {
    static const std::vector<Layout> all = {
        {store::files::Velmar,
         {u"Dátum"_s, u"Irány"_s, u"Cs (előtag)"_s, u"Szám"_s, u"Év/xxx"_s, u"Kinek/Kitől"_s,
          u"Ügyfélszám"_s, u"Levél tárgya"_s, u"Ügyintéző"_s, u"Csoport betűjele"_s,
          u"Futó sorszám"_s, u"Melléklet"_s},
         letterTexts},
        {store::files::KiIrat, {u"Irat neve"_s, u"Irat útvonala"_s}, documentTexts},
        {store::files::Ugyfelek, {u"Ügyfél neve"_s, u"Ügyfélszám"_s}, clientTexts},
        {store::files::Csoportok, {u"Csoport neve"_s, u"Betűjel"_s}, groupTexts},
        {store::files::Ugyintezo, {u"Ügyintéző"_s}, handlerTexts},
        {store::files::Num, {u"Kimenő sorszám"_s, u"Bejövő sorszám"_s}, counterTexts},
        {store::files::UszNum, {u"Utolsó ügyfélszám"_s}, clientCounterTexts},
        {store::files::Setup,
         {u"Ablak színe"_s, u"Lista színe"_s, u"Partnerlista színe"_s, u"Rendezés"_s,
          u"Word útvonala"_s, u"PDF-olvasó útvonala"_s, u"Autómatikus ügyfélszám"_s,
          u"Rögzítés után utolsó sorra ugrás"_s, u"Kezdő ügyfélszám"_s},
         setupTexts},
    };
    return all;
}

const Layout* layoutOf(QStringView file) {
    for (const Layout& layout : layouts()) {
        if (layout.file.compare(file, Qt::CaseInsensitive) == 0)
            return &layout;
    }
    return nullptr;
}

bool isLetter(const Change& change) {
    return change.file.compare(store::files::Velmar, Qt::CaseInsensitive) == 0;
}

// The first line of a text, for a one-line summary.
QString firstLine(const QString& text) {
    return text.section(u'\n', 0, 0).remove(u'\r');
}

}  // namespace

std::vector<Field> recordFields(QStringView file, QByteArrayView before, QByteArrayView after) {
    const Layout* layout = layoutOf(file);
    if (!layout)
        return {};
    const Texts was = before.isEmpty() ? Texts(layout->captions.size()) : layout->texts(before);
    const Texts is = after.isEmpty() ? Texts(layout->captions.size()) : layout->texts(after);
    std::vector<Field> fields;
    for (size_t i = 0; i < layout->captions.size(); ++i)
        fields.push_back({layout->captions[i], was[i], is[i]});
    return fields;
}

std::vector<Field> changeFields(const Change& change) {
    std::vector<Field> fields = recordFields(change.file, change.before, change.after);
    if (isLetter(change) && !(change.documentBefore.isEmpty() && change.documentAfter.isEmpty())) {
        const auto documents =
            recordFields(store::files::KiIrat, change.documentBefore, change.documentAfter);
        fields.insert(fields.end(), documents.begin(), documents.end());
    }
    if (!change.before.isEmpty() && !change.after.isEmpty())
        std::erase_if(fields, [](const Field& field) { return !field.changed(); });
    return fields;
}

QString summary(const Change& change) {
    const QByteArrayView bytes = change.after.isEmpty() ? change.before : change.after;
    QStringList parts;
    if (isLetter(change) && !bytes.isEmpty()) {
        const auto letter = store::LevelRekord::fromBytes(bytes);
        parts << store::trimmed(letter.KitolKinek) << firstLine(store::trimmed(letter.LevelTargya));
    } else if (change.file.compare(store::files::Setup, Qt::CaseInsensitive) == 0) {
        // The settings hold too many fields for one line: the names of those that changed.
        for (const Field& field : recordFields(change.file, change.before, change.after)) {
            if (field.changed())
                parts << field.caption;
        }
    } else if (!bytes.isEmpty()) {
        for (const Field& field : recordFields(change.file, bytes, bytes))
            parts << field.caption + u": " + field.after;
    }
    parts << change.text;
    parts.removeAll(QString());
    return parts.join(u" – ");
}

QString searchText(const Change& change) {
    QStringList parts{change.number, change.text};
    for (const Field& field : recordFields(change.file, change.before, change.after))
        parts << field.before << field.after;
    for (const Field& field :
         recordFields(store::files::KiIrat, change.documentBefore, change.documentAfter))
        parts << field.before << field.after;
    parts.removeAll(QString());
    return store::upper(parts.join(u'\n'));
}

}  // namespace eventlog

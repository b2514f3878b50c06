#include "search/search.h"

#include <QDir>
#include <algorithm>

#include "store/hungarian.h"
#include "store/numbers.h"
#include "store/oledate.h"

using namespace Qt::StringLiterals;

namespace search {
namespace {

// A subject typed or pasted into the subject box holds "\n" where a stored subject may hold
// "\r\n"; both read as one line break, so a subject loaded from a letter finds that letter.
QString foldLineBreaks(QString text) {
    if (text.contains(u'\r'))
        text.replace(u"\r\n"_s, u"\n"_s);
    return text;
}

}  // namespace

QString dateNeedle(const QString& txtDatum, QDate picker) {
    return txtDatum.trimmed().isEmpty() ? store::shortDate(picker) : txtDatum;
}

std::optional<QString> searchYear(const QString& txtDatum) {
    if (txtDatum.trimmed().isEmpty())
        return std::nullopt;
    return txtDatum.left(4);
}

bool isYearFolderName(QStringView yearText) {
    if (yearText.isEmpty() || yearText == u"." || yearText == u"..")
        return false;
    for (QChar c : yearText) {
        if (c == u'/' || c == u'\\' || c == QChar(0))
            return false;
    }
    return true;
}

QStringList yearFolders(const QString& programFolder) {
    QStringList years;
    for (const QString& name : QDir(programFolder).entryList(QDir::Dirs | QDir::NoDotAndDotDot)) {
        const bool digits = !name.isEmpty() && std::all_of(name.begin(), name.end(), [](QChar c) {
            return c >= u'0' && c <= u'9';
        });
        if (digits)
            years << name;
    }
    // By number: 999 before 2024; equal numbers ("2024", "02024") by name.
    std::sort(years.begin(), years.end(), [](const QString& a, const QString& b) {
        const QString x = a.rightJustified(b.size(), u'0'), y = b.rightJustified(a.size(), u'0');
        return x == y ? a < b : x < y;
    });
    return years;
}

QString slashKey(QStringView evszamText) {
    // Positions 1..10 of the text; a position beyond its end adds nothing.
    const QStringView head = evszamText.left(10);
    QString key;
    qsizetype p = head.indexOf(u'/');
    if (p < 0) {
        key = head.toString();
        p = head.size();
    } else {
        key = head.left(p + 1).toString();
        const QStringView rest = head.sliced(p + 1);
        const qsizetype next = rest.indexOf(u'/');
        key += next < 0 ? rest : rest.left(next);
    }
    if (key.endsWith(u'/'))
        key.prepend(u'/');
    else
        key.append(u'/');
    return key;
}

Search::Search(Criterion criterion, const SearchInputs& inputs, bool skipBlankSerials)
    : criterion_(criterion),
      skipBlankSerials_(skipBlankSerials),
      cutoff_(store::oleFromDate(kSerialCutoff)) {
    switch (criterion) {
        case Criterion::Datum:
            needle_ = store::upper(inputs.datum);
            break;
        case Criterion::Sorszam:
            needle_ = store::numberText(store::numericValue(inputs.sorszam));
            slashNeedle_ = store::upper(slashKey(inputs.evszam));
            break;
        case Criterion::KitolKinek:
            needle_ = store::upper(inputs.kitolKinek);
            break;
        case Criterion::Ugyfelszam:
            number_ = store::numericValue(inputs.ugyfelszam);
            break;
        case Criterion::LevelTargya:
            needle_ = store::upper(foldLineBreaks(inputs.levelTargya));
            break;
        case Criterion::Csoport:
            needle_ = store::upper(inputs.csoportJel);
            group_ = inputs.csoportJel;
            break;
        case Criterion::Teljes:
            break;  // the empty needle: every letter
        case Criterion::Ugyintezo:
            needle_ = store::upper(inputs.ugyintezo);
            break;
    }
}

bool Search::textMatches(const store::LevelView& letter) const {
    if (criterion_ == Criterion::Sorszam) {
        // Letters from the cutoff on are found by their serial, older ones by the slash key
        // in the year part that held the whole number then.
        if (letter.Datum() >= cutoff_)
            return QString::number(letter.Sorszam()).contains(needle_);
        return store::upper(letter.Evszam()).contains(slashNeedle_);
    }
    if (needle_.isEmpty())
        return true;  // an empty needle occurs in every field
    switch (criterion_) {
        case Criterion::Datum: {
            const double date = letter.Datum();
            if (!haveLastDate_ || !(date == lastDate_)) {
                lastDateText_ = store::upper(store::shortDate(date));
                lastDate_ = date;
                haveLastDate_ = true;
            }
            return lastDateText_.contains(needle_);
        }
        // The text fields are compared on their stored bytes, without decoding every letter.
        case Criterion::KitolKinek:
            return store::upperContains(letter.bytes(30, store::LevelRekord::KitolKinekWidth),
                                        needle_);
        case Criterion::LevelTargya:
            // A needle without a line break matches the stored subject as it is; one with a
            // line break needs the subject's CR LF folded first.
            if (!needle_.contains(u'\n'))
                return store::upperContains(letter.bytes(100, store::LevelRekord::LevelTargyaWidth),
                                            needle_);
            return store::upper(foldLineBreaks(letter.LevelTargya())).contains(needle_);
        case Criterion::Csoport:
            return store::upper(letter.CsoportJel()).contains(needle_);
        case Criterion::Ugyintezo:
            return store::upperContains(letter.bytes(70, store::LevelRekord::UgyintezoWidth),
                                        needle_);
        case Criterion::Sorszam:
        case Criterion::Ugyfelszam:
        case Criterion::Teljes:
            break;
    }
    return true;
}

bool Search::matches(const store::LevelView& letter) const {
    // The client number search compares numbers and lists every letter with that number,
    // those without a serial of their own too.
    if (criterion_ == Criterion::Ugyfelszam)
        return double(letter.Ugyfelszam()) == number_;
    if (!textMatches(letter))
        return false;
    // The group search also wants the group letter itself, not one that merely contains it:
    // group A does not find group AB.
    if (criterion_ == Criterion::Csoport && store::trimmed(letter.CsoportJel()) != group_)
        return false;
    return !(skipBlankSerials_ && letter.Sorszam() == store::kBlankSerial);
}

std::vector<int> Search::matchingRecords(QByteArrayView records) const {
    std::vector<int> found;
    const qsizetype count = records.size() / store::LevelRekord::Size;
    for (qsizetype i = 0; i < count; ++i) {
        const store::LevelView letter(
            records.sliced(i * store::LevelRekord::Size, store::LevelRekord::Size));
        if (matches(letter))
            found.push_back(int(i));
    }
    return found;
}

}  // namespace search

#include "register/numbering.h"

#include <limits>

#include "register/counters.h"
#include "store/numbers.h"
#include "store/recordfile.h"

using namespace Qt::StringLiterals;

namespace reg {

QString yearPart(int year) {
    return u'/' + QString::number(year).rightJustified(4, u'0');
}

NumberProposal proposeNumber(const store::Paths& paths, int year, bool incoming,
                             const QString& groupCode) {
    store::NumRekord counters;
    if (!paths.yearFolderExists(year)) {
        // A new year: its folder and an empty letter file; both counters start at 0.
        if (paths.createYearFolder(year))
            store::RecordFile(paths.yearFile(year, store::files::Velmar), store::LevelRekord::Size);
    } else {
        counters = readCounters(paths, QString::number(year));
    }

    NumberProposal proposal;
    proposal.elotag = groupCode + (incoming ? u"B/"_s : u"K/"_s);
    const qint16 counter = counterOf(counters, incoming);
    if (counter >= kLastSerial) {
        proposal.counterFull = true;
    } else {
        proposal.sorszam = QString::number(counter + 1);
    }
    proposal.evszam = yearPart(year);
    return proposal;
}

double serialOf(int letterYear, QStringView serialBox, QStringView yearBox) {
    if (letterYear >= 2012)
        return store::numericValue(serialBox);
    // The old form: the characters after the first "/" of the first ten, up to the next "/".
    const QStringView head = yearBox.left(10);
    const qsizetype slash = head.indexOf(u'/');
    if (slash < 0)
        return 0;
    QStringView rest = head.sliced(slash + 1);
    const qsizetype next = rest.indexOf(u'/');
    if (next >= 0)
        rest = rest.left(next);
    return store::numericValue(rest);
}

qint16 counterOf(const store::NumRekord& counters, bool incoming) {
    return incoming ? counters.BeNum : counters.KiNum;
}

void setCounterOf(store::NumRekord& counters, bool incoming, qint16 value) {
    (incoming ? counters.BeNum : counters.KiNum) = value;
}

std::optional<CounterMove> countSerial(store::NumRekord counters, bool incoming, double serial) {
    CounterMove move{counters, false, 0};
    const qint16 counter = counterOf(counters, incoming);
    if (!(serial > counter))
        return move;
    if (counter >= kLastSerial)
        return std::nullopt;
    const auto raised = qint16(counter + 1);
    setCounterOf(move.counters, incoming, raised);
    move.moved = true;
    move.num = raised;
    return move;
}

store::NumRekord lowerCounter(store::NumRekord counters, bool incoming) {
    const qint16 counter = counterOf(counters, incoming);
    if (counter > std::numeric_limits<qint16>::min())
        setCounterOf(counters, incoming, qint16(counter - 1));
    return counters;
}

}  // namespace reg

#include "backup/snapshot.h"

#include <unistd.h>

#include <QDir>
#include <QFileInfo>
#include <QRegularExpression>
#include <algorithm>

#include "backup/snapshotfiles.h"
#include "store/records.h"

using namespace Qt::StringLiterals;

namespace backup {
namespace {

using namespace snapshotfiles;

// A snapshot being written; one left behind by a program that died is removed by the next
// snapshot once it is an hour old (a younger one may be another program's copy in progress).
const QString kWorkSuffix = u".készül"_s;
constexpr qint64 kStaleWorkSeconds = 3600;

const QRegularExpression& namePattern() {
    static const QRegularExpression pattern(
        u"^Velmarok-mentés-(\\d{4})-(\\d{2})-(\\d{2})-(\\d{2})(\\d{2})(?:-(\\d+))?$"_s);
    return pattern;
}

std::optional<SnapshotInfo> parseName(const QString& folder, const QString& name) {
    const QRegularExpressionMatch m = namePattern().match(name);
    if (!m.hasMatch())
        return std::nullopt;
    const QDate date(m.captured(1).toInt(), m.captured(2).toInt(), m.captured(3).toInt());
    const QTime time(m.captured(4).toInt(), m.captured(5).toInt());
    if (!date.isValid() || !time.isValid())
        return std::nullopt;
    SnapshotInfo info;
    info.path = folder + u'/' + name;
    info.moment = QDateTime(date, time);
    info.sequence = m.captured(6).isEmpty() ? 1 : m.captured(6).toInt();
    return info;
}

QList<QPair<int, qint64>> letterCounts(const QString& snapshot) {
    QList<QPair<int, qint64>> counts;
    for (const QString& name : QDir(snapshot).entryList(QDir::Dirs | QDir::NoDotAndDotDot)) {
        bool number = false;
        const int year = name.toInt(&number);
        if (!number || name != QString::number(year))
            continue;
        const QString letters =
            store::resolveInFolder(snapshot + u'/' + name, store::files::Velmar);
        counts.append({year, QFileInfo(letters).size() / store::LevelRekord::Size});
    }
    std::sort(counts.begin(), counts.end());
    return counts;
}

void removeStaleWork(const QString& targetFolder, const QDateTime& now) {
    const QDir target(targetFolder);
    for (const QFileInfo& entry : target.entryInfoList(QDir::Dirs | QDir::NoDotAndDotDot)) {
        const QString name = entry.fileName();
        if (name.endsWith(kWorkSuffix) &&
            namePattern().match(name.chopped(kWorkSuffix.size())).hasMatch() &&
            entry.lastModified().secsTo(now) > kStaleWorkSeconds) {
            QDir(entry.filePath()).removeRecursively();
        }
    }
}

// The snapshot's files copied and read back; false with `work` telling why.
bool copyRegister(const QString& from, const QString& to, const Tree& tree, Work& work) {
    for (const QString& folder : tree.folders) {
        if (!QDir().mkpath(to + u'/' + folder))
            return work.fail(to + u'/' + folder, u"a mappa nem hozható létre"_s);
    }
    std::vector<Checksum> sums;
    for (const QString& file : tree.files) {
        Checksum sum{file, {}};
        const bool copied = file == kSidecar
                                ? copyDatabase(from + u'/' + file, to + u'/' + file, work)
                                : copyFile(from + u'/' + file, to + u'/' + file, work, &sum.sha256);
        if (!copied)
            return false;
        sums.push_back(sum);
    }
    // Read back from the disk: every copy must hold the bytes read from the register. The
    // database copy was checked by SQLite; its checksum is what the disk now holds.
    for (Checksum& sum : sums) {
        QByteArray readBack;
        if (!readChecksum(to + u'/' + sum.path, work, &readBack))
            return false;
        if (sum.sha256.isEmpty())
            sum.sha256 = readBack;
        else if (readBack != sum.sha256)
            return work.fail(to + u'/' + sum.path, u"a visszaolvasott másolat eltér"_s);
    }
    QFile list(to + u'/' + kChecksums);
    const QByteArray text = checksumText(sums);
    if (!list.open(QIODevice::WriteOnly | QIODevice::NewOnly) || list.write(text) != text.size() ||
        !list.flush() || ::fsync(list.handle()) != 0) {
        return work.fail(list.fileName(), list.errorString());
    }
    for (const QString& folder : tree.folders)
        syncFolder(to + u'/' + folder);
    syncFolder(to);
    return true;
}

}  // namespace

QString snapshotName(const QDateTime& moment, int sequence) {
    QString name = u"Velmarok-mentés-"_s + moment.toString(u"yyyy-MM-dd-HHmm"_s);
    if (sequence > 1)
        name += u'-' + QString::number(sequence);
    return name;
}

QList<SnapshotInfo> findSnapshots(const QString& folder) {
    QList<SnapshotInfo> found;
    const QString base = QDir(folder).absolutePath();
    for (const QString& name : QDir(folder).entryList(QDir::Dirs | QDir::NoDotAndDotDot)) {
        std::optional<SnapshotInfo> info = parseName(base, name);
        // Without its checksum list a folder is no finished snapshot.
        if (!info || !QFileInfo(info->path + u'/' + kChecksums).isFile())
            continue;
        info->letters = letterCounts(info->path);
        found.append(*info);
    }
    std::sort(found.begin(), found.end(), [](const SnapshotInfo& a, const SnapshotInfo& b) {
        return std::tie(a.moment, a.sequence) > std::tie(b.moment, b.sequence);
    });
    return found;
}

SnapshotResult makeSnapshot(const QString& registerFolder, const QString& targetFolder,
                            const QDateTime& moment, const Progress& progress) {
    SnapshotResult result;
    if (!QFileInfo(registerFolder).isDir()) {
        result.errorText = registerFolder + u": a nyilvántartás mappája nem létezik"_s;
        return result;
    }
    if (!QFileInfo(targetFolder).isDir()) {
        result.errorText = targetFolder + u": a mappa nem érhető el"_s;
        return result;
    }
    if (insideFolder(targetFolder, registerFolder)) {
        result.errorText = targetFolder + u": a mentés nem lehet a nyilvántartás mappájában"_s;
        return result;
    }
    const QString target = QDir(targetFolder).absolutePath();
    removeStaleWork(target, QDateTime::currentDateTime());
    int sequence = 1;
    while (QFileInfo::exists(target + u'/' + snapshotName(moment, sequence)) ||
           QFileInfo::exists(target + u'/' + snapshotName(moment, sequence) + kWorkSuffix)) {
        ++sequence;
    }
    const QString name = snapshotName(moment, sequence);
    const QString work = target + u'/' + name + kWorkSuffix;

    const Tree tree = registerTree(registerFolder);
    qint64 bytes = 0;
    for (const QString& file : tree.files)
        bytes += QFileInfo(registerFolder + u'/' + file).size();
    Work copy(progress, 2 * bytes);  // copied, then read back
    if (!QDir().mkpath(work)) {
        result.errorText = work + u": a mappa nem hozható létre"_s;
        return result;
    }
    if (!copyRegister(registerFolder, work, tree, copy) ||
        !QDir(target).rename(name + kWorkSuffix, name)) {
        QDir(work).removeRecursively();
        result.outcome = copy.cancelled() ? Outcome::Cancelled : Outcome::Failed;
        result.errorText = copy.error().isEmpty() ? work + u": nem nevezhető át"_s : copy.error();
        return result;
    }
    syncFolder(target);
    result.outcome = Outcome::Done;
    result.path = target + u'/' + name;
    return result;
}

QStringList rotateSnapshots(const QString& targetFolder, int keep, const QString& spare) {
    QStringList removed;
    const QList<SnapshotInfo> snapshots = findSnapshots(targetFolder);
    const QString spared = QFileInfo(spare).absoluteFilePath();
    for (qsizetype i = keep; i < snapshots.size(); ++i) {
        const QString& path = snapshots[i].path;
        if (!spare.isEmpty() && QFileInfo(path).absoluteFilePath() == spared)
            continue;
        // Renamed first: a removal that stops half-way leaves a work folder, never a folder
        // that looks like a whole snapshot.
        const QString doomed = path + kWorkSuffix;
        if (QDir().rename(path, doomed)) {
            QDir(doomed).removeRecursively();
            removed << path;
        }
    }
    return removed;
}

bool insideFolder(const QString& path, const QString& folder) {
    auto resolved = [](const QString& p) {
        const QFileInfo info(p);
        const QString canonical = info.canonicalFilePath();
        return canonical.isEmpty() ? QDir::cleanPath(info.absoluteFilePath()) : canonical;
    };
    const QString inner = resolved(path);
    const QString outer = resolved(folder);
    return inner == outer || inner.startsWith(outer + u'/');
}

bool snapshotDue(const std::optional<QDateTime>& last, const QDateTime& now) {
    constexpr qint64 kWeek = 7 * 24 * 3600;
    return !last || !last->isValid() || last->secsTo(now) > kWeek;
}

}  // namespace backup

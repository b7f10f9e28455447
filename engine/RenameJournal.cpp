// SPDX-License-Identifier: MIT
// Copyright The Marlune developers
#include "RenameJournal.h"

#include "JournalFieldWriter.h"
#include "NativeDirectory.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <algorithm>
#include <charconv>
#include <string_view>

#ifdef Q_OS_UNIX
#include <fcntl.h>
#include <unistd.h>
#endif

namespace {

const QByteArray kMagic("marlune-journal");
const QString kPassPrefix = QStringLiteral("pass-");
const QString kPassSuffix = QStringLiteral(".txt");
// An intent being written; one left by a program that was killed is removed.
const QString kPartSuffix = QStringLiteral(".part");

// A new directory entry is only durable once its folder is flushed too.
void syncFolder(const QString &folder)
{
#ifdef Q_OS_UNIX
    const int fd = ::open(QFile::encodeName(folder).constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd >= 0) {
        ::fsync(fd);
        ::close(fd);
    }
#else
    Q_UNUSED(folder);
#endif
}

bool toNumber(const QByteArray &field, qint64 &value)
{
    bool ok = false;
    value = field.toLongLong(&ok);
    return ok;
}

bool toUnsigned(const QByteArray &field, quint64 &value)
{
    bool ok = false;
    value = field.toULongLong(&ok);
    return ok;
}

// Reads one pass file line by line; the first failure stops it with the line's number.
class PassReader
{
public:
    PassReader(const QString &path, JournalPass &pass) : m_path(path), m_pass(pass) {}

    QString read(const QByteArray &data)
    {
        QList<QByteArray> lines = data.split('\n');
        // The last piece follows the last newline: empty for a whole file, else a line
        // torn by a crash while it was appended, which is forgiven as the cut-off point.
        const bool torn = !lines.constLast().isEmpty();
        lines.removeLast();
        if (torn)
            m_pass.ended = false;
        for (qsizetype i = 0; i < lines.size(); ++i) {
            m_line = int(i) + 1;
            if (const QString problem = readLine(lines.at(i)); !problem.isEmpty())
                return problem;
        }
        if (m_stage == Stage::Header && lines.isEmpty())
            return damaged(QCoreApplication::translate("RenameJournal", "it is empty"));
        return {};
    }

    // Whether the intent was complete: before that, nothing was renamed.
    bool started() const { return m_stage == Stage::Records; }

private:
    enum class Stage { Header, Pass, Entries, Records };

    QString damaged(const QString &why) const
    {
        return QCoreApplication::translate("RenameJournal", "%1, line %2: the rename journal is damaged (%3); it was left as it is and nothing was done.")
            .arg(QDir::toNativeSeparators(m_path)).arg(m_line).arg(why);
    }

    QString readLine(const QByteArray &line)
    {
        const QList<QByteArray> f = line.split('\t');
        switch (m_stage) {
        case Stage::Header:
            return readHeader(f);
        case Stage::Pass:
            return readPassLine(f);
        case Stage::Entries:
            return readEntry(f);
        case Stage::Records:
            return readRecord(f);
        }
        return {};
    }

    QString readHeader(const QList<QByteArray> &f)
    {
        qint64 version = 0;
        if (f.size() != 2 || f.at(0) != kMagic || !toNumber(f.at(1), version))
            return damaged(QCoreApplication::translate("RenameJournal", "not a rename journal"));
        if (version > RenameJournal::kVersion)
            return QCoreApplication::translate("RenameJournal", "%1 was written by a newer Marlune (journal version %2); it was left as it is and nothing was done.")
                .arg(QDir::toNativeSeparators(m_path)).arg(version);
        m_stage = Stage::Pass;
        return {};
    }

    QString readPassLine(const QList<QByteArray> &f)
    {
        qint64 number = 0;
        if (f.size() != 4 || f.at(0) != "pass" || !toNumber(f.at(1), number) || !toNumber(f.at(3), m_expected))
            return damaged(QCoreApplication::translate("RenameJournal", "no pass line"));
        m_pass.number = int(number);
        m_pass.time = QDateTime::fromString(QString::fromLatin1(f.at(2)), Qt::ISODateWithMs);
        if (!m_pass.time.isValid())
            return damaged(QCoreApplication::translate("RenameJournal", "a bad time"));
        m_stage = Stage::Entries;
        return {};
    }

    QString readEntry(const QList<QByteArray> &f)
    {
        if (f.size() == 2 && f.at(0) == "d") {
            const std::optional<QByteArray> dir = journalBytes(f.at(1));
            if (!dir)
                return damaged(QCoreApplication::translate("RenameJournal", "a bad folder"));
            m_dir = *dir;
            return {};
        }
        if (f.size() == 1 && f.at(0) == "intent") {
            if (m_pass.entries.size() != m_expected)
                return damaged(QCoreApplication::translate("RenameJournal", "entries are missing"));
            m_stage = Stage::Records;
            return {};
        }
        JournalEntry e;
        e.dir = m_dir;
        const std::optional<QByteArray> oldName = f.size() == 7 ? journalBytes(f.at(1)) : std::nullopt;
        const std::optional<QByteArray> newName = f.size() == 7 ? journalBytes(f.at(2)) : std::nullopt;
        if (f.size() != 7 || f.at(0) != "e" || !oldName || !newName || m_dir.isEmpty()
            || !toUnsigned(f.at(3), e.identity.device) || !toUnsigned(f.at(4), e.identity.inode)
            || !toNumber(f.at(5), e.identity.size) || !toNumber(f.at(6), e.identity.modifiedNs))
            return damaged(QCoreApplication::translate("RenameJournal", "a bad entry"));
        e.oldName = *oldName;
        e.newName = *newName;
        m_pass.entries.append(e);
        return {};
    }

    QString readRecord(const QList<QByteArray> &f)
    {
        if (f.size() == 1 && f.at(0) == "end") {
            m_pass.ended = true;
            return {};
        }
        if (f.size() == 1 && f.at(0) == "undone") {
            m_pass.undone = true;
            return {};
        }
        qint64 index = -1;
        if (f.size() != 2 || (f.at(0) != "r" && f.at(0) != "u") || !toNumber(f.at(1), index) || index < 0
            || index >= m_pass.entries.size())
            return damaged(QCoreApplication::translate("RenameJournal", "a bad record"));
        (f.at(0) == "r" ? m_pass.entries[index].renamed : m_pass.entries[index].undone) = true;
        return {};
    }

    QString m_path;
    JournalPass &m_pass;
    Stage m_stage = Stage::Header;
    int m_line = 0;
    qint64 m_expected = 0;
    QByteArray m_dir;
};

void appendField(QByteArray &out, const QByteArray &bytes)
{
    JournalFieldWriter w(out);
    w.room(JournalFieldWriter::fieldRoom(bytes));
    w.field(bytes);
}

QByteArray intentHeader(int number, qsizetype count)
{
    QByteArray out = kMagic + '\t' + QByteArray::number(RenameJournal::kVersion) + '\n';
    out += "pass\t" + QByteArray::number(number) + '\t'
        + QDateTime::currentDateTimeUtc().toString(Qt::ISODateWithMs).toLatin1() + '\t'
        + QByteArray::number(count) + '\n';
    return out;
}

// What the journal folder holds: its passes' numbers, in order, and the intents left
// half written by a program killed while writing them.
struct JournalListing
{
    QList<int> passes;
    QStringList parts;
};

JournalListing listJournal(const QString &folder)
{
    // The folder's own listing: Qt's would make a file information of each of up to a
    // hundred passes, which cost more than all else a small batch does.
    JournalListing listing;
    for (const NativeDirectory::Entry &entry : NativeDirectory::list(QFile::encodeName(folder))) {
        const QString name = QFile::decodeName(entry.name);
        if (entry.kind != FileSystem::Kind::File || !name.startsWith(kPassPrefix))
            continue;
        if (name.endsWith(kPassSuffix + kPartSuffix)) {
            listing.parts.append(name);
        } else if (name.endsWith(kPassSuffix)) {
            bool ok = false;
            const int n = QStringView(name).sliced(kPassPrefix.size()).chopped(kPassSuffix.size()).toInt(&ok);
            if (ok && n > 0)
                listing.passes.append(n);
        }
    }
    std::sort(listing.passes.begin(), listing.passes.end());
    return listing;
}

} // namespace

int JournalPass::renamedCount() const
{
    return int(std::count_if(entries.cbegin(), entries.cend(), [](const JournalEntry &e) { return e.renamed; }));
}

QByteArray JournalPass::folder() const
{
    if (entries.isEmpty())
        return {};
    const QByteArray &first = entries.first().dir;
    const bool shared = std::all_of(entries.cbegin(), entries.cend(), [&](const JournalEntry &e) { return e.dir == first; });
    return shared ? first : QByteArray();
}

QByteArray journalField(const QByteArray &bytes)
{
    QByteArray out;
    appendField(out, bytes);
    return out.mid(1);
}

std::optional<QByteArray> journalBytes(const QByteArray &field)
{
    if (field.isEmpty())
        return std::nullopt;
    for (qsizetype i = 0; i < field.size(); ++i) {
        if (field.at(i) == '%' && (i + 2 >= field.size() || !isxdigit(uchar(field.at(i + 1))) || !isxdigit(uchar(field.at(i + 2)))))
            return std::nullopt;
    }
    return QByteArray::fromPercentEncoding(field);
}

RenameJournal::RenameJournal(const QString &folder) : m_folder(folder) {}

RenameJournal::~RenameJournal() = default;

QString RenameJournal::passPath(int number) const
{
    return m_folder + u'/' + kPassPrefix + QStringLiteral("%1").arg(number, 6, 10, QLatin1Char('0')) + kPassSuffix;
}

QList<int> RenameJournal::passNumbers() const
{
    return listJournal(m_folder).passes;
}

std::optional<JournalPass> RenameJournal::readPass(int number, QString &problem) const
{
    QFile file(passPath(number));
    if (!file.open(QIODevice::ReadOnly)) {
        problem = QCoreApplication::translate("RenameJournal", "%1 cannot be read: %2").arg(QDir::toNativeSeparators(file.fileName()), file.errorString());
        return std::nullopt;
    }
    JournalPass pass;
    PassReader reader(file.fileName(), pass);
    problem = reader.read(file.readAll());
    if (!problem.isEmpty())
        return std::nullopt;
    if (!reader.started())
        pass.entries.clear(); // cut off while its intent was written: nothing was renamed
    return pass;
}

QString RenameJournal::lock()
{
    if (!QDir().mkpath(m_folder))
        return writeFailure(m_folder, QCoreApplication::translate("RenameJournal", "the folder cannot be made"));
    m_lock = std::make_unique<JournalLock>(m_folder + QStringLiteral("/lock"));
    const JournalLock::Result result = m_lock->tryLock();
    if (result == JournalLock::Result::Locked)
        return {};
    m_lock.reset();
    if (result == JournalLock::Result::Busy)
        return QCoreApplication::translate("RenameJournal", "Another Marlune is renaming or undoing; try again when it has finished.");
    return writeFailure(m_folder + QStringLiteral("/lock"), QCoreApplication::translate("RenameJournal", "the lock file cannot be made"));
}

void RenameJournal::unlock()
{
    m_lock.reset();
}

QString RenameJournal::beginPass(const QList<JournalEntry> &entries)
{
    qsizetype i = 0;
    return beginPass(entries.size(), [&] {
        const JournalEntry &e = entries.at(i++);
        return JournalEntryView{e.dir, e.oldName, e.newName, e.identity};
    });
}

QString RenameJournal::beginPass(qsizetype count, const std::function<JournalEntryView()> &next)
{
    if (const QString problem = lock(); !problem.isEmpty())
        return problem;
    // One listing gives the new pass its number and finds what a killed pass left.
    const JournalListing listing = listJournal(m_folder);
    for (const QString &part : listing.parts)
        QFile::remove(m_folder + u'/' + part);
    const QList<int> &numbers = listing.passes;
    const int number = numbers.isEmpty() ? 1 : numbers.constLast() + 1;
    // The intent goes in under a name of its own and takes the pass's name only once it
    // is whole on the disk: a program killed while writing it leaves no pass behind
    // that would read as damaged and stand in the way of every later undo.
    const QString path = passPath(number);
    QFile part(path + kPartSuffix);
    m_writeFailed = false;
    const bool written = part.open(QIODevice::WriteOnly | QIODevice::Truncate | QIODevice::Unbuffered)
        && writeIntent(part, number, count, next) && syncFile(part);
    if (!written || !part.rename(path)) {
        const QString problem = writeFailure(part.fileName(), part.errorString());
        part.close();
        QFile::remove(path + kPartSuffix); // half an intent is no record; the pass does not start
        unlock();
        return problem;
    }
    m_file.setFileName(path);
    if (!m_file.open(QIODevice::WriteOnly | QIODevice::Append | QIODevice::Unbuffered)) {
        const QString problem = writeFailure(m_file.fileName(), m_file.errorString());
        unlock();
        return problem;
    }
    syncFolder(m_folder);
    dropOldPasses(numbers);
    return {};
}

bool RenameJournal::writeIntent(QFile &file, int number, qsizetype count, const std::function<JournalEntryView()> &next)
{
    // Written a chunk at a time: a buffer of the whole intent (a megabyte for ten
    // thousand files) cost more in page faults than its few writes.
    constexpr qsizetype kChunk = 128 * 1024;
    QByteArray buffer = intentHeader(number, count);
    buffer.reserve(2 * kChunk);
    JournalFieldWriter w(buffer);
    const auto written = [&] {
        const bool ok = writeBytes(file, QByteArray::fromRawData(w.data(), w.size()));
        w.restart();
        return ok;
    };
    QByteArray dir;
    for (qsizetype i = 0; i < count; ++i) {
        const JournalEntryView e = next();
        if (e.dir != dir) {
            dir = e.dir.toByteArray();
            w.room(1 + JournalFieldWriter::fieldRoom(dir) + 1);
            w.put('d');
            w.field(dir);
            w.put('\n');
        }
        w.room(1 + JournalFieldWriter::fieldRoom(e.oldName) + JournalFieldWriter::fieldRoom(e.newName)
               + 4 * JournalFieldWriter::kNumberRoom + 1);
        w.put('e');
        w.field(e.oldName);
        w.field(e.newName);
        w.number(qint64(e.identity.device));
        w.number(qint64(e.identity.inode));
        w.number(e.identity.size);
        w.number(e.identity.modifiedNs);
        w.put('\n');
        if (w.size() >= kChunk && !written())
            return false;
    }
    constexpr std::string_view kEnd = "intent\n";
    w.room(qsizetype(kEnd.size()));
    for (const char c : kEnd)
        w.put(c);
    return written();
}

void RenameJournal::recordRenamed(qsizetype entry)
{
    char *const line = m_pending.data() + m_pendingSize;
    line[0] = 'r';
    line[1] = '\t';
    char *end = std::to_chars(line + 2, line + 21, entry).ptr;
    *end++ = '\n';
    m_pendingSize = end - m_pending.data();
    if (++m_pendingCount < kRecordBatch)
        return;
    append(QByteArrayView(m_pending.data(), m_pendingSize));
    m_pendingSize = 0;
    m_pendingCount = 0;
}

QString RenameJournal::endPass()
{
    // Not flushed: that would wait for every rename of the pass to reach the disk too,
    // which costs as much as the renames. After a power cut an unflushed end makes the
    // pass look cut off, and an undo then goes by the files' identities, as it must.
    return finish("end\n", false);
}

QString RenameJournal::beginUndo(int number)
{
    m_file.setFileName(passPath(number));
    m_writeFailed = false;
    if (!m_file.open(QIODevice::WriteOnly | QIODevice::Append | QIODevice::Unbuffered))
        return writeFailure(m_file.fileName(), m_file.errorString());
    return {};
}

void RenameJournal::recordUndone(qsizetype entry)
{
    append("u\t" + QByteArray::number(entry) + '\n');
}

QString RenameJournal::endUndo()
{
    return finish("undone\n", true);
}

bool RenameJournal::writeBytes(QFile &file, const QByteArray &bytes)
{
    return file.write(bytes) == bytes.size();
}

bool RenameJournal::syncFile(QFile &file)
{
#ifdef Q_OS_UNIX
    return ::fsync(file.handle()) == 0;
#else
    return file.flush();
#endif
}

QString RenameJournal::writeFailure(const QString &path, const QString &why) const
{
    return QCoreApplication::translate("RenameJournal", "The rename journal cannot be written (%1: %2); nothing was renamed.")
        .arg(QDir::toNativeSeparators(path), why);
}

void RenameJournal::dropOldPasses(const QList<int> &numbers)
{
    // The new pass is one of the kept ones.
    for (qsizetype i = 0; i + kKeptPasses - 1 < numbers.size(); ++i)
        QFile::remove(passPath(numbers.at(i)));
}

bool RenameJournal::append(QByteArrayView bytes)
{
    // Once a write failed, later records would leave a gap; the rest is found from
    // the files themselves, as after a crash.
    if (!m_file.isOpen() || m_writeFailed)
        return false;
    m_writeFailed = !writeBytes(m_file, QByteArray::fromRawData(bytes.data(), bytes.size()));
    return !m_writeFailed;
}

QString RenameJournal::finish(QByteArrayView line, bool sync)
{
    QString problem;
    QByteArray last(m_pending.data(), m_pendingSize);
    last.append(line);
    m_pendingSize = 0;
    m_pendingCount = 0;
    if (!append(last) || (sync && !syncFile(m_file)))
        problem = QCoreApplication::translate("RenameJournal", "The rename journal cannot be completed (%1: %2); an undo checks each file itself.")
                      .arg(QDir::toNativeSeparators(m_file.fileName()), m_file.errorString());
    m_file.close();
    unlock();
    return problem;
}

// SPDX-License-Identifier: MIT
// Copyright The Marlune developers
#pragma once

#include "FileIdentity.h"
#include "JournalLock.h"

#include <QByteArray>
#include <QByteArrayView>
#include <QDateTime>
#include <QFile>
#include <QList>
#include <QString>
#include <array>
#include <functional>
#include <memory>
#include <optional>

// One file of a journaled pass: its folder (absolute, with a trailing separator) and
// both names as bytes, and the file's identity before it was renamed.
struct JournalEntry
{
    QByteArray dir;
    QByteArray oldName;
    QByteArray newName;
    FileIdentity identity;
    bool renamed = false; // the pass recorded this rename as done
    bool undone = false;  // an undo recorded putting the old name back
};

// An entry as a new pass's intent takes it: views of bytes its giver keeps until the
// next entry is asked for, so a pass of thousands of files needs no list of them.
struct JournalEntryView
{
    QByteArrayView dir;
    QByteArrayView oldName;
    QByteArrayView newName;
    FileIdentity identity;
};

// One rename pass as the journal tells it.
struct JournalPass
{
    int number = 0;
    QDateTime time;
    QList<JournalEntry> entries;
    bool ended = false;  // ran to its end; otherwise it was cut off (a crash, a power cut)
    bool undone = false; // an undo has run over it

    bool interrupted() const { return !ended; }
    int renamedCount() const;
    // The folder of its files when they share one, else empty.
    QByteArray folder() const;
};

// The record of rename passes kept so they can be undone, even after a crash: a folder
// with one small file per pass (so starting a pass never reads the older ones), the
// newest kKeptPasses kept. A pass's intent is on disk, flushed, before its first
// rename (the one flush of a pass); done renames are appended as they happen.
// Lines are tab-separated fields; names are their bytes with control bytes and '%'
// percent-encoded, so no byte of a name is lost and a line stays one line. One program at
// a time records or undoes: the folder's lock file says who. Damaged or newer files are
// refused with a message naming the file and line, never half used.
class RenameJournal
{
public:
    static constexpr int kKeptPasses = 100;
    static constexpr int kVersion = 1;

    explicit RenameJournal(const QString &folder);
    // The journal's own folder inside the program's data folder.
    static QString folderIn(const QString &dataFolder) { return dataFolder + QStringLiteral("/journal"); }
    virtual ~RenameJournal();

    QString folder() const { return m_folder; }
    QString passPath(int number) const;

    // The passes on disk, oldest first, by number only.
    QList<int> passNumbers() const;
    // One pass read whole; a message in problem when it cannot be used.
    std::optional<JournalPass> readPass(int number, QString &problem) const;

    // The lock around a pass or an undo; a message when another program holds it.
    QString lock();
    void unlock();

    // Records a new pass's intent (the lock is taken here and kept until endPass):
    // nothing may be renamed unless this returns no message.
    QString beginPass(const QList<JournalEntry> &entries);
    // The same with the entries handed over one call of next each, count calls in all.
    QString beginPass(qsizetype count, const std::function<JournalEntryView()> &next);
    // Kept in memory and written a batch at a time: a write per rename would cost more
    // than the renames' own budget allows. A crash loses at most one batch of records,
    // and an undo finds those renames by the files' identities.
    void recordRenamed(qsizetype entry);
    QString endPass();
    static constexpr int kRecordBatch = 128;

    // Appends an undo's records to an existing pass (the lock being held).
    QString beginUndo(int number);
    void recordUndone(qsizetype entry);
    QString endUndo();

protected:
    // Where the bytes go and how they reach the disk; tests stand in a full disk or
    // watch the order of flushes and renames.
    virtual bool writeBytes(QFile &file, const QByteArray &bytes);
    virtual bool syncFile(QFile &file);

private:
    QString writeFailure(const QString &path, const QString &why) const;
    void dropOldPasses(const QList<int> &numbers);
    bool writeIntent(QFile &file, int number, qsizetype count, const std::function<JournalEntryView()> &next);
    bool append(QByteArrayView bytes);
    QString finish(QByteArrayView line, bool sync);

    QString m_folder;
    std::unique_ptr<JournalLock> m_lock;
    QFile m_file;
    bool m_writeFailed = false;
    // The batch of done records not yet written: "r", a tab, at most 19 digits, a newline.
    std::array<char, kRecordBatch * 22> m_pending;
    qsizetype m_pendingSize = 0;
    int m_pendingCount = 0;
};

// The bytes of a name as one journal field, and back.
QByteArray journalField(const QByteArray &bytes);
std::optional<QByteArray> journalBytes(const QByteArray &field);

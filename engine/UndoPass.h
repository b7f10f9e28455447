// SPDX-License-Identifier: MIT
// Copyright The Marlune developers
#pragma once

#include "FileSystem.h"
#include "RenameJournal.h"
#include "SafeRename.h"

#include <QHash>
#include <QList>
#include <QString>
#include <optional>

// Puts the old names of one journaled pass back, newest rename first, through
// SafeRename, so nothing is ever overwritten. An entry whose file changed since (its
// identity differs, or, for one taken from a listing, the file was modified after the
// pass began, or it is gone) or whose old name is taken is skipped. For a pass
// cut off by a crash, the files themselves tell which renames took place. prepare()
// takes the journal's lock and keeps it until run() or release(), so what was shown
// for confirmation is what is done.
class UndoPass
{
public:
    struct Step
    {
        enum class State { Due, Undone, Changed, Gone, Taken, Failed };

        qsizetype entry = -1;
        QByteArray dir;
        QByteArray from; // the name the pass gave
        QByteArray to;   // the name it had
        State state = State::Due;
        RenameResult rename; // why it failed, for Failed
    };

    explicit UndoPass(RenameJournal &journal, FileSystem &fs = FileSystem::native());
    ~UndoPass();

    // Chooses the pass (the newest with something left to undo, or the one numbered)
    // and checks each of its entries; a message when there is nothing to do.
    QString prepare(std::optional<int> number = std::nullopt);
    const JournalPass &pass() const { return m_pass; }
    // The entries to undo and those skipped, in the order they are undone.
    const QList<Step> &steps() const { return m_steps; }
    // Undoes the due steps and records them; a message when the journal could not be
    // completed.
    QString run();
    void release();

    // Whether the journal holds a pass with something left to undo; reads only the
    // newest passes until it finds one.
    static bool hasUndoable(const RenameJournal &journal);
    // Why a step was skipped, after the file's name.
    static QString skipReason(const Step &step);
    // How many files the pass renamed: its records, and for a pass cut off by a crash,
    // also the files found under their new names unchanged, whose renames it had no
    // time to record (an undo records those it puts back).
    static int renamesMade(const JournalPass &pass, FileSystem &fs = FileSystem::native());

private:
    // The entry's file under its new name: gone (nullopt), or whether it is unchanged.
    static std::optional<bool> unchangedUnderNewName(const JournalEntry &entry, const JournalPass &pass,
                                                     bool lastingInodes);
    void check(Step &step, const JournalEntry &entry) const;
    bool taken(const Step &step) const;
    bool lastingInodes(const QByteArray &dir) const;
    // Whether dir's file system keeps inode numbers, asked once per folder into known.
    static bool lastingInodes(QHash<QByteArray, bool> &known, FileSystem &fs, const QByteArray &dir);

    RenameJournal &m_journal;
    FileSystem &m_fs;
    JournalPass m_pass;
    QList<Step> m_steps;
    bool m_locked = false;
    // Asked once per folder: whether its files keep their inode numbers across mounts.
    mutable QHash<QByteArray, bool> m_lastingInodes;
};

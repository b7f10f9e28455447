// SPDX-License-Identifier: MIT
// Copyright The Marlune developers
#pragma once

#include "AnswerStore.h"
#include "AppFolder.h"
#include "CountSuggestion.h"
#include "Dialogs.h"
#include "FileSystem.h"
#include "NameDecoder.h"
#include "NamingMode.h"
#include "NativeName.h"
#include "RenameHost.h"
#include "RenameJournal.h"
#include "RenamePlan.h"
#include "SafeRename.h"

#include <QList>
#include <QString>
#include <QStringList>

// The two-phase rename pass behind the Preview/Rename buttons. The first DoIt builds a
// rename plan (one proposal per chosen file, asking word counts in the default mode and
// keeping them in the answer store); the second renames the selected proposals and
// returns to browsing. ClearPreview drops a preview. The pass drives the window through
// its host: the captions, the browsing controls and the messages. Every rename phase is
// recorded in the rename journal of the data folder, so it can be undone.
class RenamePass
{
public:
    // One preview entry: the proposal (or "Empty") and the file it is for.
    using Entry = PlanEntry;

    // What the last rename phase did.
    struct Outcome
    {
        int renamed = 0;
        int failed = 0;
    };

    RenamePass(RenameHost &host, Dialogs &dialogs, const AppFolder &appFolder,
               FileSystem &fs = FileSystem::native());

    // One press of the Preview/Rename button: previews when lstFiles is empty, else renames.
    void DoIt();
    // The Clear button: drops a pending preview and its stored answers.
    void ClearPreview();

    // How names that are not UTF-8 are shown and proposed (Windows-1252 unless set).
    void setNameDecoder(const NameDecoder &decoder) { m_decoder = decoder; }

    // What the files' tags suggest as the count prompt's answer; none unless set.
    void setCountSuggestion(CountSuggestion *suggestion) { m_suggestion = suggestion; }

    // lstFiles: the entries' texts, their selection, and the entries themselves.
    QStringList lstFiles() const;
    // Each entry's conflict as the preview found it, empty where there is none.
    QStringList conflicts() const;
    const QList<Entry> &entries() const { return m_plan.entries(); }
    void setSelected(int entry, bool selected);
    // sDirs and sNames, kept in step with lstFiles.
    QStringList sDirs() const;
    QStringList sNames() const;
    // The paths found on the command line by the last command-line preview.
    const QStringList &sCmdFiles() const { return m_sCmdFiles; }
    bool bPreview() const { return m_bPreview; }
    Outcome lastOutcome() const { return m_outcome; }

    // Set by start-up before the first DoIt: that pass works on the command-line files.
    bool b_Arg = false;

    // The message shown for one failed rename; oldName is the entry's sNames.
    static QString failureMessage(const RenameResult &result, const QString &oldName);
    static QString errorMessage(const ErrorInfo &error);
    // The message for an entry that applyPlan did not rename, the plan's own count
    // being the one it was checked with.
    static QString resultMessage(const PlanEntry &entry, const PlanResult &result);

private:
    using FileRef = RenamePlan::Source;

    void previewPhase();
    void renamePhase();
    void buildPreview(const QList<FileRef> &files, NamingMode mode);
    void markConflicts();
    void showError(const ErrorInfo &error);
    void showResult(const PlanResult &result, const AnswerStore::Contents &stored, const QList<qsizetype> &positions);
    QList<FileRef> commandLineFiles();
    void returnToBrowsing();

    RenameHost &m_host;
    Dialogs &m_dialogs;
    AnswerStore m_store;
    FileSystem &m_fs;
    RenameJournal m_journal;
    NameDecoder m_decoder;
    RenamePlan m_plan;
    QStringList m_sCmdFiles;
    bool m_bPreview = false;
    Outcome m_outcome;
    CountSuggestion *m_suggestion = nullptr;
};

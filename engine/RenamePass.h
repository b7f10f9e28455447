#pragma once

#include "AnswerStore.h"
#include "AppFolder.h"
#include "Dialogs.h"
#include "FileSystem.h"
#include "NameDecoder.h"
#include "NamingMode.h"
#include "NativeName.h"
#include "RenameHost.h"
#include "SafeRename.h"

#include <QList>
#include <QString>
#include <QStringList>

// The two-phase rename pass behind the Preview/Rename buttons. The first DoIt builds a
// preview (one proposal per chosen file, asking word counts in the default mode); the
// second renames the selected proposals and returns to browsing. ClearPreview drops a
// preview. The pass owns the preview entries, each paired with its file's folder and
// name; the host only shows them and reports the user's selection back.
class RenamePass
{
public:
    // One preview entry: the proposal (or "Empty") and the file it is for.
    struct Entry
    {
        QString text;
        bool selected = false;
        QString dir;   // folder with a trailing separator (sDirs)
        QString name;  // present name (sNames), as shown
        bool hasProposal = true; // false for an "Empty" entry: never renamed
        QByteArray nativeDir;  // the bytes the file is addressed by
        QByteArray nativeName;
    };

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

    // Builds a preview of the given files (full paths) in the given mode, as DoIt does
    // for the file list. For callers with their own list of files, such as marlune-cli,
    // which give the paths' native bytes.
    void previewFiles(const QStringList &paths, NamingMode mode);
    void previewFiles(const QList<QByteArray> &nativePaths, NamingMode mode);

    // How names that are not UTF-8 are shown and proposed (Windows-1252 unless set).
    void setNameDecoder(const NameDecoder &decoder) { m_decoder = decoder; }

    // lstFiles: the entries' texts, their selection, and the entries themselves.
    QStringList lstFiles() const;
    const QList<Entry> &entries() const { return m_entries; }
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

private:
    struct FileRef
    {
        NativeName dir;
        NativeName name;
    };

    FileRef splitUnquoted(const QByteArray &path) const;
    void previewPhase();
    void renamePhase();
    void buildPreview(const QList<FileRef> &files, NamingMode mode);
    void showError(const ErrorInfo &error);
    QList<FileRef> commandLineFiles();
    void returnToBrowsing();

    RenameHost &m_host;
    Dialogs &m_dialogs;
    AnswerStore m_store;
    FileSystem &m_fs;
    NameDecoder m_decoder;
    QList<Entry> m_entries;
    QStringList m_sCmdFiles;
    NamingMode m_mode = NamingMode::Format;
    bool m_bPreview = false;
    Outcome m_outcome;
};

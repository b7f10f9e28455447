// SPDX-License-Identifier: MIT
// Copyright The Marlune developers
#include "RenamePass.h"

#include "AskingCountSource.h"
#include "JournaledApply.h"
#include "NameNormaliser.h"
#include "PathHelpers.h"
#include "PlanConflicts.h"

#include <QCoreApplication>

namespace {

const char *const kPreview = QT_TRANSLATE_NOOP("RenamePass", "Preview");
const char *const kRename = QT_TRANSLATE_NOOP("RenamePass", "Rename");

// Why a recomputed target differs from the confirmed preview text.
ErrorInfo mismatchError(const ErrorInfo &storeError, bool pastEnd, const std::optional<int> &count)
{
    if (storeError)
        return storeError;
    if (pastEnd)
        return {62, QStringLiteral(QT_TRANSLATE_NOOP("ErrorInfo", "Input past end of file"))};
    if (!count)
        return {13, QStringLiteral(QT_TRANSLATE_NOOP("ErrorInfo", "Type mismatch"))};
    return {5, QStringLiteral(QT_TRANSLATE_NOOP("ErrorInfo", "The stored word count no longer matches the preview"))};
}

} // namespace

RenamePass::RenamePass(RenameHost &host, Dialogs &dialogs, const AppFolder &appFolder, FileSystem &fs)
    : m_host(host), m_dialogs(dialogs), m_store(appFolder.CacheFile(QStringLiteral("renamer.dat"))), m_fs(fs),
      m_journal(RenameJournal::folderIn(appFolder.dataFolder()))
{
}

void RenamePass::DoIt()
{
    if (m_plan.isEmpty())
        previewPhase();
    else
        renamePhase();
}

void RenamePass::ClearPreview()
{
    if (m_plan.isEmpty())
        return;
    m_plan = {};
    m_host.showPreviewEntries({});
    m_host.setButtonCaptions(QCoreApplication::translate("RenamePass", kPreview));
    b_Arg = false;
    m_host.EnableControls(true);
    m_store.remove();
}

QStringList RenamePass::lstFiles() const
{
    QStringList texts;
    texts.reserve(m_plan.size());
    for (const Entry &e : m_plan.entries())
        texts.append(e.proposal);
    return texts;
}

QStringList RenamePass::conflicts() const
{
    QStringList reasons;
    reasons.reserve(m_plan.size());
    for (const Entry &e : m_plan.entries())
        reasons.append(e.conflict.text());
    return reasons;
}

void RenamePass::markConflicts()
{
    QList<QByteArray> folders;
    folders.reserve(m_plan.size());
    for (const Entry &e : m_plan.entries())
        folders.append(e.dir.native());
    FolderKinds kinds(folders, m_fs);
    PlanConflicts(kinds, m_fs).mark(m_plan);
}

void RenamePass::setSelected(int entry, bool selected)
{
    m_plan.setSelected(entry, selected);
}

QStringList RenamePass::sDirs() const
{
    QStringList dirs;
    for (const Entry &e : m_plan.entries())
        dirs.append(e.dir.text());
    return dirs;
}

QStringList RenamePass::sNames() const
{
    QStringList names;
    for (const Entry &e : m_plan.entries())
        names.append(e.source.text());
    return names;
}

void RenamePass::previewPhase()
{
    if (b_Arg) {
        buildPreview(commandLineFiles(), NamingMode::Format);
        // A command line that named no usable file leaves Preview working on the file list.
        if (m_plan.isEmpty())
            b_Arg = false;
        return;
    }
    const NativeName dir = m_host.currentFolderName().withSlash();
    QList<FileRef> files;
    for (const NativeName &name : m_host.selectedFiles())
        files.append({dir, name});
    buildPreview(files, m_host.namingMode());
}

QList<RenamePass::FileRef> RenamePass::commandLineFiles()
{
    const CommandLine commandLine = m_host.commandLine();
    QList<FileRef> files;
    if (commandLine.form == CommandLine::Form::WindowsText) {
        m_sCmdFiles = ::commandLineFiles(commandLine);
        for (const QString &path : std::as_const(m_sCmdFiles))
            files.append({NativeName::fromText(SplitPath(PathPart::Folder, path, PathStyle::Windows)),
                          NativeName::fromText(SplitPath(PathPart::FileName, path, PathStyle::Windows))});
        return files;
    }
    m_sCmdFiles.clear();
    for (const QByteArray &path : nativeCommandLineFiles(commandLine)) {
        m_sCmdFiles.append(m_decoder.text(path));
        files.append(RenamePlan::sourceOf(path, m_decoder));
    }
    return files;
}

void RenamePass::buildPreview(const QList<FileRef> &files, NamingMode mode)
{
    m_bPreview = true;
    // Left-over answers of an earlier run would be replayed as this preview's.
    m_store.remove();
    AskingCountSource counts(m_dialogs, &m_store);
    counts.setSuggestion(m_suggestion);
    m_plan = {};
    for (const FileRef &file : files) {
        counts.setFile(file.dir.native() + file.name.native());
        m_plan.add(file, mode, counts);
        if (const ErrorInfo error = counts.takeError())
            showError(error);
    }
    if (m_plan.isEmpty())
        return;
    markConflicts();
    m_host.showPreviewEntries(lstFiles());
    m_host.showPreviewConflicts(conflicts());
    m_host.setButtonCaptions(QCoreApplication::translate("RenamePass", kRename));
    m_host.EnableControls(false);
}

void RenamePass::renamePhase()
{
    m_bPreview = false;
    m_outcome = {};
    // Read once: the k-th line belongs to the k-th entry that has a proposal.
    AnswerStore::Contents stored;
    if (!m_plan.isEmpty() && m_plan.entries().first().mode == NamingMode::Format) {
        stored = m_store.read();
        m_plan.setCounts(stored.counts);
    }
    QList<qsizetype> positions;
    qsizetype k = 0;
    for (const Entry &entry : m_plan.entries())
        positions.append(entry.hasProposal() ? k++ : -1);
    const JournaledOutcome outcome = applyJournaled(m_plan, &m_journal, m_fs, nullptr,
                                                    [&](const PlanResult &result) { showResult(result, stored, positions); });
    // A pass the journal refused renamed nothing: the preview stays for another try.
    for (const QString &problem : {outcome.refused, outcome.warning}) {
        if (!problem.isEmpty())
            m_dialogs.showMessage(problem, Dialogs::Icon::None, applicationTitle());
    }
    if (!outcome.refused.isEmpty()) {
        m_bPreview = true;
        return;
    }
    b_Arg = false;
    returnToBrowsing();
}

void RenamePass::showResult(const PlanResult &result, const AnswerStore::Contents &stored,
                            const QList<qsizetype> &positions)
{
    const Entry &entry = m_plan.entries().at(result.entry);
    switch (result.state) {
    case PlanEntry::State::Renamed:
        ++m_outcome.renamed;
        return;
    case PlanEntry::State::Changed:
        showError(mismatchError(stored.error, positions.at(result.entry) >= stored.counts.size(), entry.count));
        break;
    default:
        m_dialogs.showMessage(failureMessage(result.rename, entry.source.text()), Dialogs::Icon::None,
                              applicationTitle());
        break;
    }
    ++m_outcome.failed;
}

void RenamePass::returnToBrowsing()
{
    m_host.refreshFileList();
    m_plan = {};
    m_host.showPreviewEntries({});
    m_host.setButtonCaptions(QCoreApplication::translate("RenamePass", kPreview));
    m_host.EnableControls(true);
    m_store.remove();
}

void RenamePass::showError(const ErrorInfo &error)
{
    m_dialogs.showMessage(errorMessage(error), Dialogs::Icon::None, applicationTitle());
}

QString RenamePass::failureMessage(const RenameResult &result, const QString &oldName)
{
    switch (result.failure) {
    case RenameFailure::TargetExists:
        return QCoreApplication::translate("RenamePass", "Error renaming ") + oldName
            + QCoreApplication::translate("RenamePass", ".\r\nThe new desired filename already exists.");
    case RenameFailure::AccessDenied:
        return QCoreApplication::translate("RenamePass", "Error renaming ") + oldName
            + QCoreApplication::translate("RenamePass",
                                          ".\r\nThis file cannot be renamed since it's currently in use by windows.");
    default:
        return errorMessage(result.error);
    }
}

QString RenamePass::resultMessage(const PlanEntry &entry, const PlanResult &result)
{
    if (result.state == PlanEntry::State::Changed)
        return errorMessage(mismatchError({}, false, entry.count));
    return failureMessage(result.rename, entry.source.text());
}

QString RenamePass::errorMessage(const ErrorInfo &error)
{
    return QCoreApplication::translate("RenamePass", "There was an error renaming the file: \r\n")
        + QString::number(error.number)
        + QChar(u' ') + error.shownDescription();
}

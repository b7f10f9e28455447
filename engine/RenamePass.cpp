#include "RenamePass.h"

#include "AskingCountSource.h"
#include "NameNormaliser.h"
#include "PathHelpers.h"

#include <QCoreApplication>

namespace {

const char *const kPreview = QT_TRANSLATE_NOOP("RenamePass", "Preview");
const char *const kRename = QT_TRANSLATE_NOOP("RenamePass", "Rename");

// Why a recomputed target differs from the confirmed preview text.
ErrorInfo mismatchError(const AnswerStore::Contents &stored, int position, const std::optional<int> &count)
{
    if (stored.error)
        return stored.error;
    if (position >= stored.counts.size())
        return {62, QStringLiteral(QT_TRANSLATE_NOOP("ErrorInfo", "Input past end of file"))};
    if (!count)
        return {13, QStringLiteral(QT_TRANSLATE_NOOP("ErrorInfo", "Type mismatch"))};
    return {5, QStringLiteral(QT_TRANSLATE_NOOP("ErrorInfo", "The stored word count no longer matches the preview"))};
}

} // namespace

RenamePass::FileRef RenamePass::splitUnquoted(const QByteArray &path) const
{
    // Paths that arrive as arguments carry no quotes: a double quote is part of the name.
    // Separators are ASCII, so the bytes split where the text would.
    qsizetype p = path.size() - 1;
    while (p >= 0 && !isPathSeparator(QLatin1Char(path.at(p))))
        --p;
    return {m_decoder.decode(path.left(p + 1)), m_decoder.decode(path.mid(p + 1))};
}

RenamePass::RenamePass(RenameHost &host, Dialogs &dialogs, const AppFolder &appFolder, FileSystem &fs)
    : m_host(host), m_dialogs(dialogs), m_store(appFolder.CacheFile(QStringLiteral("renamer.dat"))), m_fs(fs)
{
}

void RenamePass::DoIt()
{
    if (m_entries.isEmpty())
        previewPhase();
    else
        renamePhase();
}

void RenamePass::ClearPreview()
{
    if (m_entries.isEmpty())
        return;
    m_entries.clear();
    m_host.showPreviewEntries({});
    m_host.setButtonCaptions(QCoreApplication::translate("RenamePass", kPreview));
    b_Arg = false;
    m_host.EnableControls(true);
    m_store.remove();
}

void RenamePass::previewFiles(const QStringList &paths, NamingMode mode)
{
    if (!m_entries.isEmpty())
        return;
    QList<QByteArray> nativePaths;
    for (const QString &path : paths)
        nativePaths.append(NativeName::fromText(path).native());
    previewFiles(nativePaths, mode);
}

void RenamePass::previewFiles(const QList<QByteArray> &nativePaths, NamingMode mode)
{
    if (!m_entries.isEmpty())
        return;
    QList<FileRef> files;
    for (const QByteArray &path : nativePaths)
        files.append(splitUnquoted(path));
    buildPreview(files, mode);
}

QStringList RenamePass::lstFiles() const
{
    QStringList texts;
    texts.reserve(m_entries.size());
    for (const Entry &e : m_entries)
        texts.append(e.text);
    return texts;
}

void RenamePass::setSelected(int entry, bool selected)
{
    if (entry >= 0 && entry < m_entries.size())
        m_entries[entry].selected = selected;
}

QStringList RenamePass::sDirs() const
{
    QStringList dirs;
    for (const Entry &e : m_entries)
        dirs.append(e.dir);
    return dirs;
}

QStringList RenamePass::sNames() const
{
    QStringList names;
    for (const Entry &e : m_entries)
        names.append(e.name);
    return names;
}

void RenamePass::previewPhase()
{
    if (b_Arg) {
        buildPreview(commandLineFiles(), NamingMode::Format);
        // A command line that named no usable file leaves Preview working on the file list.
        if (m_entries.isEmpty())
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
        files.append(splitUnquoted(path));
    }
    return files;
}

void RenamePass::buildPreview(const QList<FileRef> &files, NamingMode mode)
{
    m_bPreview = true;
    m_mode = mode;
    // Left-over answers of an earlier run would be replayed as this preview's.
    m_store.remove();
    AskingCountSource counts(m_dialogs, m_store);
    for (const FileRef &file : files) {
        const QString text = ApplyNamingMode(mode, file.name.text(), counts);
        if (const ErrorInfo error = counts.takeError())
            showError(error);
        const bool hasProposal = !(mode == NamingMode::Format && text == emptyProposal());
        m_entries.append({text, false, file.dir.text(), file.name.text(), hasProposal, file.dir.native(),
                          file.name.native()});
    }
    if (m_entries.isEmpty())
        return;
    m_host.showPreviewEntries(lstFiles());
    m_host.setButtonCaptions(QCoreApplication::translate("RenamePass", kRename));
    m_host.EnableControls(false);
}

void RenamePass::renamePhase()
{
    m_bPreview = false;
    m_outcome = {};
    // Read once: the k-th line belongs to the k-th entry that has a proposal.
    AnswerStore::Contents stored;
    if (m_mode == NamingMode::Format)
        stored = m_store.read();
    int position = 0;
    for (const Entry &entry : std::as_const(m_entries)) {
        if (!entry.hasProposal)
            continue;
        const int k = position++;
        if (!entry.selected)
            continue;
        const std::optional<int> count = k < stored.counts.size() ? stored.counts.at(k) : std::nullopt;
        FixedCountSource source(count);
        const QString target = ApplyNamingMode(m_mode, entry.text, source);
        // The user confirmed the preview text; anything else is not what they agreed to.
        if (target != entry.text) {
            showError(mismatchError(stored, k, count));
            ++m_outcome.failed;
            continue;
        }
        // Written in UTF-8 whatever the old name's encoding: renaming repairs the name,
        // also when the text shown was already right.
        const RenameResult result =
            SafeRename(entry.nativeDir, entry.nativeName, NativeName::fromText(target).native(), m_fs);
        if (result.ok()) {
            ++m_outcome.renamed;
        } else {
            m_dialogs.showMessage(failureMessage(result, entry.name), Dialogs::Icon::None, applicationTitle());
            ++m_outcome.failed;
        }
    }
    b_Arg = false;
    returnToBrowsing();
}

void RenamePass::returnToBrowsing()
{
    m_host.refreshFileList();
    m_entries.clear();
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

QString RenamePass::errorMessage(const ErrorInfo &error)
{
    return QCoreApplication::translate("RenamePass", "There was an error renaming the file: \r\n")
        + QString::number(error.number)
        + QChar(u' ') + error.shownDescription();
}

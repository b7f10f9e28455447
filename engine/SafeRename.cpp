#include "SafeRename.h"

#include "PathHelpers.h"

#ifdef Q_OS_WIN
#include <windows.h>
#else
#include <cerrno>
#endif

namespace {

RenameResult failed(int code, FileSystem &fs)
{
    switch (classifyRenameError(code)) {
    case RenameFailure::TargetExists:
        return {RenameFailure::TargetExists,
                {58, QStringLiteral(QT_TRANSLATE_NOOP("ErrorInfo", "File already exists"))}};
    case RenameFailure::AccessDenied:
        return {RenameFailure::AccessDenied,
                {75, QStringLiteral(QT_TRANSLATE_NOOP("ErrorInfo", "Path/File access error"))}};
    default:
        return {RenameFailure::Other, {code, fs.describe(code)}};
    }
}

bool isExistsError(int code)
{
    return classifyRenameError(code) == RenameFailure::TargetExists;
}

#ifdef Q_OS_WIN
constexpr int kInvalidName = ERROR_INVALID_NAME;

int moveNoReplace(FileSystem &fs, const QString &from, const QString &to)
{
    return fs.renameNoReplace(from, to);
}
#else
constexpr int kInvalidName = EINVAL;

// renameat2 answers EINVAL where a file system (NFS, some FUSE) lacks RENAME_NOREPLACE,
// ENOSYS on old kernels. Then a hard link refuses an existing target just as well; where
// links are missing too (vfat), a rename after checking that the target is absent.
int moveNoReplace(FileSystem &fs, const QString &from, const QString &to)
{
    const int code = fs.renameNoReplace(from, to);
    if (code != EINVAL && code != ENOSYS)
        return code;
    const int linkCode = fs.hardLink(from, to);
    if (linkCode == 0) {
        const int unlinkCode = fs.removeFile(from);
        if (unlinkCode != 0)
            fs.removeFile(to);
        return unlinkCode;
    }
    if (linkCode == EEXIST)
        return linkCode;
    if (fs.exists(to))
        return EEXIST;
    return fs.renameReplacing(from, to);
}
#endif

bool isValidTargetName(const QString &name)
{
    if (name.isEmpty() || name == QLatin1String(".") || name == QLatin1String(".."))
        return false;
    for (const QChar c : name) {
        if (c.isNull() || isPathSeparator(c))
            return false;
    }
    return true;
}

// A name whose bytes were not valid UTF-8 reaches us with replacement characters; its
// encoded form is another name, possibly another file's, so it is never touched.
#ifndef Q_OS_WIN
bool wasUndecodable(const QString &name)
{
    return name.contains(QChar::ReplacementCharacter);
}
#endif

RenameResult renameThroughTemporaryName(FileSystem &fs, const QString &folder, const QString &from,
                                        const QString &oldName, const QString &to)
{
    QString temporary;
    int code = 0;
    for (int attempt = 0; attempt < 100; ++attempt) {
        temporary = folder + QStringLiteral(".marlune-%1-").arg(attempt) + oldName;
        code = moveNoReplace(fs, from, temporary);
        if (!isExistsError(code))
            break;
    }
    if (code != 0)
        return failed(code, fs);
    code = moveNoReplace(fs, temporary, to);
    if (code != 0) {
        moveNoReplace(fs, temporary, from);
        return failed(code, fs);
    }
    return {};
}

} // namespace

RenameFailure classifyRenameError(int code)
{
#ifdef Q_OS_WIN
    switch (code) {
    case ERROR_FILE_EXISTS:
    case ERROR_ALREADY_EXISTS:
        return RenameFailure::TargetExists;
    case ERROR_ACCESS_DENIED:
    case ERROR_SHARING_VIOLATION:
    case ERROR_LOCK_VIOLATION:
    case ERROR_WRITE_PROTECT:
        return RenameFailure::AccessDenied;
    default:
        return code == 0 ? RenameFailure::None : RenameFailure::Other;
    }
#else
    switch (code) {
    case 0:
        return RenameFailure::None;
    case EEXIST:
    case ENOTEMPTY:
        return RenameFailure::TargetExists;
    case EACCES:
    case EPERM:
    case EBUSY:
    case ETXTBSY:
    case EROFS:
        return RenameFailure::AccessDenied;
    default:
        return RenameFailure::Other;
    }
#endif
}

RenameResult SafeRename(const QString &folder, const QString &oldName, const QString &newName, FileSystem &fs)
{
    if (newName == oldName)
        return {};
    if (!isValidTargetName(newName))
        return {RenameFailure::Other, {kInvalidName, fs.describe(kInvalidName)}};
#ifndef Q_OS_WIN
    if (wasUndecodable(oldName) || wasUndecodable(newName))
        return {RenameFailure::Other, {EILSEQ, fs.describe(EILSEQ)}};
#endif
    const QString from = folder + oldName;
    const QString to = folder + newName;
    const int code = moveNoReplace(fs, from, to);
    if (code == 0)
        return {};
    const bool caseOnly = QString::compare(oldName, newName, Qt::CaseInsensitive) == 0;
    if (isExistsError(code) && caseOnly && fs.sameFile(from, to))
        return renameThroughTemporaryName(fs, folder, from, oldName, to);
    return failed(code, fs);
}

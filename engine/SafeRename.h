#pragma once

#include "ErrorInfo.h"
#include "FileSystem.h"

#include <QString>

// How a rename failed, in the three kinds the user is told apart.
enum class RenameFailure { None, TargetExists, AccessDenied, Other };

struct RenameResult
{
    RenameFailure failure = RenameFailure::None;
    // 58 for TargetExists, 75 for AccessDenied, else the platform's number and text.
    ErrorInfo error;

    bool ok() const { return failure == RenameFailure::None; }
};

// Renames folder + oldName to folder + newName (folder ends with a separator) and never
// replaces an existing file. A new name equal to the old one succeeds without touching
// anything; a change of letter case only also works where the file system ignores case
// (through a temporary name, the old name restored if the second step fails). A new name
// that is empty, "." or "..", holds a separator, or a name that was not valid UTF-8 on
// disk is refused before any call.
RenameResult SafeRename(const QString &folder, const QString &oldName, const QString &newName,
                        FileSystem &fs = FileSystem::native());

// The failure kind of a platform error code.
RenameFailure classifyRenameError(int code);

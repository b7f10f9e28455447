// SPDX-License-Identifier: MIT
// Copyright The Marlune developers
#pragma once

#include "ErrorInfo.h"
#include "Preferences.h"

#include <QByteArray>
#include <QString>

// What loading renamer.ini changes, one step at a time, in file order. The
// preferences store implements it; setDefaultDirectory and showProgramFolder say
// where the main window's folder list is to go.
class RenamerIniTarget
{
public:
    virtual ~RenamerIniTarget();

    virtual void setOption(Preferences::Option option, bool checked) = 0;
    virtual void setTaskbarHeight(const QString &text) = 0;
    // The folder lists are to show dir; false when the folder no longer exists
    // or its drive is not ready (the load stops there).
    virtual bool setDefaultDirectory(const QString &dir) = 0;
    virtual void setDefaultDirectoryText(const QString &text) = 0;
    virtual void showProgramFolder() = 0;
    virtual void setPlayerPath(const QString &path) = 0; // the path text and WinampPath
};

// renamer.ini: seven quoted-field lines holding the six preferences.
class RenamerIni
{
public:
    static constexpr int kLineCount = 7;
    // More than any real file holds; a huge or binary file is not read whole.
    static constexpr qint64 kMaxBytes = 64 * 1024;

    // Applies the file at path to target line by line. A missing file changes
    // nothing; a damaged one stops at the first line it cannot apply, keeping
    // what was applied before. Never reports anything.
    static void load(const QString &path, RenamerIniTarget &target);
    static void apply(const QByteArray &bytes, RenamerIniTarget &target);

    // The file's bytes for these preferences, exactly as they are saved.
    static QByteArray render(const Preferences &prefs);
    // Writes the file whole or not at all (the old file stays on failure).
    static ErrorInfo save(const QString &path, const Preferences &prefs);

    static QString saveErrorMessage();
};

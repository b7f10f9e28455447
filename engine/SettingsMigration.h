// SPDX-License-Identifier: MIT
// Copyright The Marlune developers
#pragma once

#include <QString>
#include <QStringList>

// Earlier versions kept renamer.ini and hostinfo.ini in the per-user data folder
// (under a doubled name). On start the ones found there move to the configuration
// folder, each only when the configuration folder has none of that name yet. A move
// is a copy, read back and compared, before the old file goes: an old file that
// cannot be read, is not text, or whose copy fails stays where it is.
class SettingsMigration
{
public:
    struct Outcome
    {
        QStringList moved; // names now in the new folder and gone from the old one
        // Names left in the old folder because they could not be read or copied; an
        // old file that the new folder already has is left without being listed.
        QStringList kept;
    };

    SettingsMigration(const QString &oldFolder, const QString &newFolder);

    // The data folder the earlier versions used; the application name must be set.
    static QString standardOldFolder();

    Outcome run() const;

private:
    enum class Step { Skipped, Moved, Kept };
    Step moveOne(const QString &name) const;

    QString m_old;
    QString m_new;
};

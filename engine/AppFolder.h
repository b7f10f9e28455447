// SPDX-License-Identifier: MIT
// Copyright The Marlune developers
#pragma once

#include <QString>

// Where the program keeps its files and where the folder list starts when no
// default directory is stored. The settings (renamer.ini, hostinfo.ini) live in the
// configuration folder, the answer store (renamer.dat) in the cache folder, the rename
// journal in the data folder. A
// portable copy (one whose executable's folder already holds a renamer.ini) keeps
// everything beside the executable and starts there. main() builds one and hands it
// to whoever needs it; tests build one on scratch folders. Read-only media are found
// by MediaLocator instead. Folders are not created here: the writers make them when
// they first write.
class AppFolder
{
public:
    // The candidate folders, as the platform names them for this user.
    struct Places
    {
        QString executable;
        QString config;
        QString cache;
        QString music;
        QString home;
        QString data;
    };

    // Everything in one folder: a portable copy, or a scratch folder.
    explicit AppFolder(const QString &folder);
    AppFolder(const QString &configFolder, const QString &cacheFolder, const QString &startFolder);

    // The platform's folders for this user; the application name must be set.
    static Places standardPlaces(const QString &executableFolder);
    static AppFolder choose(const Places &places);
    static AppFolder forExecutable(const QString &executableFolder);
    static bool isPortable(const QString &executableFolder);

    QString configFolder() const { return m_config; }
    QString cacheFolder() const { return m_cache; }
    // The data folder; the configuration folder unless set.
    QString dataFolder() const { return m_data.isEmpty() ? m_config : m_data; }
    void setDataFolder(const QString &folder) { m_data = folder; }
    QString startFolder() const { return m_start; }
    void setConfigFolder(const QString &folder) { m_config = folder; }
    void setCacheFolder(const QString &folder) { m_cache = folder; }
    void setStartFolder(const QString &folder) { m_start = folder; }

    // The full path of a settings file (renamer.ini, hostinfo.ini).
    QString AppFile(const QString &name) const;
    // The full path of a file that may be lost without harm (renamer.dat).
    QString CacheFile(const QString &name) const;

private:
    QString m_config;
    QString m_cache;
    QString m_data;
    QString m_start;
};

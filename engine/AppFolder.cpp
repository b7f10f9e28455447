// SPDX-License-Identifier: MIT
// Copyright The Marlune developers
#include "AppFolder.h"

#include "PathHelpers.h"

#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

AppFolder::AppFolder(const QString &folder)
    : AppFolder(folder, folder, folder)
{
}

AppFolder::AppFolder(const QString &configFolder, const QString &cacheFolder, const QString &startFolder)
    : m_config(configFolder), m_cache(cacheFolder), m_start(startFolder)
{
}

AppFolder::Places AppFolder::standardPlaces(const QString &executableFolder)
{
    Places places;
    places.executable = executableFolder;
    places.config = QStandardPaths::writableLocation(QStandardPaths::AppConfigLocation);
    places.cache = QStandardPaths::writableLocation(QStandardPaths::CacheLocation);
    // Named outright rather than by the application's name, so that the window and
    // marlune-cli share one rename journal.
    places.data = QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation) + QStringLiteral("/marlune");
    places.music = QStandardPaths::writableLocation(QStandardPaths::MusicLocation);
    places.home = QDir::homePath();
    return places;
}

AppFolder AppFolder::choose(const Places &places)
{
    if (isPortable(places.executable))
        return AppFolder(places.executable);
    // The music folder is only named by the desktop's user-dirs file or a default;
    // it need not exist, and a folder list cannot start in a missing folder.
    const bool musicExists = !places.music.isEmpty() && QFileInfo(places.music).isDir();
    AppFolder folder(places.config, places.cache, musicExists ? places.music : places.home);
    folder.setDataFolder(places.data);
    return folder;
}

AppFolder AppFolder::forExecutable(const QString &executableFolder)
{
    return choose(standardPlaces(executableFolder));
}

bool AppFolder::isPortable(const QString &executableFolder)
{
    if (executableFolder.isEmpty())
        return false;
    return QFileInfo(AddSlash(executableFolder) + QStringLiteral("renamer.ini")).isFile();
}

QString AppFolder::AppFile(const QString &name) const
{
    return AddSlash(m_config) + name;
}

QString AppFolder::CacheFile(const QString &name) const
{
    return AddSlash(m_cache) + name;
}

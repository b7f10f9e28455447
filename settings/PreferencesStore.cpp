// SPDX-License-Identifier: MIT
// Copyright The Marlune developers
#include "PreferencesStore.h"

#include <QFileInfo>

PreferencesStore::PreferencesStore(QString iniPath, QObject *parent)
    : QObject(parent)
    , m_iniPath(std::move(iniPath))
{
}

template <typename T>
void PreferencesStore::assign(T &field, const T &value)
{
    if (field == value)
        return;
    field = value;
    if (m_loading)
        m_changedWhileLoading = true;
    else
        Q_EMIT changed();
}

void PreferencesStore::setOption(Preferences::Option option, bool on)
{
    assign(m_prefs.options[option], on);
}

void PreferencesStore::setTaskbarHeight(const QString &text)
{
    assign(m_prefs.taskbarHeight, text);
}

void PreferencesStore::setDefaultDirectoryText(const QString &text)
{
    assign(m_prefs.defaultDirectory, text);
}

void PreferencesStore::setPlayerPathText(const QString &text)
{
    assign(m_prefs.playerPath, text);
}

void PreferencesStore::setDefaults()
{
    const Preferences factory;
    Preferences prefs = m_prefs;
    prefs.options = factory.options;
    prefs.taskbarHeight = factory.taskbarHeight;
    assign(m_prefs, prefs);
}

StartFolder PreferencesStore::load()
{
    m_loadedFolder = StartFolder();
    m_loading = true;
    m_changedWhileLoading = false;
    RenamerIni::load(m_iniPath, *this);
    m_loading = false;
    if (m_changedWhileLoading)
        Q_EMIT changed();
    return m_loadedFolder;
}

ErrorInfo PreferencesStore::save()
{
    const ErrorInfo error = RenamerIni::save(m_iniPath, m_prefs);
    if (!error && winampLocation())
        assign(m_winampPath, m_prefs.playerPath.trimmed());
    return error;
}

// The folder list would refuse a folder that is gone or on a drive that is not
// ready; the load stops there as it would have.
bool PreferencesStore::setDefaultDirectory(const QString &dir)
{
    if (!QFileInfo(dir).isDir())
        return false;
    m_loadedFolder = {StartFolder::Kind::Directory, dir};
    return true;
}

void PreferencesStore::showProgramFolder()
{
    m_loadedFolder = {StartFolder::Kind::ProgramFolder, QString()};
}

void PreferencesStore::setPlayerPath(const QString &path)
{
    setPlayerPathText(path);
    assign(m_winampPath, path);
}

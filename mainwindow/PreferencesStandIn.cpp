#include "PreferencesStandIn.h"

PreferencesStandIn::PreferencesStandIn(QString iniPath, FolderLists folders)
    : m_iniPath(std::move(iniPath))
    , m_folders(std::move(folders))
{
}

void PreferencesStandIn::CheckINIFile()
{
    RenamerIni::load(m_iniPath, *this);
}

ErrorInfo PreferencesStandIn::SaveSettings() const
{
    return RenamerIni::save(m_iniPath, prefs);
}

bool PreferencesStandIn::chkOpt(int index) const
{
    return index >= 0 && index < int(prefs.chkOpt.size()) && prefs.chkOpt[std::size_t(index)];
}

void PreferencesStandIn::setOption(Preferences::Option option, bool checked)
{
    prefs.chkOpt[option] = checked;
}

void PreferencesStandIn::setTaskbarHeight(const QString &text)
{
    prefs.taskbarHeight = text;
}

bool PreferencesStandIn::setDefaultDirectory(const QString &dir)
{
    return m_folders.setDefaultDirectory && m_folders.setDefaultDirectory(dir);
}

void PreferencesStandIn::setDefaultDirectoryText(const QString &text)
{
    prefs.defaultDirectory = text;
}

void PreferencesStandIn::showProgramFolder()
{
    if (m_folders.showProgramFolder)
        m_folders.showProgramFolder();
}

void PreferencesStandIn::setPlayerPath(const QString &path)
{
    prefs.playerPath = path;
    m_winampPath = path;
}

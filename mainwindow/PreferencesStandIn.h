#pragma once

#include "ChromeSettings.h"
#include "MainSettings.h"
#include "Preferences.h"
#include "RenamerIni.h"

#include <functional>

// The live settings while no preferences window is built in: the design state,
// loaded from renamer.ini by CheckINIFile. The main window's folder lists are
// reached through the two callbacks, which create the main window when needed.
class PreferencesStandIn : public ChromeSettings, public MainSettings, public RenamerIniTarget
{
public:
    struct FolderLists
    {
        std::function<bool(const QString &)> setDefaultDirectory;
        std::function<void()> showProgramFolder;
    };

    PreferencesStandIn(QString iniPath, FolderLists folders);

    void CheckINIFile();
    ErrorInfo SaveSettings() const;

    Preferences prefs;

    // ChromeSettings
    bool alwaysOnTop() const override { return prefs.chkOpt[Preferences::OnTop]; }
    bool docking() const override { return prefs.chkOpt[Preferences::Docking]; }
    QString taskbarHeightText() const override { return prefs.taskbarHeight; }
    bool sounds() const override { return prefs.chkOpt[Preferences::Sounds]; }

    // MainSettings
    bool chkOpt(int index) const override;
    QString WinampPath() const override { return m_winampPath; }

    // RenamerIniTarget
    void setOption(Preferences::Option option, bool checked) override;
    void setTaskbarHeight(const QString &text) override;
    bool setDefaultDirectory(const QString &dir) override;
    void setDefaultDirectoryText(const QString &text) override;
    void showProgramFolder() override;
    void setPlayerPath(const QString &path) override;

private:
    QString m_iniPath;
    FolderLists m_folders;
    QString m_winampPath;
};

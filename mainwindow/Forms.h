// SPDX-License-Identifier: MIT
// Copyright The Marlune developers
#pragma once

#include "AppFolder.h"
#include "ChromeContext.h"
#include "CommandLine.h"
#include "MediaLocator.h"
#include "NameDecoder.h"
#include "PreferencesChromeSettings.h"
#include "PreferencesStore.h"

#include <functional>
#include <memory>

class ChromeArt;
class ClipPlayers;
class ClipSink;
class Dialogs;
class PlayerLink;
class QWidget;
class QtDialogs;
class TagCommands;
class TagFileAccess;
class frmAbout2;
class frmPref;
class frmRenamer;
class frmSplash;

// The program's windows, each created at its first use and kept until the program
// ends or unloads it: the main window, the splash, the preferences and, through the
// tag commands, the tag editor. Everything the windows share (the preferences
// store, clips, artwork, dialogs, the program's folders) is owned here.
class Forms
{
public:
    struct Config
    {
        AppFolder appFolder{QString()};
        MediaLocator media{QStringList()};
        CommandLine commandLine;
        // How file names that are not UTF-8 are shown and proposed.
        NameDecoder names;
        // Null: the program's own Qt dialogs.
        Dialogs *dialogs = nullptr;
        // Ends the program; by default the application's event loop is left.
        std::function<void()> quit;
        std::function<std::unique_ptr<PlayerLink>()> playerLink;
        bool useTray = true;
        // Where the tray plug-in is looked for; empty: only the program's own folders. Tests
        // name the build folder here; the program never sets it.
        QStringList trayFolders;
        // Where the tag commands read and write files; null: the file system itself.
        TagFileAccess *tagAccess = nullptr;
        // Null: the program's own clip players, opened when the main window loads.
        ClipSink *clips = nullptr;
        float splashSeconds = 1.5f;
    };

    explicit Forms(Config config);
    ~Forms();
    Forms(const Forms &) = delete;
    Forms &operator=(const Forms &) = delete;

    // The live preferences, in the design state until start-up loads renamer.ini.
    PreferencesStore &preferences() { return m_preferences; }
    frmPref &Pref();
    frmRenamer &Renamer();
    // Moves the main window's folder list where loading renamer.ini said.
    void showStartFolder(const StartFolder &folder);
    frmSplash &Splash();
    void unloadSplash();
    // The main window's tag commands, which load the tag editor at first use.
    TagCommands &tags();

    bool prefLoaded() const { return bool(m_pref); }
    bool renamerLoaded() const { return bool(m_renamer); }
    bool splashLoaded() const { return bool(m_splash); }

    // Unloads the tag editor and the preferences, then ends the program at once.
    void ExitProgram();
    // The preferences shown modally above the main window; on-top reapplied after.
    void showPreferences();
    // A new About window shown modally above the main window, checking for an
    // update at once when asked.
    void showAbout(bool checkUpdate);

    const Config &config() const { return m_config; }
    Dialogs &dialogs();
    const ChromeContext &chromeContext() const { return m_context; }

private:
    Dialogs &childDialogs(QWidget *window);

    Config m_config;
    std::unique_ptr<QtDialogs> m_qtDialogs;
    std::unique_ptr<QtDialogs> m_childDialogs;
    std::unique_ptr<ChromeArt> m_art;
    std::unique_ptr<ClipPlayers> m_clips;
    PreferencesStore m_preferences;
    PreferencesChromeSettings m_chromeSettings{m_preferences};
    ChromeContext m_context;
    std::unique_ptr<frmPref> m_pref;
    std::unique_ptr<frmRenamer> m_renamer;
    std::unique_ptr<TagCommands> m_tags;
    std::unique_ptr<frmSplash> m_splash;
    bool m_exiting = false;
};

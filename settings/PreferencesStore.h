// SPDX-License-Identifier: MIT
// Copyright The Marlune developers
#pragma once

#include "ErrorInfo.h"
#include "Preferences.h"
#include "RenamerIni.h"
#include "StartFolder.h"

#include <QObject>
#include <QString>

// The program's preferences while it runs: the six options with their texts and
// the player path WinampPath, loaded from and saved to renamer.ini. Every window
// reads them here; the preferences window only edits them, so a change counts at
// once, before any save.
class PreferencesStore : public QObject, private RenamerIniTarget
{
    Q_OBJECT
public:
    // iniPath is the full path of renamer.ini. Starts in the design state.
    explicit PreferencesStore(QString iniPath, QObject *parent = nullptr);

    const QString &iniPath() const { return m_iniPath; }
    const Preferences &preferences() const { return m_prefs; }

    // --- reading ------------------------------------------------------------------
    bool alwaysOnTop() const { return m_prefs.isOn(Preferences::OnTop); }
    bool docking() const { return m_prefs.isOn(Preferences::Docking); }
    // The taskbar height in twips as typed; docking reads an empty text as 0.
    const QString &taskbarHeightText() const { return m_prefs.taskbarHeight; }
    bool sounds() const { return m_prefs.isOn(Preferences::Sounds); }
    bool splash() const { return m_prefs.isOn(Preferences::Splash); }
    bool defaultDirectoryOn() const { return m_prefs.isOn(Preferences::DefaultDirectory); }
    const QString &defaultDirectory() const { return m_prefs.defaultDirectory; }
    // "&Winamp Location": enqueueing and starting the player are allowed.
    bool winampLocation() const { return m_prefs.isOn(Preferences::PlayerLocation); }
    // The player program as typed, which becomes WinampPath only once saved or loaded.
    const QString &playerPathText() const { return m_prefs.playerPath; }
    // The player program last loaded or saved with its option on; empty at start
    // and never emptied again.
    const QString &winampPath() const { return m_winampPath; }

    // --- editing (each emits changed() when it changes something) -------------------
    void setOption(Preferences::Option option, bool on) override;
    void setTaskbarHeight(const QString &text) override;
    void setDefaultDirectoryText(const QString &text) override;
    void setPlayerPathText(const QString &text);
    // The factory values: the options and the taskbar height; the two paths stay.
    void setDefaults();

    // --- the file -------------------------------------------------------------------
    // Applies renamer.ini line by line, silently: a missing file changes nothing, a
    // damaged one, or a default directory that no longer exists, stops the load
    // there and keeps what came before.
    StartFolder load();
    // Writes renamer.ini whole or not at all; on success with the player option
    // on, the player path becomes WinampPath.
    ErrorInfo save();

Q_SIGNALS:
    void changed();

private:
    // RenamerIniTarget: the folder lists are not touched here, only noted.
    bool setDefaultDirectory(const QString &dir) override;
    void showProgramFolder() override;
    void setPlayerPath(const QString &path) override;

    template <typename T>
    void assign(T &field, const T &value);

    const QString m_iniPath;
    Preferences m_prefs;
    QString m_winampPath;
    StartFolder m_loadedFolder;
    // While a load runs, changes are told once at its end.
    bool m_loading = false;
    bool m_changedWhileLoading = false;
};

// SPDX-License-Identifier: MIT
// Copyright The Marlune developers
#pragma once

#include <QObject>
#include <QStringList>

class ChromeWindow;
class TrayHost;

// The main window's place in the notification area. The control is loaded at the first
// "--", not at start-up, and a window is hidden only where it can come back from.
class TrayPresence : public QObject
{
    Q_OBJECT
public:
    // folders: where the control's library is looked for; empty: TrayHost's own folders.
    TrayPresence(ChromeWindow *window, bool enabled, QStringList folders);

    // "--": hides the window into the notification area, or minimises it normally when
    // there is none.
    void hide();
    void restore();
    TrayHost *tray() const { return m_tray; }

private:
    bool ensureLoaded();

    ChromeWindow *m_window;
    bool m_enabled;
    QStringList m_folders;
    TrayHost *m_tray = nullptr;
    bool m_tried = false;
};

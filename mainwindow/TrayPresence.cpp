// SPDX-License-Identifier: MIT
// Copyright The Marlune developers
#include "TrayPresence.h"

#include "ChromeArt.h"
#include "ChromeWindow.h"
#include "TrayHost.h"

TrayPresence::TrayPresence(ChromeWindow *window, bool enabled, QStringList folders)
    : QObject(window)
    , m_window(window)
    , m_enabled(enabled)
    , m_folders(std::move(folders))
{
}

bool TrayPresence::ensureLoaded()
{
    if (!m_tried && m_enabled) {
        m_tried = true;
        auto *host = new TrayHost(m_window);
        const ChromeContext &context = m_window->context();
        const QIcon icon = context.art ? QIcon(context.art->icon32()) : QIcon();
        const QStringList folders = m_folders.isEmpty() ? TrayHost::defaultSearchFolders() : m_folders;
        if (host->load(TrayHost::storedProperties(icon), m_window, folders)) {
            m_tray = host;
            connect(m_tray, &TrayHost::doubleClicked, this, &TrayPresence::restore);
            // A window hidden in a notification area that is gone could never come back.
            connect(m_tray, &TrayHost::trayLost, this, &TrayPresence::restore);
        } else {
            delete host;
        }
    }
    return m_tray && m_tray->trayAvailable();
}

void TrayPresence::hide()
{
    // Without a notification area a hidden window could never come back.
    if (!ensureLoaded()) {
        m_window->minimiseNormally();
        return;
    }
    m_window->PlayClip(Clip::Min);
    m_tray->setInTray(true);
    m_window->hide();
}

void TrayPresence::restore()
{
    m_window->PlayClip(Clip::Max);
    if (m_tray)
        m_tray->setInTray(false);
    m_window->show();
}

// SPDX-License-Identifier: MIT
// Copyright The Marlune developers
#include "Forms.h"

#include "ChromeArt.h"
#include "ClipPlayers.h"
#include "PlayerLink.h"
#include "QtDialogs.h"
#include "TagCommands.h"
#include "frmAbout2.h"
#include "frmPref.h"
#include "frmTag.h"
#include "frmRenamer.h"
#include "frmSplash.h"

#include <QCoreApplication>

Forms::Forms(Config config)
    : m_config(std::move(config))
    , m_art(std::make_unique<ChromeArt>(m_config.media))
    , m_clips(std::make_unique<ClipPlayers>())
    , m_preferences(m_config.appFolder.AppFile(QStringLiteral("renamer.ini")))
{
    if (!m_config.dialogs) {
        m_qtDialogs = std::make_unique<QtDialogs>();
        m_childDialogs = std::make_unique<QtDialogs>();
    }
    if (!m_config.quit)
        m_config.quit = [] { QCoreApplication::exit(0); };
    m_context.settings = &m_chromeSettings;
    m_context.art = m_art.get();
    m_context.clips = m_config.clips ? m_config.clips : m_clips.get();
}

Forms::~Forms()
{
    // The main window goes first (after the tag commands that work on it): it
    // holds the tray control and reads the preferences until it is gone.
    m_splash.reset();
    m_tags.reset();
    m_renamer.reset();
    m_pref.reset();
}

Dialogs &Forms::dialogs()
{
    return m_config.dialogs ? *m_config.dialogs : *m_qtDialogs;
}

Dialogs &Forms::childDialogs(QWidget *window)
{
    if (m_config.dialogs)
        return *m_config.dialogs;
    m_childDialogs->setParentWindow(window);
    return *m_childDialogs;
}

frmPref &Forms::Pref()
{
    if (!m_pref) {
        m_pref = std::make_unique<frmPref>(m_context, dialogs(), m_preferences);
        QObject::connect(m_pref.get(), &frmPref::folderLoaded,
                         [this](const StartFolder &folder) { showStartFolder(folder); });
    }
    return *m_pref;
}

frmRenamer &Forms::Renamer()
{
    if (!m_renamer) {
        frmRenamer::Services services;
        services.dialogs = &dialogs();
        services.appFolder = &m_config.appFolder;
        services.settings = &m_preferences;
        services.commandLine = m_config.commandLine;
        services.names = m_config.names;
        services.exitProgram = [this] { ExitProgram(); };
        services.playerLink = m_config.playerLink ? m_config.playerLink : [] { return createPlayerLink(); };
        services.showPreferences = [this] { showPreferences(); };
        services.showAbout = [this] { showAbout(false); };
        services.checkUpdate = [this] { showAbout(true); };
        services.useTray = m_config.useTray;
        services.trayFolders = m_config.trayFolders;
        services.editTags = [this] {
            // The editor is shown: a failed write is reported above it.
            childDialogs(&tags().editor());
            tags().mnuEditTag_Click();
        };
        services.autoTag = [this] {
            childDialogs(m_renamer.get());
            tags().mnuAutoTag_Click();
        };
        if (!m_config.clips)
            m_clips->OpenSounds(m_config.media);
        m_renamer = std::make_unique<frmRenamer>(m_context, std::move(services));
        if (m_qtDialogs)
            m_qtDialogs->setParentWindow(m_renamer.get());
    }
    return *m_renamer;
}

frmSplash &Forms::Splash()
{
    if (!m_splash)
        m_splash = std::make_unique<frmSplash>();
    return *m_splash;
}

void Forms::unloadSplash()
{
    m_splash.reset();
}

TagCommands &Forms::tags()
{
    if (!m_tags) {
        frmRenamer &main = Renamer();
        m_tags = std::make_unique<TagCommands>(main, m_context, childDialogs(&main), m_config.tagAccess);
    }
    return *m_tags;
}

void Forms::showPreferences()
{
    frmRenamer &main = Renamer();
    main.ShowChild(&Pref(), true);
    main.ApplyOnTop(&main);
}

void Forms::showAbout(bool checkUpdate)
{
    frmRenamer &main = Renamer();
    // Unloaded by its own OK: it deletes itself once closed.
    auto *about = new frmAbout2(m_context, childDialogs(nullptr), m_config.appFolder.configFolder());
    childDialogs(about);
    about->setCheckUpdateOnOpen(checkUpdate);
    main.ShowChild(about, true);
    main.ApplyOnTop(&main);
}

void Forms::ExitProgram()
{
    if (m_exiting)
        return;
    m_exiting = true;
    // The tag editor goes now (during the automatic tagging, once the file in hand
    // is written). The preferences and the main window are destroyed with the
    // registry when the event loop has ended: the main window's handler that
    // called this is still on the stack.
    if (m_tags)
        m_tags->unloadEditor();
    if (m_pref)
        m_pref->hide();
    if (m_renamer)
        m_renamer->hide();
    m_config.quit();
}

void Forms::showStartFolder(const StartFolder &folder)
{
    switch (folder.kind) {
    case StartFolder::Kind::Directory: Renamer().setDefaultDirectory(folder.directory); break;
    case StartFolder::Kind::ProgramFolder: Renamer().showProgramFolder(); break;
    case StartFolder::Kind::Unchanged: break;
    }
}

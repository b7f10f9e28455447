#include "Forms.h"

#include "ChromeArt.h"
#include "ClipPlayers.h"
#include "PlayerLink.h"
#include "PreferencesStandIn.h"
#include "QtDialogs.h"
#include "frmRenamer.h"
#include "frmSplash.h"

#include <QCoreApplication>

Forms::Forms(Config config)
    : m_config(std::move(config))
    , m_art(std::make_unique<ChromeArt>(m_config.media))
    , m_clips(std::make_unique<ClipPlayers>())
{
    if (!m_config.dialogs)
        m_qtDialogs = std::make_unique<QtDialogs>();
    if (!m_config.quit)
        m_config.quit = [] { QCoreApplication::exit(0); };
    m_context.art = m_art.get();
    m_context.clips = m_clips.get();
}

Forms::~Forms()
{
    // The main window goes first: it holds the tray control and points at the rest.
    m_splash.reset();
    m_renamer.reset();
    m_pref.reset();
}

Dialogs &Forms::dialogs()
{
    return m_config.dialogs ? *m_config.dialogs : *m_qtDialogs;
}

PreferencesStandIn &Forms::frmPref()
{
    if (!m_pref) {
        PreferencesStandIn::FolderLists folders{
            [this](const QString &dir) { return Renamer().setDefaultDirectory(dir); },
            [this] { Renamer().showProgramFolder(); }};
        m_pref = std::make_unique<PreferencesStandIn>(m_config.appFolder.AppFile(QStringLiteral("renamer.ini")),
                                                      std::move(folders));
        m_context.settings = m_pref.get();
    }
    return *m_pref;
}

frmRenamer &Forms::Renamer()
{
    if (!m_renamer) {
        PreferencesStandIn &pref = frmPref();
        frmRenamer::Services services;
        services.dialogs = &dialogs();
        services.appFolder = &m_config.appFolder;
        services.settings = &pref;
        services.commandLine = m_config.commandLine;
        services.exitProgram = [this] { ExitProgram(); };
        services.playerLink = m_config.playerLink ? m_config.playerLink : [] { return createPlayerLink(); };
        services.showPreferences = [this] { showPreferences(); };
        services.useTray = m_config.useTray;
        if (m_config.playSounds)
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

void Forms::showPreferences()
{
    // Until the preferences window is built in there is nothing to show; the
    // main window still returns to its on-top band as it would afterwards.
    if (m_renamer)
        m_renamer->ApplyOnTop(m_renamer.get());
}

void Forms::ExitProgram()
{
    if (m_exiting)
        return;
    m_exiting = true;
    // No tag editor is built in yet; it would be unloaded here, before the preferences.
    if (m_renamer)
        m_renamer->hide();
    m_context.settings = nullptr;
    m_config.quit();
}

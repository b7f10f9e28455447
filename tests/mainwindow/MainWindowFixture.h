// SPDX-License-Identifier: MIT
// Copyright The Marlune developers
#pragma once

#include "FileList.h"
#include "FolderList.h"
#include "Forms.h"
#include "MenuLabel.h"
#include "PictureBox.h"
#include "PlayerLink.h"
#include "ScriptedDialogs.h"
#include "Startup.h"
#include "TempDir.h"
#include "frmPref.h"
#include "frmRenamer.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QTest>
#include <gtest/gtest.h>
#include <memory>
#include <vector>

class RecordingClips : public ClipSink
{
public:
    void play(Clip clip) override { played.push_back(clip); }
    std::vector<Clip> played;
};

// Hands files to nobody, remembering what it was given.
class RecordingPlayerLink : public PlayerLink
{
public:
    explicit RecordingPlayerLink(QStringList *sent) : m_sent(sent) {}
    bool isRunning(const QString &) override { return true; }
    void sendFile(const QByteArray &nativePath, const QString &) override { *m_sent << QString::fromUtf8(nativePath); }

private:
    QStringList *m_sent;
};

// The program's windows on a scratch folder: the program's settings, cache and
// start folders and the folder start-up browses are all in it, each apart, dialogs
// are scripted, clips recorded. The cache folder is left to be made on demand.
class MainWindowFixture : public ::testing::Test
{
protected:
    void SetUp() override
    {
        m_oldCurrent = QDir::currentPath();
        QDir(temp.path()).mkpath(QStringLiteral("app"));
        QDir(temp.path()).mkpath(QStringLiteral("home"));
        QDir(temp.path()).mkpath(QStringLiteral("music"));
        QDir::setCurrent(music());
    }

    void TearDown() override
    {
        forms.reset();
        QDir::setCurrent(m_oldCurrent);
    }

    QString app() const { return temp.filePath(QStringLiteral("app")); }
    QString cache() const { return temp.filePath(QStringLiteral("cache/marlune")); }
    QString home() const { return temp.filePath(QStringLiteral("home")); }
    QString music() const { return temp.filePath(QStringLiteral("music")); }
    QString musicFile(const QString &name) const { return music() + QLatin1Char('/') + name; }
    void touch(const QString &name) const { temp.write(QStringLiteral("music/") + name, "x"); }

    // Where start() lets the main window look for the tray plug-in.
    QStringList trayFolders;

    Forms &start(const QStringList &arguments = {}, bool useTray = false, TagFileAccess *tagAccess = nullptr)
    {
        Forms::Config config;
        config.appFolder = AppFolder(app(), cache(), home());
        config.media = MediaLocator(QStringList{});
        config.commandLine = CommandLine::fromArguments(arguments, music());
        config.dialogs = &dialogs;
        config.quit = [this] { ++quits; };
        config.playerLink = [this] {
            ++linksMade;
            return std::unique_ptr<PlayerLink>(new RecordingPlayerLink(&sent));
        };
        config.useTray = useTray;
        config.trayFolders = trayFolders;
        config.tagAccess = tagAccess;
        config.clips = &clips;
        config.splashSeconds = 0.02f;
        forms = std::make_unique<Forms>(std::move(config));
        return *forms;
    }

    // Start-up without the splash, as most tests want it.
    frmRenamer &open(const QStringList &arguments = {}, TagFileAccess *tagAccess = nullptr)
    {
        Forms &f = start(arguments, false, tagAccess);
        f.preferences().setOption(Preferences::Splash, false);
        Main(f);
        return f.Renamer();
    }

    static void click(QWidget *w, Qt::MouseButton button = Qt::LeftButton,
                      Qt::KeyboardModifiers mods = Qt::NoModifier, QPoint at = {})
    {
        QTest::mouseClick(w, button, mods, at.isNull() ? w->rect().center() : at);
    }

    // Clicks the visible member of a picture button, as the user would.
    static void pressButton(frmRenamer &main, int plain, int lit,
                            Qt::MouseButton button = Qt::LeftButton)
    {
        PictureBox *member = main.picButton(plain)->isVisible() ? main.picButton(plain)
                                                                : main.picButton(lit);
        click(member, button);
    }

    static void clickRow(QAbstractItemView *view, int row, Qt::KeyboardModifiers mods = Qt::NoModifier)
    {
        const QRect rect = view->visualRect(view->model()->index(row, 0));
        QTest::mouseClick(view->viewport(), Qt::LeftButton, mods, rect.center());
    }

    static QStringList items(const QListWidget *list)
    {
        QStringList texts;
        for (int i = 0; i < list->count(); ++i)
            texts << list->item(i)->text();
        return texts;
    }

    TempDir temp;
    ScriptedDialogs dialogs;
    RecordingClips clips;
    QStringList sent;
    int linksMade = 0;
    int quits = 0;
    std::unique_ptr<Forms> forms;

private:
    QString m_oldCurrent;
};

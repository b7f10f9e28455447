// SPDX-License-Identifier: MIT
// Copyright The Marlune developers
#include "ClipPlayers.h"
#include "MediaLocator.h"
#include "TempDir.h"

#include <QFile>
#include <QAudioDevice>
#include <QMediaDevices>
#include <QSignalSpy>
#include <QSoundEffect>
#include <gtest/gtest.h>

namespace {

TEST(ClipPlayers, MissingClipsPlaySilence)
{
    TempDir empty;
    ClipPlayers players;
    players.OpenSounds(MediaLocator({empty.path()}));
    for (Clip clip : kAllClips) {
        EXPECT_TRUE(players.source(clip).isEmpty());
        players.play(clip);
        players.play(clip);
    }
}

TEST(ClipPlayers, EachClipLoadsItsOwnFile)
{
    TempDir folder;
    QFile::copy(QStringLiteral(MARLUNE_SOURCE_MEDIA_DIR "/dock.wav"), folder.filePath(QStringLiteral("dock.wav")));
    folder.write(QStringLiteral("BeEP.wav"), "not a wave at all");
    ClipPlayers players;
    players.OpenSounds(MediaLocator({folder.path()}));
    EXPECT_EQ(players.source(Clip::Dock), QUrl::fromLocalFile(folder.filePath(QStringLiteral("dock.wav"))));
    EXPECT_EQ(players.source(Clip::Beep), QUrl::fromLocalFile(folder.filePath(QStringLiteral("BeEP.wav"))));
    EXPECT_TRUE(players.source(Clip::Menu).isEmpty());
    // A damaged clip, or no audio device at all, still returns at once, and a
    // restart while playing is only a rewind.
    for (int i = 0; i < 3; ++i) {
        players.play(Clip::Dock);
        players.play(Clip::Beep);
        players.play(Clip::Min);
    }
}

TEST(ClipPlayers, ReopeningReplacesThePlayers)
{
    TempDir first, second;
    QFile::copy(QStringLiteral(MARLUNE_SOURCE_MEDIA_DIR "/popup.wav"), first.filePath(QStringLiteral("popup.wav")));
    ClipPlayers players;
    players.OpenSounds(MediaLocator({first.path()}));
    EXPECT_FALSE(players.source(Clip::Menu).isEmpty());
    players.OpenSounds(MediaLocator({second.path()}));
    EXPECT_TRUE(players.source(Clip::Menu).isEmpty());
    players.play(Clip::Menu);
}

QStringList g_warnings;

TEST(ClipPlayers, WithoutAnOutputDeviceNoClipLoadsAndTheWarningComesOnce)
{
    if (!QMediaDevices::defaultAudioOutput().isNull())
        GTEST_SKIP() << "this machine has an audio output";
    g_warnings.clear();
    const QtMessageHandler previous = qInstallMessageHandler(
        [](QtMsgType, const QMessageLogContext &, const QString &text) { g_warnings << text; });
    ClipPlayers players;
    const MediaLocator media({QStringLiteral(MARLUNE_SOURCE_MEDIA_DIR)});
    players.OpenSounds(media);
    players.OpenSounds(media);
    for (Clip clip : kAllClips) {
        EXPECT_FALSE(players.source(clip).isEmpty());
        players.play(clip);
    }
    qInstallMessageHandler(previous);
    EXPECT_EQ(g_warnings, QStringList{"No audio device detected"});
    // An effect given its clip would warn again once the clip has loaded.
    for (const QSoundEffect *effect : players.findChildren<QSoundEffect *>())
        EXPECT_TRUE(effect->source().isEmpty());
}

TEST(ClipPlayers, TheFiveClipNames)
{
    const QStringList names = {QStringLiteral("popup.wav"), QStringLiteral("minimize.wav"),
                               QStringLiteral("maximize.wav"), QStringLiteral("BeEP.wav"),
                               QStringLiteral("dock.wav")};
    QStringList seen;
    for (Clip clip : kAllClips)
        seen << clipFileName(clip);
    EXPECT_EQ(seen, names);
}

} // namespace

namespace {

// Qt's wave reader must accept every committed clip, or that sound is silent.
TEST(CommittedClips, EachOneDecodes)
{
    const MediaLocator media({QStringLiteral(MARLUNE_SOURCE_MEDIA_DIR)});
    for (Clip clip : kAllClips) {
        QSoundEffect effect;
        QSignalSpy status(&effect, &QSoundEffect::statusChanged);
        effect.setSource(QUrl::fromLocalFile(media.find(clipFileName(clip))));
        while (effect.status() == QSoundEffect::Loading || effect.status() == QSoundEffect::Null)
            ASSERT_TRUE(status.wait(5000)) << qPrintable(clipFileName(clip));
        EXPECT_EQ(effect.status(), QSoundEffect::Ready) << qPrintable(clipFileName(clip));
    }
}

} // namespace

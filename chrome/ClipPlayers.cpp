// SPDX-License-Identifier: MIT
// Copyright The Marlune developers
#include "ClipPlayers.h"

#include "MediaLocator.h"

#include <QAudioDevice>
#include <QMediaDevices>
#include <QSoundEffect>

ClipPlayers::ClipPlayers(QObject *parent)
    : QObject(parent)
{
}

void ClipPlayers::OpenSounds(const MediaLocator &media)
{
    // Each effect that loads its clip without an output device makes Qt warn once more.
    const bool output = hasOutput();
    if (!output && !m_warned) {
        qWarning("No audio device detected");
        m_warned = true;
    }
    for (Clip clip : kAllClips) {
        const auto index = static_cast<size_t>(clip);
        delete m_players[index];
        m_players[index] = nullptr;
        const QString path = media.find(clipFileName(clip));
        m_sources[index] = path.isEmpty() ? QUrl() : QUrl::fromLocalFile(path);
        if (path.isEmpty())
            continue;
        m_players[index] = new QSoundEffect(this);
        if (output)
            m_players[index]->setSource(m_sources[index]);
    }
}

void ClipPlayers::play(Clip clip)
{
    const auto index = static_cast<size_t>(clip);
    QSoundEffect *player = m_players[index];
    // Asked at each play, so a device that comes up later is used.
    if (!player || !hasOutput())
        return;
    if (player->source().isEmpty())
        player->setSource(m_sources[index]);
    player->stop();
    player->play();
}

QUrl ClipPlayers::source(Clip clip) const
{
    return m_sources[static_cast<size_t>(clip)];
}

bool ClipPlayers::hasOutput()
{
    return !QMediaDevices::defaultAudioOutput().isNull();
}

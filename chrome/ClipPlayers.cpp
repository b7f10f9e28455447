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
    for (Clip clip : kAllClips) {
        QSoundEffect *&player = m_players[static_cast<size_t>(clip)];
        delete player;
        player = nullptr;
        const QString path = media.find(clipFileName(clip));
        if (path.isEmpty())
            continue;
        player = new QSoundEffect(this);
        player->setSource(QUrl::fromLocalFile(path));
    }
}

void ClipPlayers::play(Clip clip)
{
    QSoundEffect *player = m_players[static_cast<size_t>(clip)];
    // Without an output device the effect would only warn; asked at each play,
    // so a device that comes up later is used.
    if (!player || QMediaDevices::defaultAudioOutput().isNull())
        return;
    player->stop();
    player->play();
}

QUrl ClipPlayers::source(Clip clip) const
{
    const QSoundEffect *player = m_players[static_cast<size_t>(clip)];
    return player ? player->source() : QUrl();
}

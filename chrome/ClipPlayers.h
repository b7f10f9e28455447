// SPDX-License-Identifier: MIT
// Copyright The Marlune developers
#pragma once

#include "ClipSink.h"

#include <QObject>
#include <QUrl>
#include <array>

class MediaLocator;
class QSoundEffect;

// The five clip players, each loaded once and restarted on demand. A clip whose
// file is missing plays silence, and so does every clip when there is no audio
// device; nothing else changes, and the missing device is reported once on stderr.
class ClipPlayers : public QObject, public ClipSink
{
    Q_OBJECT
public:
    explicit ClipPlayers(QObject *parent = nullptr);

    // Loads the five clips found through media; run once, whatever the sounds setting.
    void OpenSounds(const MediaLocator &media);

    // Rewinds and plays; returns at once, without waiting for the clip.
    void play(Clip clip) override;

    // The file a clip was loaded from; empty when it was missing.
    QUrl source(Clip clip) const;

private:
    static bool hasOutput();

    std::array<QSoundEffect *, std::size(kAllClips)> m_players{};
    // Kept apart from the players: without an output device a clip is loaded only once one
    // comes up, at its first play.
    std::array<QUrl, std::size(kAllClips)> m_sources{};
    bool m_warned = false;
};

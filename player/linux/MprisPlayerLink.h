// SPDX-License-Identifier: MIT
// Copyright The Marlune developers
#pragma once

#include "PlayerLink.h"

#include <QDBusConnection>
#include <QStringList>

// Media players on the session bus (MPRIS). A player runs when it owns a name
// org.mpris.MediaPlayer2.*; of several, the one run by the stored program is taken, else
// the first by name. Files go to its track list when it lets one edit it, else through the
// stored program's own enqueue command when that program is a known one. Within one link,
// each file goes after the track the player reported adding for the one before, so a
// selection arrives at the end of the list in list order.
class MprisPlayerLink : public PlayerLink
{
public:
    struct Timeouts
    {
        int callMs = 5000;    // a D-Bus call to the player
        int commandMs = 3000; // an enqueue command; one that runs longer is left running
        int trackAddedMs = 500; // a player's TrackAdded signal after each AddTrack
    };

    explicit MprisPlayerLink(QDBusConnection bus = QDBusConnection::sessionBus());
    MprisPlayerLink(QDBusConnection bus, Timeouts timeouts);

    bool isRunning(const QString &programPath) override;
    void sendFile(const QByteArray &nativePath, const QString &programPath) override;
    bool waitUntilRunning(const QString &programPath, int timeoutMs) override;

    // The bus names of the running players, sorted.
    QStringList playerNames() const;
    // The player that gets the files, empty when none runs.
    QString choosePlayer(const QString &programPath) const;

private:
    bool canEditTracks(const QString &player) const;
    void addTrack(const QString &player, const QString &fileUrl);
    QVariant trackListProperty(const QString &player, const QString &property) const;
    // What AddTrack takes to put a file at the end of the player's list.
    QString afterTrack(const QString &player) const;
    // The last track of the list as the player's Tracks property shows it.
    QString lastListedTrack(const QString &player) const;
    void runEnqueueCommand(const QString &programPath, const QStringList &arguments) const;
    bool runsProgram(const QString &player, const QString &programFileName) const;

    QDBusConnection bus;
    Timeouts timeouts;
    // The track this link added last, and to which player.
    QString m_lastAddedPlayer;
    QString m_lastAdded;
    // Players that sent no TrackAdded: not waited for again.
    QStringList m_silentPlayers;
};

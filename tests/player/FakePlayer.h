// SPDX-License-Identifier: MIT
// Copyright The Marlune developers
#pragma once

#include <QProcess>
#include <QStringList>

// One fake MPRIS player process on a test bus, and the AddTrack calls it received.
class FakePlayer
{
public:
    // program: the helper itself or a link to it, so the player runs under that name.
    // modes: as the helper takes them ("lagging", "silent", comma-separated).
    FakePlayer(const QString &program, const QString &busAddress, const QString &nameSuffix,
               bool canEditTracks, const QString &modes = QString());
    ~FakePlayer();

    bool isReady() const { return ready; }
    QString busName() const { return name; }
    // The URLs added so far, in the order received; waits a bounded time for count of them.
    QStringList addedUrls(int count = 0);
    // Each call as "uri after-track set-as-current", for checking the other two arguments.
    QStringList calls(int count = 0);
    // The player's play list after the last call read, first track first.
    QStringList playList(int count = 0);

private:
    void readUntil(int count);

    QProcess process;
    QString name;
    bool ready = false;
    QStringList received;
    QStringList lastPlayList;
    int playListsSeen = 0;
};

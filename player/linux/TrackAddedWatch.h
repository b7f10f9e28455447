// SPDX-License-Identifier: MIT
// Copyright The Marlune developers
#pragma once

#include <QDBusConnection>
#include <QObject>
#include <QString>

#include <utility>
#include <vector>

class QDBusMessage;
class QEventLoop;

// Listens to one player's TrackList.TrackAdded signals around one AddTrack call, to learn
// the id the player gave the new track: a player's Tracks property may lag behind its
// AddTrack calls, its own signal does not.
class TrackAddedWatch : public QObject
{
    Q_OBJECT

public:
    // Listens from here on, so that a signal sent before the call's reply is not missed.
    TrackAddedWatch(QDBusConnection bus, const QString &player);
    ~TrackAddedWatch() override;

    bool isListening() const { return m_listening; }
    // The id of the track the player added for url (file URL, encoded), waiting at most
    // timeoutMs, without taking user input; empty when no such signal came.
    QString waitForTrack(const QString &url, int timeoutMs);

private Q_SLOTS:
    void onTrackAdded(const QDBusMessage &message);

private:
    QString takeTrack(const QString &url);

    QDBusConnection m_bus;
    QString m_player;
    bool m_listening = false;
    // (track id, URL) of each signal received, in order; the URL is empty when not given.
    std::vector<std::pair<QString, QString>> m_added;
    QEventLoop *m_loop = nullptr;
};

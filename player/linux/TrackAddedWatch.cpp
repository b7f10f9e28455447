// SPDX-License-Identifier: MIT
// Copyright The Marlune developers
#include "TrackAddedWatch.h"

#include <QDBusArgument>
#include <QDBusMessage>
#include <QDBusObjectPath>
#include <QDeadlineTimer>
#include <QEventLoop>
#include <QTimer>
#include <QUrl>
#include <QVariantMap>

namespace {

const QString playerPath = QStringLiteral("/org/mpris/MediaPlayer2");
const QString trackListInterface = QStringLiteral("org.mpris.MediaPlayer2.TrackList");
const QString trackAdded = QStringLiteral("TrackAdded");

QString pathOrText(const QVariant &value)
{
    if (value.metaType() == QMetaType::fromType<QDBusObjectPath>())
        return value.value<QDBusObjectPath>().path();
    // Some players send the id as a plain string.
    return value.toString();
}

QVariantMap metadataOf(const QDBusMessage &message)
{
    QVariantMap metadata;
    const QVariant first = message.arguments().value(0);
    if (first.userType() == qMetaTypeId<QDBusArgument>())
        first.value<QDBusArgument>() >> metadata;
    else
        metadata = first.toMap();
    return metadata;
}

bool sameUrl(const QString &sent, const QString &reported)
{
    // Players may give back the URL decoded or re-encoded; what it names is what counts.
    return reported.isEmpty() || QUrl::fromEncoded(sent.toUtf8()) == QUrl(reported);
}

} // namespace

TrackAddedWatch::TrackAddedWatch(QDBusConnection bus, const QString &player)
    : m_bus(std::move(bus))
    , m_player(player)
{
    m_listening = m_bus.connect(m_player, playerPath, trackListInterface, trackAdded, this,
                                SLOT(onTrackAdded(QDBusMessage)));
}

TrackAddedWatch::~TrackAddedWatch()
{
    if (m_listening)
        m_bus.disconnect(m_player, playerPath, trackListInterface, trackAdded, this, SLOT(onTrackAdded(QDBusMessage)));
}

QString TrackAddedWatch::waitForTrack(const QString &url, int timeoutMs)
{
    QString id = takeTrack(url);
    if (!id.isEmpty() || !m_listening)
        return id;
    const QDeadlineTimer deadline(timeoutMs);
    QEventLoop loop;
    QTimer timer;
    timer.setSingleShot(true);
    connect(&timer, &QTimer::timeout, &loop, &QEventLoop::quit);
    m_loop = &loop;
    while (id.isEmpty() && !deadline.hasExpired()) {
        timer.start(std::chrono::milliseconds(deadline.remainingTime()));
        loop.exec(QEventLoop::ExcludeUserInputEvents);
        id = takeTrack(url);
    }
    m_loop = nullptr;
    return id;
}

void TrackAddedWatch::onTrackAdded(const QDBusMessage &message)
{
    const QVariantMap metadata = metadataOf(message);
    const QString id = pathOrText(metadata.value(QStringLiteral("mpris:trackid")));
    if (id.isEmpty())
        return;
    m_added.emplace_back(id, metadata.value(QStringLiteral("xesam:url")).toString());
    if (m_loop)
        m_loop->quit();
}

QString TrackAddedWatch::takeTrack(const QString &url)
{
    for (auto it = m_added.begin(); it != m_added.end(); ++it) {
        if (sameUrl(url, it->second)) {
            const QString id = it->first;
            m_added.erase(m_added.begin(), it + 1);
            return id;
        }
    }
    return {};
}

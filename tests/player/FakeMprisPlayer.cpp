// SPDX-License-Identifier: MIT
// Copyright The Marlune developers
// A media player for the tests: owns org.mpris.MediaPlayer2.<suffix> on the bus given,
// says "ready" on stdout once it does, and writes one line per AddTrack call received,
// followed by its whole play list in order. It keeps the play list as the player
// interface says: AfterTrack names the track to insert after, NoTrack the very start;
// VLC's own ".../TrackList/Append" the end. Each added track is announced with TrackAdded.
// Modes, comma-separated: "lagging" publishes Tracks only a while after the last change, as
// players that refresh it on their own schedule do; "silent" sends no TrackAdded.
// Usage: fake_mpris_player BUS_ADDRESS SUFFIX CAN_EDIT_TRACKS(0|1) [MODES]

#include <QCoreApplication>
#include <QDBusAbstractAdaptor>
#include <QDBusConnection>
#include <QDBusObjectPath>
#include <QTextStream>
#include <QTimer>

#include <cstdio>

class RootAdaptor : public QDBusAbstractAdaptor
{
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "org.mpris.MediaPlayer2")
    Q_PROPERTY(QString Identity READ identity)

public:
    explicit RootAdaptor(QObject *parent) : QDBusAbstractAdaptor(parent) {}
    QString identity() const { return QStringLiteral("Fake player"); }
};

class TrackListAdaptor : public QDBusAbstractAdaptor
{
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "org.mpris.MediaPlayer2.TrackList")
    Q_PROPERTY(bool CanEditTracks READ canEditTracks)
    Q_PROPERTY(QList<QDBusObjectPath> Tracks READ tracks)

public:
    TrackListAdaptor(QObject *parent, bool canEdit, const QStringList &modes)
        : QDBusAbstractAdaptor(parent), canEdit(canEdit), silent(modes.contains(QLatin1String("silent")))
    {
        setAutoRelaySignals(true);
        // Long enough that a whole batch of calls sees the list as it was before it.
        publish.setInterval(modes.contains(QLatin1String("lagging")) ? 2000 : 0);
        publish.setSingleShot(true);
        connect(&publish, &QTimer::timeout, this, [this] { published = currentIds(); });
    }
    bool canEditTracks() const { return canEdit; }
    QList<QDBusObjectPath> tracks() const { return publish.interval() == 0 ? currentIds() : published; }

Q_SIGNALS:
    void TrackAdded(const QVariantMap &Metadata, const QDBusObjectPath &AfterTrack);

public Q_SLOTS:
    void AddTrack(const QString &uri, const QDBusObjectPath &afterTrack, bool setAsCurrent)
    {
        std::printf("AddTrack\t%s\t%s\t%d\n", uri.toUtf8().constData(),
                    afterTrack.path().toUtf8().constData(), setAsCurrent ? 1 : 0);
        const Track track{QStringLiteral("/org/marlune/fake/track/%1").arg(++lastId), uri};
        const QString after = afterTrack.path();
        if (after == QLatin1String("/org/mpris/MediaPlayer2/TrackList/NoTrack"))
            playList.prepend(track);
        else if (after == QLatin1String("/org/mpris/MediaPlayer2/TrackList/Append"))
            playList.append(track);
        else {
            for (qsizetype i = 0; i < playList.size(); ++i) {
                if (playList[i].id == after) {
                    playList.insert(i + 1, track);
                    break;
                }
            }
        }
        if (publish.interval() > 0)
            publish.start();
        if (!silent)
            Q_EMIT TrackAdded({{QStringLiteral("mpris:trackid"), QVariant::fromValue(QDBusObjectPath(track.id))},
                               {QStringLiteral("xesam:url"), uri}},
                              afterTrack);
        QStringList uris;
        for (const Track &t : playList)
            uris << t.uri;
        std::printf("PlayList\t%s\n", uris.join(QLatin1Char('\t')).toUtf8().constData());
        std::fflush(stdout);
    }

private:
    struct Track
    {
        QString id;
        QString uri;
    };
    QList<QDBusObjectPath> currentIds() const
    {
        QList<QDBusObjectPath> ids;
        for (const Track &t : playList)
            ids << QDBusObjectPath(t.id);
        return ids;
    }

    bool canEdit;
    bool silent;
    QTimer publish;
    QList<QDBusObjectPath> published;
    QList<Track> playList;
    int lastId = 0;
};

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    const QStringList args = app.arguments();
    if (args.size() != 4 && args.size() != 5)
        return 2;
    QDBusConnection bus = QDBusConnection::connectToBus(args[1], QStringLiteral("fake"));
    QObject player;
    new RootAdaptor(&player);
    new TrackListAdaptor(&player, args[3] == QLatin1String("1"), args.value(4).split(QLatin1Char(',')));
    if (!bus.registerObject(QStringLiteral("/org/mpris/MediaPlayer2"), &player)
        || !bus.registerService(QStringLiteral("org.mpris.MediaPlayer2.") + args[2]))
        return 1;
    std::printf("ready\n");
    std::fflush(stdout);
    return app.exec();
}

#include "FakeMprisPlayer.moc"

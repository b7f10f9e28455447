// SPDX-License-Identifier: MIT
// Copyright The Marlune developers
#include "MprisPlayerLink.h"

#include "EnqueueCommands.h"
#include "TrackAddedWatch.h"

#include <QDBusArgument>
#include <QDBusConnectionInterface>
#include <QDBusMessage>
#include <QDBusObjectPath>
#include <QDBusReply>
#include <QDBusVariant>
#include <QDeadlineTimer>
#include <QEventLoop>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QStringDecoder>
#include <QTimer>
#include <QUrl>

#include <memory>

namespace {

const QString playerPrefix = QStringLiteral("org.mpris.MediaPlayer2.");
const QString playerPath = QStringLiteral("/org/mpris/MediaPlayer2");
const QString trackListInterface = QStringLiteral("org.mpris.MediaPlayer2.TrackList");
const QString noTrack = QStringLiteral("/org/mpris/MediaPlayer2/TrackList/NoTrack");
// VLC's own AfterTrack for "at the end of the list".
const QString vlcAppend = QStringLiteral("/org/mpris/MediaPlayer2/TrackList/Append");

bool isVlc(const QString &player)
{
    const QString vlc = playerPrefix + QStringLiteral("vlc");
    return player == vlc || player.startsWith(vlc + QLatin1Char('.'));
}

// The executable's file name and the name the process was started by (a link's own name).
QStringList processFileNames(uint pid)
{
    const QString proc = QStringLiteral("/proc/%1/").arg(pid);
    QStringList names;
    const QString exe = QFileInfo(proc + QStringLiteral("exe")).symLinkTarget();
    if (!exe.isEmpty())
        names << QFileInfo(exe).fileName();
    QFile cmdline(proc + QStringLiteral("cmdline"));
    if (cmdline.open(QIODevice::ReadOnly)) {
        const QByteArray argv0 = cmdline.read(4096).split('\0').value(0);
        if (!argv0.isEmpty())
            names << QFileInfo(QString::fromLocal8Bit(argv0)).fileName();
    }
    return names;
}

std::optional<QString> utf8Path(const QByteArray &nativePath)
{
    QStringDecoder utf8(QStringConverter::Utf8, QStringConverter::Flag::Stateless);
    QString text = utf8.decode(nativePath);
    if (utf8.hasError())
        return std::nullopt;
    return text;
}

// The file URL of a path that is not text: every byte outside the plain ASCII set
// percent-encoded, so the player opens the very file, not a re-encoded name.
QString byteFileUrl(const QByteArray &nativePath)
{
    return QStringLiteral("file://") + QString::fromLatin1(nativePath.toPercentEncoding("/"));
}

} // namespace

std::unique_ptr<PlayerLink> createPlayerLink()
{
    return std::make_unique<MprisPlayerLink>();
}

MprisPlayerLink::MprisPlayerLink(QDBusConnection bus)
    : MprisPlayerLink(std::move(bus), Timeouts{})
{
}

MprisPlayerLink::MprisPlayerLink(QDBusConnection bus, Timeouts timeouts)
    : bus(std::move(bus)), timeouts(timeouts)
{
}

bool MprisPlayerLink::isRunning(const QString &)
{
    return !playerNames().isEmpty();
}

void MprisPlayerLink::sendFile(const QByteArray &nativePath, const QString &programPath)
{
    const QString player = choosePlayer(programPath);
    if (player.isEmpty())
        return;
    const std::optional<QString> fileName = utf8Path(nativePath);
    if (canEditTracks(player)) {
        addTrack(player, fileName ? QString::fromLatin1(QUrl::fromLocalFile(*fileName).toEncoded())
                                  : byteFileUrl(nativePath));
        return;
    }
    // A program's arguments travel as text; a name that is not text goes as its URL,
    // which every known player's enqueue command takes.
    const QStringList arguments = EnqueueCommands::argumentsFor(QFileInfo(programPath).fileName());
    if (!arguments.isEmpty())
        runEnqueueCommand(programPath, arguments + QStringList{fileName ? *fileName : byteFileUrl(nativePath)});
}

bool MprisPlayerLink::waitUntilRunning(const QString &programPath, int timeoutMs)
{
    if (!bus.isConnected())
        return false;
    // Any change of a name's owner ends one round of waiting; listening before looking
    // closes the gap in which a player could come up unseen.
    const QDeadlineTimer deadline(timeoutMs);
    QEventLoop loop;
    QTimer timer;
    timer.setSingleShot(true);
    QObject::connect(&timer, &QTimer::timeout, &loop, &QEventLoop::quit);
    const QString daemon = QStringLiteral("org.freedesktop.DBus");
    bus.connect(daemon, QStringLiteral("/org/freedesktop/DBus"), daemon,
                QStringLiteral("NameOwnerChanged"), &loop, SLOT(quit()));
    while (!isRunning(programPath) && !deadline.hasExpired()) {
        timer.start(std::chrono::milliseconds(deadline.remainingTime()));
        loop.exec(QEventLoop::ExcludeUserInputEvents);
    }
    bus.disconnect(daemon, QStringLiteral("/org/freedesktop/DBus"), daemon,
                   QStringLiteral("NameOwnerChanged"), &loop, SLOT(quit()));
    return isRunning(programPath);
}

QStringList MprisPlayerLink::playerNames() const
{
    QDBusConnectionInterface *daemon = bus.isConnected() ? bus.interface() : nullptr;
    if (!daemon)
        return {};
    QStringList names = daemon->registeredServiceNames().value();
    names.removeIf([](const QString &name) { return !name.startsWith(playerPrefix); });
    names.sort();
    return names;
}

QString MprisPlayerLink::choosePlayer(const QString &programPath) const
{
    const QStringList names = playerNames();
    const QString programFileName = QFileInfo(programPath).fileName();
    if (names.size() > 1 && !programFileName.isEmpty()) {
        for (const QString &name : names) {
            if (runsProgram(name, programFileName))
                return name;
        }
    }
    return names.value(0);
}

bool MprisPlayerLink::runsProgram(const QString &player, const QString &programFileName) const
{
    const QDBusReply<uint> pid = bus.interface()->servicePid(player);
    return pid.isValid() && processFileNames(pid.value()).contains(programFileName);
}

QVariant MprisPlayerLink::trackListProperty(const QString &player, const QString &property) const
{
    QDBusMessage get = QDBusMessage::createMethodCall(player, playerPath,
        QStringLiteral("org.freedesktop.DBus.Properties"), QStringLiteral("Get"));
    get << trackListInterface << property;
    const QDBusMessage reply = bus.call(get, QDBus::Block, timeouts.callMs);
    if (reply.type() != QDBusMessage::ReplyMessage || reply.arguments().isEmpty())
        return {};
    return qvariant_cast<QDBusVariant>(reply.arguments().constFirst()).variant();
}

bool MprisPlayerLink::canEditTracks(const QString &player) const
{
    return trackListProperty(player, QStringLiteral("CanEditTracks")).toBool();
}

QString MprisPlayerLink::afterTrack(const QString &player) const
{
    // VLC's track list is a snapshot taken at its last playback event, so its last
    // track may be long gone from the end; its own Append path always means the end.
    if (isVlc(player))
        return vlcAppend;
    if (player == m_lastAddedPlayer && !m_lastAdded.isEmpty())
        return m_lastAdded;
    return lastListedTrack(player);
}

QString MprisPlayerLink::lastListedTrack(const QString &player) const
{
    const QVariant tracks = trackListProperty(player, QStringLiteral("Tracks"));
    QList<QDBusObjectPath> ids;
    if (tracks.userType() == qMetaTypeId<QDBusArgument>())
        tracks.value<QDBusArgument>() >> ids;
    else
        ids = tracks.value<QList<QDBusObjectPath>>();
    // NoTrack means "at the start", which is the end of an empty list.
    return ids.isEmpty() ? noTrack : ids.constLast().path();
}

void MprisPlayerLink::addTrack(const QString &player, const QString &url)
{
    QDBusMessage add = QDBusMessage::createMethodCall(player, playerPath, trackListInterface,
                                                      QStringLiteral("AddTrack"));
    // Appended after the player's last track, never made the current one.
    add << url << QVariant::fromValue(QDBusObjectPath(afterTrack(player))) << false;
    // A player's Tracks property may lag behind the calls (every file would then go after
    // the same track, in reverse order); the id it reports for the new track does not.
    const bool learn = !isVlc(player) && !m_silentPlayers.contains(player);
    std::unique_ptr<TrackAddedWatch> watch;
    if (learn)
        watch = std::make_unique<TrackAddedWatch>(bus, player);
    // Waiting for the reply keeps the files in list order, as the player receives them.
    const QDBusMessage reply = bus.call(add, QDBus::Block, timeouts.callMs);
    if (reply.type() != QDBusMessage::ReplyMessage) {
        // The track learned last may have been removed meanwhile; the list decides next time.
        m_lastAdded.clear();
        return;
    }
    if (!watch)
        return;
    const QString added = watch->waitForTrack(url, timeouts.trackAddedMs);
    if (added.isEmpty())
        m_silentPlayers << player;
    m_lastAddedPlayer = player;
    m_lastAdded = added;
}

void MprisPlayerLink::runEnqueueCommand(const QString &programPath, const QStringList &arguments) const
{
    auto *process = new QProcess;
    process->setStandardInputFile(QProcess::nullDevice());
    process->setStandardOutputFile(QProcess::nullDevice());
    process->setStandardErrorFile(QProcess::nullDevice());
    process->start(programPath, arguments);
    if (process->waitForFinished(timeouts.commandMs) || process->state() == QProcess::NotRunning) {
        delete process;
        return;
    }
    // Still running: the command has become the player itself. Let it be; deleting the
    // QProcess would kill it, so it goes away once it ends.
    QObject::connect(process, &QProcess::finished, process, &QObject::deleteLater);
}

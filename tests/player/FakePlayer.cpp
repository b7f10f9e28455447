// SPDX-License-Identifier: MIT
// Copyright The Marlune developers
#include "FakePlayer.h"

FakePlayer::FakePlayer(const QString &program, const QString &busAddress,
                       const QString &nameSuffix, bool canEditTracks, const QString &modes)
    : name(QStringLiteral("org.mpris.MediaPlayer2.") + nameSuffix)
{
    process.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    process.start(program, {busAddress, nameSuffix, canEditTracks ? QStringLiteral("1") : QStringLiteral("0"), modes});
    while (!process.canReadLine() && process.waitForReadyRead(5000)) {
    }
    ready = process.readLine().trimmed() == "ready";
}

FakePlayer::~FakePlayer()
{
    if (process.state() == QProcess::NotRunning)
        return;
    process.terminate();
    if (!process.waitForFinished(3000))
        process.kill();
    process.waitForFinished(3000);
}

void FakePlayer::readUntil(int count)
{
    for (;;) {
        while (process.canReadLine()) {
            const QString line = QString::fromUtf8(process.readLine()).chopped(1);
            if (line.startsWith(QLatin1String("AddTrack\t")))
                received << line.mid(9);
            else if (line.startsWith(QLatin1String("PlayList\t"))) {
                lastPlayList = line.mid(9).split(QLatin1Char('\t'));
                ++playListsSeen;
            }
        }
        // Each call's line is followed by the play list it left.
        if ((received.size() >= count && playListsSeen >= count) || !process.waitForReadyRead(5000))
            return;
    }
}

QStringList FakePlayer::calls(int count)
{
    readUntil(count);
    return received;
}

QStringList FakePlayer::addedUrls(int count)
{
    QStringList urls;
    for (const QString &call : calls(count))
        urls << call.section(QLatin1Char('\t'), 0, 0);
    return urls;
}

QStringList FakePlayer::playList(int count)
{
    readUntil(count);
    return lastPlayList;
}

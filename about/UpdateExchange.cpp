// SPDX-License-Identifier: MIT
// Copyright The Marlune developers
#include "UpdateExchange.h"

#include "AboutMessages.h"
#include "Dialogs.h"
#include "HostInfoFile.h"
#include "MarluneVersion.h"
#include "UpdateServer.h"
#include "VersionCheck.h"

#include <QDir>

UpdateExchange::UpdateExchange(Dialogs &dialogs, QString programFolder, QObject *parent)
    : QObject(parent)
    , m_dialogs(dialogs)
    , m_programFolder(std::move(programFolder))
    , m_remoteHost(UpdateServer::defaultHost())
    , m_remotePort(UpdateServer::UpdatePort)
    , m_networkCheck(hasNetwork)
    , m_ownVersion(QStringLiteral(MARLUNE_VERSION))
    , tcpClient(this)
    , Timer1(this)
{
    Timer1.setInterval(UpdateServer::UpdateTimeoutMs);
    Timer1.setSingleShot(true);
    tcpClient.setReadBufferSize(UpdateServer::MaxReplyBytes);
    connect(&tcpClient, &QTcpSocket::readyRead, this, &UpdateExchange::tcpClient_DataArrival);
    connect(&Timer1, &QTimer::timeout, this, &UpdateExchange::Timer1_Timer);
}

QString UpdateExchange::hostInfoPath() const
{
    return QDir(m_programFolder).filePath(HostInfoFile::fileName());
}

void UpdateExchange::LoadHostInfo()
{
    if (!HostInfoFile::existsIn(m_programFolder))
        return;
    const HostInfoFile::ReadResult stored = HostInfoFile::read(hostInfoPath());
    if (!stored.error.ok()) {
        m_dialogs.showMessage(AboutMessages::error(stored.error), Dialogs::Icon::None, applicationTitle());
        return;
    }
    for (int i = HostInfoField::WebAddress; i <= HostInfoField::Port; ++i)
        m_hostInfo[i] = stored.hostInfo[i];
    // read() has checked the address, so this always holds.
    if (const std::optional<ServerAddress> server = serverAddressOf(m_hostInfo)) {
        m_remoteHost = server->host;
        m_remotePort = server->port;
    }
    Q_EMIT addressesChanged(m_hostInfo[HostInfoField::WebAddress], m_hostInfo[HostInfoField::EmailAddress]);
}

void UpdateExchange::ConnectNow()
{
    if (m_busy)
        return;
    if (!m_networkCheck()) {
        m_dialogs.showMessage(AboutMessages::noNetwork(), Dialogs::Icon::None, applicationTitle());
        return;
    }
    setBusy(true);
    tcpClient.abort();
    tcpClient.connectToHost(m_remoteHost, m_remotePort);
    Timer1.start();
}

void UpdateExchange::tcpClient_DataArrival()
{
    if (!m_busy)
        return;
    // Only the first arrival counts. The socket is closed before any message
    // box, whose event loop would otherwise deliver more data or the time-out.
    const QByteArray data = tcpClient.read(UpdateServer::MaxReplyBytes);
    Timer1.stop();
    tcpClient.abort();
    HostInfo reply = m_hostInfo;
    ParseReply(QString::fromUtf8(data), reply);
    ApplyReply(reply);
    ShowVerdict(reply[HostInfoField::Version]);
    setBusy(false);
}

void UpdateExchange::ApplyReply(const HostInfo &reply)
{
    m_hostInfo[HostInfoField::Version] = reply[HostInfoField::Version];
    // A reply that names no usable server is still a verdict, but none of its
    // server information is kept, shown or written.
    if (!serverAddressOf(reply))
        return;
    m_hostInfo = reply;
    Q_EMIT addressesChanged(m_hostInfo[HostInfoField::WebAddress], m_hostInfo[HostInfoField::EmailAddress]);
    SaveHostInfo();
}

void UpdateExchange::SaveHostInfo()
{
    const ErrorInfo e = HostInfoFile::write(hostInfoPath(), m_hostInfo);
    if (!e.ok())
        m_dialogs.showMessage(AboutMessages::error(e), Dialogs::Icon::None, applicationTitle());
}

void UpdateExchange::ShowVerdict(const QString &serverVersion)
{
    const QString text = CompareVersion(serverVersion, m_ownVersion)
        ? AboutMessages::newerVersion(m_ownVersion, serverVersion)
        : AboutMessages::newestVersion();
    m_dialogs.showMessage(text, Dialogs::Icon::None, applicationTitle());
}

void UpdateExchange::Timer1_Timer()
{
    tcpClient.abort();
    m_dialogs.showMessage(AboutMessages::updateTimedOut(), Dialogs::Icon::None, applicationTitle());
    setBusy(false);
}

void UpdateExchange::setBusy(bool busy)
{
    if (m_busy == busy)
        return;
    m_busy = busy;
    Q_EMIT busyChanged(busy);
}

// SPDX-License-Identifier: MIT
// Copyright The Marlune developers
#pragma once

#include "HostInfo.h"
#include "NetworkCheck.h"

#include <QObject>
#include <QString>
#include <QTcpSocket>
#include <QTimer>

class Dialogs;

// The update check of the About window: one connection on tcpClient, one reply
// read, a verdict shown, Timer1 as the time-out. It also keeps HostInfo and
// hostinfo.ini. The window owns one per opening, calls LoadHostInfo from its
// Form_Load and ConnectNow from "Update", shows the addresses it reports and
// follows busyChanged with its pointer and comment box.
class UpdateExchange : public QObject
{
    Q_OBJECT

public:
    // programFolder holds hostinfo.ini.
    UpdateExchange(Dialogs &dialogs, QString programFolder, QObject *parent = nullptr);

    void setRemoteHost(const QString &host) { m_remoteHost = host; }
    void setRemotePort(quint16 port) { m_remotePort = port; }
    QString remoteHost() const { return m_remoteHost; }
    quint16 remotePort() const { return m_remotePort; }
    void setTimeout(int ms) { Timer1.setInterval(ms); }
    void setNetworkCheck(NetworkCheck check) { m_networkCheck = std::move(check); }
    // major.minor.revision, as the About window shows it.
    void setOwnVersion(const QString &version) { m_ownVersion = version; }

    const HostInfo &hostInfo() const { return m_hostInfo; }
    bool busy() const { return m_busy; }

    // Reads hostinfo.ini when the folder holds it under exactly that name and
    // points tcpClient at the server it names. A damaged file shows an error
    // message and changes nothing.
    void LoadHostInfo();

    // Starts a check; does nothing while one runs.
    void ConnectNow();

Q_SIGNALS:
    // True from ConnectNow until the verdict or the time-out message has been
    // shown: the hourglass, with the comment box disabled.
    void busyChanged(bool busy);
    // New texts for txtAbout(1) and txtAbout(0).
    void addressesChanged(const QString &webAddress, const QString &emailAddress);

private:
    void tcpClient_DataArrival();
    void Timer1_Timer();
    void ApplyReply(const HostInfo &reply);
    void SaveHostInfo();
    void ShowVerdict(const QString &serverVersion);
    void setBusy(bool busy);
    QString hostInfoPath() const;

    Dialogs &m_dialogs;
    QString m_programFolder;
    QString m_remoteHost;
    quint16 m_remotePort;
    NetworkCheck m_networkCheck;
    QString m_ownVersion;
    HostInfo m_hostInfo;
    bool m_busy = false;
    QTcpSocket tcpClient;
    QTimer Timer1;
};

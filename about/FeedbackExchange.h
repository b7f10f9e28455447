// SPDX-License-Identifier: MIT
// Copyright The Marlune developers
#pragma once

#include "NetworkCheck.h"

#include <QByteArray>
#include <QObject>
#include <QString>
#include <QTcpSocket>
#include <QTimer>

class Dialogs;

// The comment exchange of the About window: connect on tcpClient2, send the
// comment when Timer2 ends if the connection stands, then wait up to Timer3 for
// an answer beginning "ok". The window calls SendComments from "Comments" with
// the text of txtComments and follows busyChanged with its pointer and box.
class FeedbackExchange : public QObject
{
    Q_OBJECT

public:
    explicit FeedbackExchange(Dialogs &dialogs, QObject *parent = nullptr);

    void setRemoteHost(const QString &host) { m_remoteHost = host; }
    void setRemotePort(quint16 port) { m_remotePort = port; }
    void setSendDelay(int ms) { Timer2.setInterval(ms); }
    void setAnswerTimeout(int ms) { Timer3.setInterval(ms); }
    void setNetworkCheck(NetworkCheck check) { m_networkCheck = std::move(check); }

    bool busy() const { return m_busy; }

    // Starts sending comments; does nothing while an exchange runs or when the
    // text is only spaces.
    void SendComments(const QString &comments);

    // What travels: the text without leading and trailing spaces, every line
    // break as CR LF, in UTF-8. Empty when nothing is left to send.
    static QByteArray commentBytes(const QString &comments);

Q_SIGNALS:
    // True from SendComments until the exchange has ended and its message, if
    // any, has been shown: the hourglass, with the comment box disabled. It
    // turns false after every outcome, so the box is always enabled again.
    void busyChanged(bool busy);

private:
    void Timer2_Timer();
    void Timer3_Timer();
    void tcpClient2_DataArrival();
    void fail();
    void setBusy(bool busy);

    Dialogs &m_dialogs;
    QString m_remoteHost;
    quint16 m_remotePort;
    NetworkCheck m_networkCheck;
    QByteArray m_comment;
    bool m_busy = false;
    QTcpSocket tcpClient2;
    QTimer Timer2;
    QTimer Timer3;
};

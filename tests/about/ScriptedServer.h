// SPDX-License-Identifier: MIT
// Copyright The Marlune developers
#pragma once

#include <QByteArray>
#include <QElapsedTimer>
#include <QObject>
#include <QTcpServer>
#include <QTcpSocket>

// A misbehaving or well-behaved peer on 127.0.0.1 for the exchange tests: what
// it does with each connection is chosen up front.
class ScriptedServer : public QObject
{
    Q_OBJECT

public:
    enum class Mode {
        Silent,           // accepts, never sends
        CloseAtOnce,      // accepts and closes
        Send,             // sends payload at once
        SendInTwoPieces,  // payload, then later second
        Endless,          // payload, then endless filler while the client listens
        AnswerData,       // sends payload once the client has sent something
        GreetThenAnswer,  // sends second at once, payload once the client has sent something
    };

    explicit ScriptedServer(Mode mode, QByteArray payload = {}, QByteArray second = {});

    quint16 port() const { return m_server.serverPort(); }
    int connections() const { return m_connections; }
    const QByteArray &received() const { return m_received; }
    // Milliseconds from the connection to the client's first byte; -1 before that.
    qint64 firstDataAfterMs() const { return m_firstDataAfterMs; }

    // A port on 127.0.0.1 that nothing listens on.
    static quint16 closedPort();

Q_SIGNALS:
    void dataReceived();

private:
    void accept();
    void begin(QTcpSocket *socket);
    void take(QTcpSocket *socket);
    void feed(QTcpSocket *socket);

    Mode m_mode;
    QByteArray m_payload;
    QByteArray m_second;
    QTcpServer m_server;
    QElapsedTimer m_sinceConnect;
    QByteArray m_received;
    qint64 m_firstDataAfterMs = -1;
    int m_connections = 0;
};

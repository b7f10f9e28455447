// SPDX-License-Identifier: MIT
// Copyright The Marlune developers
#include "CommentEscaping.h"
#include "CommentFileReader.h"
#include "ExchangeTestSupport.h"
#include "ServerProcess.h"
#include "TempDir.h"

#include <QElapsedTimer>
#include <QEventLoop>
#include <QFile>
#include <QPointer>
#include <QTcpSocket>
#include <QTimer>
#include <gtest/gtest.h>
#include <cstdio>
#include <map>

// The server as a public service meets it: from 127.0.0.1, 100 connections that
// each trickle a byte more often than the comment pause, and idle connections
// that hold the update port; from 127.0.0.2, a flood of comments and the update
// checks that must still be answered. Both addresses are loopback on Linux
// without any setup. Bounded in time and count; it stops by itself.
namespace {

const QHostAddress attacker("127.0.0.1");
const QHostAddress bystander("127.0.0.2");
constexpr int attackMs = 6000;
constexpr int slowSenders = 100;
constexpr int idleHolders = 64;
constexpr int floodClients = 8;
constexpr int floodLimit = 3000;
constexpr qint64 fileCap = 100 * 1024;
constexpr int maxComment = 4096;

QTcpSocket *openFrom(QObject *parent, const QHostAddress &from, quint16 port)
{
    auto *socket = new QTcpSocket(parent);
    if (from != attacker)
        socket->bind(from, 0);
    socket->connectToHost(attacker, port);
    return socket;
}

// Every flood comment differs, carries what the escaping has to get right and
// is longer than --max-comment, so it is complete without a pause and cut at
// a different place each time.
QByteArray floodComment(int id)
{
    QByteArray pattern("line\r\nnext\xc2\x85" "sep\xe2\x80\xa8" "bad\xff\xc0\xaf zo\xc3\xab \xf0\x9f\x98\x80\t\\");
    QByteArray comment = "flood " + QByteArray::number(id) + ' ';
    while (comment.size() < maxComment + 3 + id % 50)
        comment += pattern;
    return comment;
}

std::string storedPart(const QByteArray &comment)
{
    return std::string(CommentEscaping::cut(std::string_view(comment.constData(), comment.size()), maxComment));
}

qint64 statusKiB(qint64 pid, const char *field)
{
    QFile status(QStringLiteral("/proc/%1/status").arg(pid));
    if (!status.open(QIODevice::ReadOnly))
        return -1;
    for (const QByteArray &line : status.readAll().split('\n')) {
        if (line.startsWith(field))
            return line.mid(qstrlen(field)).trimmed().split(' ').value(0).toLongLong();
    }
    return -1;
}

struct Figures
{
    QList<qint64> latencies;
    QList<QByteArray> wrongReplies;
    std::map<int, QByteArray> floodAnswers;
    int slowConnects = 0;
    qint64 peakRssKiB = 0;
};

class Attack
{
public:
    Attack(ServerProcess &server, Figures &figures)
        : m_server(server)
        , m_figures(figures)
    {
        QObject::connect(&m_slowTick, &QTimer::timeout, [this] { trickle(); });
        QObject::connect(&m_floodTick, &QTimer::timeout, [this] { flood(); });
    }

    void start()
    {
        m_slowTick.start(300);
        m_floodTick.start(20);
        check();
    }

    void stop()
    {
        m_stopping = true;
        m_slowTick.stop();
    }

    bool floodDone() const
    {
        return std::all_of(std::begin(m_flood), std::end(m_flood), [](const auto &s) { return s.isNull(); });
    }

    QTimer &floodTick() { return m_floodTick; }

private:
    void trickle()
    {
        m_figures.peakRssKiB = std::max(m_figures.peakRssKiB, statusKiB(m_server.process.processId(), "VmRSS:"));
        for (auto &s : m_slow) {
            if (s && s->state() == QAbstractSocket::ConnectedState) {
                s->write("x");
            } else if (!s || s->state() == QAbstractSocket::UnconnectedState) {
                delete s;
                s = openFrom(&m_root, attacker, m_server.feedbackPort);
                ++m_figures.slowConnects;
            }
        }
        for (auto &s : m_idle) {
            if (!s || s->state() == QAbstractSocket::UnconnectedState) {
                delete s;
                s = openFrom(&m_root, attacker, m_server.updatePort);
            }
        }
    }

    void flood()
    {
        for (auto &s : m_flood) {
            if (s || m_stopping || m_nextFlood >= floodLimit)
                continue;
            const int id = m_nextFlood++;
            s = openFrom(&m_root, bystander, m_server.feedbackPort);
            QTcpSocket *socket = s;
            QObject::connect(socket, &QTcpSocket::connected, [socket, id] { socket->write(floodComment(id)); });
            QObject::connect(socket, &QTcpSocket::readyRead,
                             [this, socket, id] { m_figures.floodAnswers[id] += socket->readAll(); });
            QObject::connect(socket, &QTcpSocket::stateChanged, [this, socket, id](auto state) {
                if (state != QAbstractSocket::UnconnectedState)
                    return;
                m_figures.floodAnswers[id] += socket->readAll();
                socket->deleteLater();
            });
        }
    }

    // One update check after another, each timed from connecting to the close.
    void check()
    {
        if (m_stopping)
            return;
        auto *socket = openFrom(&m_root, bystander, m_server.updatePort);
        auto *reply = new QByteArray;
        QElapsedTimer clock;
        clock.start();
        QObject::connect(socket, &QTcpSocket::readyRead, [socket, reply] { *reply += socket->readAll(); });
        QObject::connect(socket, &QTcpSocket::stateChanged, [this, socket, reply, clock](auto state) {
            if (state != QAbstractSocket::UnconnectedState)
                return;
            *reply += socket->readAll();
            m_figures.latencies << clock.elapsed();
            if (!reply->startsWith("1.0.90|"))
                m_figures.wrongReplies << *reply;
            delete reply;
            socket->deleteLater();
            QTimer::singleShot(50, [this] { check(); });
        });
    }

    ServerProcess &m_server;
    Figures &m_figures;
    QObject m_root;
    QTimer m_slowTick;
    QTimer m_floodTick;
    QPointer<QTcpSocket> m_slow[slowSenders];
    QPointer<QTcpSocket> m_idle[idleHolders];
    QPointer<QTcpSocket> m_flood[floodClients];
    int m_nextFlood = 0;
    bool m_stopping = false;
};

TEST(MarluneServerLoad, AnswersUpdateChecksDuringASlowSenderAttackAndACommentFlood)
{
    TempDir dir;
    // A pause never completes a comment here: the slow senders only ever meet the deadline.
    ServerProcess server({"--offer-version", "1.0.90", "--comments", dir.filePath("comments.txt"), "--deadline-ms",
                          "1500", "--quiet-ms", "5000", "--max-comment", QString::number(maxComment),
                          "--max-comments-file", QString::number(fileCap)});
    ASSERT_TRUE(server.running());

    Figures figures;
    // Alive until the file is read: a slow sender that hangs up completes its comment.
    Attack attack(server, figures);
    attack.start();
    QEventLoop loop;
    QTimer::singleShot(attackMs, &loop, &QEventLoop::quit);
    loop.exec();
    attack.stop();
    ASSERT_TRUE(waitFor([&] { return attack.floodDone(); }, &attack.floodTick(), SIGNAL(timeout()), 5000));
    const qint64 peakKiB = std::max(figures.peakRssKiB, statusKiB(server.process.processId(), "VmHWM:"));
    const QByteArray log = server.process.readAllStandardError();
    ASSERT_EQ(server.process.state(), QProcess::Running) << log.toStdString();

    const qint64 worstMs = *std::max_element(figures.latencies.begin(), figures.latencies.end());
    EXPECT_GE(figures.latencies.size(), 20);
    EXPECT_LT(worstMs, 1000);
    EXPECT_TRUE(figures.wrongReplies.isEmpty()) << figures.wrongReplies.value(0).toStdString();
    EXPECT_LT(peakKiB, 50 * 1024);

    const QByteArray file = dir.read("comments.txt");
    EXPECT_LE(file.size(), fileCap);
    std::string error;
    const auto records = CommentFileReader::read(std::string_view(file.constData(), file.size()), &error);
    ASSERT_TRUE(records) << error;
    int acknowledged = 0;
    int refused = 0;
    for (const auto &[id, answer] : figures.floodAnswers) {
        acknowledged += answer == "ok";
        refused += answer == "error";
    }
    EXPECT_EQ(int(records->size()), acknowledged);
    EXPECT_GT(refused, 0);
    for (const CommentFileReader::Record &r : *records) {
        const int id = QByteArray::fromStdString(r.comment).split(' ').value(1).toInt();
        EXPECT_EQ(r.comment, storedPart(floodComment(id)));
        EXPECT_EQ(r.sender, "127.0.0.2");
    }
    EXPECT_TRUE(log.contains("comments file at its size cap")) << log.toStdString();
    // Thousands of refusals, a handful of lines.
    EXPECT_LT(log.count('\n'), 20) << log.toStdString();

    std::printf("update checks under attack: %lld, slowest %lld ms; slow-sender connections opened: %d\n"
                "flood: %zu comments, %d ok, %d error; comments file %lld bytes (cap %lld); "
                "server peak RSS %lld KiB\nserver log:\n%s",
                qint64(figures.latencies.size()), worstMs, figures.slowConnects, figures.floodAnswers.size(),
                acknowledged, refused, qint64(file.size()), fileCap, peakKiB, log.constData());
}

} // namespace

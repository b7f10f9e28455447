// SPDX-License-Identifier: MIT
// Copyright The Marlune developers
#include "ServerOptions.h"

#include "MarluneVersion.h"

#include <QCommandLineParser>

namespace {

struct Option
{
    QString name;
    QString description;
    QString valueName;
};

const QList<Option> &optionTable()
{
    static const QList<Option> table{
        {"listen", "Address to listen on (default 127.0.0.1; 0.0.0.0 for every interface).", "address"},
        {"update-port", "Port of the update check (default 1001; 0 picks a free one).", "port"},
        {"feedback-port", "Port that takes comments (default 1002; 0 picks a free one).", "port"},
        {"offer-version", "Newest version to announce, major.minor.revision (default " MARLUNE_VERSION ").",
         "version"},
        {"web", "Web address to hand out.", "text"},
        {"email", "E-mail address to hand out.", "text"},
        {"next-address", "IPv4 address of the update server clients use next time (default: --listen).",
         "address"},
        {"next-port", "Update port clients use next time (default: the update port).", "port"},
        {"comments", "File that comments are appended to (default marlune-comments.txt).", "file"},
        {"max-comment", "Longest comment kept, in bytes (default 4096).", "bytes"},
        {"idle-ms", "Close a connection that sends nothing for this long (default 10000).", "ms"},
        {"quiet-ms", "Take a comment as complete after this pause (default 500).", "ms"},
        {"max-connections", "Connections served at once on each port (default 64).", "count"},
        {"max-per-address",
         "Connections served at once on each port to one sender address (IPv6: one /64) (default 4).", "count"},
        {"deadline-ms", "Close every connection this long after it was accepted (default 15000).", "ms"},
        {"comments-per-hour", "Comments taken from one sender address in an hour (default 20).", "count"},
        {"max-comments-file", "Size the comments file may reach, in bytes (default 104857600).", "bytes"},
    };
    return table;
}

bool readBigNumber(const QCommandLineParser &p, const QString &name, qint64 low, qint64 high, qint64 &out,
                   QString &error)
{
    if (!p.isSet(name))
        return true;
    bool ok = false;
    const qint64 n = p.value(name).toLongLong(&ok);
    if (!ok || n < low || n > high) {
        error = QStringLiteral("--%1 needs a whole number from %2 to %3").arg(name).arg(low).arg(high);
        return false;
    }
    out = n;
    return true;
}

bool readNumber(const QCommandLineParser &p, const QString &name, int low, int high, int &out, QString &error)
{
    qint64 n = out;
    if (!readBigNumber(p, name, low, high, n, error))
        return false;
    out = static_cast<int>(n);
    return true;
}

bool readPort(const QCommandLineParser &p, const QString &name, int low, quint16 &out, QString &error)
{
    int n = out;
    if (!readNumber(p, name, low, 65535, n, error))
        return false;
    out = static_cast<quint16>(n);
    return true;
}

bool isIpv4(const QString &text)
{
    QHostAddress a;
    return a.setAddress(text) && a.protocol() == QAbstractSocket::IPv4Protocol;
}

// The reply's fields end at "|", so no text may hold one.
QString checkTexts(const ServerOptions &o)
{
    for (const QString &text : {o.offeredVersion, o.webAddress, o.emailAddress}) {
        if (text.contains(QLatin1Char('|')))
            return QStringLiteral("--offer-version, --web and --email may not contain \"|\"");
    }
    return {};
}

QString readTexts(const QCommandLineParser &p, ServerOptions &o)
{
    o.offeredVersion = p.isSet("offer-version") ? p.value("offer-version") : QStringLiteral(MARLUNE_VERSION);
    o.webAddress = p.value("web");
    o.emailAddress = p.value("email");
    o.commentsFile = p.isSet("comments") ? p.value("comments") : o.commentsFile;
    if (p.isSet("listen") && !o.listenAddress.setAddress(p.value("listen")))
        return QStringLiteral("--listen needs an IP address");
    o.nextAddress = p.value("next-address");
    if (o.nextAddress.isEmpty() && o.listenAddress.protocol() == QAbstractSocket::IPv4Protocol
        && o.listenAddress != QHostAddress(QHostAddress::AnyIPv4))
        o.nextAddress = o.listenAddress.toString();
    if (o.nextAddress.isEmpty())
        return QStringLiteral("--next-address is needed unless --listen names one IPv4 address");
    if (!isIpv4(o.nextAddress))
        return QStringLiteral("--next-address needs an IPv4 address");
    return checkTexts(o);
}

QString readNumbers(const QCommandLineParser &p, ServerOptions &o)
{
    QString e;
    if (readPort(p, "update-port", 0, o.updatePort, e) && readPort(p, "feedback-port", 0, o.feedbackPort, e)
        && readPort(p, "next-port", 1, o.nextPort, e)
        && readNumber(p, "max-comment", 1, 1 << 20, o.maxCommentBytes, e)
        && readNumber(p, "idle-ms", 1, 3600 * 1000, o.idleMs, e)
        && readNumber(p, "quiet-ms", 1, 60 * 1000, o.quietMs, e)
        && readNumber(p, "max-connections", 1, 10000, o.maxConnections, e)
        && readNumber(p, "max-per-address", 1, 10000, o.maxPerAddress, e)
        && readNumber(p, "deadline-ms", 1, 3600 * 1000, o.deadlineMs, e)
        && readNumber(p, "comments-per-hour", 0, 1000000, o.commentsPerHour, e)
        && readBigNumber(p, "max-comments-file", 0, qint64(1) << 50, o.maxCommentsFileBytes, e))
        return {};
    return e;
}

} // namespace

ParsedServerOptions parseServerOptions(const QStringList &arguments)
{
    QCommandLineParser p;
    p.setApplicationDescription(QStringLiteral(
        "Answers Marlune's update check with the options below and appends the comments\n"
        "it receives, with their time and sender, to a file."));
    p.addHelpOption();
    p.addVersionOption();
    for (const Option &o : optionTable())
        p.addOption(QCommandLineOption(o.name, o.description, o.valueName));

    ParsedServerOptions parsed;
    if (!p.parse(arguments)) {
        parsed.error = p.errorText();
        return parsed;
    }
    if (p.isSet("help")) {
        parsed.helpText = p.helpText();
        return parsed;
    }
    if (p.isSet("version")) {
        parsed.helpText = QStringLiteral("marlune-server " MARLUNE_VERSION "\n");
        return parsed;
    }
    if (!p.positionalArguments().isEmpty()) {
        parsed.error = QStringLiteral("unexpected argument: ") + p.positionalArguments().first();
        return parsed;
    }
    parsed.error = readNumbers(p, parsed.options);
    if (parsed.error.isEmpty())
        parsed.error = readTexts(p, parsed.options);
    return parsed;
}

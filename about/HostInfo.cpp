// SPDX-License-Identifier: MIT
// Copyright The Marlune developers
#include "HostInfo.h"

#include <QStringList>

void ParseReply(const QString &text, HostInfo &hostInfo)
{
    std::size_t next = 0;
    QString collecting;
    for (const QChar c : text) {
        if (c != QLatin1Char('|')) {
            collecting += c;
            continue;
        }
        hostInfo[next++] = collecting;
        collecting.clear();
        if (next == hostInfo.size())
            return;
    }
}

std::optional<int> wholeNumber(const QString &field)
{
    const QString digits = field.trimmed();
    // Six digits are more than any valid value needs and keep the sum far from overflow.
    if (digits.isEmpty() || digits.size() > 6)
        return std::nullopt;
    for (const QChar c : digits) {
        if (c < QLatin1Char('0') || c > QLatin1Char('9'))
            return std::nullopt;
    }
    return digits.toInt();
}

std::optional<ServerAddress> serverAddressOf(const HostInfo &hostInfo)
{
    QStringList bytes;
    for (int i = HostInfoField::FirstAddressNumber; i < HostInfoField::Port; ++i) {
        const std::optional<int> n = wholeNumber(hostInfo[i]);
        if (!n || *n > 255)
            return std::nullopt;
        bytes << QString::number(*n);
    }
    const std::optional<int> port = wholeNumber(hostInfo[HostInfoField::Port]);
    if (!port || *port < 1 || *port > 65535)
        return std::nullopt;
    return ServerAddress{bytes.join(QLatin1Char('.')), static_cast<quint16>(*port)};
}

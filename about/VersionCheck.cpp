// SPDX-License-Identifier: MIT
// Copyright The Marlune developers
#include "VersionCheck.h"

#include <QStringList>

namespace {

bool isDigit(QChar c) { return c >= QLatin1Char('0') && c <= QLatin1Char('9'); }

} // namespace

std::optional<float> leadingDecimal(const QString &text)
{
    qsizetype pos = 0;
    while (pos < text.size() && (text.at(pos) == QLatin1Char(' ') || text.at(pos) == QLatin1Char('\t')))
        ++pos;
    const qsizetype start = pos;
    qsizetype digits = 0;
    for (; pos < text.size() && isDigit(text.at(pos)); ++pos)
        ++digits;
    if (pos < text.size() && text.at(pos) == QLatin1Char('.')) {
        ++pos;
        for (; pos < text.size() && isDigit(text.at(pos)); ++pos)
            ++digits;
    }
    if (digits == 0)
        return std::nullopt;
    return text.mid(start, pos - start).toFloat();
}

QString minorAndRevision(const QString &version)
{
    const QStringList parts = version.split(QLatin1Char('.'));
    return parts.value(1) + QLatin1Char('.') + parts.value(2);
}

bool CompareVersion(const QString &serverVersion, const QString &ownVersion)
{
    const std::optional<float> server = leadingDecimal(serverVersion.mid(2));
    const float own = leadingDecimal(minorAndRevision(ownVersion)).value_or(0.0f);
    return server && *server > own;
}

// SPDX-License-Identifier: MIT
// Copyright The Marlune developers
#include "AutoTagRule.h"

#include <algorithm>

namespace AutoTagRule {

QString defaultComment()
{
    return QStringLiteral("ID3 Tag by Marlune");
}

bool isBlankComment(const QString &comment)
{
    return std::all_of(comment.begin(), comment.end(), [](QChar c) { return c == QLatin1Char(' '); });
}

namespace {

// What follows the path's last separator, in place.
QStringView afterLastSeparator(const QString &path)
{
    qsizetype cut = path.lastIndexOf(QLatin1Char('/'));
#ifdef Q_OS_WIN
    cut = std::max(cut, path.lastIndexOf(QLatin1Char('\\')));
#endif
    return QStringView(path).sliced(cut + 1);
}

std::optional<Names> namesFromName(QStringView s)
{
    if (!s.startsWith(QLatin1Char('(')))
        return std::nullopt;
    // 0-based: the title ends before index n, where the four-character extension begins.
    const qsizetype n = s.size() - 4;
    const qsizetype close = s.indexOf(QLatin1Char(')'), 1);
    if (close < 0 || close >= n)
        return std::nullopt;
    const qsizetype titleAt = close + 2;
    return Names{s.sliced(1, close - 1).toString(), titleAt < n ? s.sliced(titleAt, n - titleAt).toString() : QString()};
}

} // namespace

QString fileNamePart(const QString &path)
{
    QString name = afterLastSeparator(path).toString();
    name.remove(QLatin1Char('"'));
    return name;
}

std::optional<Names> namesFromPath(const QString &path)
{
    // A tagging pass reads thousands of names; most hold no double quote and are read
    // in place.
    const QStringView name = afterLastSeparator(path);
    if (name.contains(QLatin1Char('"')))
        return namesFromName(fileNamePart(path));
    return namesFromName(name);
}

} // namespace AutoTagRule

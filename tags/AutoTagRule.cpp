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

QString fileNamePart(const QString &path)
{
    qsizetype cut = path.lastIndexOf(QLatin1Char('/'));
#ifdef Q_OS_WIN
    cut = std::max(cut, path.lastIndexOf(QLatin1Char('\\')));
#endif
    QString name = path.mid(cut + 1);
    name.remove(QLatin1Char('"'));
    return name;
}

std::optional<Names> namesFromPath(const QString &path)
{
    const QString s = fileNamePart(path);
    if (!s.startsWith(QLatin1Char('(')))
        return std::nullopt;
    // 0-based: the title ends before index n, where the four-character extension begins.
    const qsizetype n = s.size() - 4;
    const qsizetype close = s.indexOf(QLatin1Char(')'), 1);
    if (close < 0 || close >= n)
        return std::nullopt;
    const qsizetype titleAt = close + 2;
    return Names{s.mid(1, close - 1), titleAt < n ? s.mid(titleAt, n - titleAt) : QString()};
}

} // namespace AutoTagRule

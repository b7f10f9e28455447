// SPDX-License-Identifier: MIT
// Copyright The Marlune developers
#include "BenchNames.h"

#include <QRandomGenerator>
#include <QStringList>

QList<QString> benchNames(int count)
{
    static const QStringList words{QStringLiteral("the"),   QStringLiteral("owls"),  QStringLiteral("blue"),
                                   QStringLiteral("Sky"),   QStringLiteral("MIDNIGHT"), QStringLiteral("river"),
                                   QStringLiteral("don't"), QStringLiteral("(live)"), QStringLiteral("[remix]"),
                                   QStringLiteral("Émile"), QStringLiteral("song"),  QStringLiteral("of")};
    static const QStringList joins{QStringLiteral(" "), QStringLiteral("_"), QStringLiteral(" - "), QStringLiteral("-")};
    QRandomGenerator rng(42);
    QList<QString> names;
    names.reserve(count);
    for (int i = 0; i < count; ++i) {
        QString name = QStringLiteral("%1 ").arg(rng.bounded(1, 20), 2, 10, QLatin1Char('0'));
        const int n = int(rng.bounded(3, 8));
        for (int w = 0; w < n; ++w) {
            if (w > 0)
                name += joins.at(rng.bounded(qsizetype(joins.size())));
            name += words.at(rng.bounded(qsizetype(words.size())));
        }
        name += rng.bounded(2) ? QStringLiteral(".mp3") : QStringLiteral(".MP3");
        names.append(name);
    }
    return names;
}

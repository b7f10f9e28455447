// SPDX-License-Identifier: MIT
// Copyright The Marlune developers
#include "GenreCollection.h"

#include "GenreTable.h"

GenreCollection::GenreCollection()
{
    for (const GenreTable::Row &row : GenreTable::rows()) {
        const QString name = QString::fromLatin1(row.name);
        m_indexByKey.insert(name.toLower(), int(m_texts.size()));
        m_texts << QString::number(row.number).leftJustified(3, QLatin1Char(' ')) + name;
    }
}

std::optional<QString> GenreCollection::item(const QString &key) const
{
    const auto it = m_indexByKey.constFind(key.toLower());
    if (it == m_indexByKey.constEnd())
        return std::nullopt;
    return m_texts.at(*it);
}

quint8 GenreCollection::numberOfText(const QString &text)
{
    return quint8(text.left(3).trimmed().toUInt());
}

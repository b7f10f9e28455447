// SPDX-License-Identifier: MIT
// Copyright The Marlune developers
#pragma once

#include <QHash>
#include <QString>
#include <QStringList>
#include <optional>

// The keyed collection Genres_ of the tag editor: per genre row, in table order, the
// text "NNNName" (the number left-aligned in three characters, then the name, e.g.
// "0  Blues", "123Acapella"), stored under the name; keys ignore letter case.
class GenreCollection
{
public:
    GenreCollection();

    int count() const { return int(m_texts.size()); }
    // The texts in table order.
    const QStringList &texts() const { return m_texts; }
    // The text stored under a name, or nothing.
    std::optional<QString> item(const QString &key) const;
    // The number a stored text begins with: "34 Acid" gives 34.
    static quint8 numberOfText(const QString &text);

private:
    QStringList m_texts;
    QHash<QString, int> m_indexByKey; // lower-cased name -> position in m_texts
};

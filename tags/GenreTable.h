// SPDX-License-Identifier: MIT
// Copyright The Marlune developers
#pragma once

#include <QString>
#include <QStringList>
#include <optional>
#include <span>

// The 148 genres the program offers, in the order its genre list shows them (not
// by number), each with its ID3v1 genre number. The list adds a 149th entry, a
// single blank, for "no genre" (255). Names are matched without regard to case.
namespace GenreTable {

struct Row
{
    const char *name;
    quint8 number;
};

inline constexpr quint8 NoGenre = 255;
inline constexpr int RowCount = 148;
// The index of the blank entry in the genre list.
inline constexpr int BlankIndex = RowCount;

std::span<const Row> rows();

// The entries of the genre list cboGenre: the names in table order, then " ".
QStringList listEntries();

// The list index that shows genre number n, or BlankIndex when no row has it.
int listIndexForNumber(quint8 number);
// The row's number for a list index 0..147; 255 for the blank entry or none (-1).
quint8 numberForListIndex(int index);

// The row's name for a number, empty when no row has it.
QString nameForNumber(quint8 number);
// Case-insensitive, blanks around the name ignored.
std::optional<quint8> numberForName(const QString &name);

} // namespace GenreTable

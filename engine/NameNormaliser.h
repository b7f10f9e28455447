// SPDX-License-Identifier: MIT
// Copyright The Marlune developers
#pragma once

#include "CountSource.h"
#include "NamingMode.h"

#include <QString>
#include <optional>

// The naming modes: pure text functions over a whole file name, extension included.
// Case mapping is Unicode's simple one-code-unit mapping (CaseMapping), so lengths
// never change.

// The text of a proposal that got no word count; such entries are never renamed.
inline QString emptyProposal() { return QStringLiteral("Empty"); }

// Each run of spaces becomes one space; the result always begins with a space,
// which every caller trims away.
QString CollapseSpaces(const QString &s);

// "the_owls-blue sky.MP3" with 2 words -> "(The Owls) Blue Sky.mp3", or "Empty" when the
// count source gives no count (or the name holds no word at all; then nothing is asked).
// Applied to its own output with the same count it returns that output unchanged.
QString FormatName(const QString &name, CountSource &counts);
QString FormatName(const QString &name, int wordCount);
// Whether FormatName(text, wordCount) gives text back, found without building it: the
// rename step checks every confirmed proposal this way.
bool FormatNameKeeps(const QString &text, int wordCount);

// FormatName's cleaned, lower-cased, capitalised text with the leading "(" (the name the
// count dialog shows); empty when the name holds nothing but separators.
QString FormatWorkingName(const QString &name);
// Puts ")" right after the wordCount-th word of a working name. Fewer words leave the
// "(" open.
QString CloseArtist(const QString &workingName, int wordCount);

// Letter case only: lower-case, trim, capitalise each word. The first character is
// capitalised when it is a letter, otherwise the second: ‹[artist] - song.mp3› gives
// ‹[Artist] - Song.mp3›, and a name in the program's form its first word.
QString CapitalizeOnly(const QString &name);
// Whether CapitalizeOnly(text) gives text back, found without building it.
bool CapitalizeOnlyKeeps(const QString &text);
// Digits become spaces (the last character is kept), spacing tidied.
QString RemoveNumbers(const QString &name);
// Underscores become spaces (the last character is kept), spacing tidied.
QString RemoveUnderscore(const QString &name);

QString ApplyNamingMode(NamingMode mode, const QString &name, CountSource &counts);

// Reads a typed word count as the count dialog does: blanks, tabs and line feeds are
// ignored, a leading number is taken (‹2 words› is 2), rounded half to even. nullopt
// when the value is below 1 or beyond a 16-bit integer (the entry becomes "Empty").
std::optional<int> ParseCountAnswer(const QString &answer);

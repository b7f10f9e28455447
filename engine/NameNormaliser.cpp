// SPDX-License-Identifier: MIT
// Copyright The Marlune developers
#include "NameNormaliser.h"

#include "CaseMapping.h"

#include <array>
#include <cmath>
#include <utility>

namespace {

constexpr char16_t kSpace = u' ';

constexpr bool isFormatSeparator(char16_t c)
{
    switch (c) {
    case u'_': case u'-': case u']': case u'[': case u'}': case u'{': case u')': case u'(':
        return true;
    default:
        return false;
    }
}

// Per ASCII unit, what FormatName makes of it before capitalising: its lower case, or
// kCut for a space or separator, which ends a word. Names are mostly ASCII, and the pass
// runs over every unit twice per renamed file.
constexpr char16_t kCut = 0xFFFF;
constexpr std::array<char16_t, 128> kAsciiFormat = [] {
    std::array<char16_t, 128> table{};
    for (char16_t c = 0; c < 128; ++c) {
        const char16_t lower = (c >= u'A' && c <= u'Z') ? char16_t(c + 32) : c;
        table[c] = (c == kSpace || isFormatSeparator(c)) ? kCut : lower;
    }
    return table;
}();

// Only the space character counts; a tab inside a name is part of the name.
std::pair<qsizetype, qsizetype> trimmedSpan(QStringView s)
{
    qsizetype first = 0, last = s.size();
    while (first < last && s[first] == QChar(kSpace))
        ++first;
    while (last > first && s[last - 1] == QChar(kSpace))
        --last;
    return {first, last};
}

// FormatName's one pass over a name: separators and underscores become spaces, runs of
// spaces one space, the ends are trimmed, everything lower-cased and each word
// capitalised, after a leading "(". With closeAfter above 0 the ")" goes in before the
// closeAfter-th space, as CloseArtist puts it. emit(position, unit) takes each unit of
// the result and may stop the pass by returning false (then -1); otherwise the result's
// length. Building a name and checking one against its form share this, so they cannot
// drift apart.
template <typename Emit>
qsizetype formatPass(QStringView name, int closeAfter, Emit emit)
{
    qsizetype n = 0;
    const auto put = [&](char16_t c) { return emit(n++, c); };
    if (!put(u'('))
        return -1;
    bool pendingSpace = false;
    int spaces = 0;
    for (const QChar qc : name) {
        const char16_t c = qc.unicode();
        // Every separator is ASCII.
        const char16_t lower = c < 0x80 ? kAsciiFormat[c] : CaseMapping::lower(c);
        if (c < 0x80 && lower == kCut) {
            pendingSpace = n > 1;
            continue;
        }
        const bool wordStart = n == 1 || pendingSpace;
        if (pendingSpace && ((++spaces == closeAfter && !put(u')')) || !put(kSpace)))
            return -1;
        pendingSpace = false;
        if (!put(wordStart ? CaseMapping::upper(lower) : lower))
            return -1;
    }
    return n;
}

// CapitalizeOnly's pass over a name already trimmed of spaces: lower-case, then
// capitalise the first character (the second when the first is no letter) and every
// character after a space but the second. emit as for formatPass; false when it stopped.
template <typename Emit>
bool capitalizePass(QStringView name, Emit emit)
{
    if (name.isEmpty())
        return true;
    const char16_t *d = name.utf16();
    // One leading mark such as "(", "[" or "¿" must not keep the first word from being
    // capitalised.
    const char16_t lower0 = CaseMapping::lower(d[0]);
    const bool letterFirst = QChar::isLetter(char32_t(lower0));
    if (!emit(0, letterFirst ? CaseMapping::upper(lower0) : lower0))
        return false;
    if (name.size() > 1) {
        const char16_t lower1 = CaseMapping::lower(d[1]);
        if (!emit(1, letterFirst ? lower1 : CaseMapping::upper(lower1)))
            return false;
    }
    for (qsizetype i = 2; i < name.size(); ++i) {
        const char16_t lower = CaseMapping::lower(d[i]);
        // Case mappings never make or take a space, so the input tells where they are.
        if (!emit(i, d[i - 1] == kSpace ? CaseMapping::upper(lower) : lower))
            return false;
    }
    return true;
}

// The same as trimming CollapseSpaces' result, in one pass.
QString collapseAndTrim(const QString &s)
{
    QString out(s.size(), Qt::Uninitialized);
    char16_t *o = reinterpret_cast<char16_t *>(out.data());
    qsizetype n = 0;
    bool pendingSpace = false;
    for (const QChar qc : s) {
        const char16_t c = qc.unicode();
        if (c == kSpace) {
            pendingSpace = n > 0;
            continue;
        }
        if (pendingSpace)
            o[n++] = kSpace;
        pendingSpace = false;
        o[n++] = c;
    }
    out.truncate(n);
    return out;
}

// Digits or underscores become spaces everywhere but in the last position, which is
// how ‹.mp3› keeps its 3.
template <typename Pred>
QString blankAllButLast(const QString &name, Pred hit)
{
    QString s = name;
    char16_t *d = reinterpret_cast<char16_t *>(s.data());
    for (qsizetype i = 0; i + 1 < s.size(); ++i) {
        if (hit(d[i]))
            d[i] = kSpace;
    }
    return collapseAndTrim(s);
}

// Where CloseArtist puts the ")": at the wordCount-th space; -1 when there are fewer.
qsizetype artistEnd(QStringView workingName, int wordCount)
{
    int spaces = 0;
    for (qsizetype i = 0; i < workingName.size(); ++i) {
        if (workingName[i] == QChar(kSpace) && ++spaces == wordCount)
            return i;
    }
    return -1;
}

} // namespace

QString CollapseSpaces(const QString &s)
{
    QString out(QStringLiteral(" "));
    out.reserve(s.size() + 1);
    bool previousWasSpace = false;
    for (const QChar c : s) {
        const bool isSpace = c == QChar(kSpace);
        if (!(previousWasSpace && isSpace))
            out.append(c);
        previousWasSpace = isSpace;
    }
    return out;
}

QString FormatWorkingName(const QString &name)
{
    // Room for the ")" that FormatName puts in next, so closing needs no second allocation.
    QString out(name.size() + 2, Qt::Uninitialized);
    char16_t *o = reinterpret_cast<char16_t *>(out.data());
    const qsizetype n = formatPass(name, 0, [o](qsizetype at, char16_t c) {
        o[at] = c;
        return true;
    });
    if (n == 1)
        return QString();
    out.truncate(n);
    return out;
}

bool FormatNameKeeps(const QString &text, int wordCount)
{
    if (wordCount < 1)
        return text == emptyProposal();
    const char16_t *t = reinterpret_cast<const char16_t *>(text.constData());
    const qsizetype size = text.size();
    const qsizetype n = formatPass(text, wordCount, [t, size](qsizetype at, char16_t c) { return at < size && t[at] == c; });
    // Only the "(": the text holds no word, and FormatName gives "Empty" for it.
    if (n == 1)
        return text == emptyProposal();
    return n == size;
}

QString CloseArtist(const QString &workingName, int wordCount)
{
    QString out = workingName;
    if (const qsizetype at = artistEnd(workingName, wordCount); at >= 0)
        out.insert(at, QChar(u')'));
    return out;
}

QString FormatName(const QString &name, CountSource &counts)
{
    QString working = FormatWorkingName(name);
    // Nothing but separators: there is no word to count, so nothing is asked.
    if (working.isEmpty())
        return emptyProposal();
    const std::optional<int> wordCount = counts.wordCount(name, working);
    if (!wordCount || *wordCount < 1)
        return emptyProposal();
    // In place: the working name was made with room for the ")".
    if (const qsizetype at = artistEnd(working, *wordCount); at >= 0)
        working.insert(at, QChar(u')'));
    return working;
}

QString FormatName(const QString &name, int wordCount)
{
    FixedCountSource counts(wordCount);
    return FormatName(name, counts);
}

QString CapitalizeOnly(const QString &name)
{
    const auto [first, last] = trimmedSpan(name);
    QString out(last - first, Qt::Uninitialized);
    char16_t *o = reinterpret_cast<char16_t *>(out.data());
    capitalizePass(QStringView(name).sliced(first, last - first), [o](qsizetype at, char16_t c) {
        o[at] = c;
        return true;
    });
    return out;
}

bool CapitalizeOnlyKeeps(const QString &text)
{
    const auto [first, last] = trimmedSpan(text);
    if (first != 0 || last != text.size())
        return false;
    const char16_t *t = reinterpret_cast<const char16_t *>(text.constData());
    return capitalizePass(text, [t](qsizetype at, char16_t c) { return t[at] == c; });
}

QString RemoveNumbers(const QString &name)
{
    return blankAllButLast(name, [](char16_t c) { return c >= u'0' && c <= u'9'; });
}

QString RemoveUnderscore(const QString &name)
{
    return blankAllButLast(name, [](char16_t c) { return c == u'_'; });
}

QString ApplyNamingMode(NamingMode mode, const QString &name, CountSource &counts)
{
    switch (mode) {
    case NamingMode::Capitalize:
        return CapitalizeOnly(name);
    case NamingMode::RemoveNumbers:
        return RemoveNumbers(name);
    case NamingMode::RemoveUnderscore:
        return RemoveUnderscore(name);
    case NamingMode::Format:
        break;
    }
    return FormatName(name, counts);
}

std::optional<int> ParseCountAnswer(const QString &answer)
{
    QByteArray text;
    text.reserve(answer.size());
    for (const QChar c : answer) {
        if (c == u' ' || c == u'\t' || c == u'\n')
            continue;
        // Only ASCII can belong to a number; anything else ends it.
        text.append(c.unicode() < 0x80 ? char(c.unicode()) : '\x01');
    }
    qsizetype i = 0;
    const auto digitsAt = [&](qsizetype from) {
        qsizetype j = from;
        while (j < text.size() && text[j] >= '0' && text[j] <= '9')
            ++j;
        return j;
    };
    if (i < text.size() && (text[i] == '+' || text[i] == '-'))
        ++i;
    qsizetype end = digitsAt(i);
    bool any = end > i;
    if (end < text.size() && text[end] == '.') {
        const qsizetype fraction = digitsAt(end + 1);
        any = any || fraction > end + 1;
        end = fraction;
    }
    if (!any)
        return std::nullopt;
    if (end < text.size() && (text[end] == 'e' || text[end] == 'E')) {
        qsizetype e = end + 1;
        if (e < text.size() && (text[e] == '+' || text[e] == '-'))
            ++e;
        const qsizetype exponentEnd = digitsAt(e);
        if (exponentEnd > e)
            end = exponentEnd;
    }
    // QByteArray reads the C locale's decimal point whatever the user's locale is.
    const double value = std::nearbyint(text.left(end).toDouble());
    if (!(value >= -32768.0 && value <= 32767.0) || value < 1.0)
        return std::nullopt;
    return int(value);
}

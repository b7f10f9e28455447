// SPDX-License-Identifier: MIT
// Copyright The Marlune developers
#include "NameNormaliser.h"

#include "CaseMapping.h"

#include <cmath>

namespace {

constexpr char16_t kSpace = u' ';

inline bool isFormatSeparator(char16_t c)
{
    switch (c) {
    case u'_': case u'-': case u']': case u'[': case u'}': case u'{': case u')': case u'(':
        return true;
    default:
        return false;
    }
}

// Only the space character counts; a tab inside a name is part of the name.
QString trimSpaces(const QString &s)
{
    qsizetype first = 0, last = s.size();
    while (first < last && s.at(first) == QChar(kSpace))
        ++first;
    while (last > first && s.at(last - 1) == QChar(kSpace))
        --last;
    return (first == 0 && last == s.size()) ? s : s.mid(first, last - first);
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
    // Separators and underscores become spaces, runs of spaces one space, the ends are
    // trimmed, everything lower-cased and each word capitalised: the steps fused into
    // one pass over the name.
    QString out(name.size() + 1, Qt::Uninitialized);
    char16_t *o = reinterpret_cast<char16_t *>(out.data());
    o[0] = u'(';
    qsizetype n = 1;
    bool pendingSpace = false;
    for (const QChar qc : name) {
        const char16_t c = qc.unicode();
        if (c == kSpace || isFormatSeparator(c)) {
            pendingSpace = n > 1;
            continue;
        }
        const bool wordStart = n == 1 || pendingSpace;
        if (pendingSpace)
            o[n++] = kSpace;
        pendingSpace = false;
        const char16_t lower = CaseMapping::lower(c);
        o[n++] = wordStart ? CaseMapping::upper(lower) : lower;
    }
    if (n == 1)
        return QString();
    out.truncate(n);
    return out;
}

QString CloseArtist(const QString &workingName, int wordCount)
{
    int spaces = 0;
    for (qsizetype i = 0; i < workingName.size(); ++i) {
        if (workingName.at(i) == QChar(kSpace) && ++spaces == wordCount) {
            QString out;
            out.reserve(workingName.size() + 1);
            out.append(QStringView(workingName).left(i)).append(QChar(u')')).append(QStringView(workingName).mid(i));
            return out;
        }
    }
    return workingName;
}

QString FormatName(const QString &name, CountSource &counts)
{
    const QString working = FormatWorkingName(name);
    // Nothing but separators: there is no word to count, so nothing is asked.
    if (working.isEmpty())
        return emptyProposal();
    const std::optional<int> wordCount = counts.wordCount(name, working);
    if (!wordCount || *wordCount < 1)
        return emptyProposal();
    return CloseArtist(working, *wordCount);
}

QString FormatName(const QString &name, int wordCount)
{
    FixedCountSource counts(wordCount);
    return FormatName(name, counts);
}

QString CapitalizeOnly(const QString &name)
{
    QString s = name;
    char16_t *d = reinterpret_cast<char16_t *>(s.data());
    for (qsizetype i = 0; i < s.size(); ++i)
        d[i] = CaseMapping::lower(d[i]);
    s = trimSpaces(s);
    if (s.isEmpty())
        return s;
    d = reinterpret_cast<char16_t *>(s.data());
    // One leading mark such as "(", "[" or "¿" must not keep the first word from being
    // capitalised.
    const qsizetype first = QChar::isLetter(char32_t(d[0])) ? 0 : 1;
    if (first < s.size())
        d[first] = CaseMapping::upper(d[first]);
    for (qsizetype i = 1; i + 1 < s.size(); ++i) {
        if (d[i] == kSpace)
            d[i + 1] = CaseMapping::upper(d[i + 1]);
    }
    return s;
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

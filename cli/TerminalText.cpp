// SPDX-License-Identifier: MIT
// Copyright The Marlune developers
#include "TerminalText.h"

#include <algorithm>

namespace {

bool isControl(char16_t c)
{
    return c < 0x20 || (c >= 0x7F && c <= 0x9F);
}

} // namespace

QString escapeForTerminal(const QString &text)
{
    // Nearly every text has nothing to escape: hand it back without copying.
    const auto needsEscape = [](QChar c) { return c == QLatin1Char('\\') || isControl(c.unicode()); };
    if (std::none_of(text.begin(), text.end(), needsEscape))
        return text;
    QString out;
    out.reserve(text.size() + 8);
    for (const QChar c : text) {
        if (c == QLatin1Char('\\'))
            out += QLatin1String("\\\\");
        else if (c == QLatin1Char('\n'))
            out += QLatin1String("\\n");
        else if (c == QLatin1Char('\t'))
            out += QLatin1String("\\t");
        else if (isControl(c.unicode()))
            out += QStringLiteral("\\x%1").arg(unsigned(c.unicode()), 2, 16, QLatin1Char('0'));
        else
            out += c;
    }
    return out;
}

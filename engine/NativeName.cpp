// SPDX-License-Identifier: MIT
// Copyright The Marlune developers
#include "NativeName.h"

#include "PathHelpers.h"

NativeName NativeName::fromText(const QString &text)
{
    return {text.toUtf8(), text};
}

NativeName NativeName::withSlash() const
{
    // Separators are ASCII: the last byte is a separator exactly when the text's last
    // character is one.
    if (!m_native.isEmpty() && isPathSeparator(QLatin1Char(m_native.back())))
        return *this;
    const QChar separator = nativeSeparator();
    return {m_native + char(separator.unicode()), m_text + separator};
}

NativeName NativeName::joined(const NativeName &name) const
{
    if (m_native.isEmpty())
        return name;
    const NativeName folder = withSlash();
    return {folder.m_native + name.m_native, folder.m_text + name.m_text};
}

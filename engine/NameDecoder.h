// SPDX-License-Identifier: MIT
// Copyright The Marlune developers
#pragma once

#include "NativeName.h"

#include <QByteArray>
#include <QString>
#include <optional>

// Turns the bytes of a name into the text shown for it. A name that is valid UTF-8 is
// that text; any other was made on another system and is read in a legacy encoding,
// Windows-1252 unless the user names another. Bytes that encoding leaves undefined
// show as U+FFFD; the bytes themselves are always kept beside the text.
class NameDecoder
{
public:
    // Windows-1252.
    NameDecoder();

    // nullopt when no converter of that name is known.
    static std::optional<NameDecoder> forEncoding(const QString &name);
    static QString defaultEncoding();
    // The variable that names another legacy encoding for the whole program.
    static const char *environmentVariable() { return "MARLUNE_LEGACY_ENCODING"; }
    // MARLUNE_LEGACY_ENCODING when set and known; else the default, with *unknown set
    // to the name that was not known.
    static NameDecoder fromEnvironment(QString *unknown = nullptr);

    QString encoding() const { return QString::fromLatin1(m_encoding); }
    NativeName decode(const QByteArray &native) const;
    QString text(const QByteArray &native) const;
    // The text of a name that is valid UTF-8; none for any other.
    static std::optional<QString> utf8Text(const QByteArray &native);

private:
    explicit NameDecoder(QByteArray encoding) : m_encoding(std::move(encoding)) {}

    QByteArray m_encoding;
};

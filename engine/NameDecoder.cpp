// SPDX-License-Identifier: MIT
// Copyright The Marlune developers
#include "NameDecoder.h"

#include <QStringDecoder>

namespace {

// A leading byte-order mark is part of a name, not a header to skip; and a sequence cut
// off at the end is an error here, not state for a next call.
constexpr QStringConverter::Flags kNameFlags =
    QStringConverter::Flag::Stateless | QStringConverter::Flag::ConvertInitialBom;

// ASCII reads the same in UTF-8 and Latin-1, and Latin-1 needs no decoder: most names
// of a large batch take this road. No early exit, so the loop runs a word at a time.
bool isAscii(const QByteArray &bytes)
{
    unsigned char seen = 0;
    for (const char c : bytes)
        seen |= static_cast<unsigned char>(c);
    return seen < 0x80;
}

// Converters fill the holes of Windows-1252 (0x81, 0x8D...) with C1 controls, which no
// one typed into a file name: they are shown as what they are, undefined.
QString withoutControls(QString text)
{
    for (QChar &c : text) {
        if (c.unicode() >= 0x80 && c.unicode() <= 0x9f)
            c = QChar::ReplacementCharacter;
    }
    return text;
}

} // namespace

NameDecoder::NameDecoder() : m_encoding(defaultEncoding().toLatin1())
{
}

QString NameDecoder::defaultEncoding()
{
    return QStringLiteral("windows-1252");
}

std::optional<NameDecoder> NameDecoder::forEncoding(const QString &name)
{
    const QByteArray encoding = name.trimmed().toLatin1();
    if (encoding.isEmpty() || !QStringDecoder(encoding.constData()).isValid())
        return std::nullopt;
    return NameDecoder(encoding);
}

NameDecoder NameDecoder::fromEnvironment(QString *unknown)
{
    const QString name = qEnvironmentVariable(environmentVariable());
    if (name.isEmpty())
        return NameDecoder();
    if (std::optional<NameDecoder> decoder = forEncoding(name))
        return *decoder;
    if (unknown)
        *unknown = name;
    return NameDecoder();
}

std::optional<QString> NameDecoder::utf8Text(const QByteArray &native)
{
    QStringDecoder utf8(QStringConverter::Utf8, kNameFlags);
    QString text = utf8.decode(native);
    if (utf8.hasError())
        return std::nullopt;
    return text;
}

QString NameDecoder::text(const QByteArray &native) const
{
    if (isAscii(native))
        return QString::fromLatin1(native);
    if (std::optional<QString> text = utf8Text(native))
        return *text;
    QStringDecoder legacy(m_encoding.constData(), kNameFlags);
    return withoutControls(legacy.decode(native));
}

NativeName NameDecoder::decode(const QByteArray &native) const
{
    return {native, text(native)};
}

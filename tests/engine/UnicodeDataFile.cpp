// SPDX-License-Identifier: MIT
// Copyright The Marlune developers
#include "UnicodeDataFile.h"

#include <QFile>
#include <QList>

const UnicodeDataFile &UnicodeDataFile::instance()
{
    static const UnicodeDataFile file;
    return file;
}

UnicodeDataFile::UnicodeDataFile()
{
    for (int c = 0; c < 0x10000; ++c)
        m_lower[c] = m_upper[c] = char16_t(c);
    QFile file(QString::fromLatin1(Path));
    if (!file.open(QIODevice::ReadOnly)) {
        m_error = QStringLiteral("%1: %2 (Debian package unicode-data)").arg(file.fileName(), file.errorString());
        return;
    }
    while (!file.atEnd()) {
        const QList<QByteArray> fields = file.readLine().split(';');
        if (fields.size() < 14)
            continue;
        const uint code = fields[0].toUInt(nullptr, 16);
        if (code > 0xFFFF)
            continue;
        const auto take = [&](const QByteArray &field, std::array<char16_t, 0x10000> &table) {
            bool ok = false;
            const uint target = field.trimmed().toUInt(&ok, 16);
            if (ok && target <= 0xFFFF && (target < 0xD800 || target > 0xDFFF))
                table[code] = char16_t(target);
        };
        take(fields[12], m_upper);
        take(fields[13], m_lower);
    }
    m_loaded = true;
}

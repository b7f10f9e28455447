// SPDX-License-Identifier: MIT
// Copyright The Marlune developers
#pragma once

#include "ErrorInfo.h"

#include <QByteArray>
#include <QString>
#include <optional>

// The quoted-field text format of renamer.ini and hostinfo.ini: one value per
// line, text in double quotes, numbers bare, CR LF line ends, UTF-8.

// Reads the fields one after another. A field that starts with a double quote
// runs to the next double quote, and what follows it up to the next comma or
// line end is skipped; an unquoted field runs to the next comma or line end.
// Leading spaces are skipped. next() gives nullopt once the data is used up,
// which a caller reading a fixed number of fields treats as a damaged file.
class QuotedFieldReader
{
public:
    explicit QuotedFieldReader(QByteArray data);

    std::optional<QString> next();
    bool atEnd() const { return m_pos >= m_data.size(); }

private:
    QString takeQuoted();
    QString takeBare();
    void skipToFieldEnd();

    QByteArray m_data;
    qsizetype m_pos = 0;
};

// Builds the file's bytes line by line. A text cannot hold a double quote (the
// format has no escape); callers refuse such input before it gets here, and the
// writer drops any that slips through rather than write a line that reads back
// as a different value.
class QuotedFieldWriter
{
public:
    void addText(const QString &text);
    void addNumber(qint64 number);
    const QByteArray &bytes() const { return m_bytes; }

private:
    QByteArray m_bytes;
};

// Reads a whole file; nullopt when it cannot be opened or read.
std::optional<QByteArray> readWholeFile(const QString &path);

// Replaces path with bytes through a temporary file in the same folder, so a
// failure at any point leaves the old file whole. A missing folder is made first.
// Gives the error on failure.
ErrorInfo saveWholeFile(const QString &path, const QByteArray &bytes);

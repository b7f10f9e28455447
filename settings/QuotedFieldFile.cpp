// SPDX-License-Identifier: MIT
// Copyright The Marlune developers
#include "QuotedFieldFile.h"

#include "PathHelpers.h"

#include <QFile>
#include <QSaveFile>

namespace {

bool isLineEnd(char c) { return c == '\r' || c == '\n'; }

} // namespace

QuotedFieldReader::QuotedFieldReader(QByteArray data)
    : m_data(std::move(data))
{
}

std::optional<QString> QuotedFieldReader::next()
{
    while (m_pos < m_data.size() && m_data.at(m_pos) == ' ')
        ++m_pos;
    if (atEnd())
        return std::nullopt;
    return m_data.at(m_pos) == '"' ? takeQuoted() : takeBare();
}

QString QuotedFieldReader::takeQuoted()
{
    const qsizetype start = ++m_pos;
    while (m_pos < m_data.size() && m_data.at(m_pos) != '"')
        ++m_pos;
    const QString value = QString::fromUtf8(m_data.mid(start, m_pos - start));
    if (m_pos < m_data.size())
        ++m_pos; // the closing quote
    skipToFieldEnd();
    return value;
}

QString QuotedFieldReader::takeBare()
{
    const qsizetype start = m_pos;
    while (m_pos < m_data.size() && m_data.at(m_pos) != ',' && !isLineEnd(m_data.at(m_pos)))
        ++m_pos;
    const QString value = QString::fromUtf8(m_data.mid(start, m_pos - start));
    skipToFieldEnd();
    return value;
}

void QuotedFieldReader::skipToFieldEnd()
{
    while (m_pos < m_data.size() && m_data.at(m_pos) != ',' && !isLineEnd(m_data.at(m_pos)))
        ++m_pos;
    if (m_pos >= m_data.size())
        return;
    if (m_data.at(m_pos) == ',') {
        ++m_pos;
        return;
    }
    // CR LF, a lone CR or a lone LF all end one line.
    if (m_data.at(m_pos) == '\r' && m_pos + 1 < m_data.size() && m_data.at(m_pos + 1) == '\n')
        ++m_pos;
    ++m_pos;
}

void QuotedFieldWriter::addText(const QString &text)
{
    QString clean = text;
    clean.remove(QLatin1Char('"'));
    m_bytes += '"' + clean.toUtf8() + "\"\r\n";
}

void QuotedFieldWriter::addNumber(qint64 number)
{
    m_bytes += QByteArray::number(number) + "\r\n";
}

std::optional<QByteArray> readWholeFile(const QString &path)
{
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly))
        return std::nullopt;
    return f.readAll();
}

ErrorInfo saveWholeFile(const QString &path, const QByteArray &bytes)
{
    // The settings folder is made by the first save, not at start-up; when it cannot
    // be made, opening below reports why.
    makeParentFolder(path);
    // Unbuffered, so a short write (full disk, size limit) shows up here: a buffered
    // QSaveFile can report a cut-off file as committed and replace the old one with it.
    QSaveFile f(path);
    if (!f.open(QIODevice::WriteOnly | QIODevice::Unbuffered))
        return {75, f.errorString()};
    if (f.write(bytes) != bytes.size()) {
        const QString why = f.errorString();
        f.cancelWriting();
        return {61, why};
    }
    if (!f.commit())
        return {75, f.errorString()};
    return {};
}

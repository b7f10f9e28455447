// SPDX-License-Identifier: MIT
// Copyright The Marlune developers
#include "AnswerStore.h"

#include "PathHelpers.h"

#include <QFile>

namespace {

std::optional<int> parseLine(QByteArrayView line)
{
    if (line.isEmpty() || line.size() > 5)
        return std::nullopt;
    int value = 0;
    for (const char c : line) {
        if (c < '0' || c > '9')
            return std::nullopt;
        value = value * 10 + (c - '0');
    }
    if (value < 1 || value > 32767)
        return std::nullopt;
    return value;
}

} // namespace

ErrorInfo AnswerStore::append(int count)
{
    // The cache folder is made by the first answer, not at start-up.
    makeParentFolder(m_path);
    QFile file(m_path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Append))
        return {75, file.errorString()};
    const qint64 before = file.size();
    const QByteArray line = QByteArray::number(count) + "\r\n";
    if (file.write(line) != line.size() || !file.flush()) {
        const QString reason = file.errorString();
        file.resize(before);
        return {75, reason};
    }
    return {};
}

AnswerStore::Contents AnswerStore::read() const
{
    Contents contents;
    QFile file(m_path);
    if (!file.exists()) {
        contents.error = {53, QStringLiteral(QT_TRANSLATE_NOOP("ErrorInfo", "File not found"))};
        return contents;
    }
    if (!file.open(QIODevice::ReadOnly)) {
        contents.error = {75, file.errorString()};
        return contents;
    }
    const QByteArray bytes = file.readAll();
    qsizetype from = 0;
    while (from < bytes.size()) {
        qsizetype end = bytes.indexOf('\n', from);
        if (end < 0)
            end = bytes.size();
        QByteArrayView line(bytes.constData() + from, end - from);
        if (line.endsWith('\r'))
            line.chop(1);
        contents.counts.append(parseLine(line));
        from = end + 1;
    }
    return contents;
}

void AnswerStore::remove() const
{
    QFile::remove(m_path);
}

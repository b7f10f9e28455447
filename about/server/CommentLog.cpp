// SPDX-License-Identifier: MIT
// Copyright The Marlune developers
#include "CommentLog.h"

#include "CommentEscaping.h"

#include <QFile>

CommentLog::CommentLog(QString path, qint64 maxFileBytes)
    : m_path(std::move(path))
    , m_maxFileBytes(maxFileBytes)
{
}

QByteArray CommentLog::lineFor(const QDateTime &time, const QHostAddress &sender, const QByteArray &comment)
{
    const std::string text = CommentEscaping::escaped(std::string_view(comment.constData(), comment.size()));
    return time.toUTC().toString(Qt::ISODate).toUtf8() + '\t' + sender.toString().toUtf8() + '\t'
        + QByteArray(text.data(), qsizetype(text.size())) + '\n';
}

CommentLog::Result CommentLog::append(const QDateTime &time, const QHostAddress &sender,
                                      const QByteArray &comment) const
{
    QFile f(m_path);
    if (!f.open(QIODevice::WriteOnly | QIODevice::Append))
        return Result::Failed;
    const QByteArray line = lineFor(time, sender, comment);
    if (f.size() + line.size() > m_maxFileBytes)
        return Result::Full;
    // One write, so comments from two connections never interleave; a short
    // write is cut back so the file never ends in half a line.
    const qint64 before = f.size();
    if (f.write(line) == line.size() && f.flush())
        return Result::Stored;
    f.resize(before);
    return Result::Failed;
}

// SPDX-License-Identifier: MIT
// Copyright The Marlune developers
#pragma once

#include <QByteArray>
#include <QDateTime>
#include <QHostAddress>
#include <QString>

// The file comments are appended to: one line per comment, "time TAB sender TAB
// text", the time in UTC (ISO 8601), the text escaped as CommentEscaping says,
// so one comment is always one line whatever a client sends. The file never
// grows past maxFileBytes: a comment that would take it there is refused whole.
class CommentLog
{
public:
    enum class Result { Stored, Full, Failed };

    CommentLog(QString path, qint64 maxFileBytes);

    Result append(const QDateTime &time, const QHostAddress &sender, const QByteArray &comment) const;

    // The line append writes, with its line end.
    static QByteArray lineFor(const QDateTime &time, const QHostAddress &sender, const QByteArray &comment);

private:
    QString m_path;
    qint64 m_maxFileBytes;
};

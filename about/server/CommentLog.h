#pragma once

#include <QByteArray>
#include <QDateTime>
#include <QHostAddress>
#include <QString>

// The file comments are appended to: one line per comment, "time TAB sender TAB
// text", the time in UTC (ISO 8601). Line breaks, tabs, backslashes and other
// control characters in the text are written as \r \n \t \\ and \xNN, so one
// comment is always one line whatever a client sends.
class CommentLog
{
public:
    explicit CommentLog(QString path);

    // Appends one comment; false when the file could not be written.
    bool append(const QDateTime &time, const QHostAddress &sender, const QByteArray &comment) const;

    // The line append writes, without its line end.
    static QString lineFor(const QDateTime &time, const QHostAddress &sender, const QByteArray &comment);
    static QString escaped(const QString &text);

private:
    QString m_path;
};

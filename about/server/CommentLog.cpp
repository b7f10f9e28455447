#include "CommentLog.h"

#include <QFile>

CommentLog::CommentLog(QString path)
    : m_path(std::move(path))
{
}

QString CommentLog::escaped(const QString &text)
{
    QString out;
    out.reserve(text.size());
    for (const QChar c : text) {
        switch (c.unicode()) {
        case '\\': out += QLatin1String("\\\\"); break;
        case '\r': out += QLatin1String("\\r"); break;
        case '\n': out += QLatin1String("\\n"); break;
        case '\t': out += QLatin1String("\\t"); break;
        default:
            if (c.unicode() < 0x20 || c.unicode() == 0x7f)
                out += QStringLiteral("\\x%1").arg(c.unicode(), 2, 16, QLatin1Char('0'));
            else
                out += c;
        }
    }
    return out;
}

QString CommentLog::lineFor(const QDateTime &time, const QHostAddress &sender, const QByteArray &comment)
{
    return time.toUTC().toString(Qt::ISODate) + QLatin1Char('\t') + sender.toString() + QLatin1Char('\t')
        + escaped(QString::fromUtf8(comment));
}

bool CommentLog::append(const QDateTime &time, const QHostAddress &sender, const QByteArray &comment) const
{
    QFile f(m_path);
    if (!f.open(QIODevice::WriteOnly | QIODevice::Append))
        return false;
    const QByteArray line = lineFor(time, sender, comment).toUtf8() + '\n';
    // One write, so comments from two connections never interleave.
    return f.write(line) == line.size() && f.flush();
}

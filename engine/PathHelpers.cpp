// SPDX-License-Identifier: MIT
// Copyright The Marlune developers
#include "PathHelpers.h"

#include <QDir>
#include <QFileInfo>
#include <QStringList>
#include <cstring>

namespace {

PathStyle resolved(PathStyle style)
{
    if (style != PathStyle::Native)
        return style;
#ifdef Q_OS_WIN
    return PathStyle::Windows;
#else
    return PathStyle::Posix;
#endif
}

} // namespace

bool isPathSeparator(QChar c, PathStyle style)
{
    if (c == u'/')
        return true;
    return c == u'\\' && resolved(style) == PathStyle::Windows;
}

QChar nativeSeparator()
{
    return resolved(PathStyle::Native) == PathStyle::Windows ? QChar(u'\\') : QChar(u'/');
}

qsizetype nameStart(const QByteArray &path)
{
#ifdef Q_OS_WIN
    qsizetype p = path.size();
    while (p > 0 && path.at(p - 1) != '/' && path.at(p - 1) != '\\')
        --p;
    return p;
#else
    // A byte scan of its own: a batch splits thousands of paths, and the shared test
    // takes a QChar and a path style per byte.
    const void *last = ::memrchr(path.constData(), '/', size_t(path.size()));
    return last ? static_cast<const char *>(last) - path.constData() + 1 : 0;
#endif
}

bool holdsSeparatorOrNul(const QByteArray &name)
{
    const auto holds = [&](char c) { return ::memchr(name.constData(), c, size_t(name.size())) != nullptr; };
#ifdef Q_OS_WIN
    if (holds('\\'))
        return true;
#endif
    return holds('/') || holds('\0');
}

QString AddSlash(const QString &path, PathStyle style)
{
    if (!path.isEmpty() && isPathSeparator(path.back(), style))
        return path;
    const QChar separator = resolved(style) == PathStyle::Windows ? QChar(u'\\') : QChar(u'/');
    return path + separator;
}

QString SplitPath(PathPart part, const QString &path, PathStyle style)
{
    qsizetype p = path.size() - 1;
    while (p >= 0 && !isPathSeparator(path.at(p), style))
        --p;
    if (part == PathPart::FileName) {
        QString name = path.mid(p + 1);
        name.remove(QChar(u'"'));
        return name;
    }
    if (p < 0)
        return QString();
    const bool quoted = path.startsWith(QChar(u'"'));
    const QString folder = quoted ? path.mid(1, p) : path.left(p + 1);
    return AddSlash(folder, style);
}

bool makeParentFolder(const QString &filePath)
{
    QString folder = QFileInfo(filePath).absolutePath();
    QStringList missing;
    while (!QFileInfo::exists(folder)) {
        missing.prepend(folder);
        const QString parent = QFileInfo(folder).absolutePath();
        if (parent == folder)
            break;
        folder = parent;
    }
    const QFile::Permissions ownerOnly = QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner;
    for (const QString &path : std::as_const(missing)) {
        // Another process may have made it meanwhile; that is as good.
        if (!QDir().mkdir(path, ownerOnly) && !QFileInfo(path).isDir())
            return false;
    }
    return QFileInfo(QFileInfo(filePath).absolutePath()).isDir();
}

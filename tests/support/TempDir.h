// SPDX-License-Identifier: MIT
// Copyright The Marlune developers
#pragma once

#include <QByteArray>
#include <QList>
#include <QString>
#include <QTemporaryDir>

// A scratch folder for one test, removed afterwards, with small helpers to make
// and read files in it.
class TempDir
{
public:
    TempDir();
    // Removes names that are not valid UTF-8 too, which Qt's own removal cannot see.
    ~TempDir();

    QString path() const { return m_dir.path(); }
    QString filePath(const QString &name) const { return m_dir.filePath(name); }

    // Creates (or overwrites) name with the given bytes and returns its full path.
    QString write(const QString &name, const QByteArray &bytes = {}) const;
    QByteArray read(const QString &name) const;
    bool exists(const QString &name) const;
    // The names in the folder, sorted, without "." and "..".
    QStringList entries() const;

    // The same by exact bytes, for names that are not valid UTF-8.
    QByteArray nativePath() const;
    QByteArray writeNative(const QByteArray &name, const QByteArray &bytes = {}) const;
    QByteArray readNative(const QByteArray &name) const;
    // Sorted by bytes.
    QList<QByteArray> nativeEntries() const;

private:
    QTemporaryDir m_dir;
};

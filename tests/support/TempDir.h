#pragma once

#include <QByteArray>
#include <QString>
#include <QTemporaryDir>

// A scratch folder for one test, removed afterwards, with small helpers to make
// and read files in it.
class TempDir
{
public:
    TempDir();

    QString path() const { return m_dir.path(); }
    QString filePath(const QString &name) const { return m_dir.filePath(name); }

    // Creates (or overwrites) name with the given bytes and returns its full path.
    QString write(const QString &name, const QByteArray &bytes = {}) const;
    QByteArray read(const QString &name) const;
    bool exists(const QString &name) const;
    // The names in the folder, sorted, without "." and "..".
    QStringList entries() const;

private:
    QTemporaryDir m_dir;
};

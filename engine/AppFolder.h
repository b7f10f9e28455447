#pragma once

#include <QString>

// The program's own folder: where renamer.dat, renamer.ini and hostinfo.ini live.
// main() builds one and hands it to whoever needs it; tests build one on a scratch
// folder. Read-only media are found by MediaLocator instead.
class AppFolder
{
public:
    explicit AppFolder(const QString &writableFolder);

    // The executable's folder when it is writable (portable use), otherwise the per-user
    // data folder.
    static AppFolder forExecutable(const QString &executableFolder);

    QString path() const { return m_folder; }
    // The full path of name in the program's folder.
    QString AppFile(const QString &name) const;

private:
    QString m_folder;
};

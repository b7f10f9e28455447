#pragma once

#include <QString>
#include <QStringList>

// The program's own folder: where renamer.dat, renamer.ini and hostinfo.ini live, and
// where read-only media (sound clips, images) are looked up. main() builds one and hands
// it to whoever needs it; tests build one on a scratch folder.
class AppFolder
{
public:
    // writableFolder holds the program's files; media are looked up in mediaFolders in
    // order, then in writableFolder.
    explicit AppFolder(const QString &writableFolder, const QStringList &mediaFolders = {});

    // The executable's folder when it is writable (portable use), otherwise the per-user
    // data folder. Media: beside the executable, then the installed share/marlune.
    static AppFolder forExecutable(const QString &executableFolder);

    QString path() const { return m_folder; }
    // The full path of name in the program's folder.
    QString AppFile(const QString &name) const;
    // The first existing copy of a read-only file; the program's folder when none exists.
    QString mediaFile(const QString &name) const;

private:
    QString m_folder;
    QStringList m_mediaFolders;
};

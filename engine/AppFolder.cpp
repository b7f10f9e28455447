#include "AppFolder.h"

#include "PathHelpers.h"

#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

AppFolder::AppFolder(const QString &writableFolder, const QStringList &mediaFolders)
    : m_folder(writableFolder), m_mediaFolders(mediaFolders)
{
}

AppFolder AppFolder::forExecutable(const QString &executableFolder)
{
    QString folder = executableFolder;
    if (!QFileInfo(executableFolder).isWritable()) {
        folder = QStandardPaths::writableLocation(QStandardPaths::AppDataLocation);
        QDir().mkpath(folder);
    }
    const QStringList media{executableFolder,
                            QDir(executableFolder).absoluteFilePath(QStringLiteral("../share/marlune"))};
    return AppFolder(folder, media);
}

QString AppFolder::AppFile(const QString &name) const
{
    return AddSlash(m_folder) + name;
}

QString AppFolder::mediaFile(const QString &name) const
{
    for (const QString &folder : m_mediaFolders) {
        const QString candidate = AddSlash(folder) + name;
        if (QFileInfo::exists(candidate))
            return candidate;
    }
    return AppFile(name);
}

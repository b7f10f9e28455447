#include "AppFolder.h"

#include "PathHelpers.h"

#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

AppFolder::AppFolder(const QString &writableFolder)
    : m_folder(writableFolder)
{
}

AppFolder AppFolder::forExecutable(const QString &executableFolder)
{
    QString folder = executableFolder;
    if (!QFileInfo(executableFolder).isWritable()) {
        folder = QStandardPaths::writableLocation(QStandardPaths::AppDataLocation);
        QDir().mkpath(folder);
    }
    return AppFolder(folder);
}

QString AppFolder::AppFile(const QString &name) const
{
    return AddSlash(m_folder) + name;
}

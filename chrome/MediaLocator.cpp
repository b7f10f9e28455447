// SPDX-License-Identifier: MIT
// Copyright The Marlune developers
#include "MediaLocator.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

MediaLocator::MediaLocator()
{
    const QString exeDir = QCoreApplication::applicationDirPath();
    m_folders << exeDir
              << QDir::cleanPath(exeDir + QStringLiteral("/../share/marlune"))
              << QStringLiteral(MARLUNE_INSTALLED_DATADIR);
    m_folders.removeDuplicates();
}

MediaLocator::MediaLocator(QStringList folders)
    : m_folders(std::move(folders))
{
}

QString MediaLocator::find(const QString &name) const
{
    if (name.isEmpty())
        return {};
    for (const QString &folder : m_folders) {
        const QFileInfo info(QDir(folder), name);
        if (info.isFile())
            return info.absoluteFilePath();
    }
    return {};
}

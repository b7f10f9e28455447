// SPDX-License-Identifier: MIT
// Copyright The Marlune developers
#include "DriveBox.h"

#include <QComboBox>
#include <QFileInfo>
#include <QStorageInfo>

QStringList DriveBox::mountedRoots()
{
    QStringList roots;
    for (const QStorageInfo &volume : QStorageInfo::mountedVolumes())
        if (volume.isValid() && volume.isReady())
            roots << volume.rootPath();
    roots.removeDuplicates();
    roots.sort(Qt::CaseInsensitive);
    return roots;
}

QString DriveBox::driveOf(const QString &path)
{
    if (path.isEmpty() || !QFileInfo::exists(path))
        return {};
    const QStorageInfo volume(path);
    return volume.isValid() && volume.isReady() ? volume.rootPath() : QString();
}

void DriveBox::select(QComboBox *box, const QString &drive)
{
    if (drive.isEmpty())
        return;
    int index = box->findText(drive);
    if (index < 0) {
        box->addItem(drive);
        index = box->count() - 1;
    }
    box->setCurrentIndex(index);
}

// SPDX-License-Identifier: MIT
// Copyright The Marlune developers
#pragma once

#include <QStringList>

// Finds the program's read-only media (button and title images, icons, clips):
// beside the executable first (a portable copy, or a build tree), then in the
// data folder of an installation relative to the executable (../share/marlune),
// then in the data folder the build was configured to install to.
class MediaLocator
{
public:
    // The standard folders; needs the application object for the executable's path.
    MediaLocator();
    // Exactly these folders, in this order (tests, and programs run from elsewhere).
    explicit MediaLocator(QStringList folders);

    const QStringList &folders() const { return m_folders; }

    // The full path of the first existing file of that name, or an empty string.
    QString find(const QString &name) const;

private:
    QStringList m_folders;
};

// SPDX-License-Identifier: MIT
// Copyright The Marlune developers
#pragma once

#include <QString>
#include <QStringList>

class QComboBox;

// The drive list of the main window: on this platform the mounted volumes' roots.
class DriveBox
{
public:
    // The roots of the volumes mounted and ready, sorted, each once.
    static QStringList mountedRoots();
    // The volume (drive) that holds path, as the list shows it; empty when none does.
    static QString driveOf(const QString &path);
    // Shows drive as chosen, adding it when the list lacks it (a volume mounted since).
    static void select(QComboBox *box, const QString &drive);
};

// SPDX-License-Identifier: MIT
// Copyright The Marlune developers
#include "RenameHost.h"

RenameHost::~RenameHost() = default;

QList<NativeName> RenameHost::selectedFiles() const
{
    QList<NativeName> files;
    for (const QString &name : selectedFileNames())
        files.append(NativeName::fromText(name));
    return files;
}

NativeName RenameHost::currentFolderName() const
{
    return NativeName::fromText(currentFolder());
}

void RenameHost::showPreviewConflicts(const QStringList &) {}

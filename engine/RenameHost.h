// SPDX-License-Identifier: MIT
// Copyright The Marlune developers
#pragma once

#include "CommandLine.h"
#include "NamingMode.h"
#include "NativeName.h"

#include <QList>

#include <QString>
#include <QStringList>

// What the rename pass needs from the window that drives it. The pass owns the preview
// entries (its rename plan); the host only shows them.
class RenameHost
{
public:
    virtual ~RenameHost();

    // File1: the names (no folder) of its selected entries, in list order.
    virtual QStringList selectedFileNames() const = 0;
    // Dir1.Path: the folder File1 lists.
    virtual QString currentFolder() const = 0;
    // The same two with their native bytes, which the files are addressed by. A host
    // whose names are all text need not give them: they are then its texts in UTF-8.
    virtual QList<NativeName> selectedFiles() const;
    virtual NativeName currentFolderName() const;
    // The naming mode the Options menu's check marks choose (none checked: Format).
    virtual NamingMode namingMode() const = 0;
    // The program's command line, read when a pass works on the command-line files.
    virtual CommandLine commandLine() const = 0;

    // lblButton(0) and lblButton(2): "Preview" or "Rename".
    virtual void setButtonCaptions(const QString &caption) = 0;
    // The browsing controls and naming-mode menu entries, on or off together.
    virtual void EnableControls(bool enabled) = 0;
    // File1 re-reads its folder.
    virtual void refreshFileList() = 0;
    // lstFiles changed: show exactly these entries, none selected. The user's selection
    // goes back through RenamePass::setSelected.
    virtual void showPreviewEntries(const QStringList &texts) = 0;
    // Right after showPreviewEntries: why each entry's rename would be refused or take
    // another entry's name, one reason per entry, empty where there is none.
    virtual void showPreviewConflicts(const QStringList &reasons);
};

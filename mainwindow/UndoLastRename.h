// SPDX-License-Identifier: MIT
// Copyright The Marlune developers
#pragma once

#include "NameDecoder.h"
#include "RenameJournal.h"

#include <QString>
#include <functional>

class Dialogs;
class QAction;
class UndoPass;

// The File menu's "&Undo Last Rename": the newest journaled rename pass with something
// left to undo is shown entry by entry and, once confirmed, undone; entries left as
// they are come in one message. The entry is grey while nothing can be undone or a
// preview waits to be confirmed.
class UndoLastRename
{
public:
    struct Window
    {
        std::function<bool()> previewing;
        std::function<void()> refreshFiles;
    };

    UndoLastRename(QAction *entry, Dialogs &dialogs, const QString &journalFolder, const NameDecoder &names,
                   Window window);

    void updateEnabled();
    void run();

private:
    QString stepLines(const UndoPass &undo, bool due) const;
    void showMessage(const QString &text);

    QAction *m_entry;
    Dialogs &m_dialogs;
    RenameJournal m_journal;
    NameDecoder m_names;
    Window m_window;
};

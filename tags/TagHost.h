// SPDX-License-Identifier: MIT
// Copyright The Marlune developers
#pragma once

#include "NativeName.h"

#include <QString>

class QWidget;

// What the tag commands need of the main window: its file list File1, the
// counter i_AutoTag of the automatic tagging, and the few things the commands
// switch while they run. The main window implements it in a few lines.
class TagHost
{
public:
    virtual ~TagHost();

    // File1: its folder (File1.Path), number of entries, entry texts and selection.
    virtual QString filePath() const = 0;
    virtual int fileCount() const = 0;
    virtual QString fileEntry(int index) const = 0;
    virtual bool fileSelected(int index) const = 0;
    // The folder and an entry by their native bytes, which the files are addressed by.
    // A host whose names are all text need not give them: they are then its texts.
    virtual NativeName fileFolderName() const;
    virtual NativeName fileName(int index) const;
    virtual void setFileToolTip(const QString &text) = 0;

    // i_AutoTag, read afresh before each file: the cancel key sets it to fileCount().
    virtual int autoTagIndex() const = 0;
    virtual void setAutoTagIndex(int index) = 0;

    // EnableControls(enabled) of the main window.
    virtual void enableControls(bool enabled) = 0;
    // The hourglass pointer of the main window (its buttons then ignore clicks):
    // ChromeWindow::setBusy. Named apart from it so the main window can be the host.
    virtual void showHourglass(bool busy) = 0;
    // The keyboard focus to txtCancel, which catches Control then C.
    virtual void focusCancelKey() = 0;

    // ShowChild(editor, modal): returns once the editor has hidden itself.
    virtual void showModal(QWidget *editor) = 0;
    // ApplyOnTop(main window).
    virtual void reapplyOnTop() = 0;
};

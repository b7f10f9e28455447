// SPDX-License-Identifier: MIT
// Copyright The Marlune developers
#pragma once

#include "ChromeContext.h"
#include "NativeName.h"

#include <QString>
#include <memory>

class Dialogs;
class TagFileAccess;
class TagHost;
class frmTag;

// The main window's two tag commands, "&Edit ID3 Tags" and "&Auto Add ID3 Tags",
// and the tag editor window they share, loaded at first use and kept, hidden,
// until unloadEditor.
class TagCommands
{
public:
    // access stands in for the file system (null: the real one).
    TagCommands(TagHost &host, const ChromeContext &context, Dialogs &dialogs,
                TagFileAccess *access = nullptr);
    ~TagCommands();

    // Shows the editor modally for each selected file of File1, in list order,
    // until the user leaves it with Cancel.
    void mnuEditTag_Click();
    // Tags every selected file from its name without showing the editor. Pending
    // events run once after each file, so Control then C in txtCancel (which sets
    // i_AutoTag past the end) stops the pass after the file in hand.
    void mnuAutoTag_Click();

    // The editor, loaded (hidden) on first use.
    frmTag &editor();
    // The editor if it is loaded, else null.
    frmTag *loadedEditor() const { return m_editor.get(); }
    // Unloads the editor (the program's exit). While a command runs it goes once
    // the command ends.
    void unloadEditor();

    // True while either command runs; a second command then does nothing.
    bool running() const { return m_running; }

    // File1's tooltip while the automatic tagging runs, and at all other times.
    static QString cancelToolTip();
    static QString fileToolTip();

private:
    NativeName pathOf(int index) const;
    bool selected(int index) const;
    void finishCommand();

    TagHost &m_host;
    ChromeContext m_context;
    Dialogs &m_dialogs;
    TagFileAccess *m_access;
    std::unique_ptr<frmTag> m_editor;
    bool m_running = false;
    bool m_unloadPending = false;
};

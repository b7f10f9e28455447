// SPDX-License-Identifier: MIT
// Copyright The Marlune developers
#include "TagCommands.h"

#include "PathHelpers.h"
#include "TagHost.h"
#include "frmTag.h"

#include <QCoreApplication>

namespace {

// Marks a command as running for its whole body, however it ends.
class RunningFlag
{
public:
    explicit RunningFlag(bool &flag)
        : m_flag(flag)
    {
        m_flag = true;
    }
    ~RunningFlag() { m_flag = false; }
    RunningFlag(const RunningFlag &) = delete;
    RunningFlag &operator=(const RunningFlag &) = delete;

private:
    bool &m_flag;
};

} // namespace

TagCommands::TagCommands(TagHost &host, const ChromeContext &context, Dialogs &dialogs,
                         TagFileAccess *access)
    : m_host(host)
    , m_context(context)
    , m_dialogs(dialogs)
    , m_access(access)
{
}

TagCommands::~TagCommands() = default;

QString TagCommands::cancelToolTip()
{
    return QCoreApplication::translate("TagCommands", "PRESS CTRL+C TO CANCEL THE AUTOTAG PROCESS");
}

QString TagCommands::fileToolTip()
{
    return QCoreApplication::translate("TagCommands", "Right Click To Edit ID3 Tags. Select as many files as needed.");
}

frmTag &TagCommands::editor()
{
    if (!m_editor)
        m_editor = std::make_unique<frmTag>(m_context, m_dialogs, m_access);
    return *m_editor;
}

void TagCommands::unloadEditor()
{
    if (m_running) {
        m_unloadPending = true;
        return;
    }
    m_editor.reset();
}

NativeName TagCommands::pathOf(int index) const
{
    return m_host.fileFolderName().withSlash().joined(m_host.fileName(index));
}

// The list may have changed while events ran; an entry that is gone is not selected.
bool TagCommands::selected(int index) const
{
    return index >= 0 && index < m_host.fileCount() && m_host.fileSelected(index);
}

void TagCommands::finishCommand()
{
    if (m_unloadPending) {
        m_unloadPending = false;
        m_editor.reset();
    }
}

void TagCommands::mnuEditTag_Click()
{
    if (m_running)
        return;
    {
        RunningFlag running(m_running);
        frmTag &frm = editor();
        frm.setStopRequested(false);
        const int count = m_host.fileCount();
        for (int i = 0; i < count && !m_unloadPending; ++i) {
            if (!selected(i))
                continue;
            frm.DisplayInfo(pathOf(i));
            m_host.showModal(&frm);
            if (frm.stopRequested())
                break;
        }
        m_host.reapplyOnTop();
    }
    finishCommand();
}

void TagCommands::mnuAutoTag_Click()
{
    if (m_running)
        return;
    {
        RunningFlag running(m_running);
        m_host.enableControls(false);
        m_host.showHourglass(true);
        m_host.focusCancelKey();
        m_host.setFileToolTip(cancelToolTip());
        const int last = m_host.fileCount() - 1;
        for (m_host.setAutoTagIndex(0); m_host.autoTagIndex() <= last && !m_unloadPending;
             m_host.setAutoTagIndex(m_host.autoTagIndex() + 1)) {
            const int i = m_host.autoTagIndex();
            if (!selected(i))
                continue;
            frmTag &frm = editor();
            frm.DisplayInfo(pathOf(i), Veltro::Intent::Write);
            frm.AutoTag();
            frm.WriteTag();
            // The only point where the cancel key can arrive: the file in hand is done.
            QCoreApplication::processEvents();
        }
        m_host.setFileToolTip(fileToolTip());
        m_host.enableControls(true);
        m_host.showHourglass(false);
    }
    finishCommand();
}

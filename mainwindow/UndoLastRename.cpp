// SPDX-License-Identifier: MIT
// Copyright The Marlune developers
#include "UndoLastRename.h"

#include "Dialogs.h"
#include "UndoPass.h"

#include <QAction>
#include <QCoreApplication>

namespace {

// A message box holds a screenful; the journal may hold thousands of names.
constexpr int kShownLines = 20;

} // namespace

UndoLastRename::UndoLastRename(QAction *entry, Dialogs &dialogs, const QString &journalFolder,
                               const NameDecoder &names, Window window)
    : m_entry(entry), m_dialogs(dialogs), m_journal(journalFolder), m_names(names), m_window(std::move(window))
{
    QObject::connect(entry, &QAction::triggered, entry, [this] { run(); });
    // Not asked here: it reads the newest pass (30 ms of start-up for one of 10,000
    // files), and the File menu asks anyway before it shows the entry.
}

void UndoLastRename::updateEnabled()
{
    m_entry->setEnabled(!m_window.previewing() && UndoPass::hasUndoable(m_journal));
}

void UndoLastRename::run()
{
    UndoPass undo(m_journal);
    if (const QString problem = undo.prepare(); !problem.isEmpty()) {
        showMessage(problem);
        updateEnabled();
        return;
    }
    QString question = QCoreApplication::translate("UndoLastRename", "Undo the last rename? These files get their old names back:") + QStringLiteral("\r\n")
        + stepLines(undo, true);
    if (const QString left = stepLines(undo, false); !left.isEmpty())
        question += QStringLiteral("\r\n") + QCoreApplication::translate("UndoLastRename", "These are left as they are:") + QStringLiteral("\r\n") + left;
    if (!m_dialogs.askYesNo(question, applicationTitle()))
        return;
    const QString problem = undo.run();
    m_window.refreshFiles();
    if (const QString left = stepLines(undo, false); !left.isEmpty())
        showMessage(QCoreApplication::translate("UndoLastRename", "These files were left as they are:") + QStringLiteral("\r\n") + left);
    if (!problem.isEmpty())
        showMessage(problem);
    updateEnabled();
}

QString UndoLastRename::stepLines(const UndoPass &undo, bool due) const
{
    QStringList lines;
    int more = 0;
    for (const UndoPass::Step &step : undo.steps()) {
        const bool isDue = step.state == UndoPass::Step::State::Due || step.state == UndoPass::Step::State::Undone;
        if (isDue != due)
            continue;
        if (lines.size() == kShownLines) {
            ++more;
            continue;
        }
        const QString from = m_names.text(step.from);
        lines << (due ? from + QStringLiteral(" -> ") + m_names.text(step.to) : from + QStringLiteral(": ") + UndoPass::skipReason(step));
    }
    if (more > 0)
        lines << QCoreApplication::translate("UndoLastRename", "(and %1 more)").arg(more);
    return lines.join(QStringLiteral("\r\n"));
}

void UndoLastRename::showMessage(const QString &text)
{
    m_dialogs.showMessage(text, Dialogs::Icon::None, applicationTitle());
}

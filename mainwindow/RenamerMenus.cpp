// SPDX-License-Identifier: MIT
// Copyright The Marlune developers
#include "RenamerMenus.h"

#include <QAction>
#include <QCoreApplication>
#include <QMenu>

namespace {

// The texts stay in the main window's translation context.
QString translated(const char *text)
{
    return QCoreApplication::translate("frmRenamer", text);
}

QMenu *menu(QWidget *owner, const char *name, const QString &caption)
{
    auto *m = new QMenu(caption, owner);
    m->setObjectName(QString::fromLatin1(name));
    return m;
}

QAction *entry(QMenu *menu, const char *name, const QString &caption)
{
    QAction *action = menu->addAction(caption);
    action->setObjectName(QString::fromLatin1(name));
    return action;
}

QAction *separator(QMenu *menu, const char *name)
{
    QAction *action = menu->addSeparator();
    action->setObjectName(QString::fromLatin1(name));
    return action;
}

} // namespace

RenamerMenus::RenamerMenus(QWidget *owner)
    : mnuFile(menu(owner, "mnuFile", translated(QT_TRANSLATE_NOOP("frmRenamer", "&File"))))
    , mnuUndo(entry(mnuFile, "mnuUndo", translated(QT_TRANSLATE_NOOP("frmRenamer", "&Undo Last Rename"))))
    , mnuExit(entry(mnuFile, "mnuExit", translated(QT_TRANSLATE_NOOP("frmRenamer", "E&xit"))))
    , mnuOptions(menu(owner, "mnuOptions", translated(QT_TRANSLATE_NOOP("frmRenamer", "&Options"))))
    , mnuCap(entry(mnuOptions, "mnuCap", translated(QT_TRANSLATE_NOOP("frmRenamer", "&Capitalize Only"))))
    , mnuRemoveNumbers(entry(mnuOptions, "mnuRemoveNumbers", translated(QT_TRANSLATE_NOOP("frmRenamer", "&Remove Numbers"))))
    , mnuRemoveUnderscore(
          entry(mnuOptions, "mnuRemoveUnderscore", translated(QT_TRANSLATE_NOOP("frmRenamer", "R&emove Underscore"))))
    , mnuSep(separator(mnuOptions, "mnuSep"))
    , mnuPref(entry(mnuOptions, "mnuPref", translated(QT_TRANSLATE_NOOP("frmRenamer", "&Prefrences"))))
    , mnuHelp(menu(owner, "mnuHelp", translated(QT_TRANSLATE_NOOP("frmRenamer", "&Help"))))
    , mnuAbout(entry(mnuHelp, "mnuAbout", translated(QT_TRANSLATE_NOOP("frmRenamer", "&About"))))
    , mnuTag(menu(owner, "mnuTag", translated(QT_TRANSLATE_NOOP("frmRenamer", "&Tag"))))
    , mnuAutoTag(entry(mnuTag, "mnuAutoTag", translated(QT_TRANSLATE_NOOP("frmRenamer", "&Auto Add ID3 Tags"))))
    , mnuEditTag(entry(mnuTag, "mnuEditTag", translated(QT_TRANSLATE_NOOP("frmRenamer", "&Edit ID3 Tags"))))
    , mnuSep2(separator(mnuTag, "mnuSep2"))
    , mnuEnqueue(entry(mnuTag, "mnuEnqueue", translated(QT_TRANSLATE_NOOP("frmRenamer", "E&nqueue in Winamp"))))
    , mnuUpdate(menu(owner, "mnuUpdate", translated(QT_TRANSLATE_NOOP("frmRenamer", "&Update"))))
    , mnuCheckUpdate(entry(mnuUpdate, "mnuCheckUpdate", translated(QT_TRANSLATE_NOOP("frmRenamer", "Check for &Update"))))
{
    for (QAction *mode : modes()) {
        mode->setCheckable(true);
        QObject::connect(mode, &QAction::triggered, mode, [this, mode] { modeClicked(mode); });
    }
}

QList<QAction *> RenamerMenus::modes() const
{
    return {mnuCap, mnuRemoveNumbers, mnuRemoveUnderscore};
}

NamingMode RenamerMenus::namingMode() const
{
    if (mnuCap->isChecked())
        return NamingMode::Capitalize;
    if (mnuRemoveNumbers->isChecked())
        return NamingMode::RemoveNumbers;
    if (mnuRemoveUnderscore->isChecked())
        return NamingMode::RemoveUnderscore;
    return NamingMode::Format;
}

void RenamerMenus::enableModes(bool enabled)
{
    for (QAction *mode : modes())
        mode->setEnabled(enabled);
}

void RenamerMenus::modeClicked(QAction *clicked)
{
    // The action has already toggled itself; the rule works on the state before the click.
    const bool wasChecked = !clicked->isChecked();
    for (QAction *mode : modes())
        mode->setChecked(!wasChecked && mode == clicked);
}

// SPDX-License-Identifier: MIT
// Copyright The Marlune developers
#pragma once

#include "NamingMode.h"

#include <QList>

class QAction;
class QMenu;
class QWidget;

// The main window's five menus, as the label menu bar opens them, and the naming mode
// the three check entries of "&Options" choose between. The entries keep their classic
// names so the handlers, the tests and the translations meet on one set of words.
class RenamerMenus
{
public:
    explicit RenamerMenus(QWidget *owner);
    RenamerMenus(const RenamerMenus &) = delete;
    RenamerMenus &operator=(const RenamerMenus &) = delete;

    QMenu *const mnuFile;
    QAction *const mnuUndo;
    QAction *const mnuExit;

    QMenu *const mnuOptions;
    QAction *const mnuCap;
    QAction *const mnuRemoveNumbers;
    QAction *const mnuRemoveUnderscore;
    QAction *const mnuSep;
    QAction *const mnuPref;

    QMenu *const mnuHelp;
    QAction *const mnuAbout;

    QMenu *const mnuTag;
    QAction *const mnuAutoTag;
    QAction *const mnuEditTag;
    QAction *const mnuSep2;
    QAction *const mnuEnqueue;

    QMenu *const mnuUpdate;
    QAction *const mnuCheckUpdate;

    // Format when none of the three is checked.
    NamingMode namingMode() const;
    // The mode entries go grey with the lists while a preview waits to be confirmed.
    void enableModes(bool enabled);

private:
    QList<QAction *> modes() const;
    // At most one mode is checked; clicking the checked one leaves none (Format).
    void modeClicked(QAction *clicked);
};

// SPDX-License-Identifier: MIT
// Copyright The Marlune developers
#pragma once

#include "ChromeContext.h"

#include <QHash>
#include <QObject>
#include <QPoint>
#include <QPointF>
#include <functional>

class MenuLabel;
class QMenu;
class QWidget;
class TitleStrip;

// The lblMenu labels of a chrome window: every window's title lblMenu(3), which
// drags the window through its TitleStrip, and for the main window the label
// menu bar, whose labels light up under the pointer, pop up their menus on
// release or on Alt with the menu title's underlined letter, and whose "--" and
// "X" hide and end the program.
class LabelMenuBar : public QObject
{
    Q_OBJECT
public:
    LabelMenuBar(QWidget *window, TitleStrip *strip, const ChromeContext &context);

    // Turns the lone title into the main window's eight labels.
    void addMenuBar();
    bool hasMenuBar() const { return m_hasMenuBar; }
    // The menu that label index (0, 1, 2, 6 or 7) pops up.
    void setLabelMenu(int index, QMenu *menu);
    void setMinimiseAction(std::function<void()> action) { m_minimise = std::move(action); }
    void setCloseAction(std::function<void()> action) { m_close = std::move(action); }

    MenuLabel *lblMenu(int index) const;
    MenuLabel *title() const;

    void ResetTitle();
    void ResetMenuBar();
    void HighlightMenu(int index);
    // The window's twips point where label index pops up its menu.
    QPoint popupPoint(int index) const;
    // Plays the menu clip and pops up label index's menu at its popupPoint.
    void popUpLabelMenu(int index);

    int iLastMenuSound() const { return m_lastSound; }
    void forgetLastSound() { m_lastSound = -1; }

private:
    MenuLabel *makeLabel(int index);
    void labelMoved(int index, QPointF pos, Qt::MouseButtons buttons);
    void labelPressed(int index, Qt::MouseButton button, QPointF pos);
    void labelReleased(int index, Qt::MouseButton button);

    QWidget *m_window;
    TitleStrip *m_strip;
    ChromeContext m_context;
    QHash<int, MenuLabel *> m_labels;
    QHash<int, QMenu *> m_menus;
    std::function<void()> m_minimise;
    std::function<void()> m_close;
    bool m_hasMenuBar = false;
    int m_lastSound = -1;
};

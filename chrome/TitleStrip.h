// SPDX-License-Identifier: MIT
// Copyright The Marlune developers
#pragma once

#include "ChromeContext.h"

#include <QObject>
#include <QPointF>

class QLabel;
class QPainter;
class QWidget;

// The frame and the title strip of a chrome window: the navy frame lines, the
// strip imgBar, the centred title label, and dragging the window by that label
// with a dock to the screen's edges on release.
class TitleStrip : public QObject
{
    Q_OBJECT
public:
    TitleStrip(QWidget *window, const ChromeContext &context);

    QLabel *imgBar() const { return m_imgBar; }
    // Fits the strip to the window's width, which the window has just taken.
    void fitToWindow();
    // Centres title across the window; a lone title is as wide as its caption.
    void layoutTitle(QLabel *title, bool fitCaption) const;
    void paintFrame(QPainter &painter) const;

    // The pointer went down at pos over title: where, in the window's twips.
    void grab(const QLabel *title, QPointF pos);
    // The pointer moved to pos over title with the left button held.
    void drag(const QLabel *title, QPointF pos);
    // The title was released: dock when the docking preference is on.
    void dockAfterDrag();
    // Snaps the window to the edges of its screen; true when a rule applied.
    bool DockForm();

    int iGrabX() const { return m_grabX; }
    int iGrabY() const { return m_grabY; }

private:
    QWidget *m_window;
    ChromeContext m_context;
    QLabel *m_imgBar;
    int m_grabX = 0;
    int m_grabY = 0;
};

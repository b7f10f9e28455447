// SPDX-License-Identifier: MIT
// Copyright The Marlune developers
#pragma once

#include "ChromeSettings.h"
#include "ChromeWindow.h"
#include "MenuLabel.h"
#include "PictureBox.h"
#include "RecordingClips.h"

#include <QLabel>
#include <QMouseEvent>
#include <QStringList>
#include <QTest>
#include <algorithm>
#include <gtest/gtest.h>
#include <memory>

// Logs each change of a member's visibility as "+index" or "-index", in order.
class VisibilityLog : public QObject
{
public:
    void watch(ChromeWindow &window, std::initializer_list<int> indexes)
    {
        for (int index : indexes)
            window.picButton(index)->installEventFilter(this);
    }
    QStringList entries;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        const auto *member = static_cast<PictureBox *>(watched);
        if (event->type() == QEvent::ShowToParent)
            entries << QStringLiteral("+%1").arg(member->index());
        else if (event->type() == QEvent::HideToParent)
            entries << QStringLiteral("-%1").arg(member->index());
        return false;
    }
};

// Windows as the program declares them: the main window with its two buttons
// and label bar, and a three-button window like the preferences.
class ChromeFixture : public ::testing::Test
{
protected:
    std::unique_ptr<ChromeWindow> makeMainWindow()
    {
        auto window = std::make_unique<ChromeWindow>(context());
        window->setInnerSize(7275, 4875);
        window->addMenuBar();
        window->setTitle(QStringLiteral("Marlune"));
        window->addButtonPair(2, 0, QStringLiteral("Preview"), 1620, 4260);
        window->addButtonPair(1, 3, QStringLiteral("Clear"), 4320, 4260);
        return window;
    }

    std::unique_ptr<ChromeWindow> makeThreeButtonWindow()
    {
        auto window = std::make_unique<ChromeWindow>(context());
        window->setInnerSize(4710, 4230);
        window->setTitle(QStringLiteral("Preferences"));
        window->addButtonPair(2, 0, QStringLiteral("Save"), 240, 3540);
        window->addButtonPair(1, 3, QStringLiteral("Cancel"), 1680, 3540);
        window->addButtonPair(5, 4, QStringLiteral("Default"), 3120, 3540);
        return window;
    }

    ChromeContext context() { return {&settings, &clips, nullptr}; }

    // Pointer movement with no button held, delivered to the control under it.
    static void hover(QWidget *widget, QPoint at = {10, 10})
    {
        send(widget, QEvent::MouseMove, at, Qt::NoButton, Qt::NoButton);
    }

    long docks() const { return std::count(clips.played.begin(), clips.played.end(), Clip::Dock); }

    // A mouse event straight to one control, with the buttons held.
    static void send(QWidget *widget, QEvent::Type type, QPointF pos, Qt::MouseButton button,
                     Qt::MouseButtons held)
    {
        QMouseEvent event(type, pos, widget->mapToGlobal(pos), button, held, Qt::NoModifier);
        QApplication::sendEvent(widget, &event);
    }

    static QColor foreColor(QLabel *label) { return label->palette().color(QPalette::WindowText); }

    FixedChromeSettings settings;
    RecordingClips clips;
};

inline const QColor kWhiteCaption(255, 255, 255);
inline const QColor kYellowCaption(255, 255, 0);

// SPDX-License-Identifier: MIT
// Copyright The Marlune developers
#pragma once

#include "ChromeContext.h"

#include <QHash>
#include <QList>
#include <QObject>
#include <functional>
#include <vector>

class PictureBox;
class QLabel;
class QWidget;

// The picture buttons of a chrome window. Each button is a pair of overlapping
// picButton members, the plain one shown; the lit one, with a yellow underlined
// caption, takes its place under the pointer. A left-button click or the
// keyboard's click on either member runs the button's own action.
class PictureButtonBar : public QObject
{
    Q_OBJECT
public:
    PictureButtonBar(QWidget *window, const ChromeContext &context);

    // A button at (left, top) twips. Declare buttons in the order of the window's
    // table: the first pair's plain member changes first when another lights up.
    void addButton(int plainIndex, int litIndex, const QString &caption, int leftTwips,
                   int topTwips, std::function<void()> action);
    // Sets the caption of both members of the button that index belongs to.
    void setCaption(int index, const QString &caption);

    PictureBox *picButton(int index) const;
    QLabel *lblButton(int index) const;
    // Every member, pair by pair, plain first.
    QList<QWidget *> members() const;

    // Shows every plain member; a member losing the keyboard hands it to its partner.
    void ResetButtons();
    // Busy: the window's hourglass pointer is up; buttons neither light nor click.
    bool busy() const;

    int iMouseButton() const { return m_mouseButton; }
    int iLastButtonSound() const { return m_lastSound; }
    void forgetLastSound() { m_lastSound = -1; }

Q_SIGNALS:
    // A click that ran a button's action, by the member clicked.
    void clicked(int index);

private:
    struct Pair
    {
        int plain;
        int lit;
        std::function<void()> action;
    };

    PictureBox *makeMember(int index, bool lit, const QString &caption);
    const Pair *pairOf(int index) const;
    void showMember(int index, bool visible);
    void lightUp(const Pair *hovered);
    void memberMoved(int index);
    void memberPressed(int, Qt::MouseButton button);
    void memberClicked(int index);
    void run(int index);
    void handFocusToPartner(PictureBox *focused);

    QWidget *m_window;
    ChromeContext m_context;
    QHash<int, PictureBox *> m_members;
    std::vector<Pair> m_pairs;
    int m_mouseButton = 0;
    int m_lastSound = -1;
};

// SPDX-License-Identifier: MIT
// Copyright The Marlune developers
#include "PictureButtonBar.h"

#include "ChromeArt.h"
#include "ChromePalette.h"
#include "PictureBox.h"
#include "Twips.h"

#include <QApplication>
#include <QLabel>

namespace {

// The button numbers of the mouse events the window handlers were written for.
int vbButton(Qt::MouseButton button)
{
    switch (button) {
    case Qt::LeftButton: return 1;
    case Qt::RightButton: return 2;
    case Qt::MiddleButton: return 4;
    default: return 0;
    }
}

PictureBox *focusedMember()
{
    return qobject_cast<PictureBox *>(QApplication::focusWidget());
}

} // namespace

PictureButtonBar::PictureButtonBar(QWidget *window, const ChromeContext &context)
    : QObject(window)
    , m_window(window)
    , m_context(context)
{
}

void PictureButtonBar::addButton(int plainIndex, int litIndex, const QString &caption,
                                 int leftTwips, int topTwips, std::function<void()> action)
{
    for (int index : {plainIndex, litIndex}) {
        PictureBox *member = makeMember(index, index == litIndex, caption);
        member->move(twips(leftTwips), twips(topTwips));
    }
    m_pairs.push_back({plainIndex, litIndex, std::move(action)});
}

PictureBox *PictureButtonBar::makeMember(int index, bool lit, const QString &caption)
{
    const QPixmap face = m_context.art ? (lit ? m_context.art->buttonLit() : m_context.art->button())
                                       : QPixmap();
    auto *member = new PictureBox(index, face, m_window);
    member->caption()->setText(caption);
    member->setAccessibleName(caption);
    ChromePalette::setForeColor(member->caption(),
                                lit ? ChromePalette::kYellow : ChromePalette::kWhite);
    ChromePalette::setUnderline(member->caption(), lit);
    member->setVisible(!lit);
    connect(member, &PictureBox::mouseMoved, this, &PictureButtonBar::memberMoved);
    connect(member, &PictureBox::pressed, this, &PictureButtonBar::memberPressed);
    connect(member, &PictureBox::clicked, this, &PictureButtonBar::memberClicked);
    // The keyboard's click stands for a left-button one; iMouseButton records only
    // what the mouse did.
    connect(member, &PictureBox::keyClicked, this, &PictureButtonBar::run);
    m_members.insert(index, member);
    return member;
}

void PictureButtonBar::setCaption(int index, const QString &caption)
{
    if (const Pair *pair = pairOf(index)) {
        for (int member : {pair->plain, pair->lit}) {
            lblButton(member)->setText(caption);
            picButton(member)->setAccessibleName(caption);
        }
    }
}

PictureBox *PictureButtonBar::picButton(int index) const
{
    return m_members.value(index);
}

QLabel *PictureButtonBar::lblButton(int index) const
{
    PictureBox *member = picButton(index);
    return member ? member->caption() : nullptr;
}

QList<QWidget *> PictureButtonBar::members() const
{
    QList<QWidget *> all;
    for (const Pair &pair : m_pairs)
        all << picButton(pair.plain) << picButton(pair.lit);
    return all;
}

void PictureButtonBar::ResetButtons()
{
    PictureBox *focused = focusedMember();
    for (const Pair &pair : m_pairs) {
        showMember(pair.plain, true);
        showMember(pair.lit, false);
    }
    handFocusToPartner(focused);
    m_lastSound = -1;
}

bool PictureButtonBar::busy() const
{
    return m_window->testAttribute(Qt::WA_SetCursor) && m_window->cursor().shape() != Qt::ArrowCursor;
}

const PictureButtonBar::Pair *PictureButtonBar::pairOf(int index) const
{
    for (const Pair &pair : m_pairs)
        if (pair.plain == index || pair.lit == index)
            return &pair;
    return nullptr;
}

void PictureButtonBar::showMember(int index, bool visible)
{
    if (PictureBox *member = picButton(index))
        member->setVisible(visible);
}

void PictureButtonBar::memberMoved(int index)
{
    if (busy())
        return;
    if (index != m_lastSound && m_context.soundsOn()) {
        m_context.playClip(Clip::Beep);
        m_lastSound = index;
    }
    const Pair *hovered = pairOf(index);
    if (hovered && hovered->plain == index)
        lightUp(hovered);
}

// The first pair swaps plain-first and the others lit-first, so that the window
// never shows two lit buttons nor a gap between repaints.
void PictureButtonBar::lightUp(const Pair *hovered)
{
    PictureBox *focused = focusedMember();
    bool first = true;
    for (const Pair &pair : m_pairs) {
        const bool lit = &pair == hovered;
        if (first) {
            showMember(pair.plain, !lit);
            showMember(pair.lit, lit);
        } else {
            showMember(pair.lit, lit);
            showMember(pair.plain, !lit);
        }
        first = false;
    }
    handFocusToPartner(focused);
}

// A member hidden by a swap passes the keyboard on down the tab order; the button
// the user tabbed to keeps it instead, through the member now shown.
void PictureButtonBar::handFocusToPartner(PictureBox *focused)
{
    if (!focused || focused->isVisible() || focused->window() != m_window)
        return;
    if (const Pair *pair = pairOf(focused->index())) {
        PictureBox *partner = picButton(pair->plain == focused->index() ? pair->lit : pair->plain);
        if (partner && partner->isVisible())
            partner->setFocus(Qt::TabFocusReason);
    }
}

void PictureButtonBar::memberPressed(int, Qt::MouseButton button)
{
    m_mouseButton = vbButton(button);
}

void PictureButtonBar::memberClicked(int index)
{
    if (m_mouseButton == 1)
        run(index);
}

void PictureButtonBar::run(int index)
{
    if (busy())
        return;
    const Pair *pair = pairOf(index);
    if (!pair)
        return;
    // The action may close or delete the window; the signal goes first.
    const std::function<void()> action = pair->action;
    Q_EMIT clicked(index);
    if (action)
        action();
}

// SPDX-License-Identifier: MIT
// Copyright The Marlune developers
#include "LabelMenuBar.h"

#include "ChromePalette.h"
#include "MenuLabel.h"
#include "MenuLabelLayout.h"
#include "TitleStrip.h"
#include "Twips.h"

#include <QMenu>
#include <QShortcut>

namespace {

// The lone title's place, in twips; its width follows the caption.
constexpr int kTitleTop = 60;
constexpr int kTitleHeight = 240;
constexpr int kLabelCount = 8;

} // namespace

LabelMenuBar::LabelMenuBar(QWidget *window, TitleStrip *strip, const ChromeContext &context)
    : QObject(window)
    , m_window(window)
    , m_strip(strip)
    , m_context(context)
{
    makeLabel(MenuIndex::Title)->setGeometry(0, twips(kTitleTop), 0, twips(kTitleHeight));
}

MenuLabel *LabelMenuBar::makeLabel(int index)
{
    auto *label = new MenuLabel(index, m_window);
    ChromePalette::setForeColor(label, ChromePalette::kWhite);
    connect(label, &MenuLabel::mouseMoved, this, &LabelMenuBar::labelMoved);
    connect(label, &MenuLabel::pressed, this, &LabelMenuBar::labelPressed);
    connect(label, &MenuLabel::released, this,
            [this](int i, Qt::MouseButton button, QPointF) { labelReleased(i, button); });
    m_labels.insert(index, label);
    return label;
}

void LabelMenuBar::addMenuBar()
{
    if (m_hasMenuBar)
        return;
    m_hasMenuBar = true;
    for (const MenuLabelSpec &spec : mainMenuLabels()) {
        MenuLabel *label = spec.index == MenuIndex::Title ? title() : makeLabel(spec.index);
        if (!spec.caption.isEmpty())
            label->setText(shownCaption(spec));
        label->setGeometry(twips(spec.left), twips(spec.top), twips(spec.width), twips(spec.height));
    }
}

void LabelMenuBar::setLabelMenu(int index, QMenu *menu)
{
    m_menus.insert(index, menu);
    const QKeySequence key = QKeySequence::mnemonic(menu->title());
    if (key.isEmpty())
        return;
    auto *shortcut = new QShortcut(key, m_window);
    connect(shortcut, &QShortcut::activated, this, [this, index] { popUpLabelMenu(index); });
}

MenuLabel *LabelMenuBar::lblMenu(int index) const
{
    return m_labels.value(index);
}

MenuLabel *LabelMenuBar::title() const
{
    return lblMenu(MenuIndex::Title);
}

void LabelMenuBar::ResetTitle()
{
    ChromePalette::setForeColor(title(), ChromePalette::kWhite);
}

void LabelMenuBar::ResetMenuBar()
{
    for (int index = 0; index < kLabelCount; ++index) {
        if (MenuLabel *label = lblMenu(index)) {
            ChromePalette::setForeColor(label, ChromePalette::kWhite);
            ChromePalette::setUnderline(label, false);
        }
    }
}

void LabelMenuBar::HighlightMenu(int index)
{
    for (int i = 0; i < kLabelCount; ++i)
        if (MenuLabel *label = lblMenu(i))
            ChromePalette::setForeColor(label, ChromePalette::kWhite);
    if (MenuLabel *label = lblMenu(index))
        ChromePalette::setForeColor(label, ChromePalette::kYellow);
    for (int i = 0; i < kLabelCount; ++i)
        if (MenuLabel *label = lblMenu(i))
            ChromePalette::setUnderline(label, false);
    if (!underlinesWhenHighlighted(index))
        return;
    if (MenuLabel *label = lblMenu(index))
        ChromePalette::setUnderline(label, true);
}

QPoint LabelMenuBar::popupPoint(int index) const
{
    const MenuLabel *label = lblMenu(index);
    if (!label)
        return {};
    const MenuLabelSpec spec{index, {}, toTwips(label->x()), toTwips(label->y()),
                             toTwips(label->width()), toTwips(label->height())};
    return menuPopupPoint(spec);
}

void LabelMenuBar::popUpLabelMenu(int index)
{
    m_context.playClip(Clip::Menu);
    if (QMenu *menu = m_menus.value(index)) {
        const QPoint at = popupPoint(index);
        menu->popup(m_window->mapToGlobal(QPoint(twips(at.x()), twips(at.y()))));
    }
}

void LabelMenuBar::labelMoved(int index, QPointF pos, Qt::MouseButtons buttons)
{
    if (index != m_lastSound && m_context.soundsOn()) {
        m_context.playClip(Clip::Beep);
        m_lastSound = index;
    }
    if (m_hasMenuBar)
        HighlightMenu(index);
    else if (index == MenuIndex::Title)
        ChromePalette::setForeColor(title(), ChromePalette::kYellow);
    if (index == MenuIndex::Title && buttons == Qt::LeftButton)
        m_strip->drag(title(), pos);
}

void LabelMenuBar::labelPressed(int index, Qt::MouseButton button, QPointF pos)
{
    if (button != Qt::LeftButton)
        return;
    if (index == MenuIndex::Title) {
        m_strip->grab(title(), pos);
    } else if (index == MenuIndex::Minimise && m_hasMenuBar) {
        if (m_minimise)
            m_minimise();
    } else if (index == MenuIndex::Close && m_hasMenuBar) {
        if (m_close)
            m_close();
    }
}

void LabelMenuBar::labelReleased(int index, Qt::MouseButton button)
{
    if (button != Qt::LeftButton)
        return;
    if (index == MenuIndex::Title)
        m_strip->dockAfterDrag();
    else if (m_hasMenuBar && isMenuLabel(index))
        popUpLabelMenu(index);
}

// SPDX-License-Identifier: MIT
// Copyright The Marlune developers
#include "MenuLabelLayout.h"

#include <QCoreApplication>
#include <array>

std::span<const MenuLabelSpec> mainMenuLabels()
{
    static const std::array<MenuLabelSpec, 8> labels = {{
        {0, QStringLiteral(QT_TRANSLATE_NOOP("MenuLabelLayout", "File")), 240, 420, 465, 315},
        {1, QStringLiteral(QT_TRANSLATE_NOOP("MenuLabelLayout", "Options")), 1500, 420, 840, 315},
        {2, QStringLiteral(QT_TRANSLATE_NOOP("MenuLabelLayout", "Help")), 6420, 420, 585, 315},
        {3, QString(), 2700, 60, 1905, 240},
        {4, QStringLiteral("--"), 60, 60, 195, 225},
        {5, QStringLiteral("X"), 7020, 75, 195, 240},
        {6, QStringLiteral(QT_TRANSLATE_NOOP("MenuLabelLayout", "Update")), 4860, 420, 765, 315},
        {7, QStringLiteral(QT_TRANSLATE_NOOP("MenuLabelLayout", "ID3 Tag")), 3120, 420, 915, 315},
    }};
    return labels;
}

QString shownCaption(const MenuLabelSpec &label)
{
    return QCoreApplication::translate("MenuLabelLayout", label.caption.toUtf8().constData());
}

bool isMenuLabel(int index)
{
    return index == MenuIndex::File || index == MenuIndex::Options || index == MenuIndex::Help
        || index == MenuIndex::Update || index == MenuIndex::Tag;
}

bool underlinesWhenHighlighted(int index)
{
    return index != MenuIndex::Title && index != MenuIndex::Minimise && index != MenuIndex::Close;
}

QPoint menuPopupPoint(const MenuLabelSpec &label)
{
    const int x = label.index == MenuIndex::Help ? label.left - 550 : label.left + 22;
    return {x, label.top + label.height - 75};
}

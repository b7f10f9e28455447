// SPDX-License-Identifier: MIT
// Copyright The Marlune developers
#include "ChromePalette.h"

#include <QLabel>

namespace ChromePalette {

void setForeColor(QLabel *label, const QColor &color)
{
    QPalette palette = label->palette();
    palette.setColor(QPalette::WindowText, color);
    label->setPalette(palette);
}

void setUnderline(QLabel *label, bool underline)
{
    QFont font = label->font();
    font.setUnderline(underline);
    label->setFont(font);
}

} // namespace ChromePalette

// SPDX-License-Identifier: MIT
// Copyright The Marlune developers
#pragma once

#include <QColor>

class QLabel;

// The chrome's four colours and the two caption looks every part changes.
namespace ChromePalette {

inline const QColor kBlue(0, 0, 255);
inline const QColor kNavy(0, 0, 128);
inline const QColor kWhite(255, 255, 255);
inline const QColor kYellow(255, 255, 0);

void setForeColor(QLabel *label, const QColor &color);
void setUnderline(QLabel *label, bool underline);

} // namespace ChromePalette

// SPDX-License-Identifier: MIT
// Copyright The Marlune developers
#pragma once

#include <QFont>
#include <QPixmap>

class MediaLocator;

// The bitmaps every window shares: the plain and lit button faces (90 x 31), the
// title strip (550 x 19) and the program icon. A missing file is replaced by a
// plain drawing of the same size, so a window never shows a hole.
class ChromeArt
{
public:
    static constexpr QSize kButtonSize{90, 31};
    static constexpr QSize kTitleBarSize{550, 19};

    explicit ChromeArt(const MediaLocator &media);

    const QPixmap &button() const { return m_button; }
    const QPixmap &buttonLit() const { return m_buttonLit; }
    const QPixmap &titleBar() const { return m_titleBar; }
    const QPixmap &icon() const { return m_icon; }
    const QPixmap &icon32() const { return m_icon32; }
    // True when every file was found.
    bool complete() const { return m_complete; }

    // The chrome's captions: a small bold sans face (points, as designed).
    static QFont captionFont(double pointSize);

private:
    QPixmap load(const MediaLocator &media, const QString &name, QSize size, const QColor &standIn);

    bool m_complete = true;
    QPixmap m_button, m_buttonLit, m_titleBar, m_icon, m_icon32;
};

// SPDX-License-Identifier: MIT
// Copyright The Marlune developers
#include "ChromeArt.h"

#include "MediaLocator.h"

ChromeArt::ChromeArt(const MediaLocator &media)
{
    m_button = load(media, QStringLiteral("button.png"), kButtonSize, QColor(0, 0, 160));
    m_buttonLit = load(media, QStringLiteral("button_lit.png"), kButtonSize, QColor(40, 80, 255));
    m_titleBar = load(media, QStringLiteral("titlebar.png"), kTitleBarSize, QColor(0, 0, 128));
    m_icon = load(media, QStringLiteral("marlune.png"), {128, 128}, QColor(0, 0, 255));
    m_icon32 = load(media, QStringLiteral("marlune32.png"), {32, 32}, QColor(0, 0, 255));
}

QPixmap ChromeArt::load(const MediaLocator &media, const QString &name, QSize size,
                        const QColor &standIn)
{
    QPixmap pixmap;
    const QString path = media.find(name);
    if (!path.isEmpty() && pixmap.load(path))
        return pixmap;
    m_complete = false;
    pixmap = QPixmap(size);
    pixmap.fill(standIn);
    return pixmap;
}

QFont ChromeArt::captionFont(double pointSize)
{
    QFont font;
    // The design face first; on systems without it, narrow sans faces keep the
    // captions inside their designed widths.
    font.setFamilies({QStringLiteral("MS Sans Serif"), QStringLiteral("Arial"),
                      QStringLiteral("Liberation Sans"), QStringLiteral("Helvetica"),
                      QStringLiteral("DejaVu Sans Condensed"), QStringLiteral("DejaVu Sans")});
    font.setStyleHint(QFont::SansSerif);
    font.setPointSizeF(pointSize);
    font.setBold(true);
    return font;
}

// SPDX-License-Identifier: MIT
// Copyright The Marlune developers
#include "TitleStrip.h"

#include "ChromeArt.h"
#include "ChromePalette.h"
#include "ChromeSettings.h"
#include "DockForm.h"
#include "Twips.h"

#include <QGuiApplication>
#include <QLabel>
#include <QPainter>
#include <QScreen>
#include <QWindow>

namespace {

// Title strip and frame, in twips.
constexpr int kTitleBarTop = 60;
constexpr int kTitleBarHeight = 285;
constexpr int kTitleRuleY = 360;

bool onWayland()
{
    return QGuiApplication::platformName().startsWith(QLatin1String("wayland"));
}

} // namespace

TitleStrip::TitleStrip(QWidget *window, const ChromeContext &context)
    : QObject(window)
    , m_window(window)
    , m_context(context)
    , m_imgBar(new QLabel(window))
{
    m_imgBar->setObjectName(QStringLiteral("imgBar"));
    m_imgBar->setScaledContents(true);
    if (m_context.art)
        m_imgBar->setPixmap(m_context.art->titleBar());
}

void TitleStrip::fitToWindow()
{
    m_imgBar->setGeometry(0, twips(kTitleBarTop), m_window->width(), twips(kTitleBarHeight));
}

void TitleStrip::layoutTitle(QLabel *title, bool fitCaption) const
{
    if (fitCaption)
        title->resize(title->sizeHint().width() + 8, title->height());
    title->move((m_window->width() - title->width()) / 2, title->y());
}

void TitleStrip::paintFrame(QPainter &painter) const
{
    QPen pen(ChromePalette::kNavy, 3);
    pen.setCapStyle(Qt::FlatCap);
    painter.setPen(pen);
    const int w = m_window->width();
    const int h = m_window->height();
    const int edge = twips(15);
    painter.drawLine(0, edge, w, edge);
    painter.drawLine(edge, 0, edge, h);
    painter.drawLine(w - 1 - edge, 0, w - 1 - edge, h);
    painter.drawLine(0, h - 1 - edge, w, h - 1 - edge);
    painter.drawLine(0, twips(kTitleRuleY), w, twips(kTitleRuleY));
}

void TitleStrip::grab(const QLabel *title, QPointF pos)
{
    m_grabX = roundHalfEven(toTwips(title->x()) + pos.x() * kTwipsPerPixel);
    m_grabY = roundHalfEven(toTwips(title->y()) + pos.y() * kTwipsPerPixel);
    // Wayland lets no client place its own window: the compositor drags it.
    if (onWayland() && m_window->windowHandle())
        m_window->windowHandle()->startSystemMove();
}

void TitleStrip::drag(const QLabel *title, QPointF pos)
{
    if (onWayland())
        return;
    const double p = toTwips(title->y()) + pos.y() * kTwipsPerPixel;
    if (p != m_grabY)
        m_window->move(m_window->x(), twips(toTwips(m_window->y()) + (p - m_grabY)));
    const double q = toTwips(title->x()) + pos.x() * kTwipsPerPixel;
    if (q != m_grabX)
        m_window->move(twips(toTwips(m_window->x()) + (q - m_grabX)), m_window->y());
}

void TitleStrip::dockAfterDrag()
{
    if (onWayland() || !m_context.settings || !m_context.settings->docking())
        return;
    if (DockForm())
        m_context.playClip(Clip::Dock);
}

bool TitleStrip::DockForm()
{
    const QScreen *screen = m_window->screen();
    if (!screen || !m_context.settings)
        return false;
    const QRect area = screen->geometry();
    const QRect frame = m_window->frameGeometry();
    const DockRect rect{float(toTwips(frame.x() - area.x())), float(toTwips(frame.y() - area.y())),
                        float(toTwips(frame.width())), float(toTwips(frame.height()))};
    const float screenWidth = float(toTwips(area.width()));
    const float screenHeight = float(toTwips(area.height()));
    const DockResult result = ::DockForm(rect, screenWidth, screenHeight,
                                         taskbarHeightFromText(m_context.settings->taskbarHeightText()));
    const QRect available = screen->availableGeometry();
    const DockRect kept = KeepOnScreen(result.rect, screenWidth, screenHeight,
                                       float(toTwips(available.x() - area.x())),
                                       float(toTwips(available.y() - area.y())));
    if (kept != rect)
        m_window->move(area.x() + twips(kept.left), area.y() + twips(kept.top));
    return result.docked;
}

// SPDX-License-Identifier: MIT
// Copyright The Marlune developers
#include "NativeCloseWatcher.h"

#include <QCoreApplication>
#include <QTimer>
#include <QWidget>

#if __has_include(<xcb/xcb.h>)
#include <xcb/xcb.h>
#define MARLUNE_HAVE_XCB 1
#endif

NativeCloseWatcher::NativeCloseWatcher(QWidget *window, std::function<void()> gone)
    : QObject(window)
    , m_window(window)
    , m_gone(std::move(gone))
{
    QCoreApplication::instance()->installNativeEventFilter(this);
}

NativeCloseWatcher::~NativeCloseWatcher()
{
    if (QCoreApplication *app = QCoreApplication::instance())
        app->removeNativeEventFilter(this);
}

bool NativeCloseWatcher::nativeEventFilter(const QByteArray &eventType, void *message, qintptr *)
{
#ifdef MARLUNE_HAVE_XCB
    if (eventType != "xcb_generic_event_t" || !m_window->internalWinId())
        return false;
    const auto *event = static_cast<const xcb_generic_event_t *>(message);
    if ((event->response_type & 0x7f) != XCB_DESTROY_NOTIFY)
        return false;
    const auto *destroyed = static_cast<const xcb_destroy_notify_event_t *>(message);
    if (destroyed->window == xcb_window_t(m_window->internalWinId()))
        QTimer::singleShot(0, this, [this] { m_gone(); });
#else
    Q_UNUSED(eventType)
    Q_UNUSED(message)
#endif
    return false;
}

// SPDX-License-Identifier: MIT
// Copyright The Marlune developers
#pragma once

#include <QAbstractNativeEventFilter>
#include <QObject>
#include <functional>

class QWidget;

// Notices when the window system destroys a window's native window behind Qt's
// back, as a "close" that only destroys the window does (xdotool windowclose,
// some taskbars). Qt takes no notice of that, so the widget would go on existing
// with nothing on the screen, and for the main window the process would outlive
// it. The action runs later from the event loop; it never runs on other
// platforms.
class NativeCloseWatcher : public QObject, public QAbstractNativeEventFilter
{
public:
    NativeCloseWatcher(QWidget *window, std::function<void()> gone);
    ~NativeCloseWatcher() override;

    bool nativeEventFilter(const QByteArray &eventType, void *message, qintptr *result) override;

private:
    QWidget *m_window;
    std::function<void()> m_gone;
};

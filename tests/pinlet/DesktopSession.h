// SPDX-License-Identifier: MIT
// Copyright The Marlune developers
#pragma once

#include <QProcess>
#include <QString>

#include <memory>
#include <vector>

// A private desktop for the tests that need a real notification area: an X server on a free
// display and either an XEmbed tray (trayer) or a private session bus for a StatusNotifierItem
// stand-in. Every process it starts dies with it. When a program is missing, ready() is false
// and whyNot() says which, so the tests can skip. Offscreen starts nothing: no notification
// area at all. WindowManager stands up a real window manager (openbox) on the X server
// instead of a tray, for the tests of what a window manager does to the windows.
class DesktopSession
{
public:
    enum Tray { XEmbed, StatusNotifier, Offscreen, WindowManager };

    explicit DesktopSession(Tray tray);
    ~DesktopSession();

    Tray tray() const { return mTray; }
    bool ready() const { return mWhyNot.isEmpty(); }
    // Begins with UnavailableMarker, which CTest reads as "skipped".
    QString whyNot() const { return mWhyNot.isEmpty() ? QString() : QLatin1String(UnavailableMarker) + mWhyNot; }
    QString busAddress() const { return mBusAddress; }

    // The XEmbed tray going away in the middle of a run, and coming back: true once done.
    bool stopTray();
    bool startTray();

    static constexpr char UnavailableMarker[] = "desktop unavailable: ";

    // Sends input through the X server the way a user's mouse and keyboard would; false when
    // xdotool failed or took longer than timeoutMs.
    static bool xdotool(const QStringList &arguments, int timeoutMs = 10000);
    // What xdotool printed, trimmed; empty when it failed.
    static QString xdotoolOutput(const QStringList &arguments, int timeoutMs = 10000);

private:
    // Starts program and returns the first line it prints, or an empty string after timeoutMs.
    QByteArray startAndReadLine(const QString &program, const QStringList &arguments, int timeoutMs);
    bool start(const QString &program, const QStringList &arguments);

    Tray mTray;
    QProcess *mTrayProcess = nullptr;
    QString mWhyNot;
    QString mBusAddress;
    std::vector<std::unique_ptr<QProcess>> mProcesses;
};

// The one session of this test run, made by main() before the application object.
DesktopSession &desktop();

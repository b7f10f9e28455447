// SPDX-License-Identifier: MIT
// Copyright The Marlune developers
#include "DesktopSession.h"

#include <QElapsedTimer>
#include <QStandardPaths>
#include <QThread>

DesktopSession::DesktopSession(Tray tray)
    : mTray(tray)
{
    if (tray == Offscreen) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
        return;
    }
    const QByteArray display = startAndReadLine(QStringLiteral("Xvfb"),
        {"-displayfd", "1", "-screen", "0", "640x480x24", "-nolisten", "tcp"}, 10000);
    if (display.isEmpty())
        return;
    qputenv("DISPLAY", ":" + display);
    qputenv("QT_QPA_PLATFORM", "xcb");

    if (tray == WindowManager) {
        qputenv("DBUS_SESSION_BUS_ADDRESS", "unix:path=/nonexistent/window-manager-test-bus");
        if (QStandardPaths::findExecutable(QStringLiteral("xdotool")).isEmpty()) {
            mWhyNot = QStringLiteral("xdotool is not installed");
            return;
        }
        if (!start(QStringLiteral("openbox"), {"--sm-disable"}))
            return;
        // Managing once it announces its desktops on the root window.
        QElapsedTimer waited;
        waited.start();
        while (!xdotool({"get_num_desktops"}) && waited.elapsed() < 10000)
            QThread::msleep(50);
        if (!xdotool({"get_num_desktops"}))
            mWhyNot = QStringLiteral("openbox did not take the screen");
        return;
    }
    if (tray == XEmbed) {
        // No bus: a StatusNotifierItem host on the caller's own desktop must not take the icon.
        qputenv("DBUS_SESSION_BUS_ADDRESS", "unix:path=/nonexistent/pinlet-test-bus");
        startTray();
        return;
    }
    mBusAddress = QString::fromUtf8(startAndReadLine(QStringLiteral("dbus-daemon"),
        {"--session", "--nofork", "--nopidfile", "--print-address=1"}, 10000));
    if (!mBusAddress.isEmpty())
        qputenv("DBUS_SESSION_BUS_ADDRESS", mBusAddress.toUtf8());
}

namespace {

// Asked to end first, so the X server and the bus remove their sockets and lock files;
// killed only when they do not.
void endProcess(QProcess &process)
{
    if (process.state() == QProcess::NotRunning)
        return;
    process.terminate();
    if (process.waitForFinished(3000))
        return;
    process.kill();
    process.waitForFinished(3000);
}

} // namespace

DesktopSession::~DesktopSession()
{
    // The last started goes first: the tray and the bus before the X server they use.
    for (auto it = mProcesses.rbegin(); it != mProcesses.rend(); ++it)
        endProcess(**it);
}

bool DesktopSession::startTray()
{
    if (!start(QStringLiteral("trayer"), {"--edge", "top", "--align", "left", "--widthtype", "request", "--height",
                                          "32", "--SetDockType", "false", "--transparent", "false"}))
        return false;
    mTrayProcess = mProcesses.back().get();
    return true;
}

bool DesktopSession::stopTray()
{
    if (!mTrayProcess)
        return false;
    // Killed, not asked: a notification area that goes away does so without warning.
    mTrayProcess->kill();
    const bool stopped = mTrayProcess->waitForFinished(5000);
    mTrayProcess = nullptr;
    return stopped;
}

bool DesktopSession::xdotool(const QStringList &arguments, int timeoutMs)
{
    QProcess process;
    process.start(QStringLiteral("xdotool"), arguments);
    if (process.waitForFinished(timeoutMs))
        return process.exitStatus() == QProcess::NormalExit && process.exitCode() == 0;
    process.kill();
    process.waitForFinished(timeoutMs);
    return false;
}

QString DesktopSession::xdotoolOutput(const QStringList &arguments, int timeoutMs)
{
    QProcess process;
    process.start(QStringLiteral("xdotool"), arguments);
    if (process.waitForFinished(timeoutMs) && process.exitStatus() == QProcess::NormalExit && process.exitCode() == 0)
        return QString::fromUtf8(process.readAllStandardOutput()).trimmed();
    process.kill();
    process.waitForFinished(timeoutMs);
    return {};
}

bool DesktopSession::start(const QString &program, const QStringList &arguments)
{
    if (!ready())
        return false;
    if (QStandardPaths::findExecutable(program).isEmpty()) {
        mWhyNot = program + QStringLiteral(" is not installed");
        return false;
    }
    auto process = std::make_unique<QProcess>();
    process->setProcessChannelMode(QProcess::SeparateChannels);
    process->setStandardErrorFile(QProcess::nullDevice());
    process->start(program, arguments);
    if (!process->waitForStarted(10000)) {
        mWhyNot = program + QStringLiteral(" did not start: ") + process->errorString();
        return false;
    }
    mProcesses.push_back(std::move(process));
    return true;
}

QByteArray DesktopSession::startAndReadLine(const QString &program, const QStringList &arguments, int timeoutMs)
{
    if (!start(program, arguments))
        return {};
    QProcess &process = *mProcesses.back();
    while (!process.canReadLine() && process.waitForReadyRead(timeoutMs)) {
    }
    const QByteArray line = process.readLine().trimmed();
    if (line.isEmpty())
        mWhyNot = program + QStringLiteral(" printed nothing");
    return line;
}

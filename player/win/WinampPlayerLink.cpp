// SPDX-License-Identifier: MIT
// Copyright The Marlune developers
#include "WinampPlayerLink.h"

#include "WinampWindow.h"

#include <QDir>
#include <QProcess>

#include <windows.h>

std::unique_ptr<PlayerLink> createPlayerLink()
{
    return std::make_unique<WinampPlayerLink>();
}

bool WinampPlayerLink::isRunning(const QString &)
{
    return IsWinampRunning();
}

void WinampPlayerLink::sendFile(const QByteArray &nativePath, const QString &)
{
    const QString fileName = QString::fromUtf8(nativePath);
    // toLocal8Bit is the ANSI code page on Windows, which the player's 8-bit API expects.
    SendFileToWinamp(QDir::toNativeSeparators(fileName).toLocal8Bit().toStdString(), WinampWindowClass);
}

bool WinampPlayerLink::waitUntilRunning(const QString &, int timeoutMs)
{
    return WaitForWinampWindow(static_cast<unsigned>(qMax(timeoutMs, 0)));
}

void WinampPlayerLink::prepareStart(QProcess &process)
{
    process.setCreateProcessArgumentsModifier([](QProcess::CreateProcessArguments *arguments) {
        arguments->startupInfo->dwFlags |= STARTF_USESHOWWINDOW;
        arguments->startupInfo->wShowWindow = SW_SHOWMINIMIZED;
    });
}

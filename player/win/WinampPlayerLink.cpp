#include "WinampPlayerLink.h"

#include "WinampWindow.h"

#include <QDir>

std::unique_ptr<PlayerLink> createPlayerLink()
{
    return std::make_unique<WinampPlayerLink>();
}

bool WinampPlayerLink::isRunning(const QString &)
{
    return IsWinampRunning();
}

void WinampPlayerLink::sendFile(const QString &fileName, const QString &)
{
    // toLocal8Bit is the ANSI code page on Windows, which the player's 8-bit API expects.
    SendFileToWinamp(QDir::toNativeSeparators(fileName).toLocal8Bit().toStdString(), WinampWindowClass);
}

// SPDX-License-Identifier: MIT
// Copyright The Marlune developers
#include "Enqueue.h"

#include "Dialogs.h"
#include "PlayerLink.h"

#include <QCoreApplication>

namespace {

const QString crlf = QStringLiteral("\r\n");

QString failureText(const ErrorInfo &error)
{
    if (error.number == 53)
        return QCoreApplication::translate("Playfile",
                                           "The path to the Winamp application entered under prefrences is invalid. "
                                           "Please enter the correct path.");
    return QCoreApplication::translate("Playfile", "There was an error: ") + crlf + QString::number(error.number)
        + QLatin1Char(' ') + error.shownDescription() + crlf
        + QCoreApplication::translate("Playfile",
                                      "Please report the error to the developer by going to the About window.");
}

} // namespace

namespace Playfile {

QString fullName(const QString &folder, const QString &name)
{
    if (folder.endsWith(QLatin1Char('/')) || folder.endsWith(QLatin1Char('\\')))
        return folder + name;
    return folder + QLatin1Char('/') + name;
}

QByteArray fullName(const QByteArray &folder, const QByteArray &name)
{
    if (folder.endsWith('/') || folder.endsWith('\\'))
        return folder + name;
    return folder + '/' + name;
}

void mnuEnqueue_Click(const EnqueueRequest &request, PlayerLink &link, Dialogs &dialogs)
{
    if (request.winampLocationChecked)
        EnqueueSelected(request, link, dialogs);
}

void EnqueueSelected(const EnqueueRequest &request, PlayerLink &link, Dialogs &dialogs)
{
    if (request.WinampPath.isEmpty())
        return;
    if (!link.isRunning(request.WinampPath)) {
        if (const ErrorInfo error = link.start(request.WinampPath)) {
            dialogs.showMessage(failureText(error), Dialogs::Icon::None, applicationTitle());
            return;
        }
        // Files handed over before the new player is up would be lost without a word.
        if (!request.selectedNames.isEmpty())
            link.waitUntilRunning(request.WinampPath, request.startWaitMs);
    }
    for (const NativeName &name : request.selectedNames)
        link.sendFile(fullName(request.folder.native(), name.native()), request.WinampPath);
}

} // namespace Playfile

// SPDX-License-Identifier: MIT
// Copyright The Marlune developers
#pragma once

#include "ErrorInfo.h"

#include <QCoreApplication>
#include <QString>

// The texts the update check and the comment exchange show, word for word.
// Line breaks are CR LF, as Dialogs expects.
namespace AboutMessages {

inline QString noNetwork()
{
    return QCoreApplication::translate(
        "AboutMessages", "Please make sure you're connected to the Internet before you check for updates.");
}

inline QString newestVersion()
{
    return QCoreApplication::translate("AboutMessages", "You have the newest version available.");
}

inline QString newerVersion(const QString &shownVersion, const QString &availableVersion)
{
    return QCoreApplication::translate("AboutMessages", "You have version ") + shownVersion + QStringLiteral(".\r\n")
        + QCoreApplication::translate("AboutMessages", "Version ") + availableVersion
        + QCoreApplication::translate("AboutMessages", " is available.\r\n")
        + QCoreApplication::translate("AboutMessages", "You may download the newer version from the website.");
}

inline QString updateTimedOut()
{
    return QCoreApplication::translate("AboutMessages",
                                       "Unable to connect to server(server may be down).\r\nPlease try again later.");
}

inline QString messageNotSent()
{
    return QCoreApplication::translate("AboutMessages", "Message NOT sent.\r\n") + updateTimedOut();
}

inline QString messageSent() { return QCoreApplication::translate("AboutMessages", "Message sent."); }

inline QString error(const ErrorInfo &e)
{
    return QCoreApplication::translate("AboutMessages", "There was an error:\r\n") + QString::number(e.number)
        + QLatin1Char(' ') + e.shownDescription();
}

} // namespace AboutMessages

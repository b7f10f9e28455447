#pragma once

#include "ErrorInfo.h"

#include <QString>

// The texts the update check and the comment exchange show, word for word.
// Line breaks are CR LF, as Dialogs expects.
namespace AboutMessages {

inline QString noNetwork()
{
    return QStringLiteral("Please make sure you're connected to the Internet before you check for updates.");
}

inline QString newestVersion() { return QStringLiteral("You have the newest version available."); }

inline QString newerVersion(const QString &shownVersion, const QString &availableVersion)
{
    return QStringLiteral("You have version ") + shownVersion + QStringLiteral(".\r\n")
        + QStringLiteral("Version ") + availableVersion + QStringLiteral(" is available.\r\n")
        + QStringLiteral("You may download the newer version from the website.");
}

inline QString updateTimedOut()
{
    return QStringLiteral("Unable to connect to server(server may be down).\r\nPlease try again later.");
}

inline QString messageNotSent() { return QStringLiteral("Message NOT sent.\r\n") + updateTimedOut(); }

inline QString messageSent() { return QStringLiteral("Message sent."); }

inline QString error(const ErrorInfo &e)
{
    return QStringLiteral("There was an error:\r\n") + QString::number(e.number) + QLatin1Char(' ')
        + e.description;
}

} // namespace AboutMessages

// SPDX-License-Identifier: MIT
// Copyright The Marlune developers
#include "ErrorInfo.h"

#include <QCoreApplication>

QString ErrorInfo::shownDescription() const
{
    return QCoreApplication::translate("ErrorInfo", description.toUtf8().constData());
}

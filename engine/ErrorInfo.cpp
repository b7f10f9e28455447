#include "ErrorInfo.h"

#include <QCoreApplication>

QString ErrorInfo::shownDescription() const
{
    return QCoreApplication::translate("ErrorInfo", description.toUtf8().constData());
}

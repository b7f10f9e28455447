// SPDX-License-Identifier: MIT
// Copyright The Marlune developers
#include "PlanConflict.h"

#include <QCoreApplication>

QString PlanConflict::text() const
{
    switch (kind) {
    case Kind::None:
        break;
    case Kind::Exists:
        return QCoreApplication::translate("PlanConflict", "already exists");
    case Kind::SameTarget:
        return QCoreApplication::translate("PlanConflict", "also proposed for %1").arg(other);
    case Kind::CurrentName:
        return QCoreApplication::translate("PlanConflict", "is the current name of %1").arg(other);
    }
    return {};
}

// SPDX-License-Identifier: MIT
// Copyright The Marlune developers
#pragma once

#include "NameDecoder.h"
#include "RenamePlan.h"

#include <QByteArray>
#include <QJsonArray>
#include <QJsonObject>
#include <QString>
#include <optional>

// rename --json: one object per FILE given, in order. "path" is the argument as text and
// "name" its last part; a path whose bytes are not UTF-8 is shown decoded the legacy way
// and carries its exact bytes in "path_bytes" (lower-case hex), so nothing is lost.
// "proposal" is the new name or null (Empty, or a FILE that is not a regular file),
// "conflict" the reason the preview found or null, and after a real run "outcome":
// "renamed", "skipped" or {"number": N, "error": "text"}.
class RenameJson
{
public:
    RenameJson(const NameDecoder &names, bool withOutcome);

    // A FILE left out of the plan: missing, a folder, a device. problem is its reason.
    void addRefused(const QByteArray &path, const QString &problem);
    // A FILE of the plan; result is what renaming it did, none when it was not tried.
    void addEntry(const QByteArray &path, const PlanEntry &entry, const std::optional<PlanResult> &result);

    QByteArray toJson() const;

private:
    QJsonObject row(const QByteArray &path, const QString &name) const;

    NameDecoder m_names;
    bool m_withOutcome;
    QJsonArray m_rows;
};

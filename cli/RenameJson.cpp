// SPDX-License-Identifier: MIT
// Copyright The Marlune developers
#include "RenameJson.h"

#include <QJsonDocument>
#include <QJsonObject>

namespace {

const QString kSkipped = QStringLiteral("skipped");

QJsonValue outcomeOf(const std::optional<PlanResult> &result)
{
    if (!result)
        return kSkipped;
    if (result->state == PlanEntry::State::Renamed)
        return QStringLiteral("renamed");
    return QJsonObject{{QStringLiteral("number"), result->rename.error.number},
                       {QStringLiteral("error"), result->rename.error.shownDescription()}};
}

} // namespace

RenameJson::RenameJson(const NameDecoder &names, bool withOutcome) : m_names(names), m_withOutcome(withOutcome) {}

QJsonObject RenameJson::row(const QByteArray &path, const QString &name) const
{
    QJsonObject object{{QStringLiteral("path"), m_names.text(path)}, {QStringLiteral("name"), name}};
    if (!NameDecoder::utf8Text(path))
        object.insert(QStringLiteral("path_bytes"), QString::fromLatin1(path.toHex()));
    return object;
}

void RenameJson::addRefused(const QByteArray &path, const QString &problem)
{
    QJsonObject object = row(path, RenamePlan::sourceOf(path, m_names).name.text());
    object.insert(QStringLiteral("proposal"), QJsonValue::Null);
    object.insert(QStringLiteral("conflict"), problem);
    if (m_withOutcome)
        object.insert(QStringLiteral("outcome"), kSkipped);
    m_rows.append(object);
}

void RenameJson::addEntry(const QByteArray &path, const PlanEntry &entry, const std::optional<PlanResult> &result)
{
    QJsonObject object = row(path, entry.source.text());
    object.insert(QStringLiteral("proposal"), entry.hasProposal() ? QJsonValue(entry.proposal) : QJsonValue::Null);
    object.insert(QStringLiteral("conflict"), entry.conflict ? QJsonValue(entry.conflict.text()) : QJsonValue::Null);
    if (m_withOutcome)
        object.insert(QStringLiteral("outcome"), outcomeOf(result));
    m_rows.append(object);
}

QByteArray RenameJson::toJson() const
{
    return QJsonDocument(m_rows).toJson(QJsonDocument::Indented);
}

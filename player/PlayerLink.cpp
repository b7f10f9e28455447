// SPDX-License-Identifier: MIT
// Copyright The Marlune developers
#include "PlayerLink.h"

#include <QFileInfo>
#include <QProcess>
#include <QStandardPaths>

namespace {

bool programExists(const QString &programPath)
{
    // A bare name is found the way the system would find it when starting it.
    if (!programPath.contains(QLatin1Char('/')) && !programPath.contains(QLatin1Char('\\')))
        return !QStandardPaths::findExecutable(programPath).isEmpty();
    return QFileInfo::exists(programPath);
}

} // namespace

PlayerLink::~PlayerLink() = default;

ErrorInfo PlayerLink::start(const QString &programPath)
{
    if (!programExists(programPath))
        return {53, QStringLiteral(QT_TRANSLATE_NOOP("ErrorInfo", "File not found"))};
    QProcess process;
    process.setProgram(programPath);
    process.setStandardInputFile(QProcess::nullDevice());
    process.setStandardOutputFile(QProcess::nullDevice());
    process.setStandardErrorFile(QProcess::nullDevice());
    prepareStart(process);
    if (!process.startDetached())
        return {75, QStringLiteral(QT_TRANSLATE_NOOP("ErrorInfo", "Path/File access error"))};
    return {};
}

void PlayerLink::prepareStart(QProcess &)
{
}

bool PlayerLink::waitUntilRunning(const QString &programPath, int)
{
    return isRunning(programPath);
}

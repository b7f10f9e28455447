// SPDX-License-Identifier: MIT
// Copyright The Marlune developers
#include "HostInfoFile.h"

#include "QuotedFieldFile.h"
#include "UpdateServer.h"

#include <QDir>
#include <QFileInfo>

namespace HostInfoFile {

namespace {

const ErrorInfo PastEnd{62, QStringLiteral(QT_TRANSLATE_NOOP("ErrorInfo", "Input past end of file"))};
const ErrorInfo TypeMismatch{13, QStringLiteral(QT_TRANSLATE_NOOP("ErrorInfo", "Type mismatch"))};
const ErrorInfo Overflow{6, QStringLiteral(QT_TRANSLATE_NOOP("ErrorInfo", "Overflow"))};

// Removes the offset from entries 3 to 7 in place; the error says why it could not.
ErrorInfo removeOffset(HostInfo &hostInfo)
{
    for (int i = HostInfoField::FirstAddressNumber; i <= HostInfoField::Port; ++i) {
        const std::optional<int> stored = wholeNumber(hostInfo[i]);
        if (!stored)
            return TypeMismatch;
        hostInfo[i] = QString::number(*stored - UpdateServer::HostOffset);
    }
    return serverAddressOf(hostInfo) ? ErrorInfo{} : Overflow;
}

} // namespace

bool existsIn(const QString &folder)
{
    const QStringList found = QDir(folder).entryList({fileName()}, QDir::Files | QDir::CaseSensitive);
    return found.contains(fileName());
}

ReadResult read(const QString &path)
{
    const std::optional<QByteArray> bytes = readWholeFile(path);
    if (!bytes) {
        const bool present = QFileInfo::exists(path);
        return {present ? ErrorInfo{75, QStringLiteral(QT_TRANSLATE_NOOP("ErrorInfo", "Path/File access error"))}
                        : ErrorInfo{53, QStringLiteral(QT_TRANSLATE_NOOP("ErrorInfo", "File not found"))},
                {}};
    }
    QuotedFieldReader reader(*bytes);
    HostInfo hostInfo;
    for (int i = HostInfoField::WebAddress; i <= HostInfoField::Port; ++i) {
        std::optional<QString> field = reader.next();
        if (!field)
            return {PastEnd, {}};
        hostInfo[i] = *field;
    }
    if (const ErrorInfo e = removeOffset(hostInfo))
        return {e, {}};
    return {{}, hostInfo};
}

QByteArray bytesOf(const HostInfo &hostInfo)
{
    QuotedFieldWriter writer;
    writer.addText(hostInfo[HostInfoField::WebAddress]);
    writer.addText(hostInfo[HostInfoField::EmailAddress]);
    for (int i = HostInfoField::FirstAddressNumber; i <= HostInfoField::Port; ++i)
        writer.addText(QString::number(hostInfo[i].trimmed().toInt() + UpdateServer::HostOffset));
    return writer.bytes();
}

ErrorInfo write(const QString &path, const HostInfo &hostInfo)
{
    return saveWholeFile(path, bytesOf(hostInfo));
}

} // namespace HostInfoFile

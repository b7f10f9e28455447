// SPDX-License-Identifier: MIT
// Copyright The Marlune developers
#include "SettingsMigration.h"

#include "PathHelpers.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QStandardPaths>
#include <QStringDecoder>
#include <optional>

namespace {

// Far above any real settings file: something larger is not one of ours.
constexpr qint64 kMaxBytes = 64 * 1024;

const char *const kNames[] = {"renamer.ini", "hostinfo.ini"};

// The whole file when it looks like a settings file: readable UTF-8 text.
std::optional<QByteArray> readSettingsText(const QString &path)
{
    QFile f(path);
    if (!QFileInfo(path).isFile() || f.size() > kMaxBytes || !f.open(QIODevice::ReadOnly))
        return std::nullopt;
    const QByteArray bytes = f.readAll();
    if (f.error() != QFile::NoError || bytes.contains('\0'))
        return std::nullopt;
    QStringDecoder utf8(QStringDecoder::Utf8);
    // The decoder works only once its result is taken as a string.
    const QString text = utf8.decode(bytes);
    if (utf8.hasError())
        return std::nullopt;
    return bytes;
}

bool writeWhole(const QString &path, const QByteArray &bytes)
{
    if (!makeParentFolder(path))
        return false;
    QSaveFile f(path);
    if (!f.open(QIODevice::WriteOnly | QIODevice::Unbuffered))
        return false;
    if (f.write(bytes) != bytes.size()) {
        f.cancelWriting();
        return false;
    }
    return f.commit();
}

bool holds(const QString &path, const QByteArray &bytes)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) && f.readAll() == bytes;
}

} // namespace

SettingsMigration::SettingsMigration(const QString &oldFolder, const QString &newFolder)
    : m_old(oldFolder), m_new(newFolder)
{
}

QString SettingsMigration::standardOldFolder()
{
    // The organisation and the application were both named after the program.
    const QString name = QCoreApplication::applicationName();
    return AddSlash(QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation)) + name
           + QLatin1Char('/') + name;
}

SettingsMigration::Outcome SettingsMigration::run() const
{
    Outcome outcome;
    for (const char *name : kNames) {
        const QString file = QString::fromLatin1(name);
        switch (moveOne(file)) {
        case Step::Moved: outcome.moved << file; break;
        case Step::Kept: outcome.kept << file; break;
        case Step::Skipped: break;
        }
    }
    return outcome;
}

SettingsMigration::Step SettingsMigration::moveOne(const QString &name) const
{
    const QString from = AddSlash(m_old) + name;
    const QString to = AddSlash(m_new) + name;
    if (!QFileInfo::exists(from))
        return Step::Skipped;
    // The newer settings win; the old file is left alone rather than lost.
    if (QFileInfo(to).exists() || QFileInfo(to).isSymLink())
        return Step::Skipped;
    const std::optional<QByteArray> bytes = readSettingsText(from);
    if (!bytes || !writeWhole(to, *bytes))
        return Step::Kept;
    if (!holds(to, *bytes)) {
        QFile::remove(to);
        return Step::Kept;
    }
    return QFile::remove(from) ? Step::Moved : Step::Kept;
}

// SPDX-License-Identifier: MIT
// Copyright The Marlune developers
#include "RenamerIni.h"
#include "QuotedFieldFile.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>

RenamerIniTarget::~RenamerIniTarget() = default;

namespace {

bool keywordIs(const QString &field, const char *keyword)
{
    return field.toLower() == QLatin1String(keyword);
}

// The file must be there under exactly this name; on a file system that ignores
// case a differently cased renamer.ini is taken, as the name test allows.
bool fileIsPresent(const QString &path)
{
    const QFileInfo info(path);
    if (!info.isFile())
        return false;
    const QStringList found = info.dir().entryList({info.fileName()}, QDir::Files | QDir::Hidden);
    return !found.isEmpty() && found.first().toUpper() == info.fileName().toUpper();
}

bool applyDefaultDirectory(const QString &field, RenamerIniTarget &target)
{
    if (field.isEmpty()) {
        target.showProgramFolder();
        target.setOption(Preferences::DefaultDirectory, false);
        return true;
    }
    target.setOption(Preferences::DefaultDirectory, true);
    if (!target.setDefaultDirectory(field))
        return false;
    target.setDefaultDirectoryText(field);
    return true;
}

void applyPlayer(const QString &field, RenamerIniTarget &target)
{
    if (field.isEmpty()) {
        target.setOption(Preferences::PlayerLocation, false);
        return;
    }
    target.setOption(Preferences::PlayerLocation, true);
    target.setPlayerPath(field);
}

// The format cannot hold a double quote, so the writer drops it; that must happen
// before trimming, or the blanks it uncovers would be saved and trimmed only next time.
QString savedText(const QString &text)
{
    QString clean = text;
    clean.remove(QLatin1Char('"'));
    return clean.trimmed();
}

} // namespace

void RenamerIni::load(const QString &path, RenamerIniTarget &target)
{
    if (!fileIsPresent(path))
        return;
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly))
        return;
    apply(f.read(kMaxBytes), target);
}

void RenamerIni::apply(const QByteArray &bytes, RenamerIniTarget &target)
{
    QuotedFieldReader reader(bytes);
    for (int line = 1; line <= kLineCount; ++line) {
        const std::optional<QString> field = reader.next();
        if (!field)
            return;
        switch (line) {
        case 1: target.setOption(Preferences::OnTop, keywordIs(*field, "ontop")); break;
        case 2: target.setOption(Preferences::Docking, keywordIs(*field, "dock")); break;
        case 3: target.setTaskbarHeight(*field); break;
        case 4:
            if (!applyDefaultDirectory(*field, target))
                return;
            break;
        case 5: target.setOption(Preferences::Splash, keywordIs(*field, "splash")); break;
        case 6: target.setOption(Preferences::Sounds, keywordIs(*field, "sound")); break;
        case 7: applyPlayer(*field, target); break;
        }
    }
}

QByteArray RenamerIni::render(const Preferences &p)
{
    QuotedFieldWriter w;
    w.addText(p.isOn(Preferences::OnTop) ? QStringLiteral("OnTop") : QStringLiteral("NotOnTop"));
    w.addText(p.isOn(Preferences::Docking) ? QStringLiteral("Dock") : QStringLiteral("NoDock"));
    if (p.isOn(Preferences::Docking))
        w.addText(savedText(p.taskbarHeight));
    else
        w.addNumber(400);
    w.addText(p.isOn(Preferences::DefaultDirectory) ? savedText(p.defaultDirectory) : QString());
    w.addText(p.isOn(Preferences::Splash) ? QStringLiteral("Splash") : QStringLiteral("NoSplash"));
    w.addText(p.isOn(Preferences::Sounds) ? QStringLiteral("Sound") : QStringLiteral("NoSound"));
    w.addText(p.isOn(Preferences::PlayerLocation) ? savedText(p.playerPath) : QString());
    return w.bytes();
}

ErrorInfo RenamerIni::save(const QString &path, const Preferences &prefs)
{
    return saveWholeFile(path, render(prefs));
}

QString RenamerIni::saveErrorMessage()
{
    return QCoreApplication::translate("RenamerIni", "There was an error. Settings will not be saved.");
}

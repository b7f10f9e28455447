// SPDX-License-Identifier: MIT
// Copyright The Marlune developers
#include "Startup.h"

#include "Forms.h"
#include "SettingsMigration.h"
#include "frmRenamer.h"
#include "frmSplash.h"
#include "MarluneVersion.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QTimer>
#include <cmath>

namespace {

// The stored folder goes to the main window as it loads, before it is ever shown.
frmRenamer &loadMainWindow(Forms &forms, const StartFolder &folder)
{
    frmRenamer &main = forms.Renamer();
    forms.showStartFolder(folder);
    return main;
}

} // namespace

void Main(Forms &forms)
{
    const StartFolder folder = forms.preferences().load();
    if (!forms.config().commandLine.isEmpty()) {
        frmRenamer &main = loadMainWindow(forms, folder);
        main.show();
        main.setB_Arg(true);
        main.DoIt();
        return;
    }
    if (forms.preferences().splash()) {
        forms.Splash().show();
        frmRenamer &main = loadMainWindow(forms, folder);
        Pause(forms.config().splashSeconds);
        main.show();
        forms.unloadSplash();
    } else {
        loadMainWindow(forms, folder).show();
    }
    forms.Renamer().setB_Arg(false);
}

void Pause(float seconds)
{
    const qint64 total = std::llround(double(seconds) * 1000.0);
    QElapsedTimer clock;
    clock.start();
    while (clock.elapsed() < total) {
        // Sleep until an event comes or the time is up, instead of spinning.
        QEventLoop loop;
        QTimer::singleShot(int(total - clock.elapsed()), &loop, &QEventLoop::quit);
        QCoreApplication::processEvents(QEventLoop::AllEvents);
        if (clock.elapsed() < total)
            loop.exec();
    }
}

void preferX11()
{
#if defined(Q_OS_LINUX)
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM") && !qEnvironmentVariableIsEmpty("DISPLAY"))
        qputenv("QT_QPA_PLATFORM", "xcb");
#endif
}

void nameProgram()
{
    // No organisation name: Qt would put it in front, giving marlune/marlune folders.
    QCoreApplication::setApplicationName(QStringLiteral("marlune"));
    QCoreApplication::setOrganizationName(QString());
}

void moveOldSettings(const AppFolder &appFolder)
{
    const QString oldFolder = SettingsMigration::standardOldFolder();
    const SettingsMigration::Outcome outcome = SettingsMigration(oldFolder, appFolder.configFolder()).run();
    for (const QString &name : outcome.kept)
        qWarning("marlune: %s stays in %s: it could not be moved to %s", qPrintable(name),
                 qPrintable(QDir::toNativeSeparators(oldFolder)),
                 qPrintable(QDir::toNativeSeparators(appFolder.configFolder())));
}

Forms::Config programConfig(const QStringList &arguments, const QList<QByteArray> &nativeArguments)
{
    Forms::Config config;
    const QString executableFolder = QCoreApplication::applicationDirPath();
    config.appFolder = AppFolder::forExecutable(executableFolder);
    if (!AppFolder::isPortable(executableFolder))
        moveOldSettings(config.appFolder);
    config.media = MediaLocator();
    config.commandLine = nativeArguments.size() == arguments.size() && !nativeArguments.isEmpty()
        ? CommandLine::fromNativeArguments(nativeArguments, QFile::encodeName(QDir::currentPath()))
        : CommandLine::fromArguments(arguments, QDir::currentPath());
    QString unknown;
    config.names = NameDecoder::fromEnvironment(&unknown);
    if (!unknown.isEmpty())
        qWarning("%s: unknown encoding '%s', names that are not UTF-8 are read as %s",
                 NameDecoder::environmentVariable(), qPrintable(unknown), qPrintable(config.names.encoding()));
    return config;
}

std::optional<QString> programInfo(const QStringList &arguments)
{
    if (arguments.isEmpty())
        return std::nullopt;
    const QString &first = arguments.first();
    if (first == QLatin1String("--version"))
        return QStringLiteral("marlune " MARLUNE_VERSION "\n");
    if (first != QLatin1String("--help") && first != QLatin1String("-h"))
        return std::nullopt;
    return QStringLiteral(
        "Usage: marlune [FILE...]\n"
        "\n"
        "Renames music files into the form (Artist) Title.mp3 and edits their ID3v1 tags.\n"
        "Given up to 20 files ending in .mp3, .mpg, .mpeg, .mpe, .asf, .mov, .txt or .doc,\n"
        "it opens on a preview of their new names.\n"
        "\n"
        "Options:\n"
        "  --help       show this help\n"
        "  --version    show the version\n");
}

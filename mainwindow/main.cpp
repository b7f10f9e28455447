// SPDX-License-Identifier: MIT
// Copyright The Marlune developers
#include "Forms.h"
#include "PosixTagFileAccess.h"
#include "Startup.h"
#include "Translations.h"

#include <QApplication>

#include <cstdio>

int main(int argc, char **argv)
{
    // Answered before the application object exists: no display is needed and no
    // window is made.
    QStringList arguments;
    for (int i = 1; i < argc; ++i)
        arguments << QString::fromLocal8Bit(argv[i]);
    if (const std::optional<QString> info = programInfo(arguments)) {
        std::fputs(info->toLocal8Bit().constData(), stdout);
        return 0;
    }

    PosixTagFileAccess::ignoreFileSizeSignal();
    preferX11();
    QApplication app(argc, argv);
    nameProgram();
    QApplication::setQuitOnLastWindowClosed(false);
    Translations::install();

    // On Windows the arguments are UTF-16 text, the names themselves; elsewhere only
    // argv holds a name's bytes unchanged.
    QList<QByteArray> nativeArguments;
#ifndef Q_OS_WIN
    for (int i = 1; i < argc; ++i)
        nativeArguments.append(QByteArray(argv[i]));
#endif
    Forms forms(programConfig(app.arguments().mid(1), nativeArguments));
    Main(forms);
    return app.exec();
}

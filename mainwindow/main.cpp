#include "Forms.h"
#include "PosixTagFileAccess.h"
#include "Startup.h"
#include "Translations.h"

#include <QApplication>

int main(int argc, char **argv)
{
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

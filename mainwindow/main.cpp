#include "Forms.h"
#include "Startup.h"

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

    preferX11();
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("marlune"));
    QApplication::setOrganizationName(QStringLiteral("marlune"));
    QApplication::setQuitOnLastWindowClosed(false);

    Forms forms(programConfig(app.arguments().mid(1)));
    Main(forms);
    return app.exec();
}

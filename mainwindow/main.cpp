#include "Forms.h"
#include "Startup.h"

#include <QApplication>
#include <QDir>

namespace {

// Wayland lets no window place itself, and the chrome docks and keeps windows on
// top; so ask for X11 (XWayland) whenever an X display is there.
void preferX11()
{
#if defined(Q_OS_LINUX)
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM") && !qEnvironmentVariableIsEmpty("DISPLAY"))
        qputenv("QT_QPA_PLATFORM", "xcb");
#endif
}

} // namespace

int main(int argc, char **argv)
{
    preferX11();
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("marlune"));
    QApplication::setOrganizationName(QStringLiteral("marlune"));
    QApplication::setQuitOnLastWindowClosed(false);

    Forms::Config config;
    config.appFolder = AppFolder::forExecutable(QCoreApplication::applicationDirPath());
    config.media = MediaLocator();
    config.commandLine = CommandLine::fromArguments(app.arguments().mid(1), QDir::currentPath());
    Forms forms(std::move(config));
    Main(forms);
    return app.exec();
}

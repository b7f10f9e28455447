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
    QApplication::setApplicationName(QStringLiteral("marlune"));
    QApplication::setOrganizationName(QStringLiteral("marlune"));
    QApplication::setQuitOnLastWindowClosed(false);
    Translations::install();

    Forms forms(programConfig(app.arguments().mid(1)));
    Main(forms);
    return app.exec();
}

#include "Forms.h"
#include "PosixTagFileAccess.h"
#include "Startup.h"

#include <QApplication>

int main(int argc, char **argv)
{
    PosixTagFileAccess::ignoreFileSizeSignal();
    preferX11();
    QApplication app(argc, argv);
    nameProgram();
    QApplication::setQuitOnLastWindowClosed(false);

    Forms forms(programConfig(app.arguments().mid(1)));
    Main(forms);
    return app.exec();
}

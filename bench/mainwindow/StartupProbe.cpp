// SPDX-License-Identifier: MIT
// Copyright The Marlune developers
// marlune as it starts, reporting when its main window first paints: prints the
// wall-clock time of that paint (ns since the epoch) and, half a second later,
// the resident memory of the idle program, then quits.
#include "Forms.h"
#include "Startup.h"
#include "frmRenamer.h"

#include <QApplication>
#include <QFile>
#include <QTimer>
#include <chrono>
#include <cstdio>

namespace {

class FirstPaint : public QObject
{
public:
    bool eventFilter(QObject *, QEvent *event) override
    {
        if (event->type() == QEvent::Paint && !seen) {
            seen = true;
            const auto now = std::chrono::system_clock::now().time_since_epoch();
            std::printf("first_paint_ns %lld\n",
                        static_cast<long long>(std::chrono::duration_cast<std::chrono::nanoseconds>(now).count()));
            QTimer::singleShot(500, [] {
                QFile status(QStringLiteral("/proc/self/status"));
                status.open(QIODevice::ReadOnly);
                for (const QByteArray &line : status.readAll().split('\n'))
                    if (line.startsWith("VmRSS:"))
                        std::printf("idle_rss_kb %s\n", line.mid(6).trimmed().split(' ').first().constData());
                std::fflush(stdout);
                QCoreApplication::exit(0);
            });
        }
        return false;
    }
    bool seen = false;
};

} // namespace

int main(int argc, char **argv)
{
    preferX11();
    QApplication app(argc, argv);
    nameProgram();
    QApplication::setQuitOnLastWindowClosed(false);
    Forms forms(programConfig(app.arguments().mid(1)));
    FirstPaint probe;
    forms.Renamer().installEventFilter(&probe);
    Main(forms);
    return app.exec();
}

// SPDX-License-Identifier: MIT
// Copyright The Marlune developers
// The tag editor on the files given, one after the other, as the Edit command
// shows it; with --pose it opens on the first file with Auto pressed and the Save
// button lit, for a screenshot, and stays open until the window is closed.
#include "ChromeArt.h"
#include "ChromeSettings.h"
#include "MediaLocator.h"
#include "PictureBox.h"
#include "QtDialogs.h"
#include "frmTag.h"

#include <QApplication>
#include <QMouseEvent>

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    QStringList files = app.arguments().mid(1);
    const bool pose = files.removeAll(QStringLiteral("--pose")) > 0;
    if (files.isEmpty())
        return 2;

    const MediaLocator media;
    const ChromeArt art(media);
    FixedChromeSettings settings;
    settings.sound = false;
    QtDialogs dialogs;
    frmTag frm(ChromeContext{&settings, nullptr, &art}, dialogs);
    dialogs.setParentWindow(&frm);
    frm.move(60, 60);

    if (pose) {
        frm.DisplayInfo(files.first());
        frm.AutoTag();
        frm.show();
        QMouseEvent move(QEvent::MouseMove, QPointF(10, 10), frm.picButton(2)->mapToGlobal(QPointF(10, 10)),
                         Qt::NoButton, Qt::NoButton, Qt::NoModifier);
        QApplication::sendEvent(frm.picButton(2), &move);
        return app.exec();
    }
    for (const QString &file : files) {
        frm.DisplayInfo(file);
        frm.show();
        while (frm.isVisible())
            QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
        if (frm.stopRequested())
            break;
    }
    return 0;
}

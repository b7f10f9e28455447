// SPDX-License-Identifier: MIT
// Copyright The Marlune developers
// A window wearing every piece of the chrome: title strip and drag, docking,
// the label menu bar with its menus, picture buttons, the busy pointer, the
// clips, and a secondary window opened through ShowChild. With --pose it opens
// with a lit button, a highlighted menu label and the secondary window shown
// beside it, for a screenshot.
#include "ChromeArt.h"
#include "ChromeSettings.h"
#include "ChromeWindow.h"
#include "ClipPlayers.h"
#include "MediaLocator.h"
#include "PictureBox.h"
#include "PictureButtonBar.h"

#include <QApplication>
#include <QCheckBox>
#include <QListWidget>
#include <QMenu>
#include <QMouseEvent>

namespace {

void hoverOver(QWidget *widget)
{
    QMouseEvent move(QEvent::MouseMove, QPointF(10, 10), widget->mapToGlobal(QPointF(10, 10)),
                     Qt::NoButton, Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(widget, &move);
}

} // namespace

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    const bool pose = app.arguments().contains(QStringLiteral("--pose"));

    const MediaLocator media;
    const ChromeArt art(media);
    ClipPlayers clips;
    clips.OpenSounds(media);
    FixedChromeSettings settings;
    const ChromeContext context{&settings, &clips, &art};

    ChromeWindow main(context);
    main.setInnerSize(7275, 4875);
    main.addMenuBar();
    main.setTitle(QStringLiteral("Marlune"));
    main.addButtonPair(2, 0, QStringLiteral("Preview"), 1620, 4260);
    main.addButtonPair(1, 3, QStringLiteral("Clear"), 4320, 4260);
    main.setExitProgram([&app] { app.quit(); });

    QListWidget files(&main);
    ChromeWindow::place(&files, 2640, 720, 4575, 3450);
    files.addItems({QStringLiteral("the_owls-blue sky.MP3"), QStringLiteral("(The Owls) Blue Sky.mp3")});
    main.resetOnMouseMove(&files, {ChromeWindow::Reset::MenuBar, ChromeWindow::Reset::Buttons});

    ChromeWindow pref(context);
    pref.setInnerSize(4710, 4230);
    pref.setTitle(QStringLiteral("Preferences"));
    pref.addButtonPair(2, 0, QStringLiteral("Save"), 240, 3540);
    pref.addButtonPair(1, 3, QStringLiteral("Cancel"), 1680, 3540);
    pref.addButtonPair(5, 4, QStringLiteral("Default"), 3120, 3540);
    QCheckBox onTop(QStringLiteral("&Always On Top"), &pref);
    QCheckBox docking(QStringLiteral("&Docking"), &pref);
    QCheckBox sounds(QStringLiteral("&Sounds"), &pref);
    for (QCheckBox *box : {&onTop, &docking, &sounds}) {
        QPalette palette = box->palette();
        palette.setColor(QPalette::WindowText, QColor(255, 255, 0));
        palette.setColor(QPalette::ButtonText, QColor(255, 255, 0));
        box->setPalette(palette);
    }
    ChromeWindow::place(&onTop, 600, 600, 1695, 255);
    ChromeWindow::place(&docking, 600, 900, 1035, 255);
    ChromeWindow::place(&sounds, 600, 2520, 1035, 255);
    docking.setChecked(settings.dock);
    sounds.setChecked(settings.sound);
    for (QWidget *control : {static_cast<QWidget *>(&onTop), static_cast<QWidget *>(&docking),
                             static_cast<QWidget *>(&sounds)})
        pref.resetOnMouseMove(control, {ChromeWindow::Reset::Title, ChromeWindow::Reset::Buttons});
    QObject::connect(&pref.buttons(), &PictureButtonBar::clicked, &pref, [&](int index) {
        if (index == 2 || index == 0) {
            settings.onTop = onTop.isChecked();
            settings.dock = docking.isChecked();
            settings.sound = sounds.isChecked();
        }
        pref.hide();
    });

    QMenu fileMenu, optionsMenu, helpMenu, tagMenu, updateMenu;
    fileMenu.addAction(QStringLiteral("E&xit"), &app, &QApplication::quit);
    optionsMenu.addAction(QStringLiteral("&Capitalize Only"))->setCheckable(true);
    optionsMenu.addSeparator();
    optionsMenu.addAction(QStringLiteral("&Prefrences"), &main, [&] {
        main.ShowChild(&pref, true);
        main.ApplyOnTop(&main);
    });
    helpMenu.addAction(QStringLiteral("&About"));
    tagMenu.addAction(QStringLiteral("&Auto Add ID3 Tags"));
    updateMenu.addAction(QStringLiteral("Check for &Update"));
    main.setLabelMenu(0, &fileMenu);
    main.setLabelMenu(1, &optionsMenu);
    main.setLabelMenu(2, &helpMenu);
    main.setLabelMenu(6, &updateMenu);
    main.setLabelMenu(7, &tagMenu);

    // Clear toggles the busy pointer, to try the buttons while busy.
    QObject::connect(&main.buttons(), &PictureButtonBar::clicked, &main, [&](int index) {
        if (index == 1 || index == 3)
            main.setBusy(true);
    });

    main.ApplyOnTop(&main);
    main.move(40, 40);
    main.show();
    if (pose) {
        pref.move(600, 60);
        main.ShowChild(&pref, false);
        hoverOver(main.picButton(2));
        hoverOver(pref.picButton(5));
        main.HighlightMenu(0);
    }
    return app.exec();
}

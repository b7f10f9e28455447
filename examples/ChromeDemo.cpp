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

// The secondary window: three of the preferences' check boxes and their buttons.
struct DemoPref
{
    DemoPref(const ChromeContext &context, FixedChromeSettings &settings)
        : window(context)
        , onTop(QStringLiteral("&Always On Top"), &window)
        , docking(QStringLiteral("&Docking"), &window)
        , sounds(QStringLiteral("&Sounds"), &window)
    {
        window.setInnerSize(4710, 4230);
        window.setTitle(QStringLiteral("Preferences"));
        window.addButtonPair(2, 0, QStringLiteral("Save"), 240, 3540);
        window.addButtonPair(1, 3, QStringLiteral("Cancel"), 1680, 3540);
        window.addButtonPair(5, 4, QStringLiteral("Default"), 3120, 3540);
        ChromeWindow::place(&onTop, 600, 600, 1695, 255);
        ChromeWindow::place(&docking, 600, 900, 1035, 255);
        ChromeWindow::place(&sounds, 600, 2520, 1035, 255);
        for (QCheckBox *box : {&onTop, &docking, &sounds}) {
            QPalette palette = box->palette();
            palette.setColor(QPalette::WindowText, QColor(255, 255, 0));
            palette.setColor(QPalette::ButtonText, QColor(255, 255, 0));
            box->setPalette(palette);
            window.resetOnMouseMove(box, {ChromeWindow::Reset::Title, ChromeWindow::Reset::Buttons});
        }
        docking.setChecked(settings.dock);
        sounds.setChecked(settings.sound);
        QObject::connect(&window.buttons(), &PictureButtonBar::clicked, &window, [this, &settings](int index) {
            if (index == 2 || index == 0) {
                settings.onTop = onTop.isChecked();
                settings.dock = docking.isChecked();
                settings.sound = sounds.isChecked();
            }
            window.hide();
        });
    }

    ChromeWindow window;
    QCheckBox onTop, docking, sounds;
};

// The main window's five label menus, with just enough entries to try them.
struct DemoMenus
{
    DemoMenus(ChromeWindow &main, ChromeWindow &pref)
    {
        file.addAction(QStringLiteral("E&xit"), qApp, &QApplication::quit);
        options.addAction(QStringLiteral("&Capitalize Only"))->setCheckable(true);
        options.addSeparator();
        options.addAction(QStringLiteral("&Prefrences"), &main, [&main, &pref] {
            main.ShowChild(&pref, true);
            main.ApplyOnTop(&main);
        });
        help.addAction(QStringLiteral("&About"));
        tag.addAction(QStringLiteral("&Auto Add ID3 Tags"));
        update.addAction(QStringLiteral("Check for &Update"));
        main.setLabelMenu(0, &file);
        main.setLabelMenu(1, &options);
        main.setLabelMenu(2, &help);
        main.setLabelMenu(6, &update);
        main.setLabelMenu(7, &tag);
    }

    QMenu file, options, help, tag, update;
};

void buildMain(ChromeWindow &main, QListWidget &files)
{
    main.setInnerSize(7275, 4875);
    main.addMenuBar();
    main.setTitle(QStringLiteral("Marlune"));
    main.addButtonPair(2, 0, QStringLiteral("Preview"), 1620, 4260);
    main.addButtonPair(1, 3, QStringLiteral("Clear"), 4320, 4260);
    main.setExitProgram([] { QApplication::quit(); });
    ChromeWindow::place(&files, 2640, 720, 4575, 3450);
    files.addItems({QStringLiteral("the_owls-blue sky.MP3"), QStringLiteral("(The Owls) Blue Sky.mp3")});
    main.resetOnMouseMove(&files, {ChromeWindow::Reset::MenuBar, ChromeWindow::Reset::Buttons});
    // Clear toggles the busy pointer, to try the buttons while busy.
    QObject::connect(&main.buttons(), &PictureButtonBar::clicked, &main, [&main](int index) {
        if (index == 1 || index == 3)
            main.setBusy(true);
    });
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
    QListWidget files(&main);
    buildMain(main, files);
    DemoPref pref(context, settings);
    const DemoMenus menus(main, pref.window);

    main.ApplyOnTop(&main);
    main.move(40, 40);
    main.show();
    if (pose) {
        pref.window.move(600, 60);
        main.ShowChild(&pref.window, false);
        hoverOver(main.picButton(2));
        hoverOver(pref.window.picButton(5));
        main.HighlightMenu(0);
    }
    return app.exec();
}

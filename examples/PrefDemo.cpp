// SPDX-License-Identifier: MIT
// Copyright The Marlune developers
// The preferences window on its own, over a renamer.ini given on the command
// line (default: one in a scratch folder). Save and Cancel quit. With --pose it
// opens with the default directory ticked and filled, for a screenshot.
#include "ChromeArt.h"
#include "ClipPlayers.h"
#include "MediaLocator.h"
#include "PictureButtonBar.h"
#include "PreferencesChromeSettings.h"
#include "PreferencesStore.h"
#include "QtDialogs.h"
#include "frmPref.h"

#include <QApplication>
#include <QCheckBox>
#include <QLineEdit>
#include <QTemporaryDir>
#include <QTextStream>

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    QStringList args = app.arguments().mid(1);
    const bool pose = args.removeAll(QStringLiteral("--pose")) > 0;
    QTemporaryDir scratch;
    const QString iniPath = args.isEmpty() ? scratch.filePath(QStringLiteral("renamer.ini")) : args.first();

    const MediaLocator media;
    const ChromeArt art(media);
    ClipPlayers clips;
    clips.OpenSounds(media);
    QtDialogs dialogs;
    PreferencesStore store(iniPath);
    const PreferencesChromeSettings settings(store);

    frmPref pref({&settings, &clips, &art}, dialogs, store);
    dialogs.setParentWindow(&pref);
    QObject::connect(&pref, &frmPref::folderLoaded, [](const StartFolder &folder) {
        if (folder.kind != StartFolder::Kind::Unchanged)
            QTextStream(stderr) << "folder list -> "
                                << (folder.directory.isEmpty() ? QStringLiteral("program folder") : folder.directory)
                                << '\n';
    });
    pref.CheckINIFile();
    QObject::connect(&pref.buttons(), &PictureButtonBar::clicked, &app, [&] {
        if (!pref.isVisible())
            app.quit();
    });
    pref.move(60, 60);
    pref.show();
    if (pose) {
        pref.chkOpt(2)->setChecked(true);
        pref.txtOpt(2)->setText(QStringLiteral("/home/user/Music/The Owls"));
    }
    return app.exec();
}

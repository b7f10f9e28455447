// The preferences window on its own, over a renamer.ini given on the command
// line (default: one in a scratch folder). Save and Cancel quit. With --pose it
// opens with the default directory ticked and filled and the Save button lit,
// for a screenshot.
#include "ChromeArt.h"
#include "ClipPlayers.h"
#include "FolderLists.h"
#include "MediaLocator.h"
#include "PictureBox.h"
#include "QtDialogs.h"
#include "frmPref.h"

#include <QApplication>
#include <QCheckBox>
#include <QLineEdit>
#include <QMouseEvent>
#include <QTemporaryDir>
#include <QTextStream>

namespace {

class PrintedFolderLists : public FolderLists
{
public:
    bool setDefaultDirectory(const QString &dir) override
    {
        QTextStream(stderr) << "folder list -> " << dir << '\n';
        return true;
    }
    void showProgramFolder() override { QTextStream(stderr) << "folder list -> program folder\n"; }
};

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
    QStringList args = app.arguments().mid(1);
    const bool pose = args.removeAll(QStringLiteral("--pose")) > 0;
    QTemporaryDir scratch;
    const QString iniPath = args.isEmpty() ? scratch.filePath(QStringLiteral("renamer.ini")) : args.first();

    const MediaLocator media;
    const ChromeArt art(media);
    ClipPlayers clips;
    clips.OpenSounds(media);
    QtDialogs dialogs;
    PrintedFolderLists folders;

    frmPref pref({nullptr, &clips, &art}, dialogs, folders, iniPath);
    dialogs.setParentWindow(&pref);
    pref.CheckINIFile();
    QObject::connect(&pref, &ChromeWindow::buttonClicked, &app, [&](int index) {
        if (!pref.isVisible())
            app.quit();
        (void)index;
    });
    pref.move(60, 60);
    pref.show();
    if (pose) {
        pref.chkOpt(2)->setChecked(true);
        pref.txtOpt(2)->setText(QStringLiteral("/home/user/Music/The Owls"));
        hoverOver(pref.picButton(2));
    }
    return app.exec();
}

#pragma once

#include "ClipSink.h"
#include "FolderLists.h"
#include "PictureBox.h"
#include "ScriptedDialogs.h"
#include "TempDir.h"
#include "frmPref.h"

#include <QApplication>
#include <QCheckBox>
#include <QLineEdit>
#include <QMouseEvent>
#include <QTest>
#include <gtest/gtest.h>
#include <memory>
#include <vector>

// The main window's folder lists as renamer.ini moves them: only folders listed
// in existing can be shown, as a vanished folder cannot.
class FakeFolderLists : public FolderLists
{
public:
    QStringList existing;
    QStringList shown;

    bool setDefaultDirectory(const QString &dir) override
    {
        if (!existing.contains(dir))
            return false;
        shown << dir;
        return true;
    }
    void showProgramFolder() override { shown << QStringLiteral("<program folder>"); }
};

class RecordedClips : public ClipSink
{
public:
    void play(Clip clip) override { played.push_back(clip); }
    std::vector<Clip> played;
};

// A shown preferences window over a scratch program folder, driven with the
// mouse and keyboard as a user would.
class PrefFixture : public ::testing::Test
{
protected:
    void SetUp() override { open(dir.filePath(QStringLiteral("renamer.ini"))); }

    void open(const QString &iniPath)
    {
        pref = std::make_unique<frmPref>(ChromeContext{nullptr, &clips, nullptr}, dialogs, folders,
                                         iniPath);
        pref->setBeep([this] { ++beeps; });
        pref->show();
    }

    QString iniPath() const { return pref->iniPath(); }

    // A left (or other) click on a button member, lighting it first when it is
    // the lit member of its pair, as the pointer would.
    void clickButton(int index, Qt::MouseButton button = Qt::LeftButton)
    {
        PictureBox *member = pref->picButton(index);
        if (!member->isVisible())
            hover(pref->picButton(plainOf(index)));
        QTest::mouseClick(member, button, Qt::NoModifier, QPoint(45, 15));
    }

    static int plainOf(int index)
    {
        switch (index) {
        case 0: return 2;
        case 3: return 1;
        case 4: return 5;
        default: return index;
        }
    }

    static void hover(QWidget *widget)
    {
        QMouseEvent move(QEvent::MouseMove, QPointF(10, 10), widget->mapToGlobal(QPointF(10, 10)),
                         Qt::NoButton, Qt::NoButton, Qt::NoModifier);
        QApplication::sendEvent(widget, &move);
    }

    // Clicks the box's square, where a click always toggles it.
    void clickBox(int index)
    {
        QCheckBox *box = pref->chkOpt(index);
        QTest::mouseClick(box, Qt::LeftButton, Qt::NoModifier, QPoint(7, box->height() / 2));
    }

    bool checked(int index) const { return pref->chkOpt(index)->isChecked(); }
    QString text(int index) const { return pref->txtOpt(index)->text(); }
    bool enabled(int index) const { return pref->txtOpt(index)->isEnabled(); }

    TempDir dir;
    ScriptedDialogs dialogs;
    FakeFolderLists folders;
    RecordedClips clips;
    int beeps = 0;
    std::unique_ptr<frmPref> pref;
};

// SPDX-License-Identifier: MIT
// Copyright The Marlune developers
#pragma once

#include "ClipSink.h"
#include "PictureBox.h"
#include "PreferencesChromeSettings.h"
#include "PreferencesStore.h"
#include "ScriptedDialogs.h"
#include "TempDir.h"
#include "frmPref.h"

#include <QApplication>
#include <QCheckBox>
#include <QDir>
#include <QLineEdit>
#include <QMouseEvent>
#include <QTest>
#include <gtest/gtest.h>
#include <memory>
#include <vector>

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

    // A fresh store in the design state, and a window on it.
    void open(const QString &iniPath)
    {
        pref.reset();
        chromeSettings.reset();
        store = std::make_unique<PreferencesStore>(iniPath);
        chromeSettings = std::make_unique<PreferencesChromeSettings>(*store);
        pref = std::make_unique<frmPref>(ChromeContext{chromeSettings.get(), &clips, nullptr}, dialogs, *store);
        pref->setBeep([this] { ++beeps; });
        QObject::connect(pref.get(), &frmPref::folderLoaded, [this](const StartFolder &folder) {
            if (folder.kind == StartFolder::Kind::Directory)
                shown << folder.directory;
            else if (folder.kind == StartFolder::Kind::ProgramFolder)
                shown << QStringLiteral("<program folder>");
        });
        pref->show();
    }

    QString iniPath() const { return store->iniPath(); }

    // A folder in the scratch folder that exists, as a stored default directory must.
    QString folder(const QString &name) const
    {
        QDir().mkpath(dir.filePath(name));
        return dir.filePath(name);
    }

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
    RecordedClips clips;
    int beeps = 0;
    // Where loads by the window sent the main window's folder list.
    QStringList shown;
    std::unique_ptr<PreferencesStore> store;
    std::unique_ptr<PreferencesChromeSettings> chromeSettings;
    std::unique_ptr<frmPref> pref;
};

// SPDX-License-Identifier: MIT
// Copyright The Marlune developers
#pragma once

#include "ChromeWindow.h"
#include "StartFolder.h"

#include <QString>
#include <array>
#include <functional>

class Dialogs;
class PreferencesStore;
class QCheckBox;
class QLabel;
class QLineEdit;

// The preferences window, the editor of the preferences store: its check boxes
// and text boxes show the store and change it as they change, so other windows
// see an edit at once. The main window shows it with ShowChild(modal), and Save
// or Cancel hide it again.
class frmPref : public ChromeWindow
{
    Q_OBJECT
public:
    static constexpr int kPathMaxLength = 60;

    // context gives the clips, the artwork and the chrome's view of store.
    frmPref(const ChromeContext &context, Dialogs &dialogs, PreferencesStore &store,
            QWidget *parent = nullptr);

    // --- controls ---------------------------------------------------------------
    QCheckBox *chkOpt(int index) const;
    // Index 1 (taskbar height), 2 (default directory) or 5 (player path); else null.
    QLineEdit *txtOpt(int index) const;
    QLabel *Label2() const { return m_label2; }
    QLabel *Image1() const { return m_image1; }

    // --- the settings file ------------------------------------------------------
    // Reloads the store from renamer.ini, silently, and tells where the main
    // window's folder list goes; the controls follow the store.
    void CheckINIFile();
    // Writes renamer.ini from the store, whole or not at all; a failure is shown
    // as a message and the old file stays.
    void SaveSettings();

    // The system beep of a refused key (tests count it instead).
    void setBeep(std::function<void()> beep) { m_beep = std::move(beep); }

Q_SIGNALS:
    // After each CheckINIFile: the main window's folder list is to follow.
    void folderLoaded(const StartFolder &folder);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
    // A close from the window manager is Cancel: the file's settings come back.
    void closeEvent(QCloseEvent *event) override;

private:
    void createControls();
    void createCheckBox(int index, const QString &caption, int left, int top, int width);
    void createTextBox(int index, int left, int top, int width);
    void connectControl(int index);
    void showStore();
    void showText(int index, const QString &text);
    void takeText(int index);
    void setPathText(int index, const QString &text);
    void narrowPathLimit(int index);

    void chkOpt_Click(int index);
    // The typed character's code after filtering; 0 when it is discarded.
    int txtOpt_KeyPress(int index, int keyAscii);
    void save();
    void cancel();
    void SetDefaults();

    Dialogs &m_dialogs;
    PreferencesStore &m_store;
    std::function<void()> m_beep;

    std::array<QCheckBox *, 6> m_chkOpt{};
    std::array<QLineEdit *, 6> m_txtOpt{};
    QLabel *m_label2 = nullptr;
    QLabel *m_image1 = nullptr;
};

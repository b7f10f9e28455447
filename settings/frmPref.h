#pragma once

#include "ChromeSettings.h"
#include "ChromeWindow.h"
#include "Preferences.h"
#include "RenamerIni.h"

#include <QString>
#include <array>
#include <functional>

class Dialogs;
class FolderLists;
class QCheckBox;
class QLabel;
class QLineEdit;

// The preferences window, and the program's settings store while it runs: its
// check boxes and text boxes hold the live preferences, which every window reads
// through the ChromeSettings side or through chkOpt/txtOpt. Created once at
// start-up and kept hidden; the main window shows it with ShowChild(modal), and
// Save or Cancel hide it again.
class frmPref : public ChromeWindow, public ChromeSettings, private RenamerIniTarget
{
    Q_OBJECT
public:
    static constexpr int kPathMaxLength = 60;

    // context gives the clips and artwork; its settings are replaced by this
    // window. iniPath is the full path of renamer.ini in the program's folder.
    frmPref(const ChromeContext &context, Dialogs &dialogs, FolderLists &folderLists,
            QString iniPath, QWidget *parent = nullptr);

    // --- controls ---------------------------------------------------------------
    QCheckBox *chkOpt(int index) const;
    // Index 1 (taskbar height), 2 (default directory) or 5 (player path); else null.
    QLineEdit *txtOpt(int index) const;
    QLabel *Label2() const { return m_label2; }
    QLabel *Image1() const { return m_image1; }

    // --- the settings file ------------------------------------------------------
    // Loads renamer.ini into the controls; silent, stops at the first bad line.
    void CheckINIFile();
    // Writes renamer.ini from the controls, whole or not at all; a failure is
    // shown as a message and the old file stays.
    void SaveSettings();

    // The player program last loaded or saved with its option on; empty at start.
    const QString &WinampPath() const { return m_winampPath; }
    // What the controls hold at this moment.
    Preferences preferences() const;
    const QString &iniPath() const { return m_iniPath; }

    // --- ChromeSettings, read live from the controls -----------------------------
    bool alwaysOnTop() const override;
    bool docking() const override;
    QString taskbarHeightText() const override;
    bool sounds() const override;

    // The system beep of a refused key (tests count it instead).
    void setBeep(std::function<void()> beep) { m_beep = std::move(beep); }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
    // A close from the window manager is Cancel: the file's settings come back.
    void closeEvent(QCloseEvent *event) override;

private:
    void createControls();
    void createCheckBox(int index, const QString &caption, int left, int top, int width);
    void createTextBox(int index, int left, int top, int width);
    void applyDesignState();
    void setPathText(int index, const QString &text);
    void narrowPathLimit(int index);

    void chkOpt_Click(int index);
    // The typed character's code after filtering; 0 when it is discarded.
    int txtOpt_KeyPress(int index, int keyAscii);
    void ButtonAction(int index);
    void SetDefaults();

    // RenamerIniTarget
    void setOption(Preferences::Option option, bool checked) override;
    void setTaskbarHeight(const QString &text) override;
    bool setDefaultDirectory(const QString &dir) override;
    void setDefaultDirectoryText(const QString &text) override;
    void showProgramFolder() override;
    void setPlayerPath(const QString &path) override;

    Dialogs &m_dialogs;
    FolderLists &m_folderLists;
    const QString m_iniPath;
    QString m_winampPath;
    std::function<void()> m_beep;

    std::array<QCheckBox *, 6> m_chkOpt{};
    std::array<QLineEdit *, 6> m_txtOpt{};
    QLabel *m_label2 = nullptr;
    QLabel *m_image1 = nullptr;
};

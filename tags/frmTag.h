// SPDX-License-Identifier: MIT
// Copyright The Marlune developers
#pragma once

#include "ChromeWindow.h"
#include "ErrorInfo.h"
#include "TagEditorModel.h"

#include <array>

class Dialogs;
class QComboBox;
class QLabel;
class QLineEdit;
class TagField;
class TagFileAccess;

// The tag editor window: the path, the six tag fields and the Save, Cancel and
// Auto buttons over a TagEditorModel, which holds the logic and the Veltro
// instance. The main window shows it modally once per file; the automatic tagging
// uses it hidden through DisplayInfo, AutoTag and WriteTag.
class frmTag : public ChromeWindow
{
    Q_OBJECT
public:
    // dialogs shows the message of a failed write; access stands in for the file
    // system (null: the real one).
    frmTag(const ChromeContext &context, Dialogs &dialogs, TagFileAccess *access = nullptr,
           QWidget *parent = nullptr);

    // Loads the tag of sFile (a full path) into the fields; Intent::Write when
    // WriteTag follows at once (see TagEditorModel::DisplayInfo).
    void DisplayInfo(const NativeName &sFile, Veltro::Intent intent = Veltro::Intent::Read);
    void DisplayInfo(const QString &sFile, Veltro::Intent intent = Veltro::Intent::Read)
    {
        DisplayInfo(NativeName::fromText(sFile), intent);
    }
    // Fills Title, Artist and, when the loaded comment is blank, Comment from the
    // loaded file's name; writes nothing.
    void AutoTag();
    // Writes the fields as the tag of the file last loaded. A failure is shown as a
    // critical message (description, line break, path) and also returned.
    ErrorInfo WriteTag();

    // b_Stop: set when the user leaves the editor with Cancel; the Edit command reads it.
    bool stopRequested() const { return m_stop; }
    void setStopRequested(bool stop) { m_stop = stop; }

    QLineEdit *txtFile() const { return m_txtFile; }
    // Index 0, 1, 2, 3 or 5; null for any other.
    TagField *txtTag(int index) const;
    QComboBox *cboGenre() const { return m_cboGenre; }
    // Index 0 to 5 (4 is the genre's caption); null for any other.
    QLabel *lblTag(int index) const;
    QLabel *Label1() const { return m_label1; }
    const TagEditorModel &model() const { return m_model; }

protected:
    bool event(QEvent *event) override;
    void showEvent(QShowEvent *event) override;
    void closeEvent(QCloseEvent *event) override;

private:
    bool m_stop = false;
    void createFieldRows();
    void Form_Load();
    void save();
    void cancel();
    // The line edits are what the user sees and changes; the model is what the
    // operations work on. These copy one into the other around each operation.
    void pullFields();
    void pushFields();

    Dialogs &m_dialogs;
    TagEditorModel m_model;
    QLineEdit *m_txtFile = nullptr;
    std::array<TagField *, 6> m_txtTag{};
    std::array<QLabel *, 6> m_lblTag{};
    QComboBox *m_cboGenre = nullptr;
    QLabel *m_label1 = nullptr;
};

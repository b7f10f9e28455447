// SPDX-License-Identifier: MIT
// Copyright The Marlune developers
#pragma once

#include "ChromeSettings.h"
#include "ChromeWindow.h"
#include "TagHost.h"

#include <QLineEdit>
#include <QSet>
#include <QStringList>
#include <deque>
#include <functional>
#include <memory>

// A main window as far as the tag commands see it: a file list over a real folder,
// i_AutoTag, a real ChromeWindow whose ShowChild runs the editor's modal loop, and a
// txtCancel that sets i_AutoTag past the end on Control then C. Every call the
// commands make is logged, and each modal show runs the next scripted step.
class FakeTagHost : public TagHost
{
public:
    FakeTagHost();
    ~FakeTagHost() override;

    // What a modal show does; it must end by hiding the editor.
    using ShowStep = std::function<void(QWidget *editor)>;

    QString folder;
    QStringList entries;
    QSet<int> selection;
    int i_AutoTag = 0;
    QString toolTip;
    QStringList log;
    std::deque<ShowStep> onShow;
    // Runs whenever the commands ask whether an entry is selected (before each file).
    std::function<void(int index)> onSelectedQuery;

    QLineEdit *txtCancel() const { return m_txtCancel; }
    ChromeWindow &main() { return *m_main; }
    const ChromeContext &context() const { return m_context; }
    void selectAll();

    QString filePath() const override { return folder; }
    int fileCount() const override { return int(entries.size()); }
    QString fileEntry(int index) const override { return entries.value(index); }
    bool fileSelected(int index) const override;
    void setFileToolTip(const QString &text) override;
    int autoTagIndex() const override { return i_AutoTag; }
    void setAutoTagIndex(int index) override { i_AutoTag = index; }
    void enableControls(bool enabled) override;
    void showHourglass(bool busy) override;
    void focusCancelKey() override;
    void showModal(QWidget *editor) override;
    void reapplyOnTop() override;

private:
    FixedChromeSettings m_settings;
    ChromeContext m_context;
    std::unique_ptr<ChromeWindow> m_main;
    QLineEdit *m_txtCancel;
    std::unique_ptr<QObject> m_cancelKeys;
};

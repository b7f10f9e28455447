// SPDX-License-Identifier: MIT
// Copyright The Marlune developers
#pragma once

#include <QObject>
#include <QStringList>
#include <deque>
#include <functional>
#include <vector>

class frmTag;

// The user at the tag editor: whenever the editor is shown, the next scripted step
// runs from a zero-timer inside its modal loop, as typing and clicks would. A show
// with no step left fails the test and cancels the editor.
class EditorScript : public QObject
{
public:
    using Step = std::function<void(frmTag &)>;

    EditorScript();
    ~EditorScript() override;

    EditorScript &then(Step step);
    // Steps: clear the field and type text into it (index 3 is the Year field);
    // leave with Save or Cancel clicked on their picture buttons; press a key.
    static Step type(int field, const QString &text);
    static Step save();
    static Step cancel();
    static Step key(int field, int qtKey);
    // Several steps in one show.
    static Step all(std::vector<Step> steps);

    bool finished() const { return m_steps.empty(); }
    // The file name shown at each show, and whether the Title field had the focus.
    QStringList shown;
    QList<bool> titleFocused;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void play(frmTag &editor);

    std::deque<Step> m_steps;
};

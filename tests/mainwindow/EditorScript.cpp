// SPDX-License-Identifier: MIT
// Copyright The Marlune developers
#include "EditorScript.h"

#include "PictureBox.h"
#include "TagField.h"
#include "frmTag.h"

#include <QApplication>
#include <QLineEdit>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>

EditorScript::EditorScript()
{
    qApp->installEventFilter(this);
}

EditorScript::~EditorScript()
{
    qApp->removeEventFilter(this);
}

EditorScript &EditorScript::then(Step step)
{
    m_steps.push_back(std::move(step));
    return *this;
}

bool EditorScript::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::Show) {
        if (auto *editor = qobject_cast<frmTag *>(watched))
            QTimer::singleShot(0, editor, [this, editor] { play(*editor); });
    }
    return false;
}

void EditorScript::play(frmTag &editor)
{
    shown << editor.txtFile()->text().section(QLatin1Char('/'), -1);
    titleFocused << (editor.focusWidget() == editor.txtTag(0));
    if (m_steps.empty()) {
        ADD_FAILURE() << "the editor was shown more often than scripted";
        cancel()(editor);
        return;
    }
    Step step = std::move(m_steps.front());
    m_steps.pop_front();
    step(editor);
}

EditorScript::Step EditorScript::type(int field, const QString &text)
{
    return [field, text](frmTag &editor) {
        QLineEdit *edit = editor.txtTag(field);
        edit->clear();
        QTest::keyClicks(edit, text);
    };
}

EditorScript::Step EditorScript::save()
{
    return [](frmTag &editor) { QTest::mouseClick(editor.picButton(2), Qt::LeftButton); };
}

EditorScript::Step EditorScript::cancel()
{
    return [](frmTag &editor) { QTest::mouseClick(editor.picButton(1), Qt::LeftButton); };
}

EditorScript::Step EditorScript::key(int field, int qtKey)
{
    return [field, qtKey](frmTag &editor) { QTest::keyClick(editor.txtTag(field), Qt::Key(qtKey)); };
}

EditorScript::Step EditorScript::all(std::vector<Step> steps)
{
    return [steps = std::move(steps)](frmTag &editor) {
        for (const Step &step : steps)
            step(editor);
    };
}

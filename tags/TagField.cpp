// SPDX-License-Identifier: MIT
// Copyright The Marlune developers
#include "TagField.h"

#include "TagEditorModel.h"

#include <QKeyEvent>
#include <algorithm>
#include <QValidator>

namespace {

constexpr int Backspace = 8, Enter = 13, Escape = 27;

// Keeps the digits of whatever is put into the Year field. More digits than the
// field holds are refused whole, as a full field refuses a typed character.
class YearValidator : public QValidator
{
public:
    using QValidator::QValidator;

    State validate(QString &input, int &pos) const override
    {
        const QString digits = TagEditorModel::fitField(TagEditorModel::Year, input);
        if (digits.size() < countDigits(input))
            return Invalid;
        pos = countDigits(input.left(pos));
        input = digits;
        return Acceptable;
    }

private:
    static int countDigits(const QString &text)
    {
        return int(std::count_if(text.begin(), text.end(),
                                 [](QChar c) { return c >= QLatin1Char('0') && c <= QLatin1Char('9'); }));
    }
};

// The character code a key press types, as the field's key rules see it, or -1
// for keys that type nothing (moving the cursor, shortcuts such as copy and paste).
int typedCharCode(const QKeyEvent *event)
{
    switch (event->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter: return Enter;
    case Qt::Key_Escape: return Escape;
    case Qt::Key_Backspace: return Backspace;
    default: break;
    }
    const Qt::KeyboardModifiers mods = event->modifiers();
    if ((mods & Qt::ControlModifier) && !(mods & Qt::AltModifier))
        return -1;
    const QString text = event->text();
    if (text.isEmpty() || text.at(0).isNonCharacter() || text.at(0).category() == QChar::Other_Control)
        return -1;
    return text.at(0).unicode();
}

} // namespace

TagField::TagField(int index, QWidget *parent)
    : QLineEdit(parent)
    , m_index(index)
{
    setObjectName(QStringLiteral("txtTag%1").arg(index));
    if (index == TagEditorModel::Year)
        setValidator(new YearValidator(this));
    else
        setMaxLength(TagEditorModel::fieldLength(index));
}

void TagField::keyPressEvent(QKeyEvent *event)
{
    const int code = typedCharCode(event);
    if (code < 0) {
        QLineEdit::keyPressEvent(event);
        return;
    }
    switch (TagEditorModel::keyAction(m_index, code)) {
    case TagEditorModel::KeyAction::Insert: QLineEdit::keyPressEvent(event); break;
    case TagEditorModel::KeyAction::Discard: event->accept(); break;
    case TagEditorModel::KeyAction::Save: event->accept(); Q_EMIT saveKey(); break;
    case TagEditorModel::KeyAction::Cancel: event->accept(); Q_EMIT cancelKey(); break;
    }
}

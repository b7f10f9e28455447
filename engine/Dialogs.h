// SPDX-License-Identifier: MIT
// Copyright The Marlune developers
#pragma once

#include <QCoreApplication>
#include <QString>

// Every prompt and message the program shows goes through this interface, so the
// engine never touches a widget and tests can answer prompts and read the texts.
// The program passes a Qt implementation; tests pass a scripted one.
class Dialogs
{
public:
    enum class Icon { None, Critical, Exclamation, Information };

    virtual ~Dialogs();

    // An input box with OK and Cancel. Returns the typed text, or an empty string
    // when the user cancels, as the classic input box does.
    virtual QString askText(const QString &prompt, const QString &title,
                            const QString &defaultText) = 0;

    // A message box with an OK button only. Line breaks in text are CR LF.
    virtual void showMessage(const QString &text, Icon icon, const QString &caption) = 0;

    // A question box with Yes and No, No the default; true for Yes. A front end that
    // cannot ask answers No, so nothing is done unasked.
    virtual bool askYesNo(const QString &text, const QString &caption);
};

// The caption of every message box that does not name its own: the program's title.
inline QString applicationTitle()
{
    return QCoreApplication::translate("Dialogs", "Marlune");
}

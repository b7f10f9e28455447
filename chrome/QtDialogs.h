// SPDX-License-Identifier: MIT
// Copyright The Marlune developers
#pragma once

#include "Dialogs.h"

#include <QPointer>
#include <QWidget>

// The program's dialogs: Qt's input box and message box, kept above the window
// that asks (and so above a topmost window).
class QtDialogs : public Dialogs
{
public:
    explicit QtDialogs(QWidget *parentWindow = nullptr);

    void setParentWindow(QWidget *parentWindow) { m_parent = parentWindow; }

    QString askText(const QString &prompt, const QString &title, const QString &defaultText) override;
    void showMessage(const QString &text, Icon icon, const QString &caption) override;
    bool askYesNo(const QString &text, const QString &caption) override;

private:
    QPointer<QWidget> m_parent;
};

// SPDX-License-Identifier: MIT
// Copyright The Marlune developers
#include "QtDialogs.h"

#include <QInputDialog>
#include <QMessageBox>

namespace {

QMessageBox::Icon boxIcon(Dialogs::Icon icon)
{
    switch (icon) {
    case Dialogs::Icon::Critical: return QMessageBox::Critical;
    case Dialogs::Icon::Exclamation: return QMessageBox::Warning;
    case Dialogs::Icon::Information: return QMessageBox::Information;
    case Dialogs::Icon::None: break;
    }
    return QMessageBox::NoIcon;
}

// Messages are written with CR LF line breaks; Qt breaks on LF alone.
QString plainLines(QString text)
{
    return text.replace(QLatin1String("\r\n"), QLatin1String("\n"));
}

} // namespace

QtDialogs::QtDialogs(QWidget *parentWindow)
    : m_parent(parentWindow)
{
}

QString QtDialogs::askText(const QString &prompt, const QString &title, const QString &defaultText)
{
    QInputDialog dialog(m_parent);
    dialog.setInputMode(QInputDialog::TextInput);
    dialog.setWindowTitle(title);
    dialog.setLabelText(plainLines(prompt));
    dialog.setTextValue(defaultText);
    if (m_parent && m_parent->windowFlags().testFlag(Qt::WindowStaysOnTopHint))
        dialog.setWindowFlag(Qt::WindowStaysOnTopHint);
    if (dialog.exec() != QDialog::Accepted)
        return {};
    return dialog.textValue();
}

void QtDialogs::showMessage(const QString &text, Icon icon, const QString &caption)
{
    QMessageBox box(boxIcon(icon), caption, plainLines(text), QMessageBox::Ok, m_parent);
    if (m_parent && m_parent->windowFlags().testFlag(Qt::WindowStaysOnTopHint))
        box.setWindowFlag(Qt::WindowStaysOnTopHint);
    box.exec();
}

bool QtDialogs::askYesNo(const QString &text, const QString &caption)
{
    QMessageBox box(QMessageBox::NoIcon, caption, plainLines(text), QMessageBox::Yes | QMessageBox::No, m_parent);
    box.setDefaultButton(QMessageBox::No);
    if (m_parent && m_parent->windowFlags().testFlag(Qt::WindowStaysOnTopHint))
        box.setWindowFlag(Qt::WindowStaysOnTopHint);
    return box.exec() == QMessageBox::Yes;
}

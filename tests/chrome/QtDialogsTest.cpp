// SPDX-License-Identifier: MIT
// Copyright The Marlune developers
#include "QtDialogs.h"

#include <QApplication>
#include <QDialogButtonBox>
#include <QInputDialog>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QTimer>
#include <gtest/gtest.h>
#include <functional>

namespace {

// Acts on the modal dialog once it is up, as a user would.
void whenModal(std::function<void(QWidget *)> act)
{
    QTimer::singleShot(0, qApp, [act] {
        QWidget *dialog = QApplication::activeModalWidget();
        ASSERT_NE(dialog, nullptr);
        act(dialog);
    });
}

TEST(QtDialogs, InputBoxGivesTheTextOrEmptyOnCancel)
{
    QtDialogs dialogs;
    whenModal([](QWidget *w) {
        auto *input = qobject_cast<QInputDialog *>(w);
        ASSERT_NE(input, nullptr);
        EXPECT_EQ(input->windowTitle(), QStringLiteral("Marlune"));
        EXPECT_EQ(input->labelText(), QStringLiteral("How many words?\nline two"));
        EXPECT_EQ(input->textValue(), QStringLiteral("2"));
        input->setTextValue(QStringLiteral("3"));
        input->accept();
    });
    EXPECT_EQ(dialogs.askText(QStringLiteral("How many words?\r\nline two"), QStringLiteral("Marlune"),
                              QStringLiteral("2")),
              QStringLiteral("3"));

    whenModal([](QWidget *w) { static_cast<QDialog *>(w)->reject(); });
    EXPECT_EQ(dialogs.askText(QStringLiteral("p"), QStringLiteral("t"), QStringLiteral("2")), QString());
}

TEST(QtDialogs, MessageBoxHasOnlyOkAndTheGivenIcon)
{
    QtDialogs dialogs;
    const struct { Dialogs::Icon icon; QMessageBox::Icon shown; } rows[] = {
        {Dialogs::Icon::None, QMessageBox::NoIcon},
        {Dialogs::Icon::Critical, QMessageBox::Critical},
        {Dialogs::Icon::Exclamation, QMessageBox::Warning},
        {Dialogs::Icon::Information, QMessageBox::Information},
    };
    for (const auto &row : rows) {
        whenModal([&row](QWidget *w) {
            auto *box = qobject_cast<QMessageBox *>(w);
            ASSERT_NE(box, nullptr);
            EXPECT_EQ(box->icon(), row.shown);
            EXPECT_EQ(box->windowTitle(), QStringLiteral("Caption"));
            EXPECT_EQ(box->text(), QStringLiteral("There was an error:\n53 File not found"));
            EXPECT_EQ(box->standardButtons(), QMessageBox::Ok);
            box->accept();
        });
        dialogs.showMessage(QStringLiteral("There was an error:\r\n53 File not found"), row.icon,
                            QStringLiteral("Caption"));
    }
}

} // namespace

// SPDX-License-Identifier: MIT
// Copyright The Marlune developers
#pragma once

#include <QWidget>

class QLabel;

// The splash window: a navy frame around the program's name, shown while the
// main window loads. It has no behaviour of its own.
class frmSplash : public QWidget
{
    Q_OBJECT
public:
    explicit frmSplash(QWidget *parent = nullptr);

    QLabel *lblRenamer() const { return m_lblRenamer; }

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    QLabel *m_lblRenamer;
};

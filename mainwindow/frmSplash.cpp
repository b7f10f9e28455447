// SPDX-License-Identifier: MIT
// Copyright The Marlune developers
#include "frmSplash.h"

#include "Twips.h"

#include <QGuiApplication>
#include <QLabel>
#include <QPainter>
#include <QScreen>

frmSplash::frmSplash(QWidget *parent)
    : QWidget(parent, Qt::SplashScreen | Qt::FramelessWindowHint)
    , m_lblRenamer(new QLabel(tr("Marlune"), this))
{
    setObjectName(QStringLiteral("frmSplash"));
    QPalette palette = this->palette();
    palette.setColor(QPalette::Window, QColor(0, 0, 255));
    setPalette(palette);
    setAutoFillBackground(true);
    setFixedSize(twips(5400), twips(2400));

    m_lblRenamer->setObjectName(QStringLiteral("lblRenamer"));
    QFont font(QStringLiteral("Times New Roman"), 48);
    font.setStyleHint(QFont::Serif);
    m_lblRenamer->setFont(font);
    QPalette text = m_lblRenamer->palette();
    text.setColor(QPalette::WindowText, QColor(255, 255, 0));
    m_lblRenamer->setPalette(text);
    m_lblRenamer->setAlignment(Qt::AlignCenter);
    m_lblRenamer->setGeometry(rect());

    if (const QScreen *screen = QGuiApplication::primaryScreen())
        move(screen->geometry().center() - rect().center());
}

void frmSplash::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    QPen pen(QColor(0, 0, 128), 3);
    pen.setCapStyle(Qt::FlatCap);
    painter.setPen(pen);
    const int edge = twips(15);
    const int w = width();
    const int h = height();
    painter.drawLine(0, edge, w, edge);
    painter.drawLine(edge, 0, edge, h);
    painter.drawLine(w - 1 - edge, 0, w - 1 - edge, h);
    painter.drawLine(0, h - 1 - edge, w, h - 1 - edge);
}

// SPDX-License-Identifier: MIT
// Copyright The Marlune developers
#include "Pinlet.h"

#include "PinletArtwork.h"

#include <QDBusConnection>
#include <QDBusConnectionInterface>
#include <QPainter>

namespace {

constexpr int twips(int n)
{
    return n / 15;
}

bool statusNotifierWatcherOwned()
{
    const QDBusConnection bus = QDBusConnection::sessionBus();
    return bus.isConnected() && bus.interface()
        && bus.interface()->isServiceRegistered(QStringLiteral("org.kde.StatusNotifierWatcher")).value();
}

QVariantMap::const_iterator findKey(const QVariantMap &bag, const QString &key)
{
    for (auto it = bag.cbegin(); it != bag.cend(); ++it) {
        if (it.key().compare(key, Qt::CaseInsensitive) == 0)
            return it;
    }
    return bag.cend();
}

QVariant readKey(const QVariantMap &bag, const QString &key, const QVariant &fallback)
{
    const auto it = findKey(bag, key);
    return it == bag.cend() ? fallback : it.value();
}

void writeKey(QVariantMap &bag, const QString &key, const QVariant &value)
{
    for (auto it = findKey(bag, key); it != bag.cend(); it = findKey(bag, key))
        bag.erase(it);
    bag.insert(key, value);
}

} // namespace

Pinlet::Pinlet(bool userMode, QWidget *parent)
    : QWidget(parent)
    , mUserMode(userMode)
    , mTip(DefaultTip)
    , mIcon(builtInIcon())
    , mStatusNotifierProbe(statusNotifierWatcherOwned)
{
    setFixedSize(twips(SideTwips), twips(SideTwips));
}

Pinlet::~Pinlet()
{
    // No propertyChanged here: the host is tearing down and must not be called back.
    if (mAdded)
        RemoveIcon();
    mInTray = false;
}

void Pinlet::InitProperties()
{
    setInTray(false);
    setTrayTip(DefaultTip);
    setTrayIcon(builtInIcon());
}

void Pinlet::ReadProperties(const QVariantMap &bag)
{
    setInTray(readKey(bag, QStringLiteral("InTray"), false).toBool());
    setTrayIcon(readKey(bag, QStringLiteral("TrayIcon"), builtInIcon()));
    setTrayTip(readKey(bag, QStringLiteral("TrayTip"), DefaultTip).toString());
}

QVariantMap Pinlet::WriteProperties(const QVariantMap &bag) const
{
    QVariantMap out = bag;
    writeKey(out, QStringLiteral("InTray"), mInTray);
    writeKey(out, QStringLiteral("TrayIcon"), trayIconValue());
    writeKey(out, QStringLiteral("TrayTip"), mTip);
    return out;
}

void Pinlet::setTrayIcon(const QVariant &picture)
{
    if (picture.metaType() != QMetaType::fromType<QIcon>())
        return;
    const QIcon icon = picture.value<QIcon>();
    if (icon.isNull())
        return;
    if (mAdded)
        mTrayIcon->setIcon(icon);
    mIcon = icon;
    update();
    Q_EMIT propertyChanged(QStringLiteral("TrayIcon"));
}

void Pinlet::setTrayTip(const QString &text)
{
    if (mAdded)
        mTrayIcon->setToolTip(shownTip(text));
    mTip = text;
    Q_EMIT propertyChanged(QStringLiteral("TrayTip"));
}

void Pinlet::setInTray(bool value)
{
    if (value == mInTray)
        return;
    if (value && mUserMode)
        AddIcon();
    else if (!value && mAdded)
        RemoveIcon();
    mInTray = value;
    Q_EMIT propertyChanged(QStringLiteral("InTray"));
}

void Pinlet::setStatusNotifierProbe(std::function<bool()> probe)
{
    mStatusNotifierProbe = std::move(probe);
}

void Pinlet::AddIcon()
{
    mStatusNotifierHost = mStatusNotifierProbe && mStatusNotifierProbe();
    mTrayIcon = new QSystemTrayIcon(mIcon, this);
    if (!mTip.isEmpty())
        mTrayIcon->setToolTip(shownTip(mTip));
    connect(mTrayIcon, &QSystemTrayIcon::activated, this, &Pinlet::onActivated);
    mTrayIcon->show();
    mAdded = true;
}

void Pinlet::RemoveIcon()
{
    mTrayIcon->hide();
    delete mTrayIcon;
    mTrayIcon = nullptr;
    mAdded = false;
}

void Pinlet::onActivated(QSystemTrayIcon::ActivationReason reason)
{
    for (int msg : trayMessages(reason, mStatusNotifierHost))
        RaiseTrayEvent(msg, uID);
}

QList<int> Pinlet::trayMessages(QSystemTrayIcon::ActivationReason reason, bool statusNotifierHost)
{
    switch (reason) {
    case QSystemTrayIcon::Trigger:
        // A StatusNotifierItem host sends no double click at all; without this the window
        // hidden in the tray could never be brought back there.
        if (statusNotifierHost)
            return {LeftDown, LeftUp, LeftDoubleClick};
        return {LeftDown, LeftUp};
    case QSystemTrayIcon::DoubleClick:
        return {LeftDoubleClick, LeftUp};
    case QSystemTrayIcon::Context:
        return {RightDown, RightUp};
    case QSystemTrayIcon::MiddleClick:
        return {MiddleDown, MiddleUp};
    case QSystemTrayIcon::Unknown:
        break;
    }
    return {};
}

void Pinlet::RaiseTrayEvent(int msg, int id)
{
    switch (msg) {
    case MouseMoveMessage:
        Q_EMIT MouseMove(id);
        break;
    case LeftDown:
        Q_EMIT MouseDown(id, 1);
        break;
    case LeftUp:
        Q_EMIT MouseUp(id, 1);
        break;
    case LeftDoubleClick:
        Q_EMIT MouseDblClick(id, 1);
        break;
    case RightDown:
        Q_EMIT MouseDown(id, 2);
        break;
    case RightUp:
        Q_EMIT MouseUp(id, 2);
        break;
    case RightDoubleClick:
        Q_EMIT MouseDblClick(id, 2);
        break;
    default:
        break;
    }
}

QString Pinlet::shownTip(const QString &tip)
{
    int length = qMin<int>(tip.size(), ShownTipLength);
    // Never show half of a surrogate pair.
    if (length == ShownTipLength && length < tip.size() && tip.at(length - 1).isHighSurrogate())
        --length;
    return tip.left(length);
}

QIcon Pinlet::builtInIcon()
{
    return PinletArtwork::builtInIcon();
}

void Pinlet::paintEvent(QPaintEvent *)
{
    QPainter p(this);
    const QRect r = rect();
    const int side = qMin(r.width(), r.height()) - 2;
    mIcon.paint(&p, QRect(1, 1, side, side));
    // A raised outer edge: light above and to the left, shadow below and to the right.
    p.setPen(palette().color(QPalette::Light));
    p.drawLine(r.topLeft(), r.topRight());
    p.drawLine(r.topLeft(), r.bottomLeft());
    p.setPen(palette().color(QPalette::Shadow));
    p.drawLine(r.bottomLeft(), r.bottomRight());
    p.drawLine(r.topRight(), r.bottomRight());
}

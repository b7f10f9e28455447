// SPDX-License-Identifier: MIT
// Copyright The Marlune developers
#pragma once

#include <QIcon>
#include <QSystemTrayIcon>
#include <QVariantMap>
#include <QWidget>

#include <functional>

// The tray-icon control: while InTray is True (and the host runs) it shows TrayIcon with the
// tip TrayTip in the notification area and reports mouse actions on it as Mouse* signals,
// numbered as the Windows mouse messages 512 to 518 are. Always 510 x 510 twips.
class Pinlet : public QWidget
{
    Q_OBJECT
    // A variant, not a QIcon, so that a picture of another kind can be handed in and ignored.
    Q_PROPERTY(QVariant TrayIcon READ trayIconValue WRITE setTrayIcon)
    Q_PROPERTY(QString TrayTip READ TrayTip WRITE setTrayTip)
    Q_PROPERTY(bool InTray READ InTray WRITE setInTray)

public:
    enum TrayMessage {
        MouseMoveMessage = 512,
        LeftDown,
        LeftUp,
        LeftDoubleClick,
        RightDown,
        RightUp,
        RightDoubleClick,
        MiddleDown,
        MiddleUp,
        MiddleDoubleClick,
    };

    static constexpr int SideTwips = 510;
    static constexpr int ShownTipLength = 64;
    static inline const QString DefaultTip = QStringLiteral("Pinlet Control");

    // Initialize. userMode is the host's ambient flag: false while the host is being designed.
    explicit Pinlet(bool userMode, QWidget *parent = nullptr);
    // Terminate: a shown icon goes with the control.
    ~Pinlet() override;

    Q_INVOKABLE void InitProperties();
    // Keys match in any letter case; an absent key gives the default of a new instance.
    Q_INVOKABLE void ReadProperties(const QVariantMap &bag);
    // Returns bag with the three properties written into it, replacing keys that differ only
    // in case and keeping the host's own keys.
    Q_INVOKABLE QVariantMap WriteProperties(const QVariantMap &bag = {}) const;

    QIcon TrayIcon() const { return mIcon; }
    QVariant trayIconValue() const { return QVariant::fromValue(mIcon); }
    void setTrayIcon(const QVariant &picture);
    QString TrayTip() const { return mTip; }
    void setTrayTip(const QString &text);
    bool InTray() const { return mInTray; }
    void setInTray(bool value);

    bool userMode() const { return mUserMode; }
    // The icon in the notification area, or null while none is shown.
    const QSystemTrayIcon *shownIcon() const { return mTrayIcon; }
    // Says whether a StatusNotifierItem host serves the desktop; asked each time the icon is
    // added. By default: is org.kde.StatusNotifierWatcher owned on the session bus?
    void setStatusNotifierProbe(std::function<bool()> probe);

    void RaiseTrayEvent(int msg, int id);
    // The mouse messages one activation of the icon stands for, in order.
    static QList<int> trayMessages(QSystemTrayIcon::ActivationReason reason, bool statusNotifierHost);
    static QString shownTip(const QString &tip);
    static QIcon builtInIcon();

Q_SIGNALS:
    void MouseMove(int Id);
    void MouseDown(int Id, short Button);
    void MouseUp(int Id, short Button);
    void MouseDblClick(int Id, short Button);
    // The host's cue that its stored form data is out of date.
    void propertyChanged(const QString &name);

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    void AddIcon();
    void RemoveIcon();
    void onActivated(QSystemTrayIcon::ActivationReason reason);

    bool mUserMode;
    bool mInTray = false;
    bool mAdded = false;
    bool mStatusNotifierHost = false;
    const int uID = 0;
    QString mTip;
    QIcon mIcon;
    QSystemTrayIcon *mTrayIcon = nullptr;
    std::function<bool()> mStatusNotifierProbe;
};

// SPDX-License-Identifier: MIT
// Copyright The Marlune developers
#pragma once

#include <QIcon>
#include <QObject>
#include <QPointer>
#include <QStringList>
#include <QVariantMap>
#include <QWidget>

#include <QTimer>

#include <chrono>
#include <functional>
#include <memory>

class QPluginLoader;

// The host's side of the tray-icon control: finds the Pinlet plug-in, creates the one control
// with its stored properties and binds to it by name only, so the program still runs (and a
// window can still be minimised the ordinary way) when the library or a notification area is
// missing.
class TrayHost : public QObject
{
    Q_OBJECT

public:
    explicit TrayHost(QObject *parent = nullptr);
    ~TrayHost() override;

    // Where the library is looked for, in order: the executable's plugins folder, its
    // ../lib/marlune/plugins and the installed plug-in folder. Never a build folder: an
    // installed program loads only its own plug-in.
    static QStringList defaultSearchFolders();
    // The stored properties of the main window's control: InTray False, the given icon
    // (left out when null, so the control's own applies) and TrayTip "Marlune".
    static QVariantMap storedProperties(const QIcon &icon);

    // Loads the first library found in folders and creates the control (user mode) under
    // holder, or owned by this object when holder is null. A library that is there but is not
    // the one carrying "PinletCtl.Pinlet", or fails to load, ends the search and is reported
    // on stderr. A control created earlier is replaced only when this succeeds.
    bool load(const QVariantMap &properties, QWidget *holder = nullptr,
              const QStringList &folders = defaultSearchFolders());
    // Same, for one library file given by path.
    bool loadFile(const QString &path, const QVariantMap &properties, QWidget *holder = nullptr);

    bool isLoaded() const { return !m_control.isNull(); }
    // False means: minimise the window instead of hiding it, or it could never come back.
    bool trayAvailable() const;
    QString errorString() const { return m_error; }
    QString libraryPath() const;
    // The control itself (tryRenamer), for binding further names; null when not loaded.
    QObject *instance() const { return m_control.data(); }

    void setInTray(bool value);
    bool inTray() const;

    // Whether a notification area serves the desktop, and how often it is asked again while
    // the icon is shown. By default: Qt's own answer, once a second.
    void setTrayProbe(std::function<bool()> probe, std::chrono::milliseconds interval);

Q_SIGNALS:
    // A double click on the icon, either button.
    void doubleClicked();
    // The notification area went away while the icon was shown in it: whatever hid itself
    // there can no longer be reached through the icon.
    void trayLost();

private:
    bool bind(QObject *created, const QVariantMap &properties);
    void unload();
    void checkTray();

    std::unique_ptr<QPluginLoader> m_loader;
    QPointer<QWidget> m_control;
    bool m_ownsControl = false;
    QString m_error;
    std::function<bool()> m_trayProbe;
    QTimer m_trayWatch;
};

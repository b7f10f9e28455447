#pragma once

#include <QIcon>
#include <QObject>
#include <QPointer>
#include <QStringList>
#include <QVariantMap>
#include <QWidget>

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

    // Where the library is looked for, in order: beside the executable, its plugins folder,
    // the installed plug-in folder (relative to the executable, then absolute), the build tree.
    static QStringList defaultSearchFolders();
    // The stored properties of the main window's control: InTray False, the given icon
    // (left out when null, so the control's own applies) and TrayTip "Marlune".
    static QVariantMap storedProperties(const QIcon &icon);

    // Loads the first library found that carries the key "PinletCtl.Pinlet" and creates the
    // control (user mode) under holder, or owned by this object when holder is null. A control
    // created earlier is replaced only when this succeeds.
    bool load(const QVariantMap &properties, QWidget *holder = nullptr,
              const QStringList &folders = defaultSearchFolders());
    // Same, for one library file given by path.
    bool loadFile(const QString &path, const QVariantMap &properties, QWidget *holder = nullptr);

    bool isLoaded() const { return !control.isNull(); }
    // False means: minimise the window instead of hiding it, or it could never come back.
    bool trayAvailable() const;
    QString errorString() const { return error; }
    QString libraryPath() const;
    // The control itself (tryRenamer), for binding further names; null when not loaded.
    QObject *instance() const { return control.data(); }

    void setInTray(bool value);
    bool inTray() const;

Q_SIGNALS:
    // A double click on the icon, either button.
    void doubleClicked();

private:
    bool bind(QObject *created, const QVariantMap &properties);
    void unload();

    std::unique_ptr<QPluginLoader> loader;
    QPointer<QWidget> control;
    bool ownsControl = false;
    QString error;
};

#include "TrayHost.h"

#include "PinletFactory.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonObject>
#include <QMetaMethod>
#include <QPluginLoader>
#include <QSystemTrayIcon>
#include <QWidget>

TrayHost::TrayHost(QObject *parent)
    : QObject(parent)
{
}

TrayHost::~TrayHost()
{
    unload();
}

QStringList TrayHost::defaultSearchFolders()
{
    const QString appDir = QCoreApplication::applicationDirPath();
    return {
        appDir,
        appDir + QStringLiteral("/plugins"),
        QDir::cleanPath(appDir + QStringLiteral("/" PINLET_RELATIVE_INSTALL_DIR)),
        QStringLiteral(PINLET_INSTALL_DIR),
        QStringLiteral(PINLET_BUILD_DIR),
    };
}

QVariantMap TrayHost::storedProperties(const QIcon &icon)
{
    QVariantMap bag{{QStringLiteral("InTray"), false}, {QStringLiteral("TrayTip"), tr("Marlune")}};
    if (!icon.isNull())
        bag.insert(QStringLiteral("TrayIcon"), QVariant::fromValue(icon));
    return bag;
}

bool TrayHost::load(const QVariantMap &properties, QWidget *holder, const QStringList &folders)
{
    QStringList tried;
    for (const QString &folder : folders) {
        const QString path = QDir(folder).filePath(QStringLiteral(PINLET_FILE_NAME));
        if (!QFileInfo::exists(path))
            continue;
        if (loadFile(path, properties, holder))
            return true;
        tried << error;
    }
    error = tried.isEmpty() ? QStringLiteral("%1 not found in %2").arg(QStringLiteral(PINLET_FILE_NAME), folders.join(u", "))
                            : tried.join(u"; ");
    return false;
}

bool TrayHost::loadFile(const QString &path, const QVariantMap &properties, QWidget *holder)
{
    auto candidate = std::make_unique<QPluginLoader>(path);
    const QJsonArray keys = candidate->metaData().value(u"MetaData").toObject().value(u"Keys").toArray();
    if (!keys.contains(QString::fromLatin1(PinletProgId))) {
        error = QStringLiteral("%1 is not the %2 library: %3").arg(path, QString::fromLatin1(PinletProgId), candidate->errorString());
        return false;
    }
    auto *factory = qobject_cast<PinletFactory *>(candidate->instance());
    if (!factory) {
        error = QStringLiteral("%1 cannot be loaded: %2").arg(path, candidate->errorString());
        return false;
    }
    QWidget *created = factory->createControl(true, holder);
    if (!bind(created, properties)) {
        error = QStringLiteral("The control in %1 does not offer InTray, MouseDblClick and ReadProperties").arg(path);
        delete created;
        return false;
    }
    unload();
    loader = std::move(candidate);
    control = created;
    ownsControl = holder == nullptr;
    error.clear();
    return true;
}

bool TrayHost::bind(QObject *created, const QVariantMap &properties)
{
    const QMetaObject *meta = created->metaObject();
    const int signal = meta->indexOfSignal("MouseDblClick(int,short)");
    if (signal < 0 || meta->indexOfProperty("InTray") < 0
        || !QMetaObject::invokeMethod(created, "ReadProperties", Q_ARG(QVariantMap, properties)))
        return false;
    // The click's Id and Button do not matter to the host; the signal drops them.
    connect(created, meta->method(signal), this, staticMetaObject.method(staticMetaObject.indexOfSignal("doubleClicked()")));
    return true;
}

void TrayHost::unload()
{
    if (ownsControl)
        delete control.data();
    control.clear();
    ownsControl = false;
    // The library stays mapped: a control under a holder window may outlive this object.
    loader.reset();
}

bool TrayHost::trayAvailable() const
{
    return isLoaded() && QSystemTrayIcon::isSystemTrayAvailable();
}

QString TrayHost::libraryPath() const
{
    return loader ? loader->fileName() : QString();
}

void TrayHost::setInTray(bool value)
{
    if (control)
        control->setProperty("InTray", value);
}

bool TrayHost::inTray() const
{
    return control && control->property("InTray").toBool();
}

// SPDX-License-Identifier: MIT
// Copyright The Marlune developers
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

#include <cstdio>

TrayHost::TrayHost(QObject *parent)
    : QObject(parent)
    , m_trayProbe(&QSystemTrayIcon::isSystemTrayAvailable)
{
    // Qt tells nobody when a notification area goes away (it only drops its own icon window),
    // so the host asks while it has something shown there.
    m_trayWatch.setInterval(std::chrono::seconds(1));
    connect(&m_trayWatch, &QTimer::timeout, this, &TrayHost::checkTray);
}

TrayHost::~TrayHost()
{
    unload();
}

QStringList TrayHost::defaultSearchFolders()
{
    const QString appDir = QCoreApplication::applicationDirPath();
    QStringList folders{
        appDir + QStringLiteral("/plugins"),
        QDir::cleanPath(appDir + QStringLiteral("/../lib/marlune/plugins")),
        QDir::cleanPath(QStringLiteral(PINLET_INSTALL_DIR)),
    };
    folders.removeDuplicates();
    return folders;
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
    for (const QString &folder : folders) {
        const QString path = QDir(folder).filePath(QStringLiteral(PINLET_FILE_NAME));
        if (!QFileInfo::exists(path))
            continue;
        // The first library found is the only one tried: falling through to a later folder
        // would let whoever can write there choose what runs inside the program.
        if (loadFile(path, properties, holder))
            return true;
        std::fprintf(stderr, "%s\n", qPrintable(m_error));
        std::fflush(stderr);
        return false;
    }
    m_error = QStringLiteral("%1 not found in %2").arg(QStringLiteral(PINLET_FILE_NAME), folders.join(u", "));
    return false;
}

bool TrayHost::loadFile(const QString &path, const QVariantMap &properties, QWidget *holder)
{
    auto candidate = std::make_unique<QPluginLoader>(path);
    const QJsonArray keys = candidate->metaData().value(u"MetaData").toObject().value(u"Keys").toArray();
    if (!keys.contains(QString::fromLatin1(PinletProgId))) {
        m_error = QStringLiteral("%1 is not the %2 library: %3").arg(path, QString::fromLatin1(PinletProgId), candidate->errorString());
        return false;
    }
    auto *factory = qobject_cast<PinletFactory *>(candidate->instance());
    if (!factory) {
        m_error = QStringLiteral("%1 cannot be loaded: %2").arg(path, candidate->errorString());
        return false;
    }
    QWidget *created = factory->createControl(true, holder);
    if (!bind(created, properties)) {
        m_error = QStringLiteral("The control in %1 does not offer InTray, MouseDblClick and ReadProperties").arg(path);
        delete created;
        return false;
    }
    unload();
    m_loader = std::move(candidate);
    m_control = created;
    m_ownsControl = holder == nullptr;
    m_error.clear();
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
    if (m_ownsControl)
        delete m_control.data();
    m_control.clear();
    m_ownsControl = false;
    // The library stays mapped: a control under a holder window may outlive this object.
    m_loader.reset();
}

bool TrayHost::trayAvailable() const
{
    return isLoaded() && m_trayProbe();
}

void TrayHost::setTrayProbe(std::function<bool()> probe, std::chrono::milliseconds interval)
{
    m_trayProbe = std::move(probe);
    m_trayWatch.setInterval(interval);
}

void TrayHost::checkTray()
{
    if (!inTray()) {
        m_trayWatch.stop();
        return;
    }
    if (m_trayProbe())
        return;
    m_trayWatch.stop();
    Q_EMIT trayLost();
}

QString TrayHost::libraryPath() const
{
    return m_loader ? m_loader->fileName() : QString();
}

void TrayHost::setInTray(bool value)
{
    if (!m_control)
        return;
    m_control->setProperty("InTray", value);
    if (inTray())
        m_trayWatch.start();
    else
        m_trayWatch.stop();
}

bool TrayHost::inTray() const
{
    return m_control && m_control->property("InTray").toBool();
}

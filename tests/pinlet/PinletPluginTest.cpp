// SPDX-License-Identifier: MIT
// Copyright The Marlune developers
#include "PinletFactory.h"
#include "TempDir.h"
#include "TrayHost.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QJsonArray>
#include <QJsonObject>
#include <QLibraryInfo>
#include <QPixmap>
#include <QPluginLoader>
#include <QSignalSpy>
#include <QTest>
#include <gtest/gtest.h>

// These tests reach the control only as the host does: through the built library file and by
// property and signal names. They must not link the control's code.

namespace {

const QString pluginPath = QStringLiteral(PINLET_PLUGIN_PATH);

QIcon squareIcon(int side)
{
    QPixmap pixmap(side, side);
    pixmap.fill(Qt::darkCyan);
    return QIcon(pixmap);
}

} // namespace

TEST(PinletPlugin, LoadsByPathUnderItsProgrammaticIdentifier)
{
    QPluginLoader loader(pluginPath);
    const QJsonObject meta = loader.metaData();
    EXPECT_EQ(meta.value("IID").toString(), PinletFactory_iid);
    EXPECT_EQ(meta.value("MetaData").toObject().value("Keys").toArray(), QJsonArray{"PinletCtl.Pinlet"});
    auto *factory = qobject_cast<PinletFactory *>(loader.instance());
    ASSERT_NE(factory, nullptr) << qPrintable(loader.errorString());

    std::unique_ptr<QWidget> control(factory->createControl(true, nullptr));
    EXPECT_EQ(control->size(), QSize(34, 34));
    ASSERT_TRUE(QMetaObject::invokeMethod(control.get(), "InitProperties"));
    EXPECT_EQ(control->property("TrayTip").toString(), "Pinlet Control");
    EXPECT_FALSE(control->property("InTray").toBool());

    QSignalSpy changed(control.get(), SIGNAL(propertyChanged(QString)));
    QSignalSpy doubleClick(control.get(), SIGNAL(MouseDblClick(int,short)));
    ASSERT_TRUE(changed.isValid());
    ASSERT_TRUE(doubleClick.isValid());
    for (const char *signal : {"MouseMove(int)", "MouseDown(int,short)", "MouseUp(int,short)"})
        EXPECT_GE(control->metaObject()->indexOfSignal(signal), 0) << signal;

    EXPECT_TRUE(control->setProperty("InTray", true));
    EXPECT_TRUE(control->property("InTray").toBool());
    EXPECT_EQ(changed.size(), 1);

    const QVariantMap hostBag{{"intray", false}, {"_extentx", 900}};
    QVariantMap bag;
    ASSERT_TRUE(QMetaObject::invokeMethod(control.get(), "WriteProperties", Q_RETURN_ARG(QVariantMap, bag),
                                          Q_ARG(QVariantMap, hostBag)));
    EXPECT_EQ(bag.keys(), (QStringList{"InTray", "TrayIcon", "TrayTip", "_extentx"}));
    EXPECT_EQ(bag.value("InTray"), true);
}

TEST(PinletPlugin, DesignTimeControlOnlyStoresInTray)
{
    QPluginLoader loader(pluginPath);
    auto *factory = qobject_cast<PinletFactory *>(loader.instance());
    ASSERT_NE(factory, nullptr);
    std::unique_ptr<QWidget> control(factory->createControl(false, nullptr));
    control->setProperty("InTray", true);
    EXPECT_TRUE(control->property("InTray").toBool());
    EXPECT_EQ(control->findChild<QObject *>(QString(), Qt::FindDirectChildrenOnly), nullptr);
}

TEST(TrayHost, CreatesTheControlWithItsStoredProperties)
{
    TrayHost host;
    const QIcon icon = squareIcon(32);
    ASSERT_TRUE(host.loadFile(pluginPath, TrayHost::storedProperties(icon))) << qPrintable(host.errorString());
    EXPECT_TRUE(host.isLoaded());
    EXPECT_EQ(host.libraryPath(), QFileInfo(pluginPath).canonicalFilePath());
    QObject *control = host.instance();
    EXPECT_EQ(control->property("TrayTip").toString(), "Marlune");
    EXPECT_EQ(control->property("TrayIcon").value<QIcon>().cacheKey(), icon.cacheKey());
    EXPECT_FALSE(host.inTray());

    host.setInTray(true);
    EXPECT_TRUE(host.inTray());
    EXPECT_TRUE(control->property("InTray").toBool());
    host.setInTray(false);
    EXPECT_FALSE(host.inTray());
}

TEST(TrayHost, WithoutAnIconTheControlsOwnIsKept)
{
    TrayHost host;
    ASSERT_TRUE(host.loadFile(pluginPath, TrayHost::storedProperties(QIcon())));
    EXPECT_EQ(host.instance()->property("TrayIcon").value<QIcon>().availableSizes().size(), 3);
}

TEST(TrayHost, ADoubleClickWithEitherButtonIsReported)
{
    TrayHost host;
    ASSERT_TRUE(host.loadFile(pluginPath, TrayHost::storedProperties(QIcon())));
    QSignalSpy doubleClicked(&host, &TrayHost::doubleClicked);
    QObject *control = host.instance();
    for (short button : {1, 2})
        QMetaObject::invokeMethod(control, "MouseDblClick", Q_ARG(int, 0), Q_ARG(short, button));
    QMetaObject::invokeMethod(control, "MouseDown", Q_ARG(int, 0), Q_ARG(short, 1));
    EXPECT_EQ(doubleClicked.size(), 2);
}

TEST(TrayHost, OffscreenHasNoNotificationArea)
{
    TrayHost host;
    EXPECT_FALSE(host.trayAvailable());
    ASSERT_TRUE(host.loadFile(pluginPath, TrayHost::storedProperties(QIcon())));
    EXPECT_FALSE(host.trayAvailable());
}

TEST(TrayHost, ControlUnderAHolderBelongsToIt)
{
    QWidget holder;
    QPointer<QObject> control;
    {
        TrayHost host;
        ASSERT_TRUE(host.loadFile(pluginPath, TrayHost::storedProperties(QIcon()), &holder));
        control = host.instance();
        EXPECT_EQ(control->parent(), &holder);
    }
    EXPECT_FALSE(control.isNull());
    control->setProperty("InTray", true);
    EXPECT_TRUE(control->property("InTray").toBool());
}

TEST(TrayHost, FindsTheLibraryInTheFirstFolderThatHoldsIt)
{
    TempDir empty;
    TrayHost host;
    const QString pluginFolder = QFileInfo(pluginPath).absolutePath();
    ASSERT_TRUE(host.load(TrayHost::storedProperties(QIcon()), nullptr, {empty.path(), pluginFolder}));
    EXPECT_EQ(QFileInfo(host.libraryPath()).absolutePath(), QFileInfo(pluginFolder).canonicalFilePath());
}

TEST(TrayHost, SearchesOnlyBesideTheProgramAndTheInstalledFolder)
{
    const QString appDir = QCoreApplication::applicationDirPath();
    const QStringList folders = TrayHost::defaultSearchFolders();
    ASSERT_EQ(folders.size(), 3);
    EXPECT_EQ(folders[0], appDir + "/plugins");
    EXPECT_EQ(folders[1], QDir::cleanPath(appDir + "/../lib/marlune/plugins"));
    EXPECT_TRUE(folders[2].endsWith("/marlune/plugins")) << qPrintable(folders[2]);
    EXPECT_FALSE(folders.contains(QFileInfo(pluginPath).absolutePath()));
}

TEST(TrayHost, ALibraryThatFailsToLoadEndsTheSearchWithOneReport)
{
    TempDir planted;
    const QString fake = planted.write(QFileInfo(pluginPath).fileName(), "not a library");
    TrayHost host;
    testing::internal::CaptureStderr();
    EXPECT_FALSE(host.load(TrayHost::storedProperties(QIcon()), nullptr,
                           {planted.path(), QFileInfo(pluginPath).absolutePath()}));
    const QString report = QString::fromStdString(testing::internal::GetCapturedStderr());
    EXPECT_FALSE(host.isLoaded());
    EXPECT_TRUE(report.contains(fake)) << qPrintable(report);
    EXPECT_EQ(report.count('\n'), 1) << qPrintable(report);
}

TEST(TrayHost, MissingOrForeignLibrariesAreRefused)
{
    TempDir bogus;
    const QString fake = bogus.write(QFileInfo(pluginPath).fileName(), "not a library");
    TrayHost host;
    EXPECT_FALSE(host.load(TrayHost::storedProperties(QIcon()), nullptr, {}));
    EXPECT_TRUE(host.errorString().contains("not found")) << qPrintable(host.errorString());
    EXPECT_FALSE(host.load(TrayHost::storedProperties(QIcon()), nullptr, {bogus.path()}));
    EXPECT_TRUE(host.errorString().contains(fake)) << qPrintable(host.errorString());
    EXPECT_FALSE(host.isLoaded());
    EXPECT_EQ(host.instance(), nullptr);
    host.setInTray(true);
    EXPECT_FALSE(host.inTray());

    const QString foreign = QLibraryInfo::path(QLibraryInfo::PluginsPath) + "/platforms/libqminimal.so";
    if (QFile::exists(foreign)) {
        EXPECT_FALSE(host.loadFile(foreign, {}));
        EXPECT_TRUE(host.errorString().contains("is not the PinletCtl.Pinlet library")) << qPrintable(host.errorString());
    }
}

TEST(TrayHost, ALoadFailureLeavesAnEarlierControlAlone)
{
    TrayHost host;
    ASSERT_TRUE(host.loadFile(pluginPath, TrayHost::storedProperties(QIcon())));
    TempDir empty;
    EXPECT_FALSE(host.load({}, nullptr, {empty.path()}));
    EXPECT_TRUE(host.isLoaded());
}

TEST(TrayHost, ANotificationAreaThatGoesAwayWhileTheIconIsShownIsReported)
{
    TrayHost host;
    ASSERT_TRUE(host.loadFile(pluginPath, TrayHost::storedProperties(QIcon())));
    int asked = 0;
    host.setTrayProbe([&] { return ++asked < 3; }, std::chrono::milliseconds(1));
    QSignalSpy lost(&host, &TrayHost::trayLost);
    EXPECT_TRUE(host.trayAvailable());
    host.setInTray(true);
    ASSERT_TRUE(lost.wait(5000));
    EXPECT_EQ(asked, 3);
    EXPECT_EQ(lost.size(), 1);
}

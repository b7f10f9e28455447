// SPDX-License-Identifier: MIT
// Copyright The Marlune developers
#include "Pinlet.h"

#include <QImage>
#include <QPixmap>
#include <QPointer>
#include <QSignalSpy>
#include <QTest>
#include <gtest/gtest.h>

namespace {

// Every event the control raises, written as "Name(id,button)".
class EventLog
{
public:
    explicit EventLog(Pinlet &pinlet)
    {
        QObject::connect(&pinlet, &Pinlet::MouseMove, [this](int id) { add(u"MouseMove", id); });
        QObject::connect(&pinlet, &Pinlet::MouseDown, [this](int id, short b) { add(u"MouseDown", id, b); });
        QObject::connect(&pinlet, &Pinlet::MouseUp, [this](int id, short b) { add(u"MouseUp", id, b); });
        QObject::connect(&pinlet, &Pinlet::MouseDblClick, [this](int id, short b) { add(u"MouseDblClick", id, b); });
    }
    QStringList events;

private:
    void add(QStringView name, int id, int button = -1)
    {
        events << (button < 0 ? QStringLiteral("%1(%2)").arg(name).arg(id)
                              : QStringLiteral("%1(%2,%3)").arg(name).arg(id).arg(button));
    }
};

QIcon squareIcon(QColor colour, int side = 32)
{
    QPixmap pixmap(side, side);
    pixmap.fill(colour);
    return QIcon(pixmap);
}

QStringList changes(const QSignalSpy &spy)
{
    QStringList names;
    for (const auto &args : spy)
        names << args.at(0).toString();
    return names;
}

QSystemTrayIcon *trayIcon(Pinlet &pinlet)
{
    return const_cast<QSystemTrayIcon *>(pinlet.shownIcon());
}

} // namespace

TEST(Pinlet, AlwaysMeasures510TwipsWithARaisedBorder)
{
    Pinlet pinlet(true);
    pinlet.resize(200, 90);
    EXPECT_EQ(pinlet.size(), QSize(34, 34));

    const QImage image = pinlet.grab().toImage();
    const QRgb light = pinlet.palette().color(QPalette::Light).rgb();
    const QRgb shadow = pinlet.palette().color(QPalette::Shadow).rgb();
    EXPECT_EQ(image.pixel(0, 0), light);
    EXPECT_EQ(image.pixel(17, 0), light);
    EXPECT_EQ(image.pixel(0, 17), light);
    EXPECT_EQ(image.pixel(33, 33), shadow);
    EXPECT_EQ(image.pixel(17, 33), shadow);
    EXPECT_EQ(image.pixel(33, 17), shadow);
}

TEST(Pinlet, BuiltInIconHasThreeSizesOfItsOwnArtwork)
{
    const QIcon icon = Pinlet::builtInIcon();
    EXPECT_EQ(icon.availableSizes(), (QList<QSize>{{16, 16}, {32, 32}, {48, 48}}));
    for (int side : {16, 32, 48}) {
        const QImage image = icon.pixmap(side).toImage();
        EXPECT_EQ(image.pixelColor(0, 0).alpha(), 0) << side;
        EXPECT_GT(image.pixelColor(side * 31 / 48, side * 17 / 48).red(), 150) << side;
    }
}

TEST(Pinlet, InitPropertiesGivesTheDefaultTipAndIconAndMarksThem)
{
    Pinlet pinlet(true);
    QSignalSpy changed(&pinlet, &Pinlet::propertyChanged);
    pinlet.InitProperties();
    EXPECT_FALSE(pinlet.InTray());
    EXPECT_EQ(pinlet.TrayTip(), "Pinlet Control");
    EXPECT_EQ(pinlet.TrayIcon().availableSizes().size(), 3);
    // InTray was already False, so only the other two count as changed.
    EXPECT_EQ(changes(changed), (QStringList{"TrayTip", "TrayIcon"}));
}

TEST(Pinlet, PropertiesAreReachableByName)
{
    Pinlet pinlet(true);
    const QIcon red = squareIcon(Qt::red);
    EXPECT_TRUE(pinlet.setProperty("TrayTip", "Marlune"));
    EXPECT_TRUE(pinlet.setProperty("TrayIcon", QVariant::fromValue(red)));
    EXPECT_TRUE(pinlet.setProperty("InTray", true));
    EXPECT_EQ(pinlet.property("TrayTip").toString(), "Marlune");
    EXPECT_EQ(pinlet.property("TrayIcon").value<QIcon>().cacheKey(), red.cacheKey());
    EXPECT_TRUE(pinlet.property("InTray").toBool());
    ASSERT_NE(pinlet.shownIcon(), nullptr);
    EXPECT_EQ(pinlet.shownIcon()->toolTip(), "Marlune");
}

class PinletBagKeys : public ::testing::TestWithParam<std::array<const char *, 3>>
{
};

TEST_P(PinletBagKeys, StoredValuesComeBackWhateverTheKeysCase)
{
    const auto [inTray, trayIcon, trayTip] = GetParam();
    const QIcon blue = squareIcon(Qt::blue);
    const QVariantMap bag{{inTray, true}, {trayIcon, QVariant::fromValue(blue)}, {trayTip, "Marlune"},
                          {"_extentx", 900}, {"_extenty", 900}};
    Pinlet read(false);
    read.ReadProperties(bag);
    EXPECT_TRUE(read.InTray());
    EXPECT_EQ(read.TrayIcon().cacheKey(), blue.cacheKey());
    EXPECT_EQ(read.TrayTip(), "Marlune");

    // Written back over the same bag: one key per property, the host's keys untouched.
    const QVariantMap written = read.WriteProperties(bag);
    EXPECT_EQ(written.size(), 5);
    EXPECT_EQ(written.value("InTray"), true);
    EXPECT_EQ(written.value("TrayTip"), "Marlune");
    EXPECT_EQ(written.value("TrayIcon").value<QIcon>().cacheKey(), blue.cacheKey());
    EXPECT_EQ(written.value("_extentx"), 900);

    Pinlet again(false);
    again.ReadProperties(written);
    EXPECT_TRUE(again.InTray());
    EXPECT_EQ(again.TrayIcon().cacheKey(), blue.cacheKey());
    EXPECT_EQ(again.TrayTip(), "Marlune");
}

INSTANTIATE_TEST_SUITE_P(Cases, PinletBagKeys,
                         ::testing::Values(std::array{"InTray", "TrayIcon", "TrayTip"},
                                           std::array{"intray", "trayicon", "traytip"},
                                           std::array{"INTRAY", "TrayICON", "trayTip"}));

TEST(Pinlet, AbsentKeysGiveTheDefaults)
{
    Pinlet pinlet(true);
    pinlet.setTrayTip("old");
    pinlet.setTrayIcon(QVariant::fromValue(squareIcon(Qt::green)));
    pinlet.ReadProperties({{"_extentx", 900}});
    EXPECT_FALSE(pinlet.InTray());
    EXPECT_EQ(pinlet.TrayTip(), "Pinlet Control");
    EXPECT_EQ(pinlet.TrayIcon().availableSizes().size(), 3);
    EXPECT_EQ(pinlet.shownIcon(), nullptr);
}

TEST(Pinlet, WritePropertiesAlwaysWritesAllThree)
{
    // Before InitProperties: a new instance already holds the default tip.
    Pinlet pinlet(true);
    const QVariantMap bag = pinlet.WriteProperties();
    EXPECT_EQ(bag.keys(), (QStringList{"InTray", "TrayIcon", "TrayTip"}));
    EXPECT_EQ(bag.value("InTray"), false);
    EXPECT_EQ(bag.value("TrayTip"), "Pinlet Control");
}

TEST(Pinlet, InTrayTwiceAddsOneIconAndMarksOneChange)
{
    Pinlet pinlet(true);
    pinlet.InitProperties();
    QSignalSpy changed(&pinlet, &Pinlet::propertyChanged);
    pinlet.setInTray(true);
    const QSystemTrayIcon *shown = pinlet.shownIcon();
    pinlet.setInTray(true);
    EXPECT_EQ(pinlet.shownIcon(), shown);
    EXPECT_EQ(pinlet.findChildren<QSystemTrayIcon *>().size(), 1);
    ASSERT_NE(shown, nullptr);
    EXPECT_TRUE(shown->isVisible());
    EXPECT_EQ(shown->toolTip(), "Pinlet Control");
    EXPECT_EQ(changes(changed), QStringList{"InTray"});

    pinlet.setInTray(false);
    pinlet.setInTray(false);
    EXPECT_EQ(pinlet.shownIcon(), nullptr);
    EXPECT_TRUE(pinlet.findChildren<QSystemTrayIcon *>().isEmpty());
    EXPECT_EQ(changes(changed), (QStringList{"InTray", "InTray"}));
}

TEST(Pinlet, ShownTipIsCutTo64CharactersButKeptWhole)
{
    const QString seventy = QString(64, u'a') + QStringLiteral("bcdefg");
    Pinlet pinlet(true);
    pinlet.setTrayTip("first");
    pinlet.setInTray(true);
    ASSERT_NE(pinlet.shownIcon(), nullptr);
    EXPECT_EQ(pinlet.shownIcon()->toolTip(), "first");

    pinlet.setTrayTip(seventy);
    EXPECT_EQ(pinlet.shownIcon()->toolTip(), QString(64, u'a'));
    EXPECT_EQ(pinlet.TrayTip(), seventy);
    EXPECT_EQ(pinlet.WriteProperties().value("TrayTip"), seventy);
}

TEST(Pinlet, ShownTipNeverSplitsACharacter)
{
    const QString clef = QString::fromUtf8("\xF0\x9D\x84\x9E");
    const struct {
        QString tip;
        QString shown;
    } rows[] = {
        {"", ""},
        {QString(64, u'x'), QString(64, u'x')},
        {QString(63, u'x') + clef, QString(63, u'x')},
        {QString(62, u'x') + clef + "y", QString(62, u'x') + clef},
    };
    for (const auto &row : rows)
        EXPECT_EQ(Pinlet::shownTip(row.tip), row.shown) << row.tip.size();
}

TEST(Pinlet, AnEmptyTipIsLeftOutOfTheIcon)
{
    Pinlet pinlet(true);
    pinlet.setTrayTip(QString());
    pinlet.setInTray(true);
    ASSERT_NE(pinlet.shownIcon(), nullptr);
    EXPECT_TRUE(pinlet.shownIcon()->toolTip().isEmpty());
}

TEST(Pinlet, PicturesThatAreNotIconsAreIgnored)
{
    QPixmap bitmap(32, 32);
    bitmap.fill(Qt::red);
    const QVariant pictures[] = {QVariant(), QVariant::fromValue(QIcon()), QVariant::fromValue(bitmap),
                                 QVariant::fromValue(bitmap.toImage()), QVariant("icon.ico"), QVariant(3)};
    Pinlet pinlet(true);
    const QIcon green = squareIcon(Qt::green);
    pinlet.setTrayIcon(QVariant::fromValue(green));
    pinlet.setInTray(true);
    QSignalSpy changed(&pinlet, &Pinlet::propertyChanged);
    for (const QVariant &picture : pictures) {
        pinlet.setProperty("TrayIcon", picture);
        EXPECT_EQ(pinlet.TrayIcon().cacheKey(), green.cacheKey()) << picture.typeName();
        EXPECT_EQ(pinlet.shownIcon()->icon().cacheKey(), green.cacheKey()) << picture.typeName();
    }
    EXPECT_TRUE(changed.isEmpty());

    const QIcon blue = squareIcon(Qt::blue);
    pinlet.setTrayIcon(QVariant::fromValue(blue));
    EXPECT_EQ(pinlet.shownIcon()->icon().cacheKey(), blue.cacheKey());
    EXPECT_EQ(changes(changed), QStringList{"TrayIcon"});
}

TEST(Pinlet, TheIconIsDrawnOnTheControl)
{
    Pinlet pinlet(true);
    pinlet.setTrayIcon(QVariant::fromValue(squareIcon(Qt::blue)));
    EXPECT_EQ(pinlet.grab().toImage().pixelColor(17, 17), QColor(Qt::blue));
}

struct EventRow {
    int msg;
    const char *event;
};

class PinletTrayEvent : public ::testing::TestWithParam<EventRow>
{
};

TEST_P(PinletTrayEvent, MessageRaisesItsEvent)
{
    Pinlet pinlet(true);
    EventLog log(pinlet);
    pinlet.RaiseTrayEvent(GetParam().msg, 0);
    pinlet.RaiseTrayEvent(GetParam().msg, 7);
    const QString event = GetParam().event;
    const QStringList expected = event.isEmpty() ? QStringList() : QStringList{event.arg(0), event.arg(7)};
    EXPECT_EQ(log.events, expected);
}

INSTANTIATE_TEST_SUITE_P(Table, PinletTrayEvent,
                         ::testing::Values(EventRow{512, "MouseMove(%1)"}, EventRow{513, "MouseDown(%1,1)"},
                                           EventRow{514, "MouseUp(%1,1)"}, EventRow{515, "MouseDblClick(%1,1)"},
                                           EventRow{516, "MouseDown(%1,2)"}, EventRow{517, "MouseUp(%1,2)"},
                                           EventRow{518, "MouseDblClick(%1,2)"}, EventRow{519, ""},
                                           EventRow{520, ""}, EventRow{521, ""}, EventRow{511, ""},
                                           EventRow{0, ""}, EventRow{1125, ""}));

struct ActivationRow {
    QSystemTrayIcon::ActivationReason reason;
    bool statusNotifierHost;
    QStringList events;
};

class PinletActivation : public ::testing::TestWithParam<ActivationRow>
{
};

TEST_P(PinletActivation, BecomesTheMouseEventsOfItsClicks)
{
    Pinlet pinlet(true);
    int probed = 0;
    pinlet.setStatusNotifierProbe([&] {
        ++probed;
        return GetParam().statusNotifierHost;
    });
    EventLog log(pinlet);
    pinlet.setInTray(true);
    Q_EMIT trayIcon(pinlet)->activated(GetParam().reason);
    EXPECT_EQ(log.events, GetParam().events);
    EXPECT_EQ(probed, 1);
}

INSTANTIATE_TEST_SUITE_P(
    Table, PinletActivation,
    ::testing::Values(
        ActivationRow{QSystemTrayIcon::Trigger, false, {"MouseDown(0,1)", "MouseUp(0,1)"}},
        ActivationRow{QSystemTrayIcon::Trigger, true, {"MouseDown(0,1)", "MouseUp(0,1)", "MouseDblClick(0,1)"}},
        ActivationRow{QSystemTrayIcon::DoubleClick, false, {"MouseDblClick(0,1)", "MouseUp(0,1)"}},
        ActivationRow{QSystemTrayIcon::Context, false, {"MouseDown(0,2)", "MouseUp(0,2)"}},
        ActivationRow{QSystemTrayIcon::Context, true, {"MouseDown(0,2)", "MouseUp(0,2)"}},
        ActivationRow{QSystemTrayIcon::MiddleClick, false, {}},
        ActivationRow{QSystemTrayIcon::MiddleClick, true, {}},
        ActivationRow{QSystemTrayIcon::Unknown, true, {}}));

TEST(Pinlet, ALeftDoubleClickOnXEmbedReportsOneDoubleClick)
{
    Pinlet pinlet(true);
    pinlet.setStatusNotifierProbe([] { return false; });
    EventLog log(pinlet);
    pinlet.setInTray(true);
    Q_EMIT trayIcon(pinlet)->activated(QSystemTrayIcon::Trigger);
    Q_EMIT trayIcon(pinlet)->activated(QSystemTrayIcon::DoubleClick);
    EXPECT_EQ(log.events.filter("MouseDblClick").size(), 1);
}

TEST(Pinlet, AtDesignTimeInTrayIsOnlyStored)
{
    Pinlet designed(false);
    designed.InitProperties();
    QSignalSpy changed(&designed, &Pinlet::propertyChanged);
    designed.setInTray(true);
    EXPECT_TRUE(designed.InTray());
    EXPECT_EQ(designed.shownIcon(), nullptr);
    EXPECT_EQ(changes(changed), QStringList{"InTray"});
    designed.setInTray(false);
    EXPECT_FALSE(designed.InTray());

    designed.setInTray(true);
    const QVariantMap stored = designed.WriteProperties();
    Pinlet running(true);
    running.ReadProperties(stored);
    ASSERT_NE(running.shownIcon(), nullptr);
    EXPECT_TRUE(running.shownIcon()->isVisible());
    EXPECT_EQ(running.shownIcon()->toolTip(), "Pinlet Control");
    EXPECT_EQ(running.shownIcon()->icon().cacheKey(), running.TrayIcon().cacheKey());
}

TEST(Pinlet, DestroyingAShownControlRemovesItsIcon)
{
    auto pinlet = std::make_unique<Pinlet>(true);
    pinlet->setInTray(true);
    QPointer<QSystemTrayIcon> shown = trayIcon(*pinlet);
    ASSERT_TRUE(shown);
    int notices = 0;
    QObject::connect(pinlet.get(), &Pinlet::propertyChanged, [&] { ++notices; });
    pinlet.reset();
    EXPECT_TRUE(shown.isNull());
    EXPECT_EQ(notices, 0);
}

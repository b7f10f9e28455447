// SPDX-License-Identifier: MIT
// Copyright The Marlune developers
// The About window on its own, with the program's artwork and real message
// boxes: to look at, and to try against a marlune-server on this machine, e.g.
//   marlune-server --update-port 5001 --feedback-port 5002 --offer-version 1.0.90 &
//   about_demo --host 127.0.0.1 --update-port 5001 --feedback-port 5002 --check
#include "ChromeArt.h"
#include "ChromeSettings.h"
#include "MediaLocator.h"
#include "QtDialogs.h"
#include "frmAbout2.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QDir>

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    QCommandLineParser parser;
    parser.addHelpOption();
    const QCommandLineOption host("host", "Server address for both exchanges.", "address");
    const QCommandLineOption updatePort("update-port", "Update port.", "port");
    const QCommandLineOption feedbackPort("feedback-port", "Feedback port.", "port");
    const QCommandLineOption folder("folder", "Folder holding hostinfo.ini (default: current).", "path");
    const QCommandLineOption check("check", "Check for an update at once, as \"Check for &Update\" does.");
    const QCommandLineOption anyNetwork("loopback-ok", "Count a machine with only loopback as online.");
    parser.addOptions({host, updatePort, feedbackPort, folder, check, anyNetwork});
    parser.process(app);

    ExchangeOptions options;
    if (parser.isSet(host))
        options.updateHost = options.feedbackHost = parser.value(host);
    if (parser.isSet(updatePort))
        options.updatePort = parser.value(updatePort).toUShort();
    if (parser.isSet(feedbackPort))
        options.feedbackPort = parser.value(feedbackPort).toUShort();
    if (parser.isSet(anyNetwork))
        options.networkCheck = [] { return true; };

    const MediaLocator media;
    const ChromeArt art(media);
    FixedChromeSettings settings;
    settings.sound = false;
    QtDialogs dialogs;
    auto *about = new frmAbout2({&settings, nullptr, &art}, dialogs,
                                parser.isSet(folder) ? parser.value(folder) : QDir::currentPath(), options);
    dialogs.setParentWindow(about);
    about->setCheckUpdateOnOpen(parser.isSet(check));
    about->move(40, 40);
    about->show();
    return app.exec();
}

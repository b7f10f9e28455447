// SPDX-License-Identifier: MIT
// Copyright The Marlune developers
#pragma once

#include <QString>
#include <array>

// The six preferences as one value, as renamer.ini holds them and the preferences
// window shows them in its check boxes chkOpt(0..5) and text boxes txtOpt(1),
// txtOpt(2), txtOpt(5).
struct Preferences
{
    enum Option { OnTop = 0, Docking = 1, DefaultDirectory = 2, Splash = 3, Sounds = 4, PlayerLocation = 5 };

    // The window's design state, used when renamer.ini does not exist.
    std::array<bool, 6> options{false, true, false, true, true, false}; // chkOpt(0..5)
    QString taskbarHeight = QStringLiteral("400");   // txtOpt(1)
    QString defaultDirectory;                        // txtOpt(2)
    QString playerPath = designPlayerPath();         // txtOpt(5)

    bool isOn(Option o) const { return options[o]; }

    static QString designPlayerPath();
    friend bool operator==(const Preferences &, const Preferences &) = default;
};

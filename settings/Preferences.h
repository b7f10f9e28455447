#pragma once

#include <QString>
#include <array>

// The six preferences as the preferences window's controls hold them: the check
// boxes chkOpt(0..5) and the text boxes txtOpt(1), txtOpt(2), txtOpt(5).
struct Preferences
{
    enum Option { OnTop = 0, Docking = 1, DefaultDirectory = 2, Splash = 3, Sounds = 4, PlayerLocation = 5 };

    // The window's design state, used when renamer.ini does not exist.
    std::array<bool, 6> chkOpt{false, true, false, true, true, false};
    QString taskbarHeight = QStringLiteral("400");   // txtOpt(1)
    QString defaultDirectory;                        // txtOpt(2)
    QString playerPath = designPlayerPath();         // txtOpt(5)

    bool isOn(Option o) const { return chkOpt[o]; }

    static QString designPlayerPath();
    friend bool operator==(const Preferences &, const Preferences &) = default;
};

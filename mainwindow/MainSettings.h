#pragma once

#include <QString>

// The settings the main window reads besides the chrome's: the preferences
// window's check boxes chkOpt(0..5) and the program-wide WinampPath.
class MainSettings
{
public:
    virtual ~MainSettings() = default;
    virtual bool chkOpt(int index) const = 0;
    virtual QString WinampPath() const = 0;
};

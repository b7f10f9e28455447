#pragma once

#include <QString>

// The main window's drive and folder lists, as loading renamer.ini moves them.
// The program's implementation creates the main window (loaded, not shown) the
// first time it is asked, so the preferences window never needs it to exist.
class FolderLists
{
public:
    virtual ~FolderLists();

    // Moves the folder list to dir and the drive list to dir's drive; false when
    // the folder no longer exists or its drive is not ready.
    virtual bool setDefaultDirectory(const QString &dir) = 0;
    // Moves the folder list to the program's own folder.
    virtual void showProgramFolder() = 0;
};

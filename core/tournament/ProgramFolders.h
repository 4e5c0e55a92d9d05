#pragma once

#include <QString>

// Where the program finds what it ships with: the supplied temporary database and the user guide.
struct ProgramFolders
{
    QString data;
    // An installed program never writes its own folders: they may belong to root, or to a package.
    bool installed = false;
};

// The installed data folder (share/tabulon beside bin/) when it holds the supplied database,
// otherwise the executable's own folder, as in a build folder.
ProgramFolders programFolders(const QString& executableFolder);

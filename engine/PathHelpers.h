// SPDX-License-Identifier: MIT
// Copyright The Marlune developers
#pragma once

#include <QString>

// Which characters separate folders: on Linux only "/", a backslash being an ordinary
// character of a name; on Windows both. Native is the platform the program runs on.
enum class PathStyle { Native, Posix, Windows };

bool isPathSeparator(QChar c, PathStyle style = PathStyle::Native);
QChar nativeSeparator();

// Where the name starts in a native path (bytes): after its last separator, or at 0.
// Separators are ASCII, so the bytes split where the text would.
qsizetype nameStart(const QByteArray &path);
// Whether a native name holds a separator or a NUL byte, which no name of a file can.
bool holdsSeparatorOrNul(const QByteArray &name);

// path with the platform's separator appended unless it already ends with a separator.
QString AddSlash(const QString &path, PathStyle style = PathStyle::Native);

enum class PathPart { Folder = 0, FileName = 1 };

// Splits a path at its last separator. The file-name part leaves out every double quote;
// the folder part leaves out a leading quote and ends with a separator. The command line
// of Windows hands paths over with their quotes, which is why they are dropped here.
// A path without a separator is all file name, with an empty folder.
QString SplitPath(PathPart part, const QString &path, PathStyle style = PathStyle::Native);

// Creates the folder that is to hold filePath, with any missing parents, readable by
// the owner only (as per-user configuration and cache folders should be). True when
// the folder exists afterwards.
bool makeParentFolder(const QString &filePath);

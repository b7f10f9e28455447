// SPDX-License-Identifier: MIT
// Copyright The Marlune developers
#pragma once

class QWidget;

// The window Qt embeds into an XEmbed tray for a shown icon, once the tray has mapped it;
// null before.
QWidget *embeddedTrayIcon();
// Whether any such window exists, mapped or not.
bool anyTrayIconWindow();

// SPDX-License-Identifier: MIT
// Copyright The Marlune developers
#pragma once

#include <QString>

// A failure as the user sees it: the error number and its description, as the
// classic run time reported them ("53 File not found"). Zero means success.
struct ErrorInfo
{
    int number = 0;
    QString description;

    bool ok() const { return number == 0; }
    explicit operator bool() const { return number != 0; }

    // The description stays English so that scripts reading marlune-cli can match it;
    // the windows show it in the user's language. Texts from the platform are not
    // ours to translate and come back unchanged.
    QString shownDescription() const;
};

// SPDX-License-Identifier: MIT
// Copyright The Marlune developers
#pragma once

#include <QLocale>

// Shows the program's texts, and Qt's own (standard buttons, input boxes), in the
// language the user's locale asks for. The texts in the code are the English ones,
// so a locale without a translation simply keeps them.
class Translations
{
public:
    // Installs the translators on the running application, which owns them from
    // then on. Must run before the first window is built: texts are read once.
    // Returns true when the program's own texts were found for the locale.
    static bool install(const QLocale &locale = QLocale());
};

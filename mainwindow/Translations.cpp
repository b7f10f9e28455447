// SPDX-License-Identifier: MIT
// Copyright The Marlune developers
#include "Translations.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QTranslator>

namespace {

QTranslator *installOne(const QLocale &locale, const QString &name, const QString &folder)
{
    auto *translator = new QTranslator(QCoreApplication::instance());
    if (translator->load(locale, name, QStringLiteral("_"), folder)
        && QCoreApplication::installTranslator(translator))
        return translator;
    delete translator;
    return nullptr;
}

} // namespace

bool Translations::install(const QLocale &locale)
{
    // Ours are built into the program, so they can never be out of step with it.
    const QTranslator *own = installOne(locale, QStringLiteral("marlune"), QStringLiteral(":/i18n"));
    if (!own)
        return false;
    // Qt's texts (standard buttons) in the language ours were found in, and only then:
    // a French desktop gets English windows throughout rather than French buttons in
    // English messages. They come from the system's Qt and may be missing.
    installOne(QLocale(own->language()), QStringLiteral("qtbase"),
               QLibraryInfo::path(QLibraryInfo::TranslationsPath));
    return true;
}

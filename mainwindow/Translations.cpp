#include "Translations.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QTranslator>

namespace {

bool installOne(const QLocale &locale, const QString &name, const QString &folder)
{
    auto *translator = new QTranslator(QCoreApplication::instance());
    if (translator->load(locale, name, QStringLiteral("_"), folder)
        && QCoreApplication::installTranslator(translator))
        return true;
    delete translator;
    return false;
}

} // namespace

bool Translations::install(const QLocale &locale)
{
    // Qt's texts come from the system's Qt installation and may be missing; ours are
    // built into the program, so an installed copy can never be out of step with it.
    installOne(locale, QStringLiteral("qtbase"), QLibraryInfo::path(QLibraryInfo::TranslationsPath));
    return installOne(locale, QStringLiteral("marlune"), QStringLiteral(":/i18n"));
}

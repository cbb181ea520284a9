#include "text/Texts.h"

#include <QCoreApplication>
#include <QTranslator>

#include <memory>

namespace zelkor {

QString text(const char *key)
{
    return qtTrId(key);
}

QString installTranslations(QCoreApplication &app, const QLocale &locale)
{
    auto translator = std::make_unique<QTranslator>();
    const bool loaded =
        translator->load(locale, QStringLiteral("zelkor"), QStringLiteral("_"),
                         QStringLiteral(":/i18n"))
        || translator->load(QStringLiteral("zelkor_en"), QStringLiteral(":/i18n"));
    if (!loaded)
        return {};
    const QString language = translator->language().section(u'_', 0, 0);
    translator->setParent(&app);
    QCoreApplication::installTranslator(translator.release());
    return language;
}

} // namespace zelkor

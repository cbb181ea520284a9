// SPDX-License-Identifier: GPL-3.0-or-later

#include "core/text/Texts.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QTranslator>

#include <memory>

namespace zelkor {

namespace {

// Marks the translators installed here, so that a second call replaces them.
const QString kTranslatorName = QStringLiteral("zelkorTranslator");

void install(QCoreApplication &app, std::unique_ptr<QTranslator> translator)
{
    translator->setObjectName(kTranslatorName);
    translator->setParent(&app);
    QCoreApplication::installTranslator(translator.release());
}

} // namespace

QString text(const char *key)
{
    return qtTrId(key);
}

QString optionalText(const char *key)
{
    const QString found = qtTrId(key);
    return found == QLatin1String(key) ? QString() : found;
}

QString englishText(const char *key)
{
    static QTranslator english;
    static const bool loaded = english.load(QStringLiteral("zelkor_en"), QStringLiteral(":/i18n"));
    return loaded ? english.translate(nullptr, key) : QString();
}

QString installTranslations(QCoreApplication &app, const QLocale &locale)
{
    auto translator = std::make_unique<QTranslator>();
    const bool loaded = translator->load(locale, QStringLiteral("zelkor"), QStringLiteral("_"),
                                         QStringLiteral(":/i18n")) ||
                        translator->load(QStringLiteral("zelkor_en"), QStringLiteral(":/i18n"));
    if (!loaded)
        return {};
    const QString language = translator->language().section(u'_', 0, 0);

    for (QTranslator *old :
         app.findChildren<QTranslator *>(kTranslatorName, Qt::FindDirectChildrenOnly)) {
        QCoreApplication::removeTranslator(old);
        old->deleteLater();
    }
    install(app, std::move(translator));
    // Qt's own texts (a field's context menu, standard buttons) in the same language, where the
    // system has them; English needs none.
    if (language != u"en") {
        auto qtTexts = std::make_unique<QTranslator>();
        if (qtTexts->load(locale, QStringLiteral("qtbase"), QStringLiteral("_"),
                          QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
            install(app, std::move(qtTexts));
    }
    return language;
}

} // namespace zelkor

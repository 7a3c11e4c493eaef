// SPDX-License-Identifier: GPL-3.0-or-later
#include "contacts/countrynames.h"

#include "contacts/addresslayouts.h"

#include <QHash>
#include <QLocale>

#include <unicode/uloc.h>

namespace {

// Short forms people write that are no country's name in any language.
struct Alias
{
    const char16_t *name;
    const char *code;
};
constexpr Alias kAliases[] = {
    {u"USA", "US"},
    {u"U.S.", "US"},
    {u"United States of America", "US"},
    {u"America", "US"},
    {u"UK", "GB"},
    {u"Great Britain", "GB"},
    {u"Britain", "GB"},
    {u"England", "GB"},
    {u"Scotland", "GB"},
    {u"Wales", "GB"},
    {u"Northern Ireland", "GB"},
    {u"Holland", "NL"},
    {u"Czech Republic", "CZ"},
    {u"Russian Federation", "RU"},
    {u"Korea", "KR"},
    {u"Republic of Korea", "KR"},
    {u"PRC", "CN"},
    {u"P.R. China", "CN"},
    {u"Türkiye", "TR"},
    {u"UAE", "AE"},
    {u"BRD", "DE"},
};

QString nameKey(QStringView name)
{
    QString key = name.toString().toCaseFolded().remove(u'.').simplified();
    if (key.startsWith(QStringLiteral("the ")))
        key.remove(0, 4);
    return key;
}

// A country's name in a language, as ICU's locale data has it.
QString icuName(const char *code, const QByteArray &language)
{
    const QByteArray locale = QByteArrayLiteral("und_") + code;
    UChar name[160];
    UErrorCode status = U_ZERO_ERROR;
    const int32_t size = uloc_getDisplayCountry(locale.constData(), language.constData(), name, 160, &status);
    // ICU answers with the code itself where it has no name.
    if (U_FAILURE(status) || status == U_USING_DEFAULT_WARNING || size <= 0 || size > 160)
        return {};
    return QString::fromUtf16(reinterpret_cast<const char16_t *>(name), size);
}

const QHash<QString, QString> &countryNames()
{
    static const QHash<QString, QString> names = [] {
        QHash<QString, QString> byName;
        // The first meaning a name gets stays: codes, English and aliases,
        // the user's language, then every other language.
        const auto add = [&byName](QStringView name, const QString &code) {
            if (code.size() == 2 && !name.isEmpty())
                byName.insert(nameKey(name), code);
        };
        const auto addFirst = [&byName](QStringView name, const QString &code) {
            const QString key = nameKey(name);
            if (!key.isEmpty() && !byName.contains(key))
                byName.insert(key, code);
        };
        QList<QByteArray> languages = {QLocale().name().section(u'_', 0, 0).toLatin1()};
        for (const AddressFormat &format : addressFormats()) {
            const QString code = QString::fromLatin1(format.code);
            add(code, code);
            add(format.name, code);
            add(QLocale::territoryToString(QLocale::codeToTerritory(code)), code);
            for (const QStringView language : QStringView(format.languages).split(u'~', Qt::SkipEmptyParts)) {
                const QByteArray tag = language.toLatin1();
                if (!languages.contains(tag))
                    languages << tag;
            }
        }
        for (const Alias &alias : kAliases)
            add(alias.name, QString::fromLatin1(alias.code));
        for (const QByteArray &language : std::as_const(languages)) {
            for (const AddressFormat &format : addressFormats())
                addFirst(icuName(format.code, language), QString::fromLatin1(format.code));
        }
        for (const QLocale &locale :
             QLocale::matchingLocales(QLocale::AnyLanguage, QLocale::AnyScript, QLocale::AnyTerritory))
            addFirst(locale.nativeTerritoryName(), QLocale::territoryToCode(locale.territory()));
        byName.remove(nameKey(u"ZZ"));
        return byName;
    }();
    return names;
}

} // namespace

QString countryCode(QStringView country)
{
    return countryNames().value(nameKey(country));
}

// SPDX-License-Identifier: GPL-3.0-or-later
#include "contacts/addresslayouts.h"

#include <QHash>
#include <QLocale>

#include <algorithm>

namespace {

// How each country lays out the lines under the addressee, from the
// Universal Postal Union's addressing pages for its member countries
// ("Postal addressing systems", upu.int). %A stands for the street lines,
// %C the town, %S the state, province or region, %Z the postcode; a line
// break parts lines. Text between two parts is written only when both are
// there. Parts a country's layout lacks are not written.
struct Layout
{
    const char *code;
    const char16_t *lines;
};

constexpr Layout kLayouts[] = {
    {"AR", u"%A\n%Z %C\n%S"},  {"AT", u"%A\n%Z %C"},      {"AU", u"%A\n%C %S %Z"},   {"BE", u"%A\n%Z %C"},
    {"BR", u"%A\n%C-%S\n%Z"},  {"CA", u"%A\n%C %S  %Z"},  {"CH", u"%A\n%Z %C"},      {"CL", u"%A\n%Z %C\n%S"},
    {"CN", u"%A\n%C\n%S, %Z"}, {"CO", u"%A\n%C, %S, %Z"}, {"CZ", u"%A\n%Z %C"},      {"DE", u"%A\n%Z %C"},
    {"DK", u"%A\n%Z %C"},      {"EE", u"%A\n%Z %C %S"},   {"ES", u"%A\n%Z %C %S"},   {"FI", u"%A\n%Z %C"},
    {"FR", u"%A\n%Z %C"},      {"GB", u"%A\n%C\n%Z"},     {"GR", u"%A\n%Z %C"},      {"HR", u"%A\n%Z %C"},
    {"HU", u"%C\n%A\n%Z"},     {"ID", u"%A\n%C\n%S %Z"},  {"IE", u"%A\n%C\n%S\n%Z"}, {"IL", u"%A\n%C %Z"},
    {"IN", u"%A\n%C %Z\n%S"},  {"IS", u"%A\n%Z %C"},      {"IT", u"%A\n%Z %C %S"},   {"JP", u"%A\n%C, %S %Z"},
    {"KR", u"%A\n%C\n%S\n%Z"}, {"LT", u"%A\n%Z %C"},      {"LU", u"%A\n%Z %C"},      {"LV", u"%A\n%C, %Z"},
    {"MX", u"%A\n%Z %C, %S"},  {"MY", u"%A\n%Z %C\n%S"},  {"NL", u"%A\n%Z  %C"},     {"NO", u"%A\n%Z %C"},
    {"NZ", u"%A\n%C %Z"},      {"PH", u"%A\n%C\n%Z %S"},  {"PL", u"%A\n%Z %C"},      {"PT", u"%A\n%Z %C"},
    {"RO", u"%A\n%Z %C %S"},   {"RU", u"%A\n%C\n%S\n%Z"}, {"SE", u"%A\n%Z %C"},      {"SG", u"%A\n%C %Z"},
    {"SK", u"%A\n%Z %C"},      {"TH", u"%A\n%C\n%S %Z"},  {"TR", u"%A\n%Z %C/%S"},   {"TW", u"%A\n%C, %S %Z"},
    {"UA", u"%A\n%C\n%S\n%Z"}, {"US", u"%A\n%C, %S %Z"},  {"ZA", u"%A\n%C\n%Z"},
};
// Where a country has none here: the town, its region and postcode on
// the line under the street.
constexpr const char16_t *kOtherLayout = u"%A\n%C %S %Z";

// Short forms people write that are neither a code nor a name Qt knows.
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

// Letter case, full stops, a leading "the" and runs of spaces do not count.
QString nameKey(QStringView name)
{
    QString key = name.toString().toLower().remove(u'.').simplified();
    if (key.startsWith(QStringLiteral("the ")))
        key.remove(0, 4);
    return key;
}

const QHash<QString, QString> &countryNames()
{
    static const QHash<QString, QString> names = [] {
        QHash<QString, QString> byName;
        const auto add = [&byName](QStringView name, const QString &code) {
            if (code.size() == 2 && !name.isEmpty())
                byName.insert(nameKey(name), code);
        };
        for (const QLocale &locale :
             QLocale::matchingLocales(QLocale::AnyLanguage, QLocale::AnyScript, QLocale::AnyTerritory))
            add(locale.nativeTerritoryName(), QLocale::territoryToCode(locale.territory()));
        for (int t = 1; t <= int(QLocale::LastTerritory); ++t) {
            const QString code = QLocale::territoryToCode(QLocale::Territory(t));
            add(code, code);
            add(QLocale::territoryToString(QLocale::Territory(t)), code);
        }
        for (const Alias &alias : kAliases)
            add(alias.name, QString::fromLatin1(alias.code));
        return byName;
    }();
    return names;
}

QStringView layoutOf(QStringView code)
{
    const auto it = std::find_if(std::begin(kLayouts), std::end(kLayouts),
                                 [code](const Layout &l) { return code == QLatin1String(l.code); });
    return it == std::end(kLayouts) ? QStringView(kOtherLayout) : QStringView(it->lines);
}

QString partOf(const PostalAddress &address, QChar token)
{
    switch (token.unicode()) {
    case u'C': return address.locality;
    case u'S': return address.region;
    case u'Z': return address.postalCode;
    default: return {};
    }
}

// One line of a layout: each part with the text before it, which is
// written only after a part that was written.
QString layoutLine(QStringView line, const PostalAddress &address)
{
    QString written;
    qsizetype from = 0;
    for (qsizetype at = line.indexOf(u'%'); at >= 0 && at + 1 < line.size(); at = line.indexOf(u'%', from)) {
        const QString part = partOf(address, line[at + 1]).trimmed();
        if (!part.isEmpty()) {
            if (!written.isEmpty())
                written += line.sliced(from, at - from);
            written += part;
        }
        from = at + 2;
    }
    return written;
}

} // namespace

QString countryCode(QStringView country)
{
    return countryNames().value(nameKey(country));
}

QStringList countriesWithLayouts()
{
    QStringList codes;
    for (const Layout &layout : kLayouts)
        codes << QString::fromLatin1(layout.code);
    return codes;
}

QStringList addressLines(const PostalAddress &address, QStringView home)
{
    if (!address.hasParts())
        return address.label;
    const QString country = address.country.trimmed();
    QString code = address.countryCode.toUpper();
    if (code.isEmpty())
        code = countryCode(country);
    QStringList lines;
    for (const QStringView line :
         layoutOf(country.isEmpty() && code.isEmpty() ? home : QStringView(code)).split(u'\n')) {
        if (line == u"%A")
            lines += address.street;
        else if (const QString written = layoutLine(line, address); !written.isEmpty())
            lines << written;
    }
    const bool abroad = code.isEmpty() ? !country.isEmpty() : code.compare(home, Qt::CaseInsensitive) != 0;
    if (abroad)
        lines << (country.isEmpty() ? QLocale::territoryToString(QLocale::codeToTerritory(code)) : country);
    return lines;
}

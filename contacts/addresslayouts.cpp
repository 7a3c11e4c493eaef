// SPDX-License-Identifier: GPL-3.0-or-later
#include "contacts/addresslayouts.h"

#include "contacts/countrynames.h"

#include <QHash>
#include <QRegularExpression>

#include <algorithm>
#include <cstring>

namespace {

constexpr AddressFormat kFormats[] = {
#include "contacts/addressformats.inc"
};
constexpr char16_t kAnyCountry[] = u"%N%n%O%n%A%n%C %S %Z";

struct Values
{
    QString name;
    QString organisation;
    const PostalAddress &address;
    QString region;
    QStringView upper;

    QString of(QChar token) const
    {
        QString value;
        switch (token.unicode()) {
        case u'N': value = name; break;
        case u'O': value = organisation; break;
        case u'A': value = address.street.join(QStringLiteral(", ")); break;
        case u'C': value = address.locality; break;
        case u'S': value = region; break;
        case u'Z': value = address.postalCode; break;
        default: return {};
        }
        value = value.trimmed();
        return upper.contains(token) ? value.toUpper() : value;
    }
};

// One line of a format: each written field with the text before it, which
// is written only after a field that was written; text before the first
// field and after the last goes with that field.
QString formatLine(QStringView line, const Values &values)
{
    QString written;
    QStringView pending; // the text since the last field
    qsizetype from = 0;
    bool anyToken = false;
    bool lastWritten = false;
    for (qsizetype at = line.indexOf(u'%'); at >= 0 && at + 1 < line.size(); at = line.indexOf(u'%', from)) {
        pending = line.sliced(from, at - from);
        const QString value = values.of(line[at + 1]);
        if (!value.isEmpty()) {
            if (!written.isEmpty() || !anyToken)
                written += pending;
            written += value;
        }
        anyToken = true;
        lastWritten = !value.isEmpty();
        from = at + 2;
    }
    if (!anyToken)
        return line.toString(); // a line of fixed text ("ÅLAND")
    if (lastWritten)
        written += line.sliced(from);
    return written.trimmed();
}

} // namespace

std::span<const AddressFormat> addressFormats()
{
    return kFormats;
}

const AddressFormat &addressFormat(QStringView code)
{
    const auto it =
        std::lower_bound(std::begin(kFormats), std::end(kFormats), code, [](const AddressFormat &f, QStringView c) {
            return QLatin1StringView(f.code).compare(c, Qt::CaseInsensitive) < 0;
        });
    if (it != std::end(kFormats) && QLatin1StringView(it->code).compare(code, Qt::CaseInsensitive) == 0)
        return *it;
    return kFormats[std::size(kFormats) - 1];
}

QString formatFor(QStringView code, bool latin)
{
    const AddressFormat &format = addressFormat(code);
    // A country no one knows loses none of the parts it was given.
    if (std::strcmp(format.code, "ZZ") == 0)
        return QString::fromUtf16(kAnyCountry);
    const QStringView lfmt(format.lfmt);
    QString fmt = (latin && !lfmt.isEmpty() ? lfmt : QStringView(format.fmt)).toString();
    if (!fmt.contains(u"%Z"))
        fmt += QStringLiteral("%n%Z");
    return fmt;
}

bool inLatinLetters(const QStringList &lines)
{
    // Digits and signs are in every script.
    return std::all_of(lines.cbegin(), lines.cend(), [](const QString &line) {
        return std::all_of(line.cbegin(), line.cend(),
                           [](QChar c) { return !c.isLetter() || c.script() == QChar::Script_Latin; });
    });
}

QStringList countriesWithLayouts()
{
    QStringList codes;
    for (const AddressFormat &format : kFormats) {
        if (std::strcmp(format.code, "ZZ") != 0)
            codes << QString::fromLatin1(format.code);
    }
    return codes;
}

QString addressCountry(const PostalAddress &address, QStringView home)
{
    const QString country = address.country.trimmed();
    if (!country.isEmpty())
        return countryCode(country);
    if (!address.countryCode.trimmed().isEmpty())
        return countryCode(address.countryCode.trimmed());
    return home.toString().toUpper();
}

QStringList envelopeLines(const QString &name, const QString &organisation, const PostalAddress &address,
                          QStringView home)
{
    QStringList lines;
    if (!address.hasParts()) {
        lines << name.trimmed() << organisation.trimmed() << address.label;
        lines.removeAll(QString());
        return lines;
    }
    const QString code = addressCountry(address, home);
    const AddressFormat &format = addressFormat(code);
    const QString fmt = formatFor(code, inLatinLetters(address.street + QStringList{address.locality, address.region}));
    const QString region = address.region.trimmed().compare(address.locality.trimmed(), Qt::CaseInsensitive) == 0
        ? QString()
        : address.region;
    const Values values{name, organisation, address, region, QStringView(format.upper)};
    for (const QStringView line : QStringView(fmt).split(u"%n")) {
        if (line == u"%A") {
            for (const QString &street : address.street)
                lines << (values.upper.contains(u'A') ? street.toUpper() : street);
        } else if (const QString written = formatLine(line, values); !written.isEmpty()) {
            lines << written;
        }
    }
    const QString country = address.country.trimmed();
    const bool abroad = code.isEmpty() ? !country.isEmpty() : code.compare(home, Qt::CaseInsensitive) != 0;
    if (abroad) {
        const QString known = code.isEmpty() ? QString() : QString::fromUtf16(format.name);
        lines << (known.isEmpty() ? country.toUpper() : known);
    }
    return lines;
}

QStringList addressLines(const PostalAddress &address, QStringView home)
{
    return envelopeLines({}, {}, address, home);
}

QString postalCodeMisfit(const PostalAddress &address, QStringView home)
{
    const QString postalCode = address.postalCode.trimmed();
    const QString code = addressCountry(address, home);
    if (postalCode.isEmpty() || code.isEmpty())
        return {};
    const AddressFormat &format = addressFormat(code);
    if (std::strcmp(format.code, "ZZ") == 0 || *format.zip == 0)
        return {};
    // Compiled once per country: a review may ask for ten thousand contacts.
    static QHash<const AddressFormat *, QRegularExpression> patterns;
    auto pattern = patterns.constFind(&format);
    if (pattern == patterns.constEnd())
        pattern =
            patterns.insert(&format,
                            QRegularExpression(QRegularExpression::anchoredPattern(QString::fromUtf16(format.zip)),
                                               QRegularExpression::CaseInsensitiveOption));
    return pattern->match(postalCode).hasMatch() ? QString() : code;
}

// SPDX-License-Identifier: GPL-3.0-or-later
#include "contacts/entryparts.h"

#include "contacts/addresslayouts.h"
#include "contacts/countrynames.h"

#include <QRegularExpression>

#include <bit>
#include <tuple>

namespace {

// One line of a format: its fields (C, S, Z, ...) and the text around
// them, texts[i] before fields[i], the last text after the last field.
struct FormatLine
{
    QList<QChar> fields;
    QStringList texts;
};

FormatLine parseLine(QStringView line)
{
    FormatLine parsed;
    qsizetype from = 0;
    for (qsizetype at = line.indexOf(u'%'); at >= 0 && at + 1 < line.size(); at = line.indexOf(u'%', from)) {
        parsed.texts << line.sliced(from, at - from).toString();
        parsed.fields << line[at + 1];
        from = at + 2;
    }
    parsed.texts << line.sliced(from).toString();
    return parsed;
}

// The pattern a line written with only the fields in `kept` matches, with
// the text around fields as the layout writes it.
QString patternOf(const FormatLine &line, unsigned kept, QStringView zip)
{
    QString pattern;
    bool first = true;
    for (qsizetype i = 0; i < line.fields.size(); ++i) {
        if (!(kept & (1u << i)))
            continue;
        // Two fields with nothing between them cannot be told apart.
        if (!first && line.texts[i].isEmpty())
            return {};
        if (!first || i == 0)
            pattern += QRegularExpression::escape(line.texts[i]).replace(QStringLiteral("\\ "), QStringLiteral("\\s+"));
        first = false;
        const QChar field = line.fields[i];
        QString value = field == u'C' ? QStringLiteral(".+") : QStringLiteral(".+?");
        if (field == u'Z' && !zip.isEmpty())
            value = QStringLiteral("(?:%1)").arg(zip);
        pattern += QStringLiteral("(?<%1>%2)").arg(QString(field), value);
    }
    if (kept & (1u << (line.fields.size() - 1)))
        pattern += QRegularExpression::escape(line.texts.last());
    return QRegularExpression::anchoredPattern(QStringLiteral("\\s*") + pattern + QStringLiteral("\\s*"));
}

// Fills the address's parts from a line the format's line writes; false
// when it does not fit, whichever of its fields are left out.
bool matchLine(const FormatLine &line, const QString &text, QStringView zip, PostalAddress &address)
{
    const int count = int(std::min<qsizetype>(line.fields.size(), 8));
    if (count == 0)
        return text.compare(line.texts.first(), Qt::CaseInsensitive) == 0;
    // The fields an address has (no district or sorting code), most first,
    // among as many those with a postal code (whose pattern is known), then
    // with a town.
    unsigned known = 0;
    for (int i = 0; i < count; ++i) {
        if (QStringView(u"ACSZN").contains(line.fields[i]))
            known |= 1u << i;
    }
    const auto weight = [&line, count](unsigned mask) {
        int has[2] = {};
        for (int i = 0; i < count; ++i) {
            if (mask & (1u << i))
                has[0] += line.fields[i] == u'Z', has[1] += line.fields[i] == u'C';
        }
        return std::tuple(std::popcount(mask), has[0], has[1]);
    };
    QList<unsigned> masks;
    for (unsigned mask = known; mask > 0; mask = (mask - 1) & known)
        masks << mask;
    std::stable_sort(masks.begin(), masks.end(), [&](unsigned a, unsigned b) { return weight(a) > weight(b); });
    for (const unsigned mask : std::as_const(masks)) {
        const QString written = patternOf(line, mask, zip);
        if (written.isEmpty())
            continue;
        const QRegularExpression pattern(written, QRegularExpression::CaseInsensitiveOption);
        const QRegularExpressionMatch match = pattern.match(text);
        if (!match.hasMatch())
            continue;
        for (const auto &[field, part] :
             {std::pair{u"C", &PostalAddress::locality}, std::pair{u"S", &PostalAddress::region},
              std::pair{u"Z", &PostalAddress::postalCode}}) {
            // The comma that ends a town ("Raleigh, NC") is the line's.
            QString value = match.captured(QStringView(field)).trimmed();
            while (value.endsWith(u','))
                value.chop(1);
            if (!value.isEmpty())
                address.*part = value.trimmed();
        }
        return true;
    }
    return false;
}

bool hasDigit(const QString &text)
{
    return std::any_of(text.cbegin(), text.cend(), [](QChar c) { return c.isDigit(); });
}

} // namespace

EntryParts entryParts(const QStringList &lines, QStringView home)
{
    EntryParts parts;
    QStringList body = lines;
    body.removeAll(QString());
    QString code = home.toString().toUpper();
    if (body.size() > 2) {
        if (const QString named = countryCode(body.last()); !named.isEmpty()) {
            parts.address.country = body.takeLast();
            code = named;
        }
    }
    const QString zip = QString::fromUtf16(addressFormat(code).zip);
    QList<FormatLine> format;
    const QString fmt = formatFor(code, inLatinLetters(body));
    for (const QStringView line : QStringView(fmt).split(u"%n"))
        format << parseLine(line);
    const qsizetype street =
        std::find_if(format.cbegin(), format.cend(), [](const FormatLine &l) { return l.fields == QList<QChar>{u'A'}; })
        - format.cbegin();
    const auto only = [](const FormatLine &line, QChar field) { return line.fields == QList<QChar>{field}; };
    const auto nameAt = std::find_if(format.cbegin(), format.cend(), [&](const FormatLine &l) { return only(l, u'N'); })
        - format.cbegin();
    // Below the street: as many of the format's lines as the entry has
    // lines to spare beside the name and one street line, a region or a
    // district alone given up first.
    QList<FormatLine> below = format.mid(street + 1);
    below.removeIf([&](const FormatLine &l) { return only(l, u'O') || l.fields.isEmpty(); });
    const qsizetype spare = body.size() - 1 - (nameAt < street ? 1 : 0);
    while (!below.isEmpty() && below.size() > spare) {
        const auto optional = std::find_if(below.cbegin(), below.cend(), [](const FormatLine &l) {
            return !l.fields.contains(u'C') && !l.fields.contains(u'Z') && !l.fields.contains(u'N');
        });
        below.removeAt(optional != below.cend() ? optional - below.cbegin() : 0);
    }
    qsizetype top = 0;
    qsizetype bottom = body.size();
    // From the last line up; a line that does not fit is one the entry
    // left out.
    for (qsizetype i = below.size() - 1; i >= 0 && top < bottom; --i) {
        if (only(below[i], u'N'))
            parts.name = body[--bottom];
        else if (matchLine(below[i], body[bottom - 1], zip, parts.address))
            --bottom;
    }
    bool organisation = false;
    for (qsizetype i = 0; i < std::min(street, format.size()) && bottom - top > 1; ++i) {
        if (only(format[i], u'N'))
            parts.name = body[top++];
        else if (only(format[i], u'O'))
            organisation = true;
        else if (!format[i].fields.isEmpty() && matchLine(format[i], body[top], zip, parts.address))
            ++top;
    }
    if (parts.name.isEmpty() && top < bottom)
        parts.name = body[top++];
    // An organisation's line carries no house number.
    if (organisation && bottom - top >= 2 && !hasDigit(body[top]))
        parts.organisation = body[top++];
    parts.address.street = body.mid(top, bottom - top);
    QStringList label = lines;
    label.removeAll(QString());
    label.removeOne(parts.name);
    if (!parts.organisation.isEmpty())
        label.removeOne(parts.organisation);
    parts.address.label = label;
    return parts;
}

// SPDX-License-Identifier: GPL-3.0-or-later
#include "contacts/csvcolumns.h"

#include "contacts/contacttexts.h"
#include "contacts/contactwriters.h"

#include <QRegularExpression>
#include <QSet>

#include <algorithm>
#include <map>
#include <optional>
#include <utility>

namespace {

QString normalised(QStringView header)
{
    return header.toString().toLower().simplified();
}

enum class Part { Type, Street, City, Region, PostalCode, Country, Formatted };

// An address column's name, less the prefix that says whose address it is.
struct PartName
{
    const char16_t *name;
    Part part;
    int streetRank = 0; // where a street column's lines go among the others
};

constexpr PartName kGoogleParts[] = {
    {u"type", Part::Type},
    {u"label", Part::Type},
    {u"formatted", Part::Formatted},
    {u"extended address", Part::Street, 0},
    {u"street", Part::Street, 1},
    {u"po box", Part::Street, 2},
    {u"city", Part::City},
    {u"region", Part::Region},
    {u"postal code", Part::PostalCode},
    {u"country", Part::Country},
};
constexpr PartName kOutlookParts[] = {
    {u"street", Part::Street, 0}, {u"street 2", Part::Street, 1},       {u"street 3", Part::Street, 2},
    {u"po box", Part::Street, 3}, {u"address po box", Part::Street, 3}, {u"city", Part::City},
    {u"state", Part::Region},     {u"postal code", Part::PostalCode},   {u"country/region", Part::Country},
    {u"country", Part::Country},
};
constexpr PartName kThunderbirdParts[] = {
    {u"address", Part::Street, 0}, {u"address 2", Part::Street, 1}, {u"city", Part::City},
    {u"state", Part::Region},      {u"zipcode", Part::PostalCode},  {u"country", Part::Country},
};
// Plain English headers of one address, as spreadsheets have them.
constexpr PartName kPlainParts[] = {
    {u"address", Part::Street, 0},
    {u"street", Part::Street, 0},
    {u"street address", Part::Street, 0},
    {u"address line 1", Part::Street, 0},
    {u"address line 2", Part::Street, 1},
    {u"address line 3", Part::Street, 2},
    {u"city", Part::City},
    {u"town", Part::City},
    {u"locality", Part::City},
    {u"state", Part::Region},
    {u"region", Part::Region},
    {u"province", Part::Region},
    {u"county", Part::Region},
    {u"state/province", Part::Region},
    {u"zip", Part::PostalCode},
    {u"zip code", Part::PostalCode},
    {u"zipcode", Part::PostalCode},
    {u"postal code", Part::PostalCode},
    {u"postcode", Part::PostalCode},
    {u"post code", Part::PostalCode},
    {u"country", Part::Country},
    {u"country/region", Part::Country},
};

template <size_t N>
const PartName *findPart(const PartName (&parts)[N], QStringView name)
{
    const auto it =
        std::find_if(std::begin(parts), std::end(parts), [name](const PartName &p) { return name == p.name; });
    return it == std::end(parts) ? nullptr : it;
}

PostalAddress::Kind kindNamed(QStringView word)
{
    if (word == u"home")
        return PostalAddress::Kind::Home;
    if (word == u"work" || word == u"business")
        return PostalAddress::Kind::Work;
    return word == u"other" ? PostalAddress::Kind::Other : PostalAddress::Kind::Unnamed;
}

// The addresses of one export's scheme: `pattern` parts a header into whose
// address it is (its first group) and which part (its second).
template <size_t N>
QList<CsvAddressColumns> addressColumns(const QStringList &header, const QRegularExpression &pattern,
                                        const PartName (&parts)[N], int *recognised)
{
    *recognised = 0;
    std::map<QString, int> byKey; // the address's index, by its key
    QList<CsvAddressColumns> addresses;
    QList<QList<std::pair<int, int>>> streets; // (rank, column) of each address
    for (int column = 0; column < header.size(); ++column) {
        const QRegularExpressionMatch match = pattern.match(normalised(header[column]));
        const PartName *part = match.hasMatch() ? findPart(parts, match.capturedView(2)) : nullptr;
        if (!part)
            continue;
        ++*recognised;
        const QString key = match.captured(1);
        auto [at, added] = byKey.try_emplace(key, int(addresses.size()));
        if (added) {
            addresses.append(CsvAddressColumns());
            addresses.last().kind = kindNamed(key);
            streets.append(QList<std::pair<int, int>>());
        }
        CsvAddressColumns &address = addresses[at->second];
        switch (part->part) {
        case Part::Type: address.type = column; break;
        case Part::Formatted: address.formatted = column; break;
        case Part::Street: streets[at->second].append({part->streetRank, column}); break;
        case Part::City: address.city << column; break;
        case Part::Region: address.region << column; break;
        case Part::PostalCode: address.postalCode << column; break;
        case Part::Country: address.country << column; break;
        }
    }
    for (qsizetype i = 0; i < addresses.size(); ++i) {
        std::stable_sort(streets[i].begin(), streets[i].end());
        for (const auto &[rank, column] : std::as_const(streets[i]))
            addresses[i].street << column;
    }
    // A type column alone is no address.
    addresses.removeIf([](const CsvAddressColumns &a) {
        return a.street.isEmpty() && a.city.isEmpty() && a.region.isEmpty() && a.postalCode.isEmpty()
            && a.country.isEmpty() && a.formatted < 0;
    });
    return addresses;
}

// The name's parts in the order they are said, and the organisation.
struct NameHeader
{
    const char16_t *name;
    int rank; // -1: the whole name; 0 to 4: prefix, given, middle, family, suffix; 5: organisation
};

constexpr NameHeader kNameHeaders[] = {
    {u"name", -1},           {u"full name", -1},   {u"display name", -1},     {u"name prefix", 0},
    {u"prefix", 0},          {u"first name", 1},   {u"given name", 1},        {u"middle name", 2},
    {u"additional name", 2}, {u"last name", 3},    {u"family name", 3},       {u"surname", 3},
    {u"suffix", 4},          {u"name suffix", 4},  {u"company", 5},           {u"company name", 5},
    {u"organization", 5},    {u"organisation", 5}, {u"organization name", 5}, {u"organization 1 - name", 5},
};

QString field(const QStringList &record, int column)
{
    return column >= 0 && column < record.size() ? record[column] : QString();
}

QString joined(const QStringList &record, const QList<int> &columns, QStringView separator)
{
    QStringList parts;
    for (int column : columns)
        parts << field(record, column);
    return joinNonEmpty(parts, separator);
}

PostalAddress addressOf(const QStringList &record, const CsvAddressColumns &columns)
{
    PostalAddress address;
    address.kind = columns.kind;
    for (int column : columns.street) {
        for (const QString &line : splitLines(field(record, column))) {
            if (!line.trimmed().isEmpty())
                address.street << line.trimmed();
        }
    }
    address.locality = joined(record, columns.city, u" ");
    address.region = joined(record, columns.region, u" ");
    address.postalCode = joined(record, columns.postalCode, u" ");
    address.country = joined(record, columns.country, u" ");
    for (const QString &line : splitLines(field(record, columns.formatted))) {
        if (!line.isEmpty())
            address.label << line;
    }
    // Google marks the primary address's type with a star: "* Home".
    const QString type = field(record, columns.type).trimmed();
    if (type.startsWith(u'*'))
        address.preference = 1;
    if (columns.type >= 0)
        address.kind = kindNamed(normalised(QStringView(type).sliced(type.startsWith(u'*') ? 1 : 0).trimmed()));
    return address;
}

const char *const kFieldKeys[] = {"", "name", "organisation", "street", "city", "region", "postalcode", "country"};

} // namespace

CsvColumns recogniseColumns(const QStringList &header)
{
    CsvColumns columns;
    static const QRegularExpression google(QStringLiteral("^address (\\d+) - (.+)$"));
    static const QRegularExpression outlook(QStringLiteral("^(business|home|other) (.+)$"));
    static const QRegularExpression thunderbird(QStringLiteral("^(home|work) (.+)$"));
    static const QRegularExpression plain(QStringLiteral("^()(.+)$"));
    // The exports share some names ("Home City" is Outlook's and
    // Thunderbird's): the one that names the most columns is the file's.
    int most = 0;
    const auto tryScheme = [&](const char *source, auto found, int recognised) {
        if (recognised > most && !found.isEmpty()) {
            most = recognised;
            columns.addresses = found;
            columns.source = QString::fromLatin1(source);
        }
    };
    int recognised = 0;
    auto found = addressColumns(header, google, kGoogleParts, &recognised);
    tryScheme("Google Contacts", found, recognised);
    found = addressColumns(header, outlook, kOutlookParts, &recognised);
    tryScheme("Outlook", found, recognised);
    found = addressColumns(header, thunderbird, kThunderbirdParts, &recognised);
    tryScheme("Thunderbird", found, recognised);
    if (columns.addresses.isEmpty())
        columns.addresses = addressColumns(header, plain, kPlainParts, &recognised);
    if (header.join(u',') == kCsvHeader)
        columns.source = QStringLiteral("Quillon");

    QList<std::pair<int, int>> parts; // (rank, column)
    for (int column = 0; column < header.size(); ++column) {
        const QString name = normalised(header[column]);
        // Outlook's "Title" is the name's prefix (Mr., Dr.), not a job.
        const int outlookTitle = columns.source == u"Outlook" && name == u"title" ? 0 : -2;
        const auto known = std::find_if(std::begin(kNameHeaders), std::end(kNameHeaders),
                                        [&name](const NameHeader &h) { return name == h.name; });
        const int rank = known != std::end(kNameHeaders) ? known->rank : outlookTitle;
        if (rank == -1 && columns.fullName < 0)
            columns.fullName = column;
        else if (rank == 5)
            columns.organisation << column;
        else if (rank >= 0)
            parts.append({rank, column});
    }
    std::stable_sort(parts.begin(), parts.end());
    for (const auto &[rank, column] : std::as_const(parts))
        columns.nameParts << column;
    return columns;
}

CsvColumns columnsFromFields(const QList<ContactField> &fields)
{
    CsvColumns columns;
    CsvAddressColumns address;
    for (int column = 0; column < fields.size(); ++column) {
        switch (fields[column]) {
        case ContactField::Ignored: break;
        case ContactField::Name: columns.nameParts << column; break;
        case ContactField::Organisation: columns.organisation << column; break;
        case ContactField::Street: address.street << column; break;
        case ContactField::City: address.city << column; break;
        case ContactField::Region: address.region << column; break;
        case ContactField::PostalCode: address.postalCode << column; break;
        case ContactField::Country: address.country << column; break;
        }
    }
    if (!address.street.isEmpty() || !address.city.isEmpty() || !address.region.isEmpty()
        || !address.postalCode.isEmpty() || !address.country.isEmpty())
        columns.addresses << address;
    return columns;
}

QList<ContactField> fieldsOf(const CsvColumns &columns, int count)
{
    QList<ContactField> fields(count, ContactField::Ignored);
    const auto mark = [&fields](const QList<int> &at, ContactField field) {
        for (const int column : at) {
            if (column >= 0 && column < fields.size())
                fields[column] = field;
        }
    };
    mark({columns.fullName}, ContactField::Name);
    mark(columns.nameParts, ContactField::Name);
    mark(columns.organisation, ContactField::Organisation);
    for (const CsvAddressColumns &address : columns.addresses) {
        mark(address.street, ContactField::Street);
        mark(address.city, ContactField::City);
        mark(address.region, ContactField::Region);
        mark(address.postalCode, ContactField::PostalCode);
        mark(address.country, ContactField::Country);
    }
    return fields;
}

bool lacksNameOrPostalCode(const CsvColumns &columns, int count)
{
    QList<int> used = columns.nameParts + columns.organisation + QList<int>{columns.fullName};
    bool postalCode = false;
    for (const CsvAddressColumns &a : columns.addresses) {
        used += a.street + a.city + a.region + a.postalCode + a.country + QList<int>{a.type, a.formatted};
        postalCode = postalCode || !a.postalCode.isEmpty() || a.formatted >= 0;
    }
    const bool name = columns.fullName >= 0 || !columns.nameParts.isEmpty();
    used.removeAll(-1);
    return (!name || !postalCode) && QSet<int>(used.cbegin(), used.cend()).size() < count;
}

ContactsRead contactsFromCsv(const CsvTable &table, const CsvColumns &columns, const ReadProgress &progress)
{
    ContactsRead read;
    read.cut = table.cut;
    // What was read before the broken part is offered all the same.
    if (table.stoppedAt > 0)
        read.skipped.append({ContactTexts::atLine(table.stoppedAt), table.problem});
    for (qsizetype i = 1; i < table.records.size(); ++i) {
        if (progress && i % 256 == 0 && !progress(i, table.records.size())) {
            read.cancelled = true;
            return read;
        }
        const QStringList &record = table.records[i];
        if (joinNonEmpty(record, u"").isEmpty())
            continue;
        Contact contact;
        contact.line = table.lines.value(i);
        // As written, like vCard's FN: a label that repeats it is known by it.
        contact.name = field(record, columns.fullName);
        if (contact.name.trimmed().isEmpty())
            contact.name = joined(record, columns.nameParts, u" ");
        contact.organisation = joined(record, columns.organisation, u", ");
        for (const CsvAddressColumns &address : columns.addresses) {
            contact.addresses << addressOf(record, address);
            // Quillon's own export: the name, the organisation, then the
            // entry's other lines.
            if (columns.source == u"Quillon") {
                PostalAddress &exported = contact.addresses.last();
                exported.ownExport = true;
                for (const QString &line : {contact.organisation, contact.name}) {
                    if (!line.isEmpty())
                        exported.label.prepend(line);
                }
            }
        }
        read.take(std::move(contact));
    }
    return read;
}

QString mappingSetting(const QStringList &header, const QList<ContactField> &fields)
{
    QStringList lines;
    for (int column = 0; column < std::min(header.size(), fields.size()); ++column) {
        if (fields[column] != ContactField::Ignored)
            lines << QString::fromLatin1(kFieldKeys[int(fields[column])]) + u'\t' + header[column].simplified();
    }
    return lines.join(u'\n');
}

QList<ContactField> mappingFor(const QStringList &header, QStringView setting)
{
    QList<ContactField> fields(header.size(), ContactField::Ignored);
    for (const QStringView line : setting.split(u'\n')) {
        const qsizetype tab = line.indexOf(u'\t');
        if (tab < 0)
            continue;
        const auto key = std::find_if(std::begin(kFieldKeys), std::end(kFieldKeys),
                                      [&](const char *k) { return line.first(tab) == QLatin1String(k); });
        if (key == std::begin(kFieldKeys) || key == std::end(kFieldKeys))
            continue;
        for (int column = 0; column < header.size(); ++column) {
            if (header[column].simplified().compare(line.sliced(tab + 1), Qt::CaseInsensitive) == 0)
                fields[column] = ContactField(key - std::begin(kFieldKeys));
        }
    }
    return fields;
}

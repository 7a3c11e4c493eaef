// SPDX-License-Identifier: GPL-3.0-or-later
#include "contacts/vcardreader.h"

#include "contacts/contactencoding.h"
#include "contacts/contacttexts.h"
#include "contacts/contactwriters.h"
#include "contacts/vcardvalue.h"

#include <QHash>

#include <algorithm>
#include <optional>
#include <utility>

namespace {

// Physical lines, ended by CR LF, LF or CR, with their numbers from 1.
class Lines
{
public:
    explicit Lines(QStringView text) : m_text(text) {}

    bool atEnd() const { return m_at >= m_text.size(); }
    qsizetype position() const { return m_at; }
    int number() const { return m_number; }
    QStringView peek() { return m_text.sliced(m_at, lineEnd() - m_at); }
    QStringView next()
    {
        const qsizetype end = lineEnd();
        const QStringView line = m_text.sliced(m_at, end - m_at);
        m_end = -1;
        m_at = pastLineBreak(m_text, end);
        ++m_number;
        return line;
    }

private:
    // Found once for the line ahead, whether peeked at or taken.
    qsizetype lineEnd()
    {
        if (m_end >= 0)
            return m_end;
        const char16_t *const begin = m_text.utf16();
        const char16_t *at = begin + m_at;
        const char16_t *const end = begin + m_text.size();
        while (at != end && *at != u'\n' && *at != u'\r')
            ++at;
        return m_end = at - begin;
    }

    QStringView m_text;
    qsizetype m_at = 0;
    qsizetype m_end = -1;
    int m_number = 0;
};

struct Parameter
{
    QString name; // upper case; empty for a value without a name (2.1's WORK)
    QString value;
};

struct Property
{
    QString group; // lower case
    QString name;  // upper case
    QList<Parameter> parameters;
    QStringList types; // TYPE values and values without a name, in lower case
    QString value;     // quoted-printable and charset undone, escapes still in

    QString parameter(QStringView wanted) const
    {
        for (const Parameter &p : parameters) {
            if (p.name == wanted)
                return p.value;
        }
        return {};
    }
    bool encoded(QStringView encoding) const
    {
        return parameter(u"ENCODING").compare(encoding, Qt::CaseInsensitive) == 0
            || types.contains(encoding, Qt::CaseInsensitive);
    }
};

// The properties an envelope needs, and the frame of a card; the others
// (a photo, phones, notes) are passed over unread.
constexpr QStringView kWanted[] = {u"BEGIN",
                                   u"END",
                                   u"VERSION",
                                   u"PRODID",
                                   u"FN",
                                   u"N",
                                   u"ORG",
                                   u"ADR",
                                   u"LABEL",
                                   u"X-ABADR",
                                   u"KIND",
                                   u"AGENT",
                                   u"X-ADDRESSBOOKSERVER-KIND"};

bool wanted(QStringView line)
{
    qsizetype end = 0;
    while (end < line.size() && line[end] != u';' && line[end] != u':')
        ++end;
    QStringView name = line.first(end).trimmed();
    name = name.sliced(name.indexOf(u'.') + 1);
    return std::any_of(std::begin(kWanted), std::end(kWanted), [name](QStringView w) {
        return name.size() == w.size() && name.compare(w, Qt::CaseInsensitive) == 0;
    });
}

// Splits at `separator` where no double quote is open.
QList<QStringView> splitOutsideQuotes(QStringView text, QChar separator)
{
    QList<QStringView> parts;
    bool quoted = false;
    qsizetype from = 0;
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (text[i] == u'"')
            quoted = !quoted;
        else if (text[i] == separator && !quoted) {
            parts << text.sliced(from, i - from);
            from = i + 1;
        }
    }
    parts << text.sliced(from);
    return parts;
}

qsizetype colonOutsideQuotes(QStringView line)
{
    bool quoted = false;
    for (qsizetype i = 0; i < line.size(); ++i) {
        if (line[i] == u'"')
            quoted = !quoted;
        else if (line[i] == u':' && !quoted)
            return i;
    }
    return -1;
}

int hexValue(QChar c)
{
    const char16_t u = c.unicode();
    if (u >= u'0' && u <= u'9')
        return u - u'0';
    if (u >= u'A' && u <= u'F')
        return u - u'A' + 10;
    if (u >= u'a' && u <= u'f')
        return u - u'a' + 10;
    return -1;
}

QByteArray fromQuotedPrintable(QStringView text)
{
    QByteArray bytes;
    bytes.reserve(text.size());
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text[i];
        if (c == u'=' && i + 2 < text.size() && hexValue(text[i + 1]) >= 0 && hexValue(text[i + 2]) >= 0) {
            bytes += char(hexValue(text[i + 1]) * 16 + hexValue(text[i + 2]));
            i += 2;
        } else if (c.unicode() < 0x80) {
            bytes += char(c.unicode());
        } else {
            // Characters a writer left unencoded: a run of them, as UTF-8.
            qsizetype end = i;
            while (end < text.size() && text[end].unicode() >= 0x80)
                ++end;
            bytes += text.sliced(i, end - i).toUtf8();
            i = end - 1;
        }
    }
    return bytes;
}

std::optional<Property> parseProperty(QStringView line)
{
    const qsizetype colon = colonOutsideQuotes(line);
    if (colon < 0)
        return std::nullopt;
    const QList<QStringView> head = splitOutsideQuotes(line.first(colon), u';');
    Property property;
    const QStringView name = head.first().trimmed();
    const qsizetype dot = name.indexOf(u'.');
    property.group = name.first(std::max<qsizetype>(dot, 0)).toString().toLower();
    property.name = name.sliced(dot + 1).toString().toUpper();
    for (qsizetype i = 1; i < head.size(); ++i) {
        const QStringView p = head[i].trimmed();
        const qsizetype eq = p.indexOf(u'=');
        QStringView value = eq < 0 ? p : p.sliced(eq + 1).trimmed();
        if (value.size() >= 2 && value.startsWith(u'"') && value.endsWith(u'"'))
            value = value.sliced(1, value.size() - 2);
        property.parameters.append({eq < 0 ? QString() : p.first(eq).trimmed().toString().toUpper(), value.toString()});
        if (eq < 0)
            property.types << value.toString().toLower();
        else if (property.parameters.last().name == u"TYPE")
            property.types += value.toString().toLower().split(u',', Qt::SkipEmptyParts);
    }
    const QStringView value = line.sliced(colon + 1);
    property.value = property.encoded(u"QUOTED-PRINTABLE")
        ? decodeCharset(fromQuotedPrintable(value), property.parameter(u"CHARSET"))
        : value.toString();
    return property;
}

bool quotedPrintableHead(QStringView line)
{
    const qsizetype colon = colonOutsideQuotes(line);
    return colon > 0 && line.first(colon).contains(u"QUOTED-PRINTABLE", Qt::CaseInsensitive);
}

// A label's lines as written: only empty ones are dropped.
QStringList labelLines(const QString &text)
{
    QStringList lines;
    for (const QString &line : splitLines(text)) {
        if (!line.isEmpty())
            lines << line;
    }
    return lines;
}

// A parameter value's own escapes (RFC 6868's ^n, ^^ and ^'). Others'
// labels may use the backslash ones too, as the 4.0 standard's own LABEL
// example does.
QString unescapeCaret(QStringView value)
{
    QString text;
    for (qsizetype i = 0; i < value.size(); ++i) {
        if (value[i] == u'^' && i + 1 < value.size()) {
            const QChar c = value[i + 1];
            if (c == u'n' || c == u'N' || c == u'^' || c == u'\'') {
                text += c == u'^' ? QChar(u'^') : c == u'\'' ? QChar(u'"') : QChar(u'\n');
                ++i;
                continue;
            }
        }
        text += value[i];
    }
    return text;
}

// A LABEL property's kind, or an address's, from its types.
PostalAddress::Kind kindOf(const QStringList &types)
{
    if (types.contains(QStringLiteral("home")))
        return PostalAddress::Kind::Home;
    if (types.contains(QStringLiteral("work")))
        return PostalAddress::Kind::Work;
    if (types.contains(QStringLiteral("other")))
        return PostalAddress::Kind::Other;
    return PostalAddress::Kind::Unnamed;
}

// One part of a structured value whose items (4.0 and 3.0 lists) are parted
// by commas: the items joined by `separator`.
QString listPart(QStringView part, QStringView separator)
{
    QStringList items;
    for (const QStringView item : splitComponents(part, u','))
        items << unescapeValue(item);
    return joinNonEmpty(items, separator);
}

// N: family; given; additional; prefixes; suffixes, said in the order
// people write a name on an envelope.
QString nameFromParts(const QList<QStringView> &parts)
{
    QStringList said;
    for (const qsizetype i : {3, 1, 2, 0, 4}) {
        if (i < parts.size())
            said << listPart(parts[i], u" ");
    }
    return joinNonEmpty(said, u" ");
}

// ORG: the organisation and its units.
QString joinedParts(const QList<QStringView> &parts)
{
    QStringList units;
    for (const QStringView part : parts)
        units << unescapeValue(part);
    return joinNonEmpty(units, u", ");
}

// The lines of an ADR part: escaped line breaks part them, and in 4.0 the
// commas that part a list's items as well.
QStringList streetLines(QStringView part, bool listItemsAreLines)
{
    QStringList lines;
    for (const QStringView item : listItemsAreLines ? splitComponents(part, u',') : QList<QStringView>{part}) {
        for (const QString &line : splitLines(unescapeValue(item))) {
            if (!line.trimmed().isEmpty())
                lines << line.trimmed();
        }
    }
    return lines;
}

struct LabelProperty
{
    QString group;
    PostalAddress::Kind kind;
    int preference;
    QStringList lines;
};

class CardBuilder
{
public:
    explicit CardBuilder(int line) { m_contact.line = line; }

    int line() const { return m_contact.line; }
    // Whether a card that starts now is this one's AGENT (vCard 2.1 writes
    // it on the lines after an empty AGENT value).
    bool expectsAgent() const { return m_agentFollows; }

    void add(const Property &p)
    {
        if (p.encoded(u"B") || p.encoded(u"BASE64"))
            return; // a photo or a key: nothing for an envelope
        m_agentFollows = false;
        if (p.name == u"VERSION") {
            m_version4 = p.value.trimmed().startsWith(u'4');
        } else if (p.name == u"PRODID") {
            m_ownExport = p.value.trimmed() == kProdId;
        } else if (p.name == u"FN") {
            if (!unescapeValue(p.value).trimmed().isEmpty() && m_contact.name.isEmpty())
                m_contact.name = unescapeValue(p.value);
        } else if (p.name == u"N") {
            m_nameFromParts = nameFromParts(splitComponents(p.value));
        } else if (p.name == u"ORG") {
            if (m_contact.organisation.isEmpty())
                m_contact.organisation = joinedParts(splitComponents(p.value));
        } else if (p.name == u"ADR") {
            addAddress(p);
        } else if (p.name == u"LABEL") {
            m_labels.append({p.group, kindOf(p.types), preferenceOf(p), labelLines(unescapeValue(p.value))});
        } else if (p.name == u"X-ABADR") {
            m_countryCodes.insert(p.group, p.value.trimmed().toUpper());
        } else if (p.name == u"AGENT") {
            // 3.0 writes the agent's card as an escaped value.
            const QString value = unescapeValue(p.value).trimmed();
            m_agentFollows = value.isEmpty();
            if (value.startsWith(u"BEGIN:VCARD", Qt::CaseInsensitive))
                m_agents.append(readVCards(value).contacts);
        } else if (p.name == u"KIND" || p.name == u"X-ADDRESSBOOKSERVER-KIND") {
            m_group = p.value.trimmed().compare(u"group", Qt::CaseInsensitive) == 0;
        }
    }

    void finishInto(ContactsRead &read)
    {
        if (m_contact.name.isEmpty())
            m_contact.name = m_nameFromParts;
        for (qsizetype i = 0; i < m_contact.addresses.size(); ++i) {
            const QString code = m_countryCodes.value(m_groups[i]);
            if (!m_groups[i].isEmpty() && !code.isEmpty())
                m_contact.addresses[i].countryCode = code;
        }
        for (const LabelProperty &label : std::as_const(m_labels))
            attach(label);
        read.take(std::move(m_contact), m_group);
        for (Contact &agent : m_agents)
            read.take(std::move(agent));
    }

private:
    static int preferenceOf(const Property &p)
    {
        bool number = false;
        const int pref = p.parameter(u"PREF").toInt(&number);
        if (number && pref > 0)
            return pref;
        return p.types.contains(QStringLiteral("pref")) ? 1 : PostalAddress::kNoPreference;
    }

    void addAddress(const Property &p)
    {
        const QList<QStringView> parts = splitComponents(p.value);
        const auto part = [&parts](qsizetype i) { return i < parts.size() ? parts[i] : QStringView(); };
        PostalAddress address;
        address.kind = kindOf(p.types);
        address.preference = preferenceOf(p);
        // Extended address, then the street, then the post office box. A 4.0
        // street may list several lines, parted by commas.
        address.street = streetLines(part(1), false) + streetLines(part(2), m_version4) + streetLines(part(0), false);
        address.locality = unescapeValue(part(3)).trimmed();
        address.region = unescapeValue(part(4)).trimmed();
        address.postalCode = unescapeValue(part(5)).trimmed();
        address.country = unescapeValue(part(6)).trimmed();
        const QString label = p.parameter(u"LABEL");
        if (!label.isEmpty())
            address.label = labelLines(m_ownExport ? unescapeCaret(label) : unescapeValue(unescapeCaret(label)));
        address.ownExport = m_ownExport;
        m_contact.addresses.append(address);
        m_groups.append(p.group);
    }

    // A LABEL property goes with the address of its group, or of its kind;
    // alone, it is an address of its own.
    void attach(const LabelProperty &label)
    {
        if (label.lines.isEmpty())
            return;
        for (qsizetype i = 0; i < m_contact.addresses.size(); ++i) {
            PostalAddress &address = m_contact.addresses[i];
            const bool sameGroup = !label.group.isEmpty() && label.group == m_groups[i];
            const bool sameKind = label.group.isEmpty() && m_groups[i].isEmpty() && label.kind == address.kind;
            if ((sameGroup || sameKind) && address.label.isEmpty()) {
                address.label = label.lines;
                return;
            }
        }
        PostalAddress address;
        address.kind = label.kind;
        address.preference = label.preference;
        address.label = label.lines;
        m_contact.addresses.append(address);
        m_groups.append(label.group);
    }

    Contact m_contact;
    QString m_nameFromParts;
    QStringList m_groups; // each address's group
    QList<LabelProperty> m_labels;
    QHash<QString, QString> m_countryCodes; // Apple's X-ABADR, by group
    bool m_version4 = false;
    bool m_group = false;
    bool m_ownExport = false;
    bool m_agentFollows = false;
    QList<Contact> m_agents; // cards given as an AGENT's value
};

} // namespace

ContactsRead readVCards(QStringView text, const ReadProgress &progress)
{
    ContactsRead read;
    Lines lines(text);
    // The cards open at this line: an AGENT's card inside the one before.
    std::vector<CardBuilder> cards;
    bool version21 = false;
    int outsideFrom = 0; // where a run of lines outside any card starts
    const auto skip = [&read](int line, const QString &problem) {
        read.skipped.append({ContactTexts::atLine(line), problem});
    };
    for (int count = 0; !lines.atEnd(); ++count) {
        if (progress && count % 512 == 0 && !progress(lines.position(), text.size())) {
            read.cancelled = true;
            return read;
        }
        const QStringView first = lines.next();
        const int number = lines.number();
        // Outside a card every line counts: it must start one.
        const bool needed = cards.empty() || wanted(first);
        // Folded lines go on with a space or a tab, which 3.0 and 4.0 drop
        // and 2.1 keeps; a quoted-printable value goes on after a final "=".
        const bool quotedPrintable = first.endsWith(u'=') && quotedPrintableHead(first);
        QString logical;
        bool joined = false;
        bool cut = first.size() > kLongestValue;
        QStringView last = first;
        while (!lines.atEnd()) {
            const QStringView following = lines.peek();
            const bool softBreak = quotedPrintable && last.endsWith(u'=');
            if (!softBreak && (following.isEmpty() || (following[0] != u' ' && following[0] != u'\t')))
                break;
            if (needed && logical.size() <= kLongestValue) {
                if (!std::exchange(joined, true))
                    logical = first.first(std::min(first.size(), kLongestValue)).toString();
                if (softBreak)
                    logical.chop(1), logical += following;
                else
                    logical += version21 ? following : following.sliced(1);
            } else if (needed) {
                cut = true;
            }
            last = following;
            lines.next();
        }
        QStringView line = joined ? QStringView(logical) : first;
        if (needed && (cut || line.size() > kLongestValue)) {
            // A value no envelope needs whole, kept to its start.
            line = line.first(std::min(line.size(), kLongestValue));
            ++read.cut;
        }
        if (!needed || line.trimmed().isEmpty())
            continue;
        const std::optional<Property> property = parseProperty(line);
        const bool frame = property && (property->name == u"BEGIN" || property->name == u"END")
            && property->value.trimmed().compare(u"VCARD", Qt::CaseInsensitive) == 0;
        if (!frame && !cards.empty()) {
            // Lines a card does not need (an unnamed piece of a photo) pass.
            if (property && property->name == u"VERSION")
                version21 = property->value.trimmed() == u"2.1";
            if (property)
                cards.back().add(*property);
            continue;
        }
        if (!frame) {
            // One note for a run of lines that belong to no card.
            if (outsideFrom == 0)
                outsideFrom = number;
            continue;
        }
        if (const int from = std::exchange(outsideFrom, 0); from > 0)
            skip(from, ContactTexts::outsideVCard());
        if (property->name == u"BEGIN") {
            if (!cards.empty() && !cards.back().expectsAgent()) {
                // The open card was cut off: what it read is not trusted.
                skip(number, ContactTexts::vCardInsideVCard(cards.front().line()));
                cards.clear();
            }
            cards.emplace_back(number);
            version21 = false;
        } else if (cards.empty()) {
            skip(number, ContactTexts::endWithoutBegin());
        } else {
            CardBuilder card = std::move(cards.back());
            cards.pop_back();
            card.finishInto(read);
        }
    }
    if (outsideFrom > 0)
        skip(outsideFrom, ContactTexts::outsideVCard());
    if (!cards.empty())
        skip(cards.front().line(), ContactTexts::vCardNeverEnds(cards.front().line()));
    return read;
}

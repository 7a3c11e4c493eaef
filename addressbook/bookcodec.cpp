// SPDX-License-Identifier: GPL-3.0-or-later
#include "addressbook/bookcodec.h"

#include "addressbook/addresstext.h"

#include <QStringDecoder>
#include <QStringTokenizer>

#include <algorithm>
#include <array>
#include <optional>

namespace {

// Windows-1252 from 0x80 to 0x9F. The five bytes the code page leaves
// undefined stand for the control characters of the same value, so every
// byte has a character and back.
constexpr std::array<char16_t, 32> kHighControls = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, //
    0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F, //
    0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014, //
    0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178, //
};

constexpr char kBom[] = "\xEF\xBB\xBF";

bool startsWithBom(QByteArrayView bytes)
{
    return bytes.startsWith(QByteArrayView(kBom, 3));
}

// Whether Windows-1252 and Latin-1 agree on this character: below 0x80
// and from 0xA0 to 0xFF.
bool isPlain(char16_t c)
{
    return c < 0x80 || (c >= 0xA0 && c <= 0xFF);
}

// Windows-1252 bytes of the text, or none when a character does not fit.
// Latin-1 does the plain range; the rest is looked up.
std::optional<QByteArray> encodeWindows1252(QStringView text)
{
    QByteArray bytes = text.toLatin1();
    for (qsizetype i = 0; i < text.size(); ++i) {
        const char16_t c = text[i].unicode();
        if (isPlain(c))
            continue;
        const auto it = std::find(kHighControls.begin(), kHighControls.end(), c);
        if (it == kHighControls.end())
            return std::nullopt;
        bytes[i] = char(0x80 + (it - kHighControls.begin()));
    }
    return bytes;
}

// The text of Windows-1252 bytes: Latin-1 but for 0x80 to 0x9F.
QString decodeWindows1252(QByteArrayView bytes)
{
    QString text = QString::fromLatin1(bytes);
    for (QChar &c : text) {
        if (!isPlain(c.unicode()))
            c = QChar(kHighControls[c.unicode() - 0x80]);
    }
    return text;
}

// The text of the bytes when the reader takes them for UTF-8: they start
// with a byte-order mark, or they are strict UTF-8 (no overlong forms, no
// surrogates, no sequence cut short) and not ASCII alone.
std::optional<QString> readAsUtf8(QByteArrayView bytes)
{
    if (startsWithBom(bytes)) {
        // Only our own mark is dropped; a second one is a character.
        QStringDecoder decoder(QStringDecoder::Utf8, QStringDecoder::Flag::ConvertInitialBom);
        return decoder(bytes.sliced(3));
    }
    QStringDecoder decoder(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    QString text = decoder(bytes);
    // Decoded ASCII is as long as its bytes; any other character is shorter.
    if (decoder.hasError() || text.size() == bytes.size())
        return std::nullopt;
    return text;
}

QStringView withoutLeadingSpaces(QStringView text)
{
    qsizetype at = 0;
    while (at < text.size() && text[at] == u' ')
        ++at;
    return text.sliced(at);
}

// The records of the entries, as the file holds them.
QString bookText(const QStringList &entries)
{
    qsizetype size = 0;
    for (const QString &entry : entries)
        size += withoutLeadingSpaces(entry).size() + kRecordSeparator.size() + kCrLf.size();
    QString text;
    text.reserve(size);
    for (const QString &entry : entries) {
        text += withoutLeadingSpaces(entry);
        text += kRecordSeparator;
        text += kCrLf;
    }
    return text;
}

} // namespace

bool canBeStored(QStringView entry)
{
    // The record's first separator must be the one the writer appends: the
    // entry may not hold one, nor end in a part of one that the appended
    // separator would complete early.
    if (entry.contains(kRecordSeparator))
        return false;
    const QStringView tail = entry.last(std::min(entry.size(), kRecordSeparator.size() - 1));
    QString probe = tail.toString();
    probe += kRecordSeparator;
    return probe.indexOf(kRecordSeparator) == tail.size();
}

QByteArray encodeBook(const QStringList &entries, BookEncoding *used)
{
    const QString text = bookText(entries);
    std::optional<QByteArray> windows1252 = encodeWindows1252(text);
    // The code page cannot hold every character, or its bytes happen to
    // form UTF-8 and would be read back as other characters.
    const bool utf8 = !windows1252 || readAsUtf8(*windows1252);
    QByteArray bytes;
    if (!utf8) {
        bytes = *std::move(windows1252);
    } else {
        bytes = text.toUtf8();
        // A first entry that starts with U+FEFF would pass for a byte-order
        // mark and be dropped by the reader; a mark of our own in front keeps it.
        if (startsWithBom(bytes))
            bytes.prepend(kBom, 3);
    }
    if (used)
        *used = utf8 ? BookEncoding::Utf8 : BookEncoding::Windows1252;
    return bytes;
}

QString decodeBookText(QByteArrayView bytes, BookEncoding *found)
{
    std::optional<QString> utf8 = readAsUtf8(bytes);
    if (found)
        *found = utf8 ? BookEncoding::Utf8 : BookEncoding::Windows1252;
    return utf8 ? *std::move(utf8) : decodeWindows1252(bytes);
}

namespace {

// An entry from the lines of its record: the non-empty ones, each
// followed by CR LF.
template<typename Lines>
QString entryOfLines(const Lines &lines)
{
    qsizetype size = 0;
    for (const QStringView line : lines)
        size += line.isEmpty() ? 0 : line.size() + kCrLf.size();
    QString entry(size, Qt::Uninitialized);
    QChar *out = entry.data();
    for (const QStringView line : lines) {
        if (line.isEmpty())
            continue;
        out = std::copy(line.begin(), line.end(), out);
        out = std::copy(kCrLf.begin(), kCrLf.end(), out);
    }
    return entry;
}

} // namespace

QString normaliseRecord(QStringView record)
{
    return entryOfLines(QStringTokenizer(record, kCrLf));
}

BookContent decodeBook(QByteArrayView bytes, qsizetype limit, const ProcessEvents &events)
{
    BookContent content;
    const QString text = decodeBookText(bytes, &content.encoding);
    const QList<QStringView> records = splitAt(text, kRecordSeparator);
    if (records.isEmpty())
        return content;
    // The piece after the last separator is no record; from our own writer
    // it is the last record's CR LF.
    const qsizetype recordCount = records.size() - 1;
    const qsizetype taken = std::clamp<qsizetype>(limit, 0, recordCount);
    content.recordsBeyond = recordCount - taken;
    content.tailHasText = !normaliseRecord(records.last()).isEmpty();
    if (taken == 0)
        return content;

    content.entries.reserve(taken);
    for (qsizetype i = 0; i < taken; ++i) {
        if (events)
            events();
        content.entries.append(normaliseRecord(records[i]));
    }
    return content;
}

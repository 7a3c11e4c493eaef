// SPDX-License-Identifier: GPL-3.0-or-later
#include "addressbook/bookcodec.h"

#include "addressbook/addresstext.h"

#include <QStringDecoder>

#include <algorithm>
#include <array>

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

// The Windows-1252 byte of a character, or -1 when the code page lacks it.
int windows1252Byte(char16_t c)
{
    if (c < 0x80 || (c >= 0xA0 && c <= 0xFF))
        return c;
    const auto it = std::find(kHighControls.begin(), kHighControls.end(), c);
    return it == kHighControls.end() ? -1 : int(0x80 + (it - kHighControls.begin()));
}

bool isAscii(QByteArrayView bytes)
{
    return std::all_of(bytes.begin(), bytes.end(), [](char c) { return (uchar(c) & 0x80) == 0; });
}

// Strict UTF-8: no overlong forms, no surrogates, nothing past U+10FFFF.
bool isValidUtf8(QByteArrayView bytes)
{
    const auto *p = reinterpret_cast<const uchar *>(bytes.data());
    const auto *end = p + bytes.size();
    while (p < end) {
        const uchar b = *p;
        if (b < 0x80) {
            ++p;
            continue;
        }
        int more;
        uchar low = 0x80, high = 0xBF; // allowed range of the second byte
        if (b >= 0xC2 && b <= 0xDF) {
            more = 1;
        } else if (b >= 0xE0 && b <= 0xEF) {
            more = 2;
            if (b == 0xE0)
                low = 0xA0;
            else if (b == 0xED)
                high = 0x9F;
        } else if (b >= 0xF0 && b <= 0xF4) {
            more = 3;
            if (b == 0xF0)
                low = 0x90;
            else if (b == 0xF4)
                high = 0x8F;
        } else {
            return false;
        }
        if (end - p <= more || p[1] < low || p[1] > high)
            return false;
        for (int i = 2; i <= more; ++i) {
            if ((p[i] & 0xC0) != 0x80)
                return false;
        }
        p += more + 1;
    }
    return true;
}

bool startsWithBom(QByteArrayView bytes)
{
    return bytes.startsWith(QByteArrayView(kBom, 3));
}

// What the reader would take these bytes for.
bool readsAsUtf8(QByteArrayView bytes)
{
    return startsWithBom(bytes) || (!isAscii(bytes) && isValidUtf8(bytes));
}

QStringView withoutLeadingSpaces(QStringView text)
{
    qsizetype at = 0;
    while (at < text.size() && text[at] == u' ')
        ++at;
    return text.sliced(at);
}

// Windows-1252 bytes of the whole book, or an empty array when a
// character does not fit.
QByteArray encodeWindows1252(const QStringList &entries, qsizetype size)
{
    QByteArray bytes(size, Qt::Uninitialized);
    char *out = bytes.data();
    auto put = [&out](QStringView text) {
        for (const QChar c : text) {
            const int b = windows1252Byte(c.unicode());
            if (b < 0)
                return false;
            *out++ = char(b);
        }
        return true;
    };
    for (const QString &entry : entries) {
        if (!put(withoutLeadingSpaces(entry)) || !put(kRecordSeparator) || !put(kCrLf))
            return {};
    }
    return bytes;
}

QByteArray encodeUtf8(const QStringList &entries, qsizetype size)
{
    QString text;
    text.reserve(size);
    for (const QString &entry : entries) {
        text += withoutLeadingSpaces(entry);
        text += kRecordSeparator;
        text += kCrLf;
    }
    QByteArray bytes = text.toUtf8();
    // A first entry that starts with U+FEFF would pass for a byte-order mark
    // and be dropped by the reader; a mark of our own in front keeps it.
    if (startsWithBom(bytes))
        bytes.prepend(kBom, 3);
    return bytes;
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
    qsizetype size = 0;
    for (const QString &entry : entries)
        size += withoutLeadingSpaces(entry).size() + kRecordSeparator.size() + kCrLf.size();

    QByteArray bytes = encodeWindows1252(entries, size);
    // The code page cannot hold every character, or its bytes happen to
    // form UTF-8 and would be read back as other characters.
    const bool utf8 = (bytes.isEmpty() && size > 0) || readsAsUtf8(bytes);
    if (utf8)
        bytes = encodeUtf8(entries, size);
    if (used)
        *used = utf8 ? BookEncoding::Utf8 : BookEncoding::Windows1252;
    return bytes;
}

QString decodeBookText(QByteArrayView bytes, BookEncoding *found)
{
    if (readsAsUtf8(bytes)) {
        if (found)
            *found = BookEncoding::Utf8;
        if (startsWithBom(bytes))
            bytes = bytes.sliced(3);
        // Only our own mark is dropped; a second one is a character.
        QStringDecoder decoder(QStringDecoder::Utf8, QStringDecoder::Flag::ConvertInitialBom);
        return decoder(bytes);
    }
    if (found)
        *found = BookEncoding::Windows1252;
    if (isAscii(bytes))
        return QString::fromLatin1(bytes);
    QString text(bytes.size(), Qt::Uninitialized);
    QChar *out = text.data();
    for (const char c : bytes) {
        const auto b = uchar(c);
        *out++ = QChar((b & 0xE0) == 0x80 ? kHighControls[b - 0x80] : char16_t(b));
    }
    return text;
}

QString normaliseRecord(QStringView record)
{
    const QList<QStringView> lines = splitAt(record, kCrLf);
    qsizetype size = 0;
    for (const QStringView line : lines)
        size += line.isEmpty() ? 0 : line.size() + kCrLf.size();
    QString entry;
    entry.reserve(size);
    for (const QStringView line : lines) {
        if (line.isEmpty())
            continue;
        entry += line;
        entry += kCrLf;
    }
    return entry;
}

BookContent decodeBook(QByteArrayView bytes, qsizetype limit, const ProcessEvents &events)
{
    BookContent content;
    const QString text = decodeBookText(bytes, &content.encoding);
    const QList<QStringView> pieces = splitAt(text, kRecordSeparator);
    if (pieces.isEmpty())
        return content;
    // The piece after the last separator is no record; from our own writer
    // it is the last record's CR LF.
    const qsizetype records = pieces.size() - 1;
    const qsizetype taken = std::clamp<qsizetype>(limit, 0, records);
    content.entries.reserve(taken);
    for (qsizetype i = 0; i < taken; ++i) {
        if (events)
            events();
        content.entries.append(normaliseRecord(pieces[i]));
    }
    content.recordsBeyond = records - taken;
    const QList<QStringView> tailLines = splitAt(pieces.last(), kCrLf);
    content.tailHasText = std::any_of(tailLines.begin(), tailLines.end(),
                                      [](QStringView line) { return !line.isEmpty(); });
    return content;
}

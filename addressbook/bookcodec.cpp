// SPDX-License-Identifier: GPL-3.0-or-later
#include "addressbook/bookcodec.h"

#include "addressbook/addresstext.h"

#include <QStringDecoder>

#include <algorithm>
#include <array>
#include <cstring>

#ifdef __SSE2__
#include <emmintrin.h>
#endif

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

// The position of the first byte from `from` on with its high bit set, or
// the size. Eight bytes at a time: books are mostly ASCII.
qsizetype nextHighByte(QByteArrayView bytes, qsizetype from)
{
    const char *data = bytes.data();
    const qsizetype size = bytes.size();
    for (; from + 8 <= size; from += 8) {
        quint64 word;
        std::memcpy(&word, data + from, 8);
        if (word & 0x8080808080808080ULL)
            break;
    }
    while (from < size && (uchar(data[from]) & 0x80) == 0)
        ++from;
    return from;
}

bool isAscii(QByteArrayView bytes)
{
    return nextHighByte(bytes, 0) == bytes.size();
}

// Strict UTF-8: no overlong forms, no surrogates, nothing past U+10FFFF.
bool isValidUtf8(QByteArrayView bytes)
{
    const auto *begin = reinterpret_cast<const uchar *>(bytes.data());
    const auto *p = begin;
    const auto *end = p + bytes.size();
    while (p < end) {
        const uchar b = *p;
        if (b < 0x80) {
            p = begin + nextHighByte(bytes, p - begin);
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
// Copies characters below 0x80 as bytes until the first other one, and
// returns where that is. Books are mostly ASCII: this is the writer's loop.
const char16_t *copyAscii(const char16_t *in, const char16_t *end, char *&out)
{
#ifdef __SSE2__
    const __m128i high = _mm_set1_epi16(short(0xFF80));
    for (; end - in >= 8; in += 8, out += 8) {
        const __m128i eight = _mm_loadu_si128(reinterpret_cast<const __m128i *>(in));
        if (_mm_movemask_epi8(_mm_cmpeq_epi16(_mm_and_si128(eight, high), _mm_setzero_si128())) != 0xFFFF)
            break;
        _mm_storel_epi64(reinterpret_cast<__m128i *>(out), _mm_packus_epi16(eight, eight));
    }
#endif
    for (; in < end && *in < 0x80; ++in)
        *out++ = char(*in);
    return in;
}

QByteArray encodeWindows1252(const QStringList &entries, qsizetype size)
{
    QByteArray bytes(size, Qt::Uninitialized);
    char *out = bytes.data();
    auto put = [&out](QStringView text) {
        const char16_t *in = text.utf16();
        const char16_t *end = in + text.size();
        while ((in = copyAscii(in, end, out)) < end) {
            const int b = windows1252Byte(*in++);
            if (b < 0)
                return false;
            *out++ = char(b);
        }
        return true;
    };
    for (qsizetype i = 0; i < entries.size(); ++i) {
        // The entries lie all over the heap: ask for the next ones early.
        if (i + 4 < entries.size())
            __builtin_prefetch(entries[i + 4].constData());
        if (!put(withoutLeadingSpaces(entries[i])) || !put(kRecordSeparator) || !put(kCrLf))
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
    // Windows-1252 is Latin-1 but for 0x80 to 0x9F: convert as Latin-1 (a
    // vectorised loop) and mend those few.
    QString text = QString::fromLatin1(bytes);
    QChar *out = text.data();
    for (qsizetype i = nextHighByte(bytes, 0); i < bytes.size(); i = nextHighByte(bytes, i + 1)) {
        const auto b = uchar(bytes[i]);
        if (b < 0xA0)
            out[i] = QChar(kHighControls[b - 0x80]);
    }
    return text;
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
    return entryOfLines(splitAt(record, kCrLf));
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

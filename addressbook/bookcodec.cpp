// SPDX-License-Identifier: GPL-3.0-or-later
#include "addressbook/bookcodec.h"

#include "addressbook/addresstext.h"

#include <QStringDecoder>

#include <algorithm>
#include <array>
#include <bit>
#include <cstring>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

namespace {

// Windows-1252 from 0x80 to 0x9F. The five bytes the code page leaves
// undefined stand for the control characters of the same value, so every
// byte has a character and back. The rest of the code page is Latin-1.
constexpr std::array<char16_t, 32> kHighControls = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, //
    0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F, //
    0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014, //
    0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178, //
};

constexpr char kBom[] = "\xEF\xBB\xBF";

// Books are mostly ASCII. Around QtCore's vectorised Latin-1 conversions
// only the other characters need a second look; QtCore keeps its ASCII scan
// to itself, but a block of fixed length with no early exit is a loop the
// compiler vectorises.
constexpr qsizetype kBlock = 16;

constexpr qsizetype kPrefetchAhead = 8;

template <typename Char>
bool blockIsAscii(const Char *block)
{
    // Eight bytes at a time, against the bits no ASCII character sets.
    constexpr quint64 kNotAscii = sizeof(Char) == 1 ? 0x8080808080808080ULL : 0xFF80FF80FF80FF80ULL;
    quint64 bits = 0;
    for (size_t at = 0; at < kBlock * sizeof(Char); at += sizeof(quint64)) {
        quint64 word;
        std::memcpy(&word, reinterpret_cast<const char *>(block) + at, sizeof word);
        bits |= word;
    }
    return (bits & kNotAscii) == 0;
}

// Calls `visit` with the position of each character from 0x80 on, in
// order, until it returns false; returns whether it went to the end.
template <typename Char, typename Visit>
bool forEachNonAscii(const Char *data, qsizetype size, Visit visit)
{
    for (qsizetype block = 0; block < size; block += kBlock) {
        const qsizetype end = std::min(size, block + kBlock);
        if (end - block == kBlock && blockIsAscii(data + block))
            continue;
        for (qsizetype i = block; i < end; ++i) {
            if (data[i] >= 0x80 && !visit(i))
                return false;
        }
    }
    return true;
}

bool startsWithBom(QByteArrayView bytes)
{
    return bytes.startsWith(QByteArrayView(kBom, 3));
}

// Calls `put` with each entry less its leading spaces, the separator and
// CR LF, in turn: the record as the writer lays it down.
template <typename Put>
void forEachRecordPiece(const QStringList &entries, Put put)
{
    for (const QString &entry : entries) {
        put(withoutLeadingSpaces(entry));
        put(kRecordSeparator);
        put(kCrLf);
    }
}

// What one pass over a record's bytes tells: where its first byte past
// ASCII is (the size when there is none), and whether an LF is followed
// by a CR, as in two CR LF in a row.
struct RecordScan
{
    qsizetype firstNonAscii = 0;
    bool lfCr = false;
};

RecordScan scanRecord(QByteArrayView bytes)
{
    const auto *data = reinterpret_cast<const uchar *>(bytes.data());
    const qsizetype size = bytes.size();
    RecordScan scan{size, false};
    qsizetype i = 0;
#if defined(__SSE2__)
    // Sixteen bytes at a time: a bit a byte for the high bit, LF and CR.
    static_assert(kBlock == 16);
    const auto scanBlock = [&](qsizetype at) {
        const __m128i block = _mm_loadu_si128(reinterpret_cast<const __m128i *>(data + at));
        const unsigned high = unsigned(_mm_movemask_epi8(block));
        const unsigned lf = unsigned(_mm_movemask_epi8(_mm_cmpeq_epi8(block, _mm_set1_epi8('\n'))));
        const unsigned cr = unsigned(_mm_movemask_epi8(_mm_cmpeq_epi8(block, _mm_set1_epi8('\r'))));
        // An LF at the block's last byte meets a CR at the next one's first.
        const unsigned lfBefore = (lf << 1) | (at > 0 && data[at - 1] == '\n' ? 1u : 0u);
        scan.lfCr = scan.lfCr || (lfBefore & cr) != 0;
        if (high != 0 && scan.firstNonAscii == size)
            scan.firstNonAscii = at + std::countr_zero(high);
    };
    for (; i + kBlock <= size; i += kBlock)
        scanBlock(i);
    // The rest as the last whole block: what it scans again, it finds the
    // same.
    if (i < size && i >= kBlock) {
        scanBlock(size - kBlock);
        i = size;
    }
#endif
    for (; i < size; ++i) {
        if (data[i] >= 0x80 && scan.firstNonAscii == size)
            scan.firstNonAscii = i;
        scan.lfCr = scan.lfCr || (data[i] == '\r' && i > 0 && data[i - 1] == '\n');
    }
    return scan;
}

// Where the first byte past ASCII is, or the size when there is none.
qsizetype firstNonAscii(QByteArrayView bytes)
{
    return scanRecord(bytes).firstNonAscii;
}

// Calls `visit` with the bytes of each piece between separators, the one
// after the last included, in order, until it returns false. A separator
// starts with a character addresses hardly hold, which memchr finds fast.
template <typename Visit>
void forEachRecordOf(QByteArrayView bytes, Visit visit)
{
    const QByteArrayView separator("*|||||*");
    const char *const begin = bytes.data();
    const char *const end = begin + bytes.size();
    const char *from = begin;
    for (const char *at = from;;) {
        at = at < end ? static_cast<const char *>(std::memchr(at, '*', size_t(end - at))) : nullptr;
        if (!at || QByteArrayView(at, end).startsWith(separator)) {
            const char *const stop = at ? at : end;
            if (!visit(from - begin, stop - begin) || !at)
                return;
            from = at = stop + separator.size();
        } else {
            ++at;
        }
    }
}

// A record the reader takes as UTF-8: valid UTF-8, and not ASCII alone.
bool isUtf8Record(QByteArrayView record)
{
    const qsizetype at = firstNonAscii(record);
    return at < record.size() && record.sliced(at).isValidUtf8();
}

QString fromUtf8(QByteArrayView bytes)
{
    // A mark at the start of these bytes is a character: the file's own
    // mark, if any, is gone already.
    QStringDecoder decoder(QStringDecoder::Utf8,
                           QStringDecoder::Flag::Stateless | QStringDecoder::Flag::ConvertInitialBom);
    return decoder(bytes);
}

// The bytes as Windows-1252, where those before `from` are ASCII.
// Windows-1252 is Latin-1 but for 0x80 to 0x9F: convert as Latin-1 (a
// vectorised loop) and mend those few.
QString windows1252From(QByteArrayView bytes, qsizetype from)
{
    QString text = QString::fromLatin1(bytes);
    QChar *out = text.data() + from;
    const auto *in = reinterpret_cast<const uchar *>(bytes.data()) + from;
    forEachNonAscii(in, bytes.size() - from, [&](qsizetype i) {
        if (in[i] < 0xA0)
            out[i] = QChar(kHighControls[in[i] - 0x80]);
        return true;
    });
    return text;
}

// One record's text: UTF-8 when it is valid UTF-8 holding bytes past
// ASCII, Windows-1252 otherwise, so that one stray byte spoils no other
// record. Taken record by record, a file that is UTF-8 as a whole reads as
// it would whole: its separators cannot fall inside a character.
// `at`: where its first byte past ASCII is, the size when there is none.
QString decodeRecord(QByteArrayView record, qsizetype at, bool *utf8)
{
    if (at == record.size())
        return QString::fromLatin1(record);
    if (record.sliced(at).isValidUtf8()) {
        *utf8 = true;
        return fromUtf8(record);
    }
    return windows1252From(record, at);
}

// The Windows-1252 byte of a character from 0x80 on, or -1 when the code
// page lacks it.
int windows1252Byte(char16_t c)
{
    if (c >= 0xA0 && c <= 0xFF)
        return c;
    const auto it = std::find(kHighControls.begin(), kHighControls.end(), c);
    return it == kHighControls.end() ? -1 : int(0x80 + (it - kHighControls.begin()));
}

// Writes a block of characters as its bytes if all are ASCII; returns
// whether it did.
bool putAsciiBlock(const char16_t *in, char *out)
{
#if defined(__SSE2__)
    static_assert(kBlock == 16);
    const __m128i low = _mm_loadu_si128(reinterpret_cast<const __m128i *>(in));
    const __m128i high = _mm_loadu_si128(reinterpret_cast<const __m128i *>(in + 8));
    const __m128i notAscii = _mm_and_si128(_mm_or_si128(low, high), _mm_set1_epi16(short(0xFF80)));
    if (_mm_movemask_epi8(_mm_cmpeq_epi16(notAscii, _mm_setzero_si128())) != 0xFFFF)
        return false;
    _mm_storeu_si128(reinterpret_cast<__m128i *>(out), _mm_packus_epi16(low, high));
#else
    if (!blockIsAscii(in))
        return false;
    for (qsizetype j = 0; j < kBlock; ++j)
        out[j] = char(in[j]);
#endif
    return true;
}

enum class Put {
    Ascii,
    NonAscii,
    Unfit, // a character the code page lacks
};

// Writes the text's Windows-1252 bytes at `out`, as many as it has
// characters. Blocks of ASCII, the most of a book, go through a loop the
// compiler vectorises.
Put putWindows1252(QStringView text, char *out)
{
    const char16_t *in = text.utf16();
    const qsizetype size = text.size();
    bool ascii = true;
    const auto putOne = [&](qsizetype i) {
        if (in[i] < 0x80) {
            out[i] = char(in[i]);
            return true;
        }
        ascii = false;
        const int byte = windows1252Byte(in[i]);
        out[i] = char(byte);
        return byte >= 0;
    };
    qsizetype i = 0;
    for (; i + kBlock <= size; i += kBlock) {
        if (putAsciiBlock(in + i, out + i))
            continue;
        for (qsizetype j = i; j < i + kBlock; ++j) {
            if (!putOne(j))
                return Put::Unfit;
        }
    }
    // The rest as the last whole block, again over characters already
    // written, which it writes the same.
    if (i < size && i >= kBlock && putAsciiBlock(in + size - kBlock, out + size - kBlock))
        i = size;
    for (; i < size; ++i) {
        if (!putOne(i))
            return Put::Unfit;
    }
    return ascii ? Put::Ascii : Put::NonAscii;
}

// The Windows-1252 bytes of the entries, or an empty array when a
// character does not fit or the bytes would be read back as UTF-8. Each
// record is written and checked while it is still in the cache. `size`:
// at least the characters of the records.
QByteArray encodeWindows1252(const QStringList &entries, qsizetype size)
{
    static constexpr QByteArrayView kEnd("*|||||*\r\n");
    QByteArray bytes(size, Qt::Uninitialized);
    char *out = bytes.data();
    for (qsizetype i = 0; i < entries.size(); ++i) {
        // Each entry's characters lie elsewhere in memory: asked for a few
        // entries ahead, they are in the cache when their turn comes.
        if (i + kPrefetchAhead < entries.size())
            __builtin_prefetch(entries[i + kPrefetchAhead].constData());
        const QStringView text = withoutLeadingSpaces(entries[i]);
        const Put put = putWindows1252(text, out);
        // A record that forms UTF-8 would be read back as such.
        if (put == Put::Unfit || (put == Put::NonAscii && QByteArrayView(out, text.size()).isValidUtf8()))
            return {};
        out = std::copy(kEnd.begin(), kEnd.end(), out + text.size());
    }
    bytes.truncate(out - bytes.constData());
    // Nor may the bytes start with what reads as the file's own mark.
    return startsWithBom(bytes) ? QByteArray() : bytes;
}

QByteArray encodeUtf8(const QStringList &entries, qsizetype size)
{
    QString text;
    text.reserve(size);
    forEachRecordPiece(entries, [&text](QStringView piece) { text += piece; });
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

EncodedBook encodeBook(const QStringList &entries, bool stayUtf8)
{
    // At most this many characters, leading spaces included: the sizes
    // alone, for a pass over each entry's own memory costs a cache miss
    // an entry in a full book.
    qsizetype size = 0;
    for (const QString &entry : entries)
        size += entry.size() + kRecordSeparator.size() + kCrLf.size();
    QByteArray bytes = stayUtf8 ? QByteArray() : encodeWindows1252(entries, size);
    const bool utf8 = bytes.isEmpty() && size > 0;
    if (utf8)
        bytes = encodeUtf8(entries, size);
    return {bytes, utf8 ? BookEncoding::Utf8 : BookEncoding::Windows1252};
}

QString decodeBookText(QByteArrayView bytes)
{
    if (startsWithBom(bytes))
        bytes = bytes.sliced(3);
    bool utf8 = false;
    QString text;
    text.reserve(bytes.size());
    forEachRecordOf(bytes, [&](qsizetype from, qsizetype end) {
        if (from > 0)
            text += kRecordSeparator;
        const QByteArrayView record = bytes.sliced(from, end - from);
        text += decodeRecord(record, firstNonAscii(record), &utf8);
        return true;
    });
    return text;
}

QString decodeWindows1252(QByteArrayView bytes)
{
    return windows1252From(bytes, 0);
}

namespace {

// An entry from the lines of its record: the non-empty ones, each
// followed by CR LF.
template <typename Lines>
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

// Whether an LF is followed by a CR, as in two CR LF in a row.
bool hasLfCr(QStringView text)
{
    return text.contains(u"\n\r");
}

template <typename View>
bool endsWithCrLf(View text)
{
    return text.size() >= 2 && text[text.size() - 2] == '\r' && text[text.size() - 1] == '\n';
}

template <typename View>
bool startsWithCrLf(View text)
{
    return text.size() >= 2 && text[0] == '\r' && text[1] == '\n';
}

// The record less the CR LF that ends the separator before it.
template <typename View>
View linesOf(View record)
{
    return startsWithCrLf(record) ? record.sliced(2) : record;
}

// Whether the lines are as the writer lays them down: each ended by CR LF,
// none empty. CR LF cannot overlap itself, so an empty line is a CR LF at
// the start or two in a row; an LF before a CR sends a record the long
// way, which is never wrong. Line breaks are ASCII, so the bytes of a
// record tell it as well as its text.
// `lfCr`: whether an LF in them is followed by a CR.
template <typename View>
bool inWriterLayout(View lines, bool lfCr)
{
    return lines.isEmpty() || (endsWithCrLf(lines) && !startsWithCrLf(lines) && !lfCr);
}

// The entry of one record's bytes: decoded straight into place when the
// record is in the writer's layout, line by line when it is not.
QString entryOfRecord(QByteArrayView record, bool *utf8)
{
    const QByteArrayView lines = linesOf(record);
    if (const RecordScan scan = scanRecord(lines); inWriterLayout(lines, scan.lfCr))
        return decodeRecord(lines, scan.firstNonAscii, utf8);
    const QString text = decodeRecord(record, firstNonAscii(record), utf8);
    return entryOfLines(splitAt(text, kCrLf));
}

} // namespace

QString normaliseRecord(QStringView record)
{
    const QStringView lines = linesOf(record);
    return inWriterLayout(lines, hasLfCr(lines)) ? lines.toString() : entryOfLines(splitAt(record, kCrLf));
}

QString asStored(QStringView entry)
{
    return normaliseRecord(withoutLeadingSpaces(entry));
}

BookContent decodeBook(QByteArrayView bytes, qsizetype limit, const ProcessEvents &events)
{
    BookContent content;
    bool utf8 = startsWithBom(bytes);
    if (utf8)
        bytes = bytes.sliced(3);
    // Each record straight from its bytes to its entry: no text of the
    // whole book, and no copy of an entry already in the writer's layout.
    const qsizetype taken = std::max<qsizetype>(limit, 0);
    forEachRecordOf(bytes, [&](qsizetype from, qsizetype end) {
        const QByteArrayView record = bytes.sliced(from, end - from);
        if (end == bytes.size()) {
            // The piece after the last separator is no record; from our
            // own writer it is the last record's CR LF. Line breaks alone
            // there are no text: a book with bare LF line ends has one.
            content.tailHasText =
                std::any_of(record.begin(), record.end(), [](char c) { return c != '\r' && c != '\n'; });
            utf8 = utf8 || isUtf8Record(record);
        } else if (content.entries.size() < taken) {
            if (events)
                events();
            content.entries.append(entryOfRecord(record, &utf8));
        } else {
            ++content.recordsBeyond;
            utf8 = utf8 || isUtf8Record(record);
        }
        return true;
    });
    content.encoding = utf8 ? BookEncoding::Utf8 : BookEncoding::Windows1252;
    return content;
}

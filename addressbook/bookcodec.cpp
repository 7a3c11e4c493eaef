// SPDX-License-Identifier: GPL-3.0-or-later
#include "addressbook/bookcodec.h"

#include "addressbook/addresstext.h"

#include <QStringDecoder>

#include <algorithm>
#include <array>

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

template <typename Char>
bool blockIsAscii(const Char *block)
{
    unsigned bits = 0;
    for (qsizetype i = 0; i < kBlock; ++i)
        bits |= block[i];
    return bits < 0x80;
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

bool isAscii(QByteArrayView bytes)
{
    return forEachNonAscii(reinterpret_cast<const uchar *>(bytes.data()), bytes.size(),
                           [](qsizetype) { return false; });
}

// Calls `visit` with the bytes of each piece between separators, the one
// after the last included, in order, until it returns false.
template <typename Visit>
void forEachRecordOf(QByteArrayView bytes, Visit visit)
{
    const QByteArrayView separator("*|||||*");
    for (qsizetype from = 0; from <= bytes.size();) {
        qsizetype end = bytes.indexOf(separator, from);
        if (end < 0)
            end = bytes.size();
        if (!visit(from, end))
            return;
        from = end + separator.size();
    }
}

// A record the reader takes as UTF-8: valid UTF-8, and not ASCII alone.
bool isUtf8Record(QByteArrayView record)
{
    return !isAscii(record) && record.isValidUtf8();
}

// Whether a valid UTF-8 character of two to four bytes starts at `at`.
bool startsUtf8Character(QByteArrayView bytes, qsizetype at)
{
    const auto lead = uchar(bytes[at]);
    const qsizetype length = lead >= 0xC2 && lead <= 0xDF ? 2
        : lead >= 0xE0 && lead <= 0xEF                    ? 3
        : lead >= 0xF0 && lead <= 0xF4                    ? 4
                                                          : 0;
    // Windows-1252 text mostly has ASCII after such a byte: no character.
    if (length == 0 || at + length > bytes.size() || (uchar(bytes[at + 1]) & 0xC0) != 0x80)
        return false;
    return bytes.sliced(at, length).isValidUtf8();
}

// Whether some record may be UTF-8. A record that is has a valid UTF-8
// character at its first byte past ASCII; in the usual Windows-1252 book
// no byte starts one, and one scan of the bytes past ASCII settles it
// without looking at the records one by one.
bool mayHoldUtf8Record(QByteArrayView bytes)
{
    return !forEachNonAscii(reinterpret_cast<const uchar *>(bytes.data()), bytes.size(),
                            [&](qsizetype i) { return !startsUtf8Character(bytes, i); });
}

bool hasUtf8Record(QByteArrayView bytes)
{
    if (!mayHoldUtf8Record(bytes))
        return false;
    bool found = false;
    forEachRecordOf(bytes, [&](qsizetype from, qsizetype end) {
        found = isUtf8Record(bytes.sliced(from, end - from));
        return !found;
    });
    return found;
}

QString fromUtf8(QByteArrayView bytes)
{
    // A mark at the start of these bytes is a character: the file's own
    // mark, if any, is gone already.
    QStringDecoder decoder(QStringDecoder::Utf8,
                           QStringDecoder::Flag::Stateless | QStringDecoder::Flag::ConvertInitialBom);
    return decoder(bytes);
}

// Bytes that are not UTF-8 as a whole (a stray byte in a UTF-8 book, or a
// Windows-1252 book), record by record: UTF-8 where a record is, Windows-1252
// where it is not. Runs of Windows-1252 records are converted at once.
QString fromRecords(QByteArrayView bytes, bool *someUtf8)
{
    if (!mayHoldUtf8Record(bytes))
        return decodeWindows1252(bytes);
    QString text;
    text.reserve(bytes.size());
    qsizetype run = 0; // where the Windows-1252 bytes not yet converted start
    forEachRecordOf(bytes, [&](qsizetype from, qsizetype end) {
        const QByteArrayView record = bytes.sliced(from, end - from);
        if (isUtf8Record(record)) {
            text += decodeWindows1252(bytes.sliced(run, from - run));
            text += fromUtf8(record);
            run = end;
            *someUtf8 = true;
        }
        return true;
    });
    text += decodeWindows1252(bytes.sliced(run));
    return text;
}

// The Windows-1252 bytes of the entries, or an empty array when a
// character does not fit or the bytes would be read back as UTF-8.
QByteArray encodeWindows1252(const QStringList &entries, qsizetype size)
{
    QByteArray bytes;
    bytes.reserve(size);
    // A few thousand characters at a time: each piece is converted and
    // mended while it is still in the cache, and no copy of the whole book
    // as text is made.
    constexpr qsizetype kChunk = 16 * 1024;
    QString chunk;
    chunk.reserve(kChunk + 1024);
    bool ascii = true;
    const auto convert = [&] {
        const qsizetype at = bytes.size();
        // Characters past Latin-1 come out as '?' here; the table mends
        // them, and those from 0x80 to 0x9F, or tells that they do not fit.
        bytes += chunk.toLatin1();
        char *out = bytes.data() + at;
        const bool fits = forEachNonAscii(chunk.utf16(), chunk.size(), [&](qsizetype i) {
            ascii = false;
            const char16_t c = chunk[i].unicode();
            if (c >= 0xA0 && c <= 0xFF)
                return true;
            const auto it = std::find(kHighControls.begin(), kHighControls.end(), c);
            if (it == kHighControls.end())
                return false;
            out[i] = char(0x80 + (it - kHighControls.begin()));
            return true;
        });
        chunk.resize(0); // keeps its room
        return fits;
    };
    bool fits = true;
    forEachRecordPiece(entries, [&](QStringView piece) {
        chunk += piece;
        if (fits && chunk.size() >= kChunk)
            fits = convert();
    });
    if (!fits || !convert())
        return {};
    // ASCII reads back as itself; other bytes must not start with a mark,
    // and no record may form UTF-8, which the reader would take as such.
    if (!ascii && (startsWithBom(bytes) || hasUtf8Record(bytes)))
        return {};
    return bytes;
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

QByteArray encodeBook(const QStringList &entries, BookEncoding *used, bool stayUtf8)
{
    qsizetype size = 0;
    forEachRecordPiece(entries, [&size](QStringView piece) { size += piece.size(); });
    QByteArray bytes = stayUtf8 ? QByteArray() : encodeWindows1252(entries, size);
    const bool utf8 = bytes.isEmpty() && size > 0;
    if (utf8)
        bytes = encodeUtf8(entries, size);
    if (used)
        *used = utf8 ? BookEncoding::Utf8 : BookEncoding::Windows1252;
    return bytes;
}

QString decodeBookText(QByteArrayView bytes, BookEncoding *found)
{
    // Only our own mark is dropped; a second one is a character.
    bool utf8 = startsWithBom(bytes);
    if (utf8)
        bytes = bytes.sliced(3);
    QString text;
    if (bytes.isValidUtf8()) {
        // Strict: overlong forms, surrogates and code points past U+10FFFF
        // are no UTF-8. As many characters as bytes: all ASCII, which is
        // Windows-1252 as much as UTF-8, and the writer's choice for it.
        text = fromUtf8(bytes);
        utf8 = utf8 || text.size() != bytes.size();
    } else {
        text = fromRecords(bytes, &utf8);
    }
    if (found)
        *found = utf8 ? BookEncoding::Utf8 : BookEncoding::Windows1252;
    return text;
}

QString decodeWindows1252(QByteArrayView bytes)
{
    // Windows-1252 is Latin-1 but for 0x80 to 0x9F: convert as Latin-1 (a
    // vectorised loop) and mend those few.
    QString text = QString::fromLatin1(bytes);
    QChar *out = text.data();
    const auto *in = reinterpret_cast<const uchar *>(bytes.data());
    forEachNonAscii(in, bytes.size(), [&](qsizetype i) {
        if (in[i] < 0xA0)
            out[i] = QChar(kHighControls[in[i] - 0x80]);
        return true;
    });
    return text;
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

// Whether an LF is followed by a CR, as in two CR LF in a row. Blocks of
// fixed length, which the compiler vectorises: a search for the four
// characters costs more than the whole record.
bool hasLfCr(QStringView text)
{
    const char16_t *c = text.utf16();
    const qsizetype pairs = text.size() - 1;
    qsizetype i = 0;
    for (; i + kBlock <= pairs; i += kBlock) {
        unsigned found = 0;
        for (qsizetype j = i; j < i + kBlock; ++j)
            found |= unsigned(c[j] == u'\n') & unsigned(c[j + 1] == u'\r');
        if (found)
            return true;
    }
    for (; i < pairs; ++i) {
        if (c[i] == u'\n' && c[i + 1] == u'\r')
            return true;
    }
    return false;
}

bool endsWithCrLf(QStringView text)
{
    return text.size() >= 2 && text[text.size() - 2] == u'\r' && text.back() == u'\n';
}

bool startsWithCrLf(QStringView text)
{
    return text.size() >= 2 && text[0] == u'\r' && text[1] == u'\n';
}

} // namespace

QString normaliseRecord(QStringView record)
{
    // As the writer lays it down, after the CR LF that ends the separator
    // before it: lines each ended by CR LF, none empty. CR LF cannot overlap
    // itself, so an empty line is a CR LF at the start or two in a row; an
    // LF before a CR sends a record the long way, which is never wrong.
    const QStringView lines = startsWithCrLf(record) ? record.sliced(kCrLf.size()) : record;
    const bool normal = lines.isEmpty() || (endsWithCrLf(lines) && !startsWithCrLf(lines) && !hasLfCr(lines));
    return normal ? lines.toString() : entryOfLines(splitAt(record, kCrLf));
}

QString asStored(QStringView entry)
{
    return normaliseRecord(withoutLeadingSpaces(entry));
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
    // Line breaks alone there are no text: a book with bare LF line ends
    // has one after its last separator.
    content.tailHasText =
        std::any_of(records.last().begin(), records.last().end(), [](QChar c) { return c != u'\r' && c != u'\n'; });
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

// SPDX-License-Identifier: GPL-3.0-or-later
#include "addressbook/addresstext.h"

#include <QVarLengthArray>
#include <QtAlgorithms>

#include <algorithm>
#include <cstring>

#ifdef __SSE2__
#include <emmintrin.h>
#endif

QList<QStringView> splitAt(QStringView text, QStringView delimiter)
{
    if (text.isEmpty())
        return {};
    if (delimiter.isEmpty())
        return {text};
    // Looking for the delimiter's first character is a vectorised scan;
    // the general substring search sets up its tables at every call, which
    // over a book of tens of thousands of records and lines costs several
    // times the scan itself. Most texts split here are one address of a few
    // lines: their pieces gather on the stack, and the list is made once.
    QVarLengthArray<QStringView, 16> pieces;
    const QChar lead = delimiter.front();
    const QStringView rest = delimiter.sliced(1);
    // The library's search pays off over long stretches; a line of an
    // address is over before it has set up.
    const auto find = [text, lead](qsizetype from) -> qsizetype {
        if (text.size() - from > 256)
            return text.indexOf(lead, from);
        const char16_t *data = text.utf16();
#ifdef __SSE2__
        // Eight characters at a time.
        const __m128i wanted = _mm_set1_epi16(short(lead.unicode()));
        for (; from + 8 <= text.size(); from += 8) {
            const __m128i eight = _mm_loadu_si128(reinterpret_cast<const __m128i *>(data + from));
            if (const int hits = _mm_movemask_epi8(_mm_cmpeq_epi16(eight, wanted)))
                return from + qCountTrailingZeroBits(uint(hits)) / 2;
        }
#else
        // Four characters at a time: a lane equal to `lead` becomes zero.
        const quint64 pattern = 0x0001000100010001ULL * lead.unicode();
        for (; from + 4 <= text.size(); from += 4) {
            quint64 four;
            std::memcpy(&four, data + from, 8);
            four ^= pattern;
            if ((four - 0x0001000100010001ULL) & ~four & 0x8000800080008000ULL)
                break;
        }
#endif
        for (; from < text.size(); ++from) {
            if (data[from] == lead.unicode())
                return from;
        }
        return -1;
    };
    qsizetype from = 0;
    qsizetype at = find(0);
    while (at >= 0) {
        if (text.size() - at >= delimiter.size()
            && std::equal(rest.begin(), rest.end(), text.begin() + at + 1)) {
            pieces.append(text.sliced(from, at - from));
            from = at + delimiter.size();
            at = find(from);
        } else {
            at = find(at + 1);
        }
    }
    pieces.append(text.sliced(from));
    return QList<QStringView>(pieces.begin(), pieces.end());
}

QStringView trimSpaces(QStringView text)
{
    qsizetype begin = 0;
    qsizetype end = text.size();
    while (begin < end && text[begin] == u' ')
        ++begin;
    while (end > begin && text[end - 1] == u' ')
        --end;
    return text.sliced(begin, end - begin);
}

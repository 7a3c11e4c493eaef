// SPDX-License-Identifier: GPL-3.0-or-later
#include "addressbook/addresstext.h"

#include <QStringTokenizer>

#include <functional>

namespace {

// Up to this length the library's search costs little more than a scan
// whatever the text; beyond it its cost can grow with text length times
// delimiter length, while a Boyer-Moore search with its good-suffix table
// stays linear.
constexpr qsizetype kShortDelimiter = 16;

} // namespace

QList<QStringView> splitAt(QStringView text, QStringView delimiter)
{
    if (text.isEmpty())
        return {};
    if (delimiter.isEmpty())
        return {text};
    if (delimiter.size() <= kShortDelimiter)
        return QStringTokenizer(text, delimiter).toContainer();

    const char16_t *const end = text.utf16() + text.size();
    const std::boyer_moore_searcher search(delimiter.utf16(), delimiter.utf16() + delimiter.size());
    QList<QStringView> pieces;
    for (const char16_t *from = text.utf16();;) {
        const char16_t *const at = search(from, end).first;
        pieces.append(QStringView(from, at));
        if (at == end)
            return pieces;
        from = at + delimiter.size();
    }
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

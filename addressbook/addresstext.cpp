// SPDX-License-Identifier: GPL-3.0-or-later
#include "addressbook/addresstext.h"

#include <QVarLengthArray>

#include <algorithm>
#include <functional>

namespace {

// Up to this length a scan for the delimiter's first character, then a
// compare, costs at most the text's length times this; beyond it a
// Boyer-Moore search with its good-suffix table keeps the split linear.
constexpr qsizetype kShortDelimiter = 16;

} // namespace

QList<QStringView> splitAt(QStringView text, QStringView delimiter)
{
    if (text.isEmpty())
        return {};
    if (delimiter.isEmpty())
        return {text};
    // Most texts split here are one address of a few lines: their pieces
    // gather on the stack, and the list is made once.
    QVarLengthArray<QStringView, 16> pieces;
    if (delimiter.size() <= kShortDelimiter) {
        // QtCore's vectorised scan for one character. The general substring
        // search sets up its tables at every call, which over a book of tens
        // of thousands of records and lines costs several times the scan.
        const QChar lead = delimiter.front();
        qsizetype from = 0;
        qsizetype at = text.indexOf(lead);
        while (at >= 0) {
            if (text.sliced(at).startsWith(delimiter)) {
                pieces.append(text.sliced(from, at - from));
                from = at + delimiter.size();
                at = text.indexOf(lead, from);
            } else {
                at = text.indexOf(lead, at + 1);
            }
        }
        pieces.append(text.sliced(from));
    } else {
        const char16_t *const end = text.utf16() + text.size();
        const std::boyer_moore_searcher search(delimiter.utf16(), delimiter.utf16() + delimiter.size());
        for (const char16_t *from = text.utf16();;) {
            const char16_t *const at = search(from, end).first;
            pieces.append(QStringView(from, at));
            if (at == end)
                break;
            from = at + delimiter.size();
        }
    }
    return QList<QStringView>(pieces.begin(), pieces.end());
}

QStringView withoutLeadingSpaces(QStringView text)
{
    qsizetype begin = 0;
    while (begin < text.size() && text[begin] == u' ')
        ++begin;
    return text.sliced(begin);
}

QStringView trimSpaces(QStringView text)
{
    text = withoutLeadingSpaces(text);
    while (text.endsWith(u' '))
        text.chop(1);
    return text;
}

namespace {

// What a text document takes as a line break: LF, CR, the paragraph and
// line separators and its frame marks.
bool isDocumentLineBreak(QChar c)
{
    return c == u'\n' || c == u'\r' || c == QChar::ParagraphSeparator || c == QChar::LineSeparator || c == QChar(0xfdd0)
        || c == QChar(0xfdd1);
}

} // namespace

QString typedText(QStringView documentText)
{
    const qsizetype breaks = std::count_if(documentText.begin(), documentText.end(), isDocumentLineBreak);
    QString result(documentText.size() + breaks, Qt::Uninitialized);
    QChar *out = result.data();
    for (const QChar c : documentText) {
        if (isDocumentLineBreak(c)) {
            *out++ = u'\r';
            *out++ = u'\n';
        } else {
            *out++ = c == QChar::Nbsp ? QChar(u' ') : c;
        }
    }
    return result;
}

QString withLfLineBreaks(QStringView text)
{
    QString result(text.size(), Qt::Uninitialized);
    QChar *out = result.data();
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (text[i] != u'\r' || i + 1 == text.size() || text[i + 1] != u'\n')
            *out++ = text[i];
    }
    result.truncate(out - result.constData());
    return result;
}

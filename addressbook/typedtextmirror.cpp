// SPDX-License-Identifier: GPL-3.0-or-later
#include "addressbook/typedtextmirror.h"

#include "addressbook/addresstext.h"

#include <cstdlib>
#include <utility>

void TypedTextMirror::reset(QString typed)
{
    m_text = std::move(typed);
    m_lineBreaks = m_text.count(kCrLf);
    m_position = 0;
    m_index = 0;
}

qsizetype TypedTextMirror::indexOf(qsizetype position) const
{
    // From whichever known place is nearest: the start, the end, or the
    // end of the last change.
    qsizetype at = 0;
    qsizetype index = 0;
    if (std::abs(m_position - position) < position) {
        at = m_position;
        index = m_index;
    }
    if (documentLength() - position < std::abs(at - position)) {
        at = documentLength();
        index = m_text.size();
    }
    const QChar *text = m_text.constData();
    for (; at < position; ++at)
        index += text[index] == u'\r' ? 2 : 1;
    for (; at > position; --at)
        index -= index >= 2 && text[index - 1] == u'\n' && text[index - 2] == u'\r' ? 2 : 1;
    return index;
}

TypedTextMirror::Edit TypedTextMirror::apply(qsizetype from, qsizetype removed, QStringView added, qsizetype newLength)
{
    const qsizetype oldLength = documentLength();
    if (from < 0 || removed < 0 || from > oldLength)
        return Edit::DoesNotFit;
    removed = std::min(removed, oldLength - from);
    const qsizetype start = indexOf(from);
    const qsizetype end = removed == 0 ? start : indexOf(from + removed);
    const QString typed = typedText(added);
    const QStringView old = QStringView(m_text).sliced(start, end - start);
    const qsizetype breaksRemoved = old.count(kCrLf);
    const qsizetype breaksAdded = typed.count(kCrLf);
    if (oldLength - removed + added.size() != newLength)
        return Edit::DoesNotFit;
    if (old == typed)
        return Edit::Unchanged; // a change of format only
    m_text.replace(start, end - start, typed);
    m_lineBreaks += breaksAdded - breaksRemoved;
    m_position = from + added.size();
    m_index = start + typed.size();
    return Edit::Changed;
}

// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QStringView>

// The typed text (typedText()) of a text document, kept edit by edit, so
// that a keystroke in a box of megabytes costs the keystroke, not a copy
// and a conversion of the whole text.
//
// A document position counts each line break as one character; the typed
// text holds it as CR LF. The position of the last edit is remembered, so
// typing on from there finds its place at once.
class TypedTextMirror
{
public:
    enum class Edit { Changed, Unchanged, DoesNotFit };

    // Starts over from the typed text of the whole document.
    void reset(QString typed);
    const QString &text() const { return m_text; }
    // The document's length (its characters less the final block's end).
    qsizetype documentLength() const { return m_text.size() - m_lineBreaks; }

    // Applies a change of the document: `removed` characters from `from`
    // replaced by `added` (the document's text there, as a cursor's
    // selection gives it), after which the document is `newLength` long.
    // A change reported past the end is cut to it. DoesNotFit when the
    // change and the new length disagree with the text kept: the caller
    // then resets the mirror from the whole document.
    Edit apply(qsizetype from, qsizetype removed, QStringView added, qsizetype newLength);

private:
    // The index in m_text of a document position within it.
    qsizetype indexOf(qsizetype position) const;

    QString m_text;
    qsizetype m_lineBreaks = 0; // CR LF pairs in m_text
    // Where the last change ended, as a position and its index.
    qsizetype m_position = 0;
    qsizetype m_index = 0;
};

// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/addresstextbox.h"

#include "addressbook/addresstext.h"

#include <QProgressBar>
#include <QTextCursor>

namespace {

// Up to about this many characters go on screen at once (a tenth of a
// second's work or so), each piece ending at a line break.
constexpr qsizetype kPiece = 256 * 1024;

} // namespace

AddressTextBox::AddressTextBox(QWidget *parent) : QPlainTextEdit(parent), m_progress(new QProgressBar(this))
{
    setTabChangesFocus(true);
    setLineWrapMode(QPlainTextEdit::NoWrap);
    connect(document(), &QTextDocument::contentsChange, this, &AddressTextBox::takeUserEdit);
    m_filling.setInterval(0);
    connect(&m_filling, &QTimer::timeout, this, &AddressTextBox::showNextPiece);
    m_progress->setTextVisible(false);
    m_progress->hide();
}

void AddressTextBox::setText(const QString &text)
{
    stopFilling();
    m_assigning = true;
    // The widget keeps lines its own way; the field keeps the assigned text.
    QString shown = withLfLineBreaks(text);
    if (shown.size() <= kPiece) {
        setPlainText(shown);
    } else {
        setPlainText(QString());
        m_toShow = std::move(shown);
        // Pieces appended are no edits to undo, and the user's edits wait.
        document()->setUndoRedoEnabled(false);
        setReadOnly(true);
        m_progress->setRange(0, 1000);
        m_progress->setValue(0);
        m_progress->show();
        m_filling.start();
    }
    m_assigning = false;
    assign(text);
}

void AddressTextBox::replaceText(const QString &text)
{
    const QString shown = withLfLineBreaks(text);
    if (shown.size() > kPiece || filling()) {
        setText(text);
        return;
    }
    m_assigning = true;
    QTextCursor cursor(document());
    cursor.beginEditBlock();
    cursor.select(QTextCursor::Document);
    cursor.insertText(shown);
    cursor.endEditBlock();
    m_assigning = false;
    assign(text);
}

void AddressTextBox::showNextPiece()
{
    const qsizetype lineEnd = m_toShow.indexOf(u'\n', std::min(m_toShow.size(), m_shownUpTo + kPiece));
    const qsizetype end = lineEnd < 0 ? m_toShow.size() : lineEnd + 1;
    m_assigning = true;
    QTextCursor cursor(document());
    cursor.movePosition(QTextCursor::End);
    cursor.insertText(QStringView(m_toShow).sliced(m_shownUpTo, end - m_shownUpTo).toString());
    m_assigning = false;
    m_shownUpTo = end;
    m_progress->setValue(int(m_shownUpTo * 1000 / m_toShow.size()));
    if (m_shownUpTo == m_toShow.size())
        stopFilling();
}

void AddressTextBox::stopFilling()
{
    if (!m_filling.isActive())
        return;
    m_filling.stop();
    m_toShow.clear();
    m_shownUpTo = 0;
    m_progress->hide();
    setReadOnly(false);
    document()->setUndoRedoEnabled(true);
}

void AddressTextBox::resizeEvent(QResizeEvent *event)
{
    QPlainTextEdit::resizeEvent(event);
    const QRect area = viewport()->geometry();
    const int height = fontMetrics().height() / 2;
    m_progress->setGeometry(area.left(), area.bottom() - height, area.width(), height);
}

void AddressTextBox::assign(const QString &text)
{
    // Most assigned texts are already as an edit would leave them: edits
    // then go straight into the typed text, which shares the assigned one.
    m_mirrors = typedText(withLfLineBreaks(text)) == text;
    if (m_mirrors) {
        m_typed.reset(text);
        m_text.clear();
    } else {
        m_typed.reset({});
        m_text = text;
    }
    emit changed();
}

void AddressTextBox::takeUserEdit(int from, int removed, int added)
{
    // While a text comes on screen the box takes no edits: what it shows
    // then is only part of its text.
    if (m_assigning || filling())
        return;
    const int length = document()->characterCount() - 1; // less the last block's end
    if (m_mirrors) {
        QTextCursor cursor(document());
        cursor.setPosition(std::min(from, length));
        cursor.setPosition(std::min(from + added, length), QTextCursor::KeepAnchor);
        switch (m_typed.apply(from, removed, cursor.selectedText(), length)) {
        case TypedTextMirror::Edit::Changed: emit changed(); return;
        case TypedTextMirror::Edit::Unchanged: return; // a format-only change, not an edit of the text
        case TypedTextMirror::Edit::DoesNotFit: break;
        }
    }
    // The first edit of a text the document holds otherwise, or a change
    // the document reported out of step: the whole text once.
    QString typed = typedText(toPlainText());
    if (typed == text())
        return;
    m_typed.reset(std::move(typed));
    m_mirrors = true;
    m_text.clear();
    emit changed();
}

// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "addressbook/typedtextmirror.h"

#include <QPlainTextEdit>
#include <QString>
#include <QTimer>

class QProgressBar;

// A multi-line text box whose text is exactly what was last assigned or
// typed. An assigned text stays byte for byte as assigned (a lone CR or LF
// included) until the user edits the box; the user's edits give CR LF line
// breaks. Tab moves the focus; Enter starts a new line.
//
// A long assigned text (a pasted list of many megabytes) is the box's text
// at once, but comes on screen piece by piece while events run, with a
// progress bar; the box takes no edits until it is all there.
class AddressTextBox final : public QPlainTextEdit
{
    Q_OBJECT

public:
    explicit AddressTextBox(QWidget *parent = nullptr);

    QString text() const { return m_mirrors ? m_typed.text() : m_text; }
    // Runs the change reaction, as an edit does.
    void setText(const QString &text);
    // setText() as one step of the box's own undo, so that Ctrl+Z there
    // brings back what the box held (a long text clears the undo instead).
    void replaceText(const QString &text);
    // Whether the assigned text is still coming on screen.
    bool filling() const { return m_filling.isActive(); }

signals:
    // Every change of the text: each keystroke, a paste, an assignment.
    void changed();

protected:
    void resizeEvent(QResizeEvent *event) override;

private:
    void takeUserEdit(int from, int removed, int added);
    void showNextPiece();
    void stopFilling();
    // The text assigned is the box's text; its change reaction runs.
    void assign(const QString &text);

    // The assigned text, while the document holds it otherwise (a lone CR
    // or LF, a no-break space); from the user's first edit on, the text is
    // the document's typed text, kept edit by edit.
    QString m_text;
    bool m_mirrors = true;
    TypedTextMirror m_typed;
    bool m_assigning = false;
    // What is still to come on screen, from m_shownUpTo on.
    QString m_toShow;
    qsizetype m_shownUpTo = 0;
    QTimer m_filling;
    QProgressBar *m_progress;
};

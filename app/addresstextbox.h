// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QPlainTextEdit>
#include <QString>

// A multi-line text box whose text is exactly what was last assigned or
// typed. An assigned text stays byte for byte as assigned (a lone CR or LF
// included) until the user edits the box; the user's edits give CR LF line
// breaks. Tab moves the focus; Enter starts a new line.
class AddressTextBox final : public QPlainTextEdit
{
    Q_OBJECT

public:
    explicit AddressTextBox(QWidget *parent = nullptr);

    QString text() const { return m_text; }
    // Runs the change reaction, as an edit does.
    void setText(const QString &text);

signals:
    // Every change of the text: each keystroke, a paste, an assignment.
    void changed();

private:
    void takeUserEdit();

    QString m_text;
    bool m_assigning = false;
};

// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QComboBox>

// An editable drop-down list that keeps its items in the user's
// case-insensitive order and never takes typed text into its list.
class SortedComboBox final : public QComboBox
{
    Q_OBJECT

public:
    explicit SortedComboBox(QWidget *parent = nullptr);

    QString text() const { return currentText(); }
    void setText(const QString &text) { setEditText(text); }
    // Inserts at the sorted place; the box's text stays as it was.
    void AddItem(const QString &item);

signals:
    void lostFocus();

protected:
    void focusOutEvent(QFocusEvent *event) override;
};

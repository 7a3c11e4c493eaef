// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDialog>
#include <QString>

#include <functional>

class QPlainTextEdit;

// "Edit Address": an entry's lines in a box, all selected. OK (or
// Ctrl+Return) closes it only when `problem` finds nothing wrong with the
// text; otherwise refused() says why and the box stays open.
class EditAddressDialog final : public QDialog
{
    Q_OBJECT

public:
    EditAddressDialog(const QString &entry, std::function<QString(const QString &)> problem, QWidget *parent);

    // The edited entry, with CR LF line breaks as the book keeps them.
    QString entry() const;
    QPlainTextEdit *box() const { return m_box; }

    void accept() override;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

signals:
    void refused(const QString &why);

private:
    QPlainTextEdit *m_box;
    std::function<QString(const QString &)> m_problem;
};

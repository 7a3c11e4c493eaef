// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QPointer>
#include <QWidget>

class QLabel;
class QLineEdit;

// The find field over the foot of the address list: Return asks for the
// next match, Shift+Return for the one before, Escape closes it and gives
// the keyboard back to the control that had it. "Not found" is said here.
class FindBar final : public QWidget
{
    Q_OBJECT

public:
    // Lies over the foot of `over`, in its parent.
    explicit FindBar(QWidget *over);

    QString text() const;
    QLineEdit *field() const { return m_field; }
    // Shows the bar with the keyboard in it and its text selected.
    void open();
    void close();
    void setNotFound(bool notFound);

signals:
    void findRequested(bool backward);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    QWidget *m_over;
    QLineEdit *m_field;
    QLabel *m_status;
    QPointer<QWidget> m_returnTo;
};

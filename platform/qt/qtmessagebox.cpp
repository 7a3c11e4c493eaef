// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/qt/qtmessagebox.h"

#include "addressbook/addresstext.h"

#include <QMessageBox>

namespace {

int run(QWidget *parent, QMessageBox::Icon icon, const QString &text, QMessageBox::StandardButtons buttons,
        QMessageBox::StandardButton defaultButton = QMessageBox::NoButton)
{
    QMessageBox box(icon, QString::fromUtf16(kApplicationTitle), withLfLineBreaks(text), buttons, parent);
    box.setTextFormat(Qt::PlainText);
    box.setDefaultButton(defaultButton);
    // A screen reader announces the box by its title; the text goes with it.
    box.setAccessibleDescription(withLfLineBreaks(text));
    return box.exec();
}

} // namespace

void QtMessageBox::information(const QString &text)
{
    run(m_parent, QMessageBox::NoIcon, text, QMessageBox::Ok);
}

void QtMessageBox::warning(const QString &text)
{
    run(m_parent, QMessageBox::Warning, text, QMessageBox::Ok);
}

bool QtMessageBox::askYesNo(const QString &text)
{
    return run(m_parent, QMessageBox::NoIcon, text, QMessageBox::Yes | QMessageBox::No, QMessageBox::No)
        == QMessageBox::Yes;
}

bool QtMessageBox::warnAndAsk(const QString &text)
{
    return run(m_parent, QMessageBox::Warning, text, QMessageBox::Yes | QMessageBox::No, QMessageBox::Yes)
        == QMessageBox::Yes;
}

// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/editaddressdialog.h"

#include "addressbook/addresstext.h"

#include <QDialogButtonBox>
#include <QKeyEvent>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

EditAddressDialog::EditAddressDialog(const QString &entry, std::function<QString(const QString &)> problem,
                                     QWidget *parent)
    : QDialog(parent),
      m_box(new QPlainTextEdit(this)),
      m_problem(std::move(problem))
{
    setObjectName(QStringLiteral("EditAddressDialog"));
    setWindowTitle(tr("Edit Address"));
    m_box->setObjectName(QStringLiteral("EditAddressText"));
    m_box->setAccessibleName(tr("Address"));
    m_box->setTabChangesFocus(true);
    m_box->setPlainText(withLfLineBreaks(entry));
    m_box->selectAll();
    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &EditAddressDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &EditAddressDialog::reject);
    m_box->installEventFilter(this);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(m_box);
    layout->addWidget(buttons);
    resize(360, 220);
}

QString EditAddressDialog::entry() const
{
    return typedText(m_box->toPlainText());
}

void EditAddressDialog::accept()
{
    if (const QString why = m_problem(entry()); !why.isEmpty()) {
        emit refused(why);
        return;
    }
    QDialog::accept();
}

bool EditAddressDialog::eventFilter(QObject *watched, QEvent *event)
{
    // Return starts a new line in the box; Ctrl+Return is OK.
    if (watched == m_box && event->type() == QEvent::KeyPress) {
        const auto *key = static_cast<QKeyEvent *>(event);
        if ((key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter)
            && key->modifiers().testFlag(Qt::ControlModifier)) {
            accept();
            return true;
        }
    }
    return QDialog::eventFilter(watched, event);
}

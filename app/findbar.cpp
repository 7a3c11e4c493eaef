// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/findbar.h"

#include <QApplication>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>

FindBar::FindBar(QWidget *over)
    : QWidget(over->parentWidget()),
      m_over(over),
      m_field(new QLineEdit(this)),
      m_status(new QLabel(this))
{
    setObjectName(QStringLiteral("FindBar"));
    setAutoFillBackground(true);
    m_field->setObjectName(QStringLiteral("FindField"));
    m_field->setPlaceholderText(tr("Find in addresses"));
    m_field->setAccessibleName(tr("Find in addresses"));
    m_field->setClearButtonEnabled(true);
    m_field->installEventFilter(this);
    auto *layout = new QHBoxLayout(this);
    layout->setContentsMargins(1, 1, 1, 1);
    layout->addWidget(m_field, 1);
    layout->addWidget(m_status);
    connect(m_field, &QLineEdit::textEdited, this, [this] { setNotFound(false); });
    hide();
}

QString FindBar::text() const
{
    return m_field->text();
}

void FindBar::open()
{
    if (isHidden()) {
        m_returnTo = QApplication::focusWidget();
        const int height = sizeHint().height();
        const QRect area = m_over->geometry();
        setGeometry(area.left(), area.bottom() + 1 - height, area.width(), height);
        show();
        raise();
    }
    m_field->setFocus(Qt::ShortcutFocusReason);
    m_field->selectAll();
}

void FindBar::close()
{
    hide();
    setNotFound(false);
    if (m_returnTo)
        m_returnTo->setFocus(Qt::OtherFocusReason);
}

void FindBar::setNotFound(bool notFound)
{
    m_status->setText(notFound ? tr("Not found") : QString());
    m_field->setAccessibleDescription(m_status->text());
}

bool FindBar::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == m_field && event->type() == QEvent::KeyPress) {
        const auto *key = static_cast<QKeyEvent *>(event);
        if (key->key() == Qt::Key_Escape) {
            close();
            return true;
        }
        if (key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter) {
            emit findRequested(key->modifiers().testFlag(Qt::ShiftModifier));
            return true;
        }
    }
    return QWidget::eventFilter(watched, event);
}

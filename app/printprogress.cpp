// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/printprogress.h"

#include <QApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QScreen>
#include <QShortcut>
#include <QVBoxLayout>

#include <algorithm>

PrintProgress::PrintProgress(QWidget *mainWindow, QWidget *near, const QString &title)
    : QWidget(mainWindow, Qt::Tool),
      m_mainWindow(mainWindow)
{
    setObjectName(QStringLiteral("PrintProgress"));
    setWindowTitle(title);
    setAccessibleName(title);
    setAttribute(Qt::WA_ShowWithoutActivating);
    m_status = new QLabel(this);
    m_status->setObjectName(QStringLiteral("PrintProgressStatus"));
    m_entry = new QLabel(this);
    m_entry->setObjectName(QStringLiteral("PrintProgressEntry"));
    m_entry->setTextFormat(Qt::PlainText);
    m_entry->setAccessibleName(tr("Address"));
    m_bar = new QProgressBar(this);
    m_bar->setAccessibleName(tr("Envelopes done"));
    m_bar->setTextVisible(false);
    stop = new QPushButton(tr("&Stop"), this);
    stop->setObjectName(QStringLiteral("PrintProgressStop"));
    stop->setAutoDefault(false);
    stop->setAccessibleDescription(tr("Ends the run once the envelope being made is done (Escape). "
                                      "F6 moves between this window and the main window."));
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(m_status);
    layout->addWidget(m_entry);
    layout->addWidget(m_bar);
    layout->addWidget(stop, 0, Qt::AlignRight);
    connect(stop, &QPushButton::clicked, this, &PrintProgress::askStop);

    m_escape = std::make_unique<QShortcut>(QKeySequence(Qt::Key_Escape), mainWindow);
    connect(m_escape.get(), &QShortcut::activated, this, &PrintProgress::askStop);
    m_switch = std::make_unique<QShortcut>(QKeySequence(Qt::Key_F6), mainWindow);
    connect(m_switch.get(), &QShortcut::activated, this, &PrintProgress::toggleFocus);

    // As wide as the button it stands under, and wider when a text needs
    // it: the window follows its layout's minimum size.
    layout->addStrut(near->width());
    layout->setSizeConstraint(QLayout::SetMinimumSize);
    m_near = near;
}

void PrintProgress::appear()
{
    if (isVisible() || !m_mainWindow || !m_near)
        return;
    adjustSize();
    // Under the button, right edges together, and on the screen.
    QPoint corner = m_near->mapToGlobal(QPoint(m_near->width() - width(), m_near->height() + 4));
    if (const QScreen *screen = m_near->screen()) {
        const QRect area = screen->availableGeometry();
        corner.setX(std::clamp(corner.x(), area.left(), std::max(area.left(), area.right() - width())));
        corner.setY(std::clamp(corner.y(), area.top(), std::max(area.top(), area.bottom() - height())));
    }
    move(corner);
    m_shown.start();
    show();
}

bool PrintProgress::event(QEvent *event)
{
    // Some platforms activate every window they show, whatever it asks for
    // (Qt's offscreen platform does, and so may a window manager): the
    // keyboard goes straight back. Later, the user has moved it here.
    constexpr qint64 kShowing = 1000; // milliseconds
    if (event->type() == QEvent::WindowActivate && !m_asked && m_shown.isValid() && m_shown.elapsed() < kShowing
        && m_mainWindow)
        m_mainWindow->activateWindow();
    return QWidget::event(event);
}

void PrintProgress::mousePressEvent(QMouseEvent *event)
{
    m_asked = true;
    activateWindow();
    QWidget::mousePressEvent(event);
}

PrintProgress::~PrintProgress()
{
    // The keyboard goes back where it was before F6 or a click brought it here.
    if (QApplication::activeWindow() == this && m_mainWindow)
        m_mainWindow->activateWindow();
}

void PrintProgress::showEnvelope(const QString &status, const QString &entry, int number, int total)
{
    m_status->setText(status);
    m_entry->setText(entry);
    m_bar->setRange(0, total);
    m_bar->setValue(number - 1);
    appear();
}

void PrintProgress::showStep(const QString &status)
{
    m_status->setText(status);
    m_entry->clear();
    m_bar->setValue(m_bar->maximum());
    appear();
}

void PrintProgress::keyPressEvent(QKeyEvent *event)
{
    if (event->key() == Qt::Key_Escape)
        askStop();
    else if (event->key() == Qt::Key_F6)
        toggleFocus();
    else
        QWidget::keyPressEvent(event);
}

void PrintProgress::askStop()
{
    m_stopAsked = true;
    stop->setEnabled(false);
    m_status->setText(tr("Stopping..."));
}

void PrintProgress::toggleFocus()
{
    // Not isActiveWindow(): a tool window counts as active with its parent.
    if (QApplication::activeWindow() == this && m_mainWindow) {
        m_mainWindow->activateWindow();
        return;
    }
    m_asked = true;
    activateWindow();
    raise();
    if (stop->isEnabled())
        stop->setFocus(Qt::ShortcutFocusReason);
}

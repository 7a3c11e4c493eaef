// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QObject>
#include <QPointer>
#include <QString>

class ManualWindow;
class MessageBox;
class QAction;
class QWidget;
class Shell;

// The help the window gives: the maker's web page, and the manual inside
// the program, which `manualItem` (F1) opens and which is offered when no
// web browser can be started.
class ManualFlow final : public QObject
{
    Q_OBJECT

public:
    ManualFlow(QWidget *window, QAction *manualItem, Shell &shell, MessageBox &messages);

    // Opens the web page; when no browser starts, says so and offers the manual.
    void openWebPage(const QString &url);
    // Shows the manual, raising the one already open.
    void showManual();

private:
    QWidget *m_window;
    Shell &m_shell;
    MessageBox &m_messages;
    QPointer<ManualWindow> m_manual;
};

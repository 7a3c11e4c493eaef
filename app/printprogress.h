// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QElapsedTimer>
#include <QPointer>
#include <QWidget>

#include <memory>

class QLabel;
class QProgressBar;
class QPushButton;
class QShortcut;

// The progress of a batch of envelopes (Print All, the PDF) in a small
// window of its own beside the main window, which it does not block: where
// the batch is, for which address, and a "Stop" button. Escape in it or in
// the main window is Stop too. It appears without taking the keyboard
// focus; F6 moves the focus into it and back, as does a click. It shows
// with the first envelope and goes away with the batch.
class PrintProgress final : public QWidget
{
    Q_OBJECT

public:
    // `title` names the window, for screen readers too; it is shown under
    // `near` (the button that started the batch).
    PrintProgress(QWidget *mainWindow, QWidget *near, const QString &title);
    ~PrintProgress() override;

    // Envelope `number` of `total`, for the address whose first line is
    // `entry`; `status` says what is done with it ("Printing envelope 3 of 120").
    void showEnvelope(const QString &status, const QString &entry, int number, int total);
    // A step after the envelopes ("Sending the job").
    void showStep(const QString &status);
    // True once the user has asked to stop.
    bool stopAsked() const { return m_stopAsked; }

    QPushButton *stop = nullptr;

protected:
    bool event(QEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;

private:
    void appear();
    void askStop();
    void toggleFocus();

    QPointer<QWidget> m_mainWindow;
    QPointer<QWidget> m_near;
    QLabel *m_status = nullptr;
    QLabel *m_entry = nullptr;
    QProgressBar *m_bar = nullptr;
    // On the main window, for as long as the batch runs.
    std::unique_ptr<QShortcut> m_escape;
    std::unique_ptr<QShortcut> m_switch;
    bool m_stopAsked = false;
    bool m_asked = false; // the user moved the keyboard here
    QElapsedTimer m_shown;
};

// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDialog>
#include <QLocale>
#include <QString>

class QTextBrowser;

// The manual shipped inside the program: one HTML page per language, its
// sections linked from a table of contents at the top. A window of its own
// beside the main window; Escape closes it.
class ManualWindow final : public QDialog
{
    Q_OBJECT

public:
    explicit ManualWindow(const QLocale &locale, QWidget *parent = nullptr);

    // The manual's page for the first of the locale's languages that has
    // one, else the English page.
    static QString pageFor(const QLocale &locale);

    QTextBrowser *browser() const { return m_browser; }

private:
    QTextBrowser *m_browser;
};

// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/manualwindow.h"

#include <QDialogButtonBox>
#include <QFile>
#include <QPushButton>
#include <QTextBrowser>
#include <QUrl>
#include <QVBoxLayout>

namespace {
const QString kPagePattern = QStringLiteral(":/manual/quillon_%1.html");
}

QString ManualWindow::pageFor(const QLocale &locale)
{
    // uiLanguages() lists "de-DE" before "de"; the pages are named by
    // language alone, as the catalogues are found.
    for (QString language : locale.uiLanguages()) {
        language.replace(u'-', u'_');
        for (const QString &name : {language, language.section(u'_', 0, 0)}) {
            const QString page = kPagePattern.arg(name);
            if (QFile::exists(page))
                return page;
        }
    }
    return kPagePattern.arg(QStringLiteral("en"));
}

ManualWindow::ManualWindow(const QLocale &locale, QWidget *parent) : QDialog(parent), m_browser(new QTextBrowser(this))
{
    setWindowTitle(tr("Quillon Manual"));
    setAttribute(Qt::WA_DeleteOnClose);
    // Links inside the manual move within it; a web address goes to the
    // desktop's browser instead of replacing the manual.
    m_browser->setOpenExternalLinks(true);
    m_browser->setAccessibleName(tr("Quillon Manual"));
    m_browser->setSource(QUrl(QStringLiteral("qrc") + pageFor(locale)));

    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Close, this);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    auto *contents = buttons->addButton(tr("&Contents"), QDialogButtonBox::ActionRole);
    connect(contents, &QPushButton::clicked, m_browser, &QTextBrowser::home);

    auto *layout = new QVBoxLayout(this);
    layout->addWidget(m_browser);
    layout->addWidget(buttons);
    resize(680, 600);
    m_browser->setFocus();
}

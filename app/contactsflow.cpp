// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/contactsflow.h"

#include "addressbook/addresslistmodel.h"
#include "addressbook/bookhistory.h"
#include "app/contactimportflow.h"
#include "contacts/contactfile.h"
#include "contacts/contacttexts.h"
#include "contacts/contactwriters.h"
#include "platform/filedialogs.h"
#include "platform/messagebox.h"

#include <QDir>
#include <QFileInfo>
#include <QLocale>
#include <QStandardPaths>

ContactsFlow::ContactsFlow(Context context, QObject *parent) : QObject(parent), m_context(std::move(context)) {}

void ContactsFlow::importChosen()
{
    const QString path =
        m_context.fileDialogs().openFile(tr("Import Contacts"), tr("Contacts (*.vcf *.vcard *.csv);;All files (*)"));
    if (!path.isEmpty())
        importFiles({path});
}

void ContactsFlow::importFiles(const QStringList &paths)
{
    m_files += paths;
    importNext();
}

void ContactsFlow::importNext()
{
    if (m_import || m_files.isEmpty() || m_context.ending())
        return;
    auto *flow = new ContactImportFlow({m_context.window, m_context.messages, m_context.events, m_context.ending,
                                        m_context.book.texts(), QLocale::territoryToCode(QLocale().territory()),
                                        m_context.columns()},
                                       this);
    m_import = flow;
    connect(flow, &ContactImportFlow::columnsChosen, this,
            [this](const QString &columns) { m_context.keepColumns(columns); });
    connect(flow, &ContactImportFlow::reviewed, this, &ContactsFlow::addReviewed);
    connect(flow, &ContactImportFlow::finished, this, [this, flow] {
        flow->deleteLater();
        m_import = nullptr;
        importNext();
    });
    flow->start(m_files.takeFirst());
}

void ContactsFlow::addReviewed(const ReviewOutcome &review)
{
    const auto step = m_context.history.step(BookHistory::Command::AddContacts);
    const int added = m_context.add(review.entries);
    // One save for them all, as the importer does.
    if (added > 0)
        m_context.save();
    m_context.messages.information(ContactTexts::added(added, review));
}

void ContactsFlow::exportBook()
{
    const QStringList entries = entriesToExport(m_context.book);
    if (entries.isEmpty()) {
        m_context.messages.information(ContactTexts::nothingToExport());
        return;
    }
    const QString vCard = tr("vCard 4.0 (*.vcf)");
    const QString csv = tr("CSV (*.csv)");
    QString filter = vCard;
    const QString folder = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    const QString chosen =
        m_context.fileDialogs().saveFile(tr("Export Contacts"), QDir(folder).filePath(QStringLiteral("contacts.vcf")),
                                         vCard + QStringLiteral(";;") + csv, &filter);
    if (chosen.isEmpty())
        return;
    const QString path = withContactSuffix(chosen, filter == csv ? ContactFormat::Csv : ContactFormat::VCard);
    // The dialog asked about the name it gave back, not the one with its ending.
    if (path != chosen && (QFileInfo::exists(path) || QFileInfo(path).isSymLink())
        && !m_context.messages.askYesNo(ContactTexts::replaceQuestion(path)))
        return;
    const IoResult written = writeContactFile(path, entries, QLocale::territoryToCode(QLocale().territory()));
    if (written.ok)
        m_context.messages.information(ContactTexts::exported(int(entries.size()), path));
    else
        m_context.messages.warning(ContactTexts::notExported(path, written.error));
}

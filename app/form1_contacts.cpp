// SPDX-License-Identifier: GPL-3.0-or-later
// Form1's contacts files: Import Contacts (from the menu, a drop or the
// command line), its review, and Export Contacts.
#include "app/form1.h"

#include "addressbook/addresslistmodel.h"
#include "app/contactimportflow.h"
#include "contacts/contactfile.h"
#include "contacts/contacttexts.h"
#include "contacts/contactwriters.h"
#include "platform/messagebox.h"
#include "platform/qt/qtfiledialogs.h"

#include <QDir>
#include <QFileInfo>
#include <QLocale>
#include <QStandardPaths>

FileDialogs &Form1::fileDialogs()
{
    if (m_services.fileDialogs)
        return *m_services.fileDialogs;
    if (!m_desktopDialogs)
        m_desktopDialogs = std::make_unique<QtFileDialogs>(this);
    return *m_desktopDialogs;
}

void Form1::ImportContactsMenu_Click()
{
    const QString path =
        fileDialogs().openFile(tr("Import Contacts"), tr("Contacts (*.vcf *.vcard *.csv);;All files (*)"));
    if (!path.isEmpty())
        importContacts({path});
}

void Form1::importContacts(const QStringList &paths)
{
    m_contactFiles += paths;
    importNextContacts();
}

void Form1::importNextContacts()
{
    if (m_contactImport || m_contactFiles.isEmpty() || ending())
        return;
    auto *flow =
        new ContactImportFlow({this, m_services.messages, [this] { m_services.events.processEvents(); },
                               [this] { return ending(); }, addressBook()->texts(),
                               QLocale::territoryToCode(QLocale().territory()), m_store.read(Setting::ContactColumns)},
                              this);
    m_contactImport = flow;
    connect(flow, &ContactImportFlow::columnsChosen, this,
            [this](const QString &columns) { storeField(Setting::ContactColumns, columns); });
    connect(flow, &ContactImportFlow::reviewed, this, &Form1::addReviewedContacts);
    connect(flow, &ContactImportFlow::finished, this, [this, flow] {
        flow->deleteLater();
        m_contactImport = nullptr;
        importNextContacts();
    });
    flow->start(m_contactFiles.takeFirst());
}

void Form1::addReviewedContacts(const ReviewOutcome &review)
{
    const auto step = m_history.step(BookHistory::Command::AddContacts);
    const int added = addToAddressBook(review.entries);
    // One save for them all, as the importer does.
    if (added > 0)
        SaveFile();
    m_services.messages.information(ContactTexts::added(added, review));
}

void Form1::ExportContactsMenu_Click()
{
    const QStringList entries = entriesToExport(*addressBook());
    if (entries.isEmpty()) {
        m_services.messages.information(ContactTexts::nothingToExport());
        return;
    }
    const QString vCard = tr("vCard 4.0 (*.vcf)");
    const QString csv = tr("CSV (*.csv)");
    QString filter = vCard;
    const QString folder = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    const QString chosen =
        fileDialogs().saveFile(tr("Export Contacts"), QDir(folder).filePath(QStringLiteral("contacts.vcf")),
                               vCard + QStringLiteral(";;") + csv, &filter);
    if (chosen.isEmpty())
        return;
    const QString path = withContactSuffix(chosen, filter == csv ? ContactFormat::Csv : ContactFormat::VCard);
    // The dialog asked about the name it gave back, not the one with its ending.
    if (path != chosen && (QFileInfo::exists(path) || QFileInfo(path).isSymLink())
        && !m_services.messages.askYesNo(ContactTexts::replaceQuestion(path)))
        return;
    const IoResult written = writeContactFile(path, entries, QLocale::territoryToCode(QLocale().territory()));
    if (written.ok)
        m_services.messages.information(ContactTexts::exported(int(entries.size()), path));
    else
        m_services.messages.warning(ContactTexts::notExported(path, written.error));
}

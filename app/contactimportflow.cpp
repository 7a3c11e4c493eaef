// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/contactimportflow.h"

#include "app/columnmappingdialog.h"
#include "app/contactreviewdialog.h"
#include "contacts/contactfile.h"
#include "contacts/contactreviewmodel.h"
#include "contacts/contacttexts.h"
#include "contacts/csvcolumns.h"
#include "contacts/vcardreader.h"
#include "platform/messagebox.h"

#include <QFileInfo>
#include <QProgressDialog>

#include <utility>

ContactImportFlow::ContactImportFlow(Context context, QObject *parent) : QObject(parent), m_context(std::move(context))
{}

void ContactImportFlow::start(const QString &path)
{
    m_path = path;
    m_name = QFileInfo(path).fileName();
    // Shown only when reading takes a while; its Cancel stops the reading.
    QProgressDialog progress(tr("Reading %1...").arg(m_name), tr("Cancel"), 0, 1000, m_context.window);
    progress.setWindowTitle(tr("Import Contacts"));
    progress.setMinimumDuration(400);
    progress.setAutoClose(false);
    progress.setAutoReset(false);
    ThrottledEvents throttled(m_context.events);
    const auto goOn = [&] { return !progress.wasCanceled() && !m_context.stopped(); };
    const ReadProgress reading = [&](qsizetype done, qsizetype total) {
        progress.setValue(total > 0 ? int(done * 1000 / total) : 0);
        throttled();
        return goOn();
    };

    const ContactFile file = readContactFile(path, [&] { throttled(); });
    if (!goOn())
        return finish();
    if (!file.ok) {
        m_context.messages.warning(ContactTexts::notRead(path, file.error));
        return finish();
    }
    if (file.format == ContactFormat::VCard)
        return review(readVCards(file.text, reading), {});

    const CsvTable table = readCsv(file.text, reading);
    if (table.cancelled || table.stoppedAt > 0) {
        ContactsRead stopped;
        stopped.cancelled = table.cancelled;
        stopped.stoppedAt = table.stoppedAt;
        stopped.problem = table.problem;
        return review(stopped, {});
    }
    const QStringList header = table.records.value(0);
    const CsvColumns columns = recogniseColumns(header);
    if (columns.recognised() || table.records.size() < 2)
        return review(contactsFromCsv(table, columns, reading), columns.source);

    auto *dialog = new ColumnMappingDialog(table, mappingFor(header, m_context.remembered), m_name, m_context.window);
    // What follows a dialog runs once it has closed, from the event loop:
    // never inside its own signals, where events that run could delete it.
    connect(dialog, &QDialog::finished, this, [this, dialog, table](int result) {
        dialog->deleteLater();
        if (result != QDialog::Accepted)
            return later(&ContactImportFlow::finish);
        const QList<ContactField> fields = dialog->fields();
        emit columnsChosen(mappingSetting(table.records.value(0), fields));
        m_read = contactsFromCsv(table, columnsFromFields(fields));
        later(&ContactImportFlow::reviewRead);
    });
    dialog->open();
}

void ContactImportFlow::later(void (ContactImportFlow::*step)())
{
    QMetaObject::invokeMethod(this, step, Qt::QueuedConnection);
}

void ContactImportFlow::reviewRead()
{
    review(std::exchange(m_read, {}), {});
}

void ContactImportFlow::review(ContactsRead read, const QString &source)
{
    if (read.cancelled || m_context.stopped())
        return finish();
    if (read.broken()) {
        m_context.messages.warning(ContactTexts::broken(m_path, read.stoppedAt, read.problem));
        return finish();
    }
    if (read.contacts.isEmpty() && read.skipped.isEmpty()) {
        m_context.messages.information(ContactTexts::noContacts(m_path));
        return finish();
    }
    auto *model = new ContactReviewModel(std::move(read.contacts), m_context.book, m_context.home);
    auto *dialog = new ContactReviewDialog(model, read.skipped, m_name, source, m_context.window);
    const int skipped = int(read.skipped.size());
    connect(dialog, &QDialog::finished, this, [this, dialog, skipped](int result) {
        dialog->deleteLater();
        if (result == QDialog::Accepted) {
            m_accepted = true;
            m_outcome = dialog->model()->outcome(skipped);
        }
        later(&ContactImportFlow::finish);
    });
    dialog->open();
}

void ContactImportFlow::finish()
{
    if (std::exchange(m_finished, true))
        return;
    if (m_accepted)
        emit reviewed(m_outcome);
    emit finished();
}

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

#include <QElapsedTimer>
#include <QFileInfo>
#include <QProgressDialog>

#include <limits>

#include <utility>

ContactImportFlow::ContactImportFlow(Context context, QObject *parent) : QObject(parent), m_context(std::move(context))
{}

void ContactImportFlow::start(const QString &path)
{
    m_path = path;
    m_name = QFileInfo(path).fileName();
    // Shown once reading takes a while; its Cancel stops the reading.
    m_progress = new QProgressDialog(tr("Reading %1...").arg(m_name), tr("Cancel"), 0, 1000, m_context.window);
    m_progress->setWindowTitle(tr("Import Contacts"));
    m_progress->setMinimumDuration(std::numeric_limits<int>::max());
    m_progress->setAutoClose(false);
    m_progress->setAutoReset(false);
    QElapsedTimer started;
    started.start();
    ThrottledEvents throttled(m_context.events);
    // However long one step takes, the window is there within half a
    // second of the next.
    const auto tick = [&] {
        if (m_progress && !m_progress->isVisible() && started.elapsed() > kShowProgressAfterMs)
            m_progress->show();
        throttled();
    };
    const auto goOn = [&] { return m_progress && !m_progress->wasCanceled() && !m_context.stopped(); };
    const ReadProgress reading = [&](qsizetype done, qsizetype total) {
        if (m_progress)
            m_progress->setValue(total > 0 ? int(done * 1000 / total) : 0);
        tick();
        return goOn();
    };

    ContactFile file = readContactFile(path, tick);
    if (!goOn())
        return finish();
    if (!file.ok) {
        closeProgress();
        m_context.messages.warning(ContactTexts::notRead(path, file.error));
        return finish();
    }
    tick();
    if (file.format == ContactFormat::VCard)
        return review(readVCards(std::exchange(file.text, {}), reading), {});

    const CsvTable table = readCsv(std::exchange(file.text, {}), reading);
    if (table.cancelled)
        return finish();
    const QStringList header = table.records.value(0);
    const CsvColumns columns = recogniseColumns(header);
    const int count = int(header.size());
    if (table.records.size() < 2 || (columns.recognised() && !lacksNameOrPostalCode(columns, count)))
        return review(contactsFromCsv(table, columns, reading), columns.source);

    // What was recognised, and where nothing was, what the user chose last.
    QList<ContactField> preset = fieldsOf(columns, count);
    const QList<ContactField> remembered = mappingFor(header, m_context.remembered);
    for (int column = 0; column < count; ++column) {
        if (preset[column] == ContactField::Ignored)
            preset[column] = remembered.value(column);
    }
    closeProgress();
    auto *dialog = new ColumnMappingDialog(table, preset, m_name, m_context.window);
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

void ContactImportFlow::closeProgress()
{
    delete m_progress.data();
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
    closeProgress();
    if (read.cancelled || m_context.stopped())
        return finish();
    if (read.contacts.isEmpty() && read.skipped.isEmpty()) {
        m_context.messages.information(ContactTexts::noContacts(m_path));
        return finish();
    }
    auto *model = new ContactReviewModel(std::move(read.contacts), m_context.book, m_context.home);
    auto *dialog = new ContactReviewDialog(model, read.skipped, read.cut, m_name, source, m_context.window);
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
    closeProgress();
    if (std::exchange(m_finished, true))
        return;
    if (m_accepted)
        emit reviewed(m_outcome);
    emit finished();
}

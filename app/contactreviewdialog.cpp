// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/contactreviewdialog.h"

#include "contacts/contactreviewmodel.h"
#include "contacts/contacttexts.h"

#include <QApplication>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLabel>
#include <QListView>
#include <QListWidget>
#include <QLocale>
#include <QPushButton>
#include <QStyledItemDelegate>
#include <QVBoxLayout>

namespace {

// Rows as tall as their lines and as wide as the list. The height follows
// from the number of lines alone, so that ten thousand contacts are laid
// out without laying out the text of each.
class LinesDelegate final : public QStyledItemDelegate
{
public:
    explicit LinesDelegate(QListView *view) : QStyledItemDelegate(view), m_view(view) {}

    QSize sizeHint(const QStyleOptionViewItem &option, const QModelIndex &index) const override
    {
        const int lines = int(index.data().toString().count(u'\n')) + 1;
        auto height = m_heights.constFind(lines);
        if (height == m_heights.constEnd()) {
            QStyleOptionViewItem sample = option;
            initStyleOption(&sample, index);
            // Drawn text parts its lines as the delegate's own text does.
            sample.text = QStringList(lines, QStringLiteral("X")).join(QChar::LineSeparator);
            const QStyle *style = option.widget ? option.widget->style() : QApplication::style();
            height = m_heights.insert(
                lines, style->sizeFromContents(QStyle::CT_ItemViewItem, &sample, QSize(), option.widget).height());
        }
        return QSize(m_view->viewport()->width(), *height);
    }

private:
    QListView *m_view;
    mutable QHash<int, int> m_heights;
};

} // namespace

ContactReviewDialog::ContactReviewDialog(ContactReviewModel *model, const QList<SkippedContact> &skippedContacts,
                                         int cut, const QString &fileName, const QString &source, QWidget *parent)
    : QDialog(parent),
      m_model(model),
      m_skipped(int(skippedContacts.size()))
{
    setObjectName(QStringLiteral("ContactReview"));
    setWindowTitle(tr("Import Contacts"));
    m_model->setParent(this);
    const QLocale locale;

    QString intro = m_model->count() == 1
        ? tr("%1 holds one contact with a postal address.").arg(fileName)
        : tr("%1 holds %2 contacts with a postal address.").arg(fileName, locale.toString(m_model->count()));
    intro += u' ' + tr("Tick those to add to the address book (Space ticks or unticks the chosen one).");
    if (!source.isEmpty())
        intro += u' ' + tr("Its columns were read as a %1 export.").arg(source);
    if (cut > 0)
        intro += u' ' + ContactTexts::valuesCut(cut);
    auto *heading = new QLabel(intro, this);
    heading->setWordWrap(true);

    contacts = new QListView(this);
    contacts->setObjectName(QStringLiteral("contacts"));
    contacts->setModel(m_model);
    contacts->setItemDelegate(new LinesDelegate(contacts));
    contacts->setAlternatingRowColors(true);
    contacts->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    contacts->setTextElideMode(Qt::ElideRight);
    contacts->setEditTriggers(QAbstractItemView::NoEditTriggers);
    contacts->setSelectionMode(QAbstractItemView::SingleSelection);
    contacts->setAccessibleName(tr("Contacts to add"));
    contacts->setAccessibleDescription(tr("Each contact as its envelope lines; ticked ones are added"));
    auto *contactsLabel = new QLabel(tr("&Contacts:"), this);
    contactsLabel->setBuddy(contacts);

    address = new QComboBox(this);
    address->setObjectName(QStringLiteral("address"));
    address->setAccessibleName(tr("Address of the chosen contact"));
    address->setAccessibleDescription(tr("For a contact with several addresses, the one to print"));
    auto *addressRow = new QFormLayout;
    addressRow->addRow(tr("Add&ress:"), address);

    skipped = new QListWidget(this);
    skipped->setObjectName(QStringLiteral("skipped"));
    for (const SkippedContact &contact : skippedContacts)
        skipped->addItem(tr("%1: %2", "a skipped contact, then why")
                             .arg(ContactTexts::shownLine(contact.name), ContactTexts::shownLine(contact.reason)));
    skipped->setAccessibleName(tr("Skipped contacts"));
    skipped->setAccessibleDescription(tr("Contacts that are not added, each with the reason"));
    auto *skippedLabel = new QLabel(tr("&Skipped (%1):").arg(locale.toString(m_skipped)), this);
    skippedLabel->setBuddy(skipped);
    skipped->setFixedHeight(skipped->sizeHintForRow(0) * 5 + 2 * skipped->frameWidth());
    skippedLabel->setVisible(m_skipped > 0);
    skipped->setVisible(m_skipped > 0);

    summary = new QLabel(this);
    summary->setObjectName(QStringLiteral("summary"));

    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Cancel, this);
    add = buttons->addButton(tr("&Add"), QDialogButtonBox::AcceptRole);
    add->setObjectName(QStringLiteral("add"));
    add->setDefault(true);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto *layout = new QVBoxLayout(this);
    layout->addWidget(heading);
    layout->addWidget(contactsLabel);
    layout->addWidget(contacts, 1);
    layout->addLayout(addressRow);
    layout->addWidget(skippedLabel);
    layout->addWidget(skipped);
    layout->addWidget(summary);
    layout->addWidget(buttons);

    connect(contacts->selectionModel(), &QItemSelectionModel::currentRowChanged, this,
            [this](const QModelIndex &current) { showAddressesOf(current.row()); });
    connect(address, &QComboBox::activated, this,
            [this](int choice) { m_model->chooseAddress(contacts->currentIndex().row(), choice); });
    connect(m_model, &ContactReviewModel::tickedCountChanged, this, &ContactReviewDialog::updateCounts);
    if (m_model->count() > 0)
        contacts->setCurrentIndex(m_model->index(0));
    showAddressesOf(contacts->currentIndex().row());
    updateCounts();
    contacts->setFocus();
    resize(560, 600);
}

void ContactReviewDialog::showAddressesOf(int row)
{
    address->clear();
    address->addItems(m_model->addressChoices(row));
    address->setCurrentIndex(m_model->addressChoice(row));
    // Offered only where there is a choice; Tab then passes it over.
    address->setEnabled(address->count() > 1);
}

void ContactReviewDialog::updateCounts()
{
    const QLocale locale;
    const int ticked = m_model->tickedCount();
    using Note = ContactReviewModel::Note;
    QString counts = tr("Ticked: %1 of %2. Skipped: %3. Already in the address book: %4.")
                         .arg(locale.toString(ticked), locale.toString(m_model->count()), locale.toString(m_skipped),
                              locale.toString(m_model->untickedWith(Note::InBook)));
    if (const int twice = m_model->untickedWith(Note::EarlierInFile); twice > 0)
        counts += u' ' + tr("Twice in the file: %1.").arg(locale.toString(twice));
    summary->setText(counts);
    add->setText(ticked == 1 ? tr("&Add 1 Address") : tr("&Add %1 Addresses").arg(locale.toString(ticked)));
    add->setAccessibleName(add->text().remove(u'&'));
    add->setEnabled(ticked > 0);
}

// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/columnmappingdialog.h"

#include "contacts/contacttexts.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLabel>
#include <QLocale>
#include <QPushButton>
#include <QScrollArea>
#include <QVBoxLayout>

namespace {

QString fieldName(ContactField field)
{
    switch (field) {
    case ContactField::Ignored: return ColumnMappingDialog::tr("(not used)");
    case ContactField::Name: return ColumnMappingDialog::tr("Name");
    case ContactField::Organisation: return ColumnMappingDialog::tr("Organisation");
    case ContactField::Street: return ColumnMappingDialog::tr("Street");
    case ContactField::City: return ColumnMappingDialog::tr("City");
    case ContactField::Region: return ColumnMappingDialog::tr("Region or state");
    case ContactField::PostalCode: return ColumnMappingDialog::tr("Postal code");
    case ContactField::Country: return ColumnMappingDialog::tr("Country");
    }
    return {};
}

} // namespace

ColumnMappingDialog::ColumnMappingDialog(const CsvTable &table, const QList<ContactField> &preset,
                                         const QString &fileName, QWidget *parent)
    : QDialog(parent)
{
    setObjectName(QStringLiteral("ColumnMapping"));
    setWindowTitle(tr("Columns of the Contacts File"));
    auto *intro = new QLabel(tr("Quillon does not know the columns of %1. Choose what each column holds; "
                                "several columns may hold parts of the name or of the street. The choice is "
                                "kept for the next file with these headers.")
                                 .arg(fileName),
                             this);
    intro->setWordWrap(true);

    auto *form = new QFormLayout;
    const QStringList header = table.records.value(0);
    const QStringList example = table.records.value(1);
    m_fields = preset;
    m_fields.resize(header.size(), ContactField::Ignored);
    const int shown = int(std::min<qsizetype>(header.size(), kShownColumns));
    for (int column = 0; column < shown; ++column) {
        auto *box = new QComboBox;
        for (const ContactField field : kContactFields)
            box->addItem(fieldName(field), int(field));
        box->setCurrentIndex(std::max(0, box->findData(int(preset.value(column)))));
        const QString name = header[column].simplified().isEmpty()
            ? tr("Column %1").arg(column + 1)
            : ContactTexts::shownLine(QStringView(header[column]).left(kShownHeader).toString().simplified());
        const QString value = QStringView(example.value(column)).left(kShownHeader).toString().simplified();
        box->setAccessibleName(name);
        box->setAccessibleDescription(value.isEmpty() ? QString() : tr("First contact: %1").arg(value));
        auto *label = new QLabel(
            value.isEmpty() ? name
                            : tr("%1 (%2)", "a column's header, then its first value").arg(name, value.left(40)));
        label->setBuddy(box);
        form->addRow(label, box);
        columns << box;
    }
    auto *inner = new QWidget;
    inner->setLayout(form);
    auto *scroll = new QScrollArea(this);
    scroll->setWidget(inner);
    scroll->setWidgetResizable(true);
    // Tab goes from list to list; the area follows the one with the focus.
    scroll->setFocusPolicy(Qt::NoFocus);

    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    buttons->button(QDialogButtonBox::Ok)->setDefault(true);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto *layout = new QVBoxLayout(this);
    layout->addWidget(intro);
    if (shown < header.size()) {
        auto *more = new QLabel(tr("Only the first %1 of the %2 columns are shown; the others are read as they were "
                                   "recognised, or not at all.")
                                    .arg(QLocale().toString(shown), QLocale().toString(header.size())),
                                this);
        more->setObjectName(QStringLiteral("moreColumns"));
        more->setWordWrap(true);
        layout->addWidget(more);
    }
    layout->addWidget(scroll, 1);
    layout->addWidget(buttons);
    if (!columns.isEmpty())
        columns.first()->setFocus();
    resize(480, 420);
}

QList<ContactField> ColumnMappingDialog::fields() const
{
    QList<ContactField> chosen = m_fields;
    for (qsizetype column = 0; column < columns.size(); ++column)
        chosen[column] = ContactField(columns[column]->currentData().toInt());
    return chosen;
}

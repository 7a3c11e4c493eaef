// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "contacts/csvcolumns.h"

#include <QDialog>

class QComboBox;

// What each column of a CSV file holds, chosen by the user where the
// headers are none this program knows: one list per column, under its
// header and the value of the first contact.
class ColumnMappingDialog final : public QDialog
{
    Q_OBJECT

public:
    ColumnMappingDialog(const CsvTable &table, const QList<ContactField> &preset, const QString &fileName,
                        QWidget *parent = nullptr);

    QList<ContactField> fields() const;

    QList<QComboBox *> columns;

    // One list per column is laid out for these many at most: a file with
    // a hundred thousand columns would take minutes and gigabytes.
    static constexpr int kShownColumns = 200;
    static constexpr qsizetype kShownHeader = 200;

private:
    QList<ContactField> m_fields; // the preset, for the columns not shown
};

// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QObject>
#include <QStringList>

class QWidget;

// Takes contacts files (.vcf, .vcard, .csv) dropped anywhere on a window:
// on its text boxes too, which would otherwise insert the file's name.
// Any other drop goes where it went before.
class ContactDrops final : public QObject
{
    Q_OBJECT

public:
    // Watches the window and the widgets it holds now.
    explicit ContactDrops(QWidget *window);

    // The contacts files among the dropped ones; none for any other drop.
    static QStringList contactFiles(const class QMimeData *data);

signals:
    void dropped(const QStringList &paths);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
};

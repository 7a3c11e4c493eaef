// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/contactdrops.h"

#include "contacts/contactfile.h"

#include <QDropEvent>
#include <QMimeData>
#include <QUrl>
#include <QWidget>

ContactDrops::ContactDrops(QWidget *window) : QObject(window)
{
    // Drops on what takes none (a button, a label) go up to the window.
    window->setAcceptDrops(true);
    window->installEventFilter(this);
    for (QWidget *widget : window->findChildren<QWidget *>())
        widget->installEventFilter(this);
}

QStringList ContactDrops::contactFiles(const QMimeData *data)
{
    QStringList paths;
    if (!data || !data->hasUrls())
        return paths;
    for (const QUrl &url : data->urls()) {
        if (url.isLocalFile() && isContactFileName(url.toLocalFile()))
            paths << url.toLocalFile();
    }
    return paths;
}

bool ContactDrops::eventFilter(QObject *watched, QEvent *event)
{
    const QEvent::Type type = event->type();
    if (type != QEvent::DragEnter && type != QEvent::DragMove && type != QEvent::Drop)
        return QObject::eventFilter(watched, event);
    auto *drop = static_cast<QDropEvent *>(event);
    const QStringList paths = contactFiles(drop->mimeData());
    if (paths.isEmpty())
        return QObject::eventFilter(watched, event);
    drop->acceptProposedAction();
    if (type == QEvent::Drop)
        emit dropped(paths);
    return true;
}

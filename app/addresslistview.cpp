// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/addresslistview.h"

#include <QMouseEvent>
#include <QStyledItemDelegate>

namespace {

// Every row as wide as the list: a long entry ends in an ellipsis at the
// list's edge, and its first line stays readable at the start.
class FullWidthDelegate final : public QStyledItemDelegate
{
public:
    explicit FullWidthDelegate(QAbstractItemView *view) : QStyledItemDelegate(view), m_view(view) {}

    QSize sizeHint(const QStyleOptionViewItem &option, const QModelIndex &index) const override
    {
        QSize size = QStyledItemDelegate::sizeHint(option, index);
        size.setWidth(m_view->viewport()->width());
        return size;
    }

private:
    QAbstractItemView *m_view;
};

} // namespace

AddressListView::AddressListView(QWidget *parent) : QListView(parent)
{
    // Every row is one line high: the view lays out tens of thousands of
    // entries without asking each one for its size.
    setUniformItemSizes(true);
    setWordWrap(false);
    setTextElideMode(Qt::ElideRight);
    setItemDelegate(new FullWidthDelegate(this));
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setResizeMode(QListView::Adjust);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
}

void AddressListView::keyPressEvent(QKeyEvent *event)
{
    const QPersistentModelIndex before = currentIndex();
    QListView::keyPressEvent(event);
    if (currentIndex().isValid() && currentIndex() != before)
        emit clicked(currentIndex());
}

void AddressListView::focusInEvent(QFocusEvent *event)
{
    // Qt makes the first entry current when the list gets the focus with
    // none chosen; then no key could choose that entry. With none current,
    // the first arrow key (or Home) chooses it.
    const bool hadCurrent = currentIndex().isValid();
    QListView::focusInEvent(event);
    if (!hadCurrent && !selectionModel()->hasSelection())
        selectionModel()->setCurrentIndex(QModelIndex(), QItemSelectionModel::NoUpdate);
}

QModelIndex AddressListView::moveCursor(CursorAction action, Qt::KeyboardModifiers modifiers)
{
    const int rows = model() ? model()->rowCount(rootIndex()) : 0;
    if (currentIndex().isValid() || rows == 0)
        return QListView::moveCursor(action, modifiers);
    switch (action) {
    case MoveEnd: return model()->index(rows - 1, 0, rootIndex());
    case MovePageDown: {
        // Where Page Down from the first entry goes: the last entry shown.
        const QModelIndex lastShown = indexAt(QPoint(0, viewport()->height() - 1));
        return lastShown.isValid() ? lastShown : model()->index(rows - 1, 0, rootIndex());
    }
    default: return model()->index(0, 0, rootIndex());
    }
}

void AddressListView::mousePressEvent(QMouseEvent *event)
{
    // The tick box's delegate takes the press, and Qt then leaves the
    // current entry where it was.
    const QModelIndex index = indexAt(event->position().toPoint());
    if (index.isValid() && event->button() == Qt::LeftButton)
        selectionModel()->setCurrentIndex(index, QItemSelectionModel::ClearAndSelect);
    QListView::mousePressEvent(event);
}

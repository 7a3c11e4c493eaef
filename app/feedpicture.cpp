// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/feedpicture.h"

#include <QPainter>
#include <QPainterPath>

namespace {

// The envelope's proportions, short edge to long, near DL's and C5's.
constexpr double kAspect = 0.5;
constexpr int kSlot = 22; // height of the printer's slot
constexpr int kGap = 6;
constexpr int kArrowRoom = 18;

bool onLeft(FeedCorner corner)
{
    return corner == FeedCorner::TopLeft || corner == FeedCorner::BottomLeft;
}

bool onTop(FeedCorner corner)
{
    return corner == FeedCorner::TopLeft || corner == FeedCorner::TopRight;
}

// A rectangle of `size` inside `box` at `corner`, `inset` from its edges.
QRectF inCorner(const QRectF &box, FeedCorner corner, QSizeF size, double inset)
{
    const double x = onLeft(corner) ? box.left() + inset : box.right() - inset - size.width();
    const double y = onTop(corner) ? box.top() + inset : box.bottom() - inset - size.height();
    return QRectF(QPointF(x, y), size);
}

} // namespace

FeedPicture::FeedPicture(QWidget *parent) : QWidget(parent)
{
    setMinimumSize(90, 150);
    setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Preferred);
    setAccessibleName(tr("How the envelope goes into the printer"));
}

void FeedPicture::showFeed(const FeedLayout &feed, const QString &words)
{
    m_feed = feed;
    setAccessibleDescription(words);
    setToolTip(words);
    update();
}

QSize FeedPicture::sizeHint() const
{
    return {130, 200};
}

void FeedPicture::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    const QPalette &colours = palette();
    const QColor ink = colours.color(QPalette::WindowText);

    // The printer's slot across the top, with the feed's arrow into it.
    const QRectF slot(4, 2, width() - 8, kSlot);
    painter.setPen(Qt::NoPen);
    painter.setBrush(colours.color(QPalette::Dark));
    painter.drawRoundedRect(slot, 4, 4);
    painter.setPen(colours.color(QPalette::BrightText));
    painter.drawText(slot, Qt::AlignCenter, tr("Printer"));

    // The envelope, portrait, its leading edge up against the slot.
    const double room = height() - slot.bottom() - 2 * kGap - 2;
    // Room on the right for the arrow.
    const double envelopeWidth = std::min(width() - 2.0 * kArrowRoom, room * kAspect);
    const QRectF envelope((width() - envelopeWidth) / 2, slot.bottom() + 2 * kGap, envelopeWidth,
                          envelopeWidth / kAspect);
    painter.setPen(QPen(ink, 1));
    painter.setBrush(Qt::white);
    painter.drawRect(envelope);
    // The leading edge, thick, and the arrow beside the envelope.
    painter.setPen(QPen(ink, 3));
    painter.drawLine(envelope.topLeft(), envelope.topRight());
    const double arrowX = envelope.right() + kArrowRoom / 2.0;
    painter.setPen(QPen(ink, 2));
    painter.drawLine(QPointF(arrowX, envelope.center().y()), QPointF(arrowX, envelope.top()));
    painter.drawLine(QPointF(arrowX, envelope.top()), QPointF(arrowX - 5, envelope.top() + 7));
    painter.drawLine(QPointF(arrowX, envelope.top()), QPointF(arrowX + 5, envelope.top() + 7));

    // The flap lies along the front's top edge, the side where the stamp
    // and the return address are; it shows when the front faces down.
    const bool frontTopOnLeft = onLeft(m_feed.stamp);
    if (!m_feed.addressSideUp) {
        const double edgeX = frontTopOnLeft ? envelope.left() : envelope.right();
        const double apexX = edgeX + (frontTopOnLeft ? 1 : -1) * envelope.width() * 0.45;
        painter.setPen(QPen(ink, 1));
        painter.setBrush(Qt::NoBrush);
        QPainterPath flap;
        flap.moveTo(edgeX, envelope.top());
        flap.lineTo(apexX, envelope.center().y());
        flap.lineTo(edgeX, envelope.bottom());
        painter.drawPath(flap);
    }

    // The front's marks: solid when they face up, dashed when beneath.
    const Qt::PenStyle style = m_feed.addressSideUp ? Qt::SolidLine : Qt::DashLine;
    const double unit = envelope.width() / 10;
    const QRectF stamp = inCorner(envelope, m_feed.stamp, QSizeF(2.6 * unit, 2.2 * unit), unit * 0.6);
    painter.setPen(QPen(ink, 1, style));
    painter.setBrush(m_feed.addressSideUp ? colours.color(QPalette::Highlight) : QBrush(Qt::NoBrush));
    painter.drawRect(stamp);
    // The return address: short lines running along the envelope's length.
    const QRectF returnBlock = inCorner(envelope, m_feed.returnAddress, QSizeF(2.4 * unit, 4 * unit), unit * 0.6);
    painter.setPen(QPen(ink, 1.5, style));
    // They start at the front's left end, the corner's own end.
    const bool fromTop = onTop(m_feed.returnAddress);
    for (int i = 0; i < 3; ++i) {
        const double x = frontTopOnLeft ? returnBlock.left() + i * unit * 0.8 : returnBlock.right() - i * unit * 0.8;
        const double shorter = i * unit * 0.6;
        painter.drawLine(QPointF(x, fromTop ? returnBlock.top() : returnBlock.bottom()),
                         QPointF(x, fromTop ? returnBlock.bottom() - shorter : returnBlock.top() + shorter));
    }
    // The to-address: longer lines in the middle, nearer the front's bottom.
    const QPointF centre = envelope.center();
    for (int i = 0; i < 4; ++i) {
        const double x = centre.x() + (frontTopOnLeft ? 1 : -1) * (0.3 + i * 0.9) * unit;
        painter.drawLine(QPointF(x, centre.y() - 2.5 * unit), QPointF(x, centre.y() + 3 * unit));
    }
}

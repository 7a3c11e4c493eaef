// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/headinglabel.h"

#include <QFontMetricsF>
#include <QPainter>
#include <QRegularExpression>

HeadingLabel::HeadingLabel(const QString &text, QWidget *parent) : QLabel(text, parent)
{
    setTextFormat(Qt::PlainText);
    setAlignment(Qt::AlignLeft | Qt::AlignTop);
    // Labels lie behind the boxes they overlap and never take their clicks.
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setFocusPolicy(Qt::NoFocus);
}

void HeadingLabel::setSlots(const QList<Slot> &places)
{
    m_slots = places;
    update();
}

QStringList HeadingLabel::headings() const
{
    static const QRegularExpression gap(QStringLiteral(" {2,}"));
    if (m_slots.isEmpty())
        return {text()};
    return text().trimmed().split(gap);
}

QFont HeadingLabel::fittedFont() const
{
    const QStringList parts = headings();
    QList<Slot> places = m_slots;
    if (places.isEmpty() || places.size() != parts.size())
        places = {{0, width()}};

    auto fits = [&](const QFont &font) {
        const QFontMetricsF metrics(font);
        for (qsizetype i = 0; i < places.size() && i < parts.size(); ++i) {
            if (places[i].start + metrics.horizontalAdvance(parts[i]) > places[i].end)
                return false;
        }
        return true;
    };

    QFont font = this->font();
    if (fits(font))
        return font;
    // A condensed face first, then smaller sizes, down to what stays legible.
    font.setStretch(QFont::Condensed);
    while (!fits(font) && font.pointSizeF() > 6.5)
        font.setPointSizeF(font.pointSizeF() - 0.25);
    return font;
}

void HeadingLabel::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.setFont(fittedFont());
    painter.setPen(palette().color(foregroundRole()));
    const QStringList parts = headings();
    if (m_slots.size() != parts.size()) {
        painter.drawText(rect(), int(alignment()) | Qt::TextSingleLine, parts.join(u' '));
        return;
    }
    for (qsizetype i = 0; i < parts.size(); ++i) {
        const Slot &place = m_slots[i];
        painter.drawText(QRect(place.start, 0, place.end - place.start, height()),
                         int(alignment()) | Qt::TextSingleLine, parts[i]);
    }
}

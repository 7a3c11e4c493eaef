// SPDX-License-Identifier: GPL-3.0-or-later
#include "printing/testenvelope.h"
#include "printing/units.h"

#include <QRectF>

namespace {

// Tick lengths and the cross's arm, in millimetres.
constexpr double kTick = 1.5;
constexpr double kTickFive = 3;
constexpr double kTickTen = 4.5;
constexpr double kCrossArm = 3;
// The numbers sit just inside the longest ticks.
constexpr double kLabelGap = 0.5;
// The note's first line, from the bottom-left corner, and its line step.
constexpr double kNoteLeft = 15;
constexpr double kNoteAbove = 15;
constexpr double kNoteStep = 3.5;

double tickLength(int mm)
{
    return (mm % 10 == 0 ? kTickTen : mm % 5 == 0 ? kTickFive : kTick) * kPointsPerMillimetre;
}

} // namespace

PageMarks testEnvelopeMarks(const QSizeF &printable, const QList<QPointF> &origins, const QStringList &note)
{
    PageMarks marks;
    const QRectF area(QPointF(0, 0), printable);
    marks.lines << QLineF(area.topLeft(), area.topRight()) << QLineF(area.topRight(), area.bottomRight())
                << QLineF(area.bottomRight(), area.bottomLeft()) << QLineF(area.bottomLeft(), area.topLeft());
    const double labelAt = (kTickTen + kLabelGap) * kPointsPerMillimetre;
    // Along the top: millimetres to the right; along the left: down. The
    // corner's own 0 is the outline.
    for (int mm = 1; mm * kPointsPerMillimetre <= printable.width(); ++mm) {
        const double x = mm * kPointsPerMillimetre;
        marks.lines << QLineF(x, 0, x, tickLength(mm));
        if (mm % 10 == 0)
            marks.labels.append({QPointF(x, labelAt), QString::number(mm)});
    }
    for (int mm = 1; mm * kPointsPerMillimetre <= printable.height(); ++mm) {
        const double y = mm * kPointsPerMillimetre;
        marks.lines << QLineF(0, y, tickLength(mm), y);
        if (mm % 10 == 0)
            marks.labels.append({QPointF(labelAt, y), QString::number(mm)});
    }
    const double arm = kCrossArm * kPointsPerMillimetre;
    for (const QPointF &origin : origins) {
        marks.lines << QLineF(origin - QPointF(arm, 0), origin + QPointF(arm, 0))
                    << QLineF(origin - QPointF(0, arm), origin + QPointF(0, arm));
    }
    for (qsizetype i = 0; i < note.size(); ++i)
        marks.labels.append({QPointF(kNoteLeft, printable.height() / kPointsPerMillimetre - kNoteAbove + i * kNoteStep)
                                 * kPointsPerMillimetre,
                             note[i]});
    return marks;
}

// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/headinglabel.h"

#include <QFontMetricsF>
#include <QLabel>
#include <QRegularExpression>

namespace {

struct Run
{
    QString heading;
    int spacesAfter = 0;
};

QList<Run> splitRuns(const QString &text)
{
    QList<Run> runs;
    static const QRegularExpression gap(QStringLiteral("  +"));
    int from = 0;
    for (auto it = gap.globalMatch(text); it.hasNext();) {
        const auto m = it.next();
        runs.append({text.mid(from, m.capturedStart() - from), int(m.capturedLength())});
        from = int(m.capturedEnd());
    }
    runs.append({text.mid(from), 0});
    return runs;
}

} // namespace

void fitHeadings(QLabel *label, const QList<HeadingSlot> &places)
{
    const QList<Run> runs = splitRuns(label->text());
    if (runs.size() < 2 || runs.size() != places.size())
        return;

    QFont font = label->font();
    for (int attempt = 0; attempt < 40; ++attempt) {
        const QFontMetricsF metrics(font);
        bool fits = true;
        for (int i = 0; i < runs.size(); ++i)
            fits = fits && places[i].start + metrics.horizontalAdvance(runs[i].heading) <= places[i].end;
        if (fits || font.pointSizeF() <= 6.0)
            break;
        font.setPointSizeF(font.pointSizeF() - 0.25);
    }

    // One word spacing for the whole label: the average that puts each
    // heading at its start.
    const QFontMetricsF metrics(font);
    const qreal space = metrics.horizontalAdvance(u' ');
    qreal extra = 0;
    for (int i = 0; i + 1 < runs.size(); ++i) {
        const qreal gap = places[i + 1].start - places[i].start - metrics.horizontalAdvance(runs[i].heading);
        extra += gap / runs[i].spacesAfter - space;
    }
    font.setWordSpacing(extra / (runs.size() - 1));
    label->setFont(font);
}

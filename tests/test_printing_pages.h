// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Reading printed pages back with poppler's tools, for the printing tests.

#include <QFont>
#include <QFontMetricsF>
#include <QPointF>
#include <QPrinter>
#include <QProcess>
#include <QRegularExpression>
#include <QSizeF>
#include <QStringList>

#include <algorithm>

namespace pages {

constexpr double kPointsPerCm = 72.0 / 2.54;
const QString kFace = QStringLiteral("DejaVu Sans");

// A word and its box, in points from the page's top-left corner.
struct Word
{
    QString text;
    double x = -1000;
    double y = -1000;
    double right = -1000;
    double bottom = -1000;
};

inline QString run(const QString &program, const QStringList &arguments)
{
    QProcess process;
    process.start(program, arguments);
    process.waitForFinished(30000);
    return QString::fromUtf8(process.readAllStandardOutput());
}

inline QList<Word> wordsOf(const QString &pdf)
{
    static const QRegularExpression word(
        QStringLiteral(R"re(<word xMin="([0-9.]+)" yMin="([0-9.]+)" xMax="([0-9.]+)" yMax="([0-9.]+)">([^<]*)</word>)re"));
    QList<Word> words;
    for (auto it = word.globalMatch(run("pdftotext", {"-bbox", pdf, "-"})); it.hasNext();) {
        const auto match = it.next();
        words.append({match.captured(5), match.captured(1).toDouble(), match.captured(2).toDouble(),
                      match.captured(3).toDouble(), match.captured(4).toDouble()});
    }
    return words;
}

inline QSizeF pageSizeOf(const QString &pdf)
{
    static const QRegularExpression size(QStringLiteral(R"(Page size:\s+([0-9.]+) x ([0-9.]+) pts)"));
    const auto match = size.match(run("pdfinfo", {pdf}));
    return {match.captured(1).toDouble(), match.captured(2).toDouble()};
}

// The height of one line of kFace at `points` on a printer, in points.
inline double lineHeightOf(double points)
{
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    QFont font(kFace);
    font.setPointSizeF(points);
    return QFontMetricsF(font, &printer).lineSpacing() / printer.logicalDpiY() * 72.0;
}

// The envelope both geometry tests print: "Alpha" and, `gap` lines lower,
// "Bravo" at (1.5, 0.5) cm in 12 points; "Charlie" and, a line lower,
// "Delta" at (12, 8.25) cm in 16 points; all in kFace. Each word whose
// top-left corner among `words` is not within half a millimetre of its
// place from `corner`, the printable area's, and where it is instead.
inline QString misplacedEnvelope(const QList<Word> &words, QPointF corner, int gap)
{
    const double returnX = corner.x() + 1.5 * kPointsPerCm, returnY = corner.y() + 0.5 * kPointsPerCm;
    const double toX = corner.x() + 12 * kPointsPerCm, toY = corner.y() + 8.25 * kPointsPerCm;
    const QList<Word> expected{{"Alpha", returnX, returnY},
                               {"Bravo", returnX, returnY + gap * lineHeightOf(12)},
                               {"Charlie", toX, toY},
                               {"Delta", toX, toY + lineHeightOf(16)}};
    QStringList problems;
    for (const Word &want : expected) {
        const auto found = std::find_if(words.cbegin(), words.cend(), [&](const Word &word) {
            return word.text == want.text;
        });
        const Word got = found == words.cend() ? Word{} : *found;
        if (qAbs(got.x - want.x) > 0.05 * kPointsPerCm || qAbs(got.y - want.y) > 0.05 * kPointsPerCm)
            problems << QStringLiteral("%1 at %2, %3 instead of %4, %5")
                            .arg(want.text).arg(got.x).arg(got.y).arg(want.x).arg(want.y);
    }
    return problems.join(u'\n');
}

} // namespace pages

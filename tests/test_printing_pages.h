// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Reading printed pages back with poppler's tools, for the printing tests.

#include "printing/units.h"

#include <QFont>
#include <QFontMetricsF>
#include <QImage>
#include <QPointF>
#include <QProcess>
#include <QRegularExpression>
#include <QSizeF>
#include <QStringList>

#include <algorithm>

namespace pages {

const QString kFace = QStringLiteral("DejaVu Sans");

// A word and its box, in points from the page's top-left corner.
struct Word
{
    QString text;
    double x = -1000, y = -1000, right = -1000, bottom = -1000;
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
    static const QRegularExpression word(QStringLiteral(
        R"re(<word xMin="([0-9.]+)" yMin="([0-9.]+)" xMax="([0-9.]+)" yMax="([0-9.]+)">([^<]*)</word>)re"));
    QList<Word> words;
    for (auto it = word.globalMatch(run("pdftotext", {"-bbox", pdf, "-"})); it.hasNext();) {
        const auto match = it.next();
        words.append({match.captured(5), match.captured(1).toDouble(), match.captured(2).toDouble(),
                      match.captured(3).toDouble(), match.captured(4).toDouble()});
    }
    return words;
}

inline Word find(const QList<Word> &words, const QString &text)
{
    for (const Word &word : words)
        if (word.text == text)
            return word;
    return {};
}

inline int pageCountOf(const QString &pdf)
{
    static const QRegularExpression pages(QStringLiteral(R"(Pages:\s+([0-9]+))"));
    return pages.match(run("pdfinfo", {pdf})).captured(1).toInt();
}

// The text of one page, counted from 1.
inline QString pageTextOf(const QString &pdf, int page)
{
    const QString n = QString::number(page);
    return run("pdftotext", {"-f", n, "-l", n, pdf, "-"});
}

inline QSizeF pageSizeOf(const QString &pdf)
{
    static const QRegularExpression size(QStringLiteral(R"(Page size:\s+([0-9.]+) x ([0-9.]+) pts)"));
    const auto match = size.match(run("pdfinfo", {pdf}));
    return {match.captured(1).toDouble(), match.captured(2).toDouble()};
}

// Metrics of kFace at `points` on paper, in its dots (1200 to the inch), as
// the envelope is drawn: a QPrinter would ask the print server as it is made.
inline QFontMetricsF paperMetricsOf(double points)
{
    static const QImage paper = [] {
        QImage image(1, 1, QImage::Format_RGB32);
        image.setDotsPerMeterX(qRound(kPaperDpi * 1000 / kMillimetresPerInch));
        image.setDotsPerMeterY(qRound(kPaperDpi * 1000 / kMillimetresPerInch));
        return image;
    }();
    QFont font(kFace);
    font.setPointSizeF(points);
    return QFontMetricsF(font, &paper);
}

// The height of one line of kFace at `points`, and its ascent, in points.
inline double lineHeightOf(double points)
{
    return paperMetricsOf(points).lineSpacing() * kPointsPerInch / kPaperDpi;
}
inline double ascentOf(double points)
{
    return paperMetricsOf(points).ascent() * kPointsPerInch / kPaperDpi;
}

// The envelope both geometry tests print, in kFace: "Alpha", and `gap` lines lower
// "Bravo", at (1.5, 0.5) cm in 12 points; "Charlie", and a line lower "Delta", at
// (12, 8.25) cm in 16 points. Each word more than half a millimetre from its place
// from `corner` (the printable area's), and where it is instead.
// `worst` gets the largest distance of any word from its place, in points.
inline QString misplacedEnvelope(const QList<Word> &words, QPointF corner, int gap, double *worst = nullptr)
{
    const QPointF from = corner + QPointF(1.5, 0.5) * kPointsPerCentimetre,
                  to = corner + QPointF(12, 8.25) * kPointsPerCentimetre;
    const QList<std::pair<QString, QPointF>> expected{{"Alpha", from},
                                                      {"Bravo", from + QPointF(0, gap * lineHeightOf(12))},
                                                      {"Charlie", to},
                                                      {"Delta", to + QPointF(0, lineHeightOf(16))}};
    QStringList problems;
    for (const auto &[text, want] : expected) {
        const Word got = find(words, text);
        if (worst)
            *worst = std::max({*worst, qAbs(got.x - want.x()), qAbs(got.y - want.y())});
        if (qAbs(got.x - want.x()) > 0.05 * kPointsPerCentimetre
            || qAbs(got.y - want.y()) > 0.05 * kPointsPerCentimetre)
            problems << QStringLiteral("%1 at %2, %3 instead of %4, %5")
                            .arg(text)
                            .arg(got.x)
                            .arg(got.y)
                            .arg(want.x())
                            .arg(want.y());
    }
    return problems.join(u'\n');
}

} // namespace pages

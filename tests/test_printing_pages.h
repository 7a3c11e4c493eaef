// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Reading printed pages back with poppler's tools, for the printing tests.

#include <QFont>
#include <QFontMetricsF>
#include <QPrinter>
#include <QProcess>
#include <QRegularExpression>
#include <QSizeF>
#include <QString>
#include <QStringList>

namespace pages {

constexpr double kPointsPerCm = 72.0 / 2.54;
const QString kFace = QStringLiteral("DejaVu Sans");

// A word of a page: its text and its top-left corner, in points from the
// top-left corner of the page.
struct Word
{
    QString text;
    double x = -1000;
    double y = -1000;
};

inline QString run(const QString &program, const QStringList &arguments)
{
    QProcess process;
    process.start(program, arguments);
    if (!process.waitForFinished(30000) || process.exitStatus() != QProcess::NormalExit)
        return QStringLiteral("<%1 did not finish>").arg(program);
    return QString::fromUtf8(process.readAllStandardOutput());
}

inline QList<Word> wordsOf(const QString &pdf)
{
    static const QRegularExpression word(QStringLiteral(
        R"re(<word xMin="([0-9.]+)" yMin="([0-9.]+)" xMax="[0-9.]+" yMax="[0-9.]+">([^<]*)</word>)re"));
    QList<Word> words;
    const QString html = run(QStringLiteral("pdftotext"), {QStringLiteral("-bbox"), pdf, QStringLiteral("-")});
    for (auto it = word.globalMatch(html); it.hasNext();) {
        const auto match = it.next();
        words.append({match.captured(3), match.captured(1).toDouble(), match.captured(2).toDouble()});
    }
    return words;
}

inline Word wordOf(const QString &pdf, const QString &text)
{
    for (const Word &word : wordsOf(pdf)) {
        if (word.text == text)
            return word;
    }
    return {};
}

inline QSizeF pageSizeOf(const QString &pdf)
{
    static const QRegularExpression size(QStringLiteral(R"(Page size:\s+([0-9.]+) x ([0-9.]+) pts)"));
    const auto match = size.match(run(QStringLiteral("pdfinfo"), {pdf}));
    return match.hasMatch() ? QSizeF(match.captured(1).toDouble(), match.captured(2).toDouble()) : QSizeF();
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

// Empty when `word` of `pdf` has its top-left corner within half a
// millimetre of (x, y) points; otherwise where it is instead.
inline QString misplaced(const QString &pdf, const QString &word, double x, double y)
{
    const Word found = wordOf(pdf, word);
    const double halfMillimetre = 0.05 * kPointsPerCm;
    if (qAbs(found.x - x) <= halfMillimetre && qAbs(found.y - y) <= halfMillimetre)
        return {};
    return QStringLiteral("%1 at %2, %3 instead of %4, %5").arg(word).arg(found.x).arg(found.y).arg(x).arg(y);
}

} // namespace pages

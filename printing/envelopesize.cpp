// SPDX-License-Identifier: GPL-3.0-or-later
#include "printing/envelopesize.h"

#include <QCoreApplication>
#include <QSizeF>

#include <algorithm>

namespace {

struct KnownSize
{
    const char *key;
    const char *label;
    QPageSize::PageSizeId id; // Custom: a size of its own
    double width;             // portrait, in `unit`, for the sizes Qt has no id for
    double height;
    QPageSize::Unit unit;
    const char *media; // PWG 5101.1 self-describing name
};

constexpr KnownSize kKnownSizes[] = {
    {"DL", QT_TRANSLATE_NOOP("EnvelopeSize", "DL (110 × 220 mm)"), QPageSize::EnvelopeDL, 0, 0, QPageSize::Millimeter,
     "iso_dl_110x220mm"},
    {"C6", QT_TRANSLATE_NOOP("EnvelopeSize", "C6 (114 × 162 mm)"), QPageSize::EnvelopeC6, 0, 0, QPageSize::Millimeter,
     "iso_c6_114x162mm"},
    {"C5", QT_TRANSLATE_NOOP("EnvelopeSize", "C5 (162 × 229 mm)"), QPageSize::EnvelopeC5, 0, 0, QPageSize::Millimeter,
     "iso_c5_162x229mm"},
    {"C4", QT_TRANSLATE_NOOP("EnvelopeSize", "C4 (229 × 324 mm)"), QPageSize::EnvelopeC4, 0, 0, QPageSize::Millimeter,
     "iso_c4_229x324mm"},
    {"No10", QT_TRANSLATE_NOOP("EnvelopeSize", "No. 10 (4⅛ × 9½ in)"), QPageSize::Envelope10, 0, 0, QPageSize::Inch,
     "na_number-10_4.125x9.5in"},
    {"No9", QT_TRANSLATE_NOOP("EnvelopeSize", "No. 9 (3⅞ × 8⅞ in)"), QPageSize::Envelope9, 0, 0, QPageSize::Inch,
     "na_number-9_3.875x8.875in"},
    {"Monarch", QT_TRANSLATE_NOOP("EnvelopeSize", "Monarch (3⅞ × 7½ in)"), QPageSize::EnvelopeMonarch, 0, 0,
     QPageSize::Inch, "na_monarch_3.875x7.5in"},
    {"6x9", QT_TRANSLATE_NOOP("EnvelopeSize", "6 × 9 in"), QPageSize::Custom, 6, 9, QPageSize::Inch, "na_6x9_6x9in"},
};

QString translated(const char *text)
{
    return QCoreApplication::translate("EnvelopeSize", text);
}

} // namespace

const QList<EnvelopeSize> &envelopeSizes()
{
    static const QList<EnvelopeSize> sizes = [] {
        QList<EnvelopeSize> list{{kPrinterPaper, translated(QT_TRANSLATE_NOOP("EnvelopeSize", "Printer paper"))}};
        for (const KnownSize &size : kKnownSizes)
            list.append({QString::fromLatin1(size.key), translated(size.label)});
        list.append(
            {kCustomEnvelope, translated(QT_TRANSLATE_NOOP("EnvelopeSize", "Custom (width × height in mm)")), true});
        return list;
    }();
    return sizes;
}

Paper envelopePaper(const QString &size, double widthMM, double heightMM, bool turned)
{
    if (size == kCustomEnvelope) {
        // Entered either way round; the page is defined portrait, as CUPS
        // names sizes, and laid out in landscape.
        const double shortEdge = std::min(widthMM, heightMM), longEdge = std::max(widthMM, heightMM);
        const QString dims = QStringLiteral("%1x%2mm").arg(shortEdge).arg(longEdge);
        return {QPageSize(QSizeF(shortEdge, longEdge), QPageSize::Millimeter, {}, QPageSize::ExactMatch),
                QStringLiteral("custom_%1_%1").arg(dims), turned};
    }
    const auto known = std::find_if(std::begin(kKnownSizes), std::end(kKnownSizes),
                                    [&](const KnownSize &known) { return size == QLatin1String(known.key); });
    if (known == std::end(kKnownSizes))
        return {std::nullopt, {}, turned};
    const QPageSize page = known->id == QPageSize::Custom
        ? QPageSize(QSizeF(known->width, known->height), known->unit, translated(known->label), QPageSize::ExactMatch)
        : QPageSize(known->id);
    return {page, QString::fromLatin1(known->media), turned};
}

// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/printerfacts.h"

#include <QByteArray>
#include <QList>

namespace {

// IPP's orientation-requested values (RFC 8011, 5.2.10).
constexpr int kIppLandscape = 4;
constexpr int kIppReverseLandscape = 5;
// Sizes within this much of a limit are taken, as printers round them.
constexpr double kToleranceMM = 0.5;

// The value of a main keyword line ("*Keyword: value"), without quotes;
// nothing when the line is another keyword's.
std::optional<QByteArray> valueOf(QByteArrayView line, QByteArrayView keyword)
{
    if (!line.startsWith('*') || !line.sliced(1).startsWith(keyword))
        return std::nullopt;
    QByteArrayView rest = line.sliced(1 + keyword.size());
    if (!rest.startsWith(':'))
        return std::nullopt; // a longer keyword, or an option ("*Keyword Option/...")
    QByteArray value = rest.sliced(1).toByteArray().trimmed();
    if (value.size() >= 2 && value.startsWith('"') && value.endsWith('"'))
        value = value.sliced(1, value.size() - 2).trimmed();
    return value;
}

} // namespace

PpdFacts readPpd(QByteArrayView ppd)
{
    PpdFacts facts;
    for (QByteArrayView line : QByteArray::fromRawData(ppd.data(), ppd.size()).split('\n')) {
        if (line.endsWith('\r'))
            line.chop(1);
        if (const auto turn = valueOf(line, "LandscapeOrientation")) {
            if (*turn == "Plus90")
                facts.turn = LandscapeTurn::CounterClockwise;
            else if (*turn == "Minus90")
                facts.turn = LandscapeTurn::Clockwise;
        } else if (const auto margins = valueOf(line, "HWMargins")) {
            // Left, bottom, right, top, in points.
            const QList<QByteArray> numbers = margins->simplified().split(' ');
            QList<double> values;
            for (const QByteArray &number : numbers) {
                bool ok = false;
                const double value = number.toDouble(&ok);
                if (ok && value >= 0 && value < 1000)
                    values << value;
            }
            if (values.size() == 4)
                facts.hardwareMargins = QMarginsF(values[0], values[3], values[2], values[1]);
        }
    }
    return facts;
}

std::optional<LandscapeTurn> turnOfIppOrientation(int orientation)
{
    if (orientation == kIppLandscape)
        return LandscapeTurn::CounterClockwise;
    if (orientation == kIppReverseLandscape)
        return LandscapeTurn::Clockwise;
    return std::nullopt;
}

QMarginsF landscapeEdges(const QMarginsF &portrait, LandscapeTurn turn)
{
    // Clockwise, the page's top lies along the media's right edge and its
    // left along the media's top; counter-clockwise, its top along the
    // media's left and its left along the media's bottom.
    if (turn == LandscapeTurn::Clockwise)
        return {portrait.top(), portrait.right(), portrait.bottom(), portrait.left()};
    return {portrait.bottom(), portrait.left(), portrait.top(), portrait.right()};
}

bool CustomSizes::take(const QSizeF &mm) const
{
    return mm.width() >= smallest.width() - kToleranceMM && mm.height() >= smallest.height() - kToleranceMM
        && mm.width() <= largest.width() + kToleranceMM && mm.height() <= largest.height() + kToleranceMM;
}

// SPDX-License-Identifier: GPL-3.0-or-later
#include "printing/previewprinter.h"

#include <QCoreApplication>
#include <QFontMetricsF>

namespace {

constexpr double kPointsPerInch = 72.0;
constexpr double kCentimetresPerInch = 2.54;
// The resolution QtPrinter draws the paper at: fonts measure the same.
constexpr double kPaperDpi = 1200.0;
constexpr double kInchesPerMetre = 1 / 0.0254;
// Less than this past an edge is rounding, not overflow.
constexpr double kTolerance = 0.01;

} // namespace

PreviewPrinter::PreviewPrinter(PageSource *pages) : m_pages(pages), m_metricsDevice(1, 1, QImage::Format_RGB32)
{
    m_metricsDevice.setDotsPerMeterX(qRound(kPaperDpi * kInchesPerMetre));
    m_metricsDevice.setDotsPerMeterY(qRound(kPaperDpi * kInchesPerMetre));
}

void PreviewPrinter::setScaleUnit(ScaleUnit unit)
{
    m_unit = unit;
}
void PreviewPrinter::setOrientation(Orientation orientation)
{
    m_orientation = orientation;
}
void PreviewPrinter::setPaper(const Paper &paper)
{
    m_paper = paper;
}
void PreviewPrinter::setFontSize(double points)
{
    m_font.setPointSizeF(points);
}
void PreviewPrinter::setFontName(const QString &face)
{
    m_font.setFamily(face);
}
void PreviewPrinter::setCurrentX(double x)
{
    m_x = x;
}
void PreviewPrinter::setCurrentY(double y)
{
    m_y = y;
}

double PreviewPrinter::pointsPerUnit() const
{
    return m_unit == ScaleUnit::Centimetres ? kPointsPerInch / kCentimetresPerInch : kPointsPerInch;
}

const PageAnswer &PreviewPrinter::knownPage()
{
    if (!m_known || !(m_known->paper == m_paper) || m_known->orientation != m_orientation) {
        const auto orientation =
            m_orientation == Orientation::Landscape ? QPageLayout::Landscape : QPageLayout::Portrait;
        PageAnswer answer{QPageLayout(m_paper.size.value_or(QPageSize(QPageSize::A4)), orientation, {}), {}};
        // A printer that cannot tell its page now still gets a preview: the
        // page without edges. Printing itself reports what is wrong.
        if (PageAnswer asked; m_pages && m_pages->pageLayout(m_paper, orientation, asked).ok())
            answer = asked;
        answer.layout.setUnits(QPageLayout::Point);
        m_known = Known{m_paper, m_orientation, answer};
    }
    return m_known->answer;
}

PrinterStatus PreviewPrinter::checkPaper(QString &problem)
{
    problem = knownPage().paperProblem;
    return {};
}

PrinterStatus PreviewPrinter::openPage()
{
    if (m_open)
        return {};
    const QPageLayout &layout = knownPage().layout;
    m_page = QRectF(QPointF(0, 0), layout.fullRect(QPageLayout::Point).size());
    QMarginsF edges = layout.margins(QPageLayout::Point);
    if (m_paper.turned)
        edges = QMarginsF(edges.right(), edges.bottom(), edges.left(), edges.top());
    m_printable = m_page.marginsRemoved(edges);
    m_drawing.clear();
    m_drawingMarks = {};
    m_open = true;
    return {};
}

PrinterStatus PreviewPrinter::print(const QString &text)
{
    if (PrinterStatus status = openPage(); !status.ok())
        return status;
    const QFontMetricsF metrics(m_font, &m_metricsDevice);
    const double toPoints = kPointsPerInch / kPaperDpi;
    Line line{text, m_font,
              QRectF(m_printable.left() + m_x * pointsPerUnit(), m_printable.top() + m_y * pointsPerUnit(),
                     metrics.horizontalAdvance(text) * toPoints, metrics.height() * toPoints)};
    if (!text.isEmpty()) {
        const QRectF &box = line.box, &area = m_printable;
        line.runsOff = (box.left() < area.left() - kTolerance ? Left : 0)
            | (box.top() < area.top() - kTolerance ? Top : 0) | (box.right() > area.right() + kTolerance ? Right : 0)
            | (box.bottom() > area.bottom() + kTolerance ? Bottom : 0);
    }
    m_drawing.append(line);
    m_x = 0;
    m_y += metrics.lineSpacing() * toPoints / pointsPerUnit();
    return {};
}

PrinterStatus PreviewPrinter::drawMarks(const std::function<PageMarks(const QSizeF &printable)> &marks)
{
    if (PrinterStatus status = openPage(); !status.ok())
        return status;
    PageMarks drawn = marks(m_printable.size());
    const QPointF corner = m_printable.topLeft();
    for (QLineF &line : drawn.lines)
        line.translate(corner);
    for (PageMarks::Label &label : drawn.labels)
        label.topLeft += corner;
    m_drawingMarks.lines += drawn.lines;
    m_drawingMarks.labels += drawn.labels;
    return {};
}

void PreviewPrinter::newPage()
{
    // The preview shows one page: the last one laid out.
    if (m_open && !(m_drawing.isEmpty() && m_drawingMarks.lines.isEmpty() && m_drawingMarks.labels.isEmpty()))
        m_open = false;
}

PrinterStatus PreviewPrinter::endDoc(DocumentEnd)
{
    // An envelope with no line still shows its page.
    PrinterStatus status = openPage();
    m_lines = std::exchange(m_drawing, {});
    m_marks = std::exchange(m_drawingMarks, {});
    m_open = false;
    return status;
}

QString overflowSummary(const QList<PreviewPrinter::Line> &lines)
{
    struct EdgeText
    {
        PreviewPrinter::Edge edge;
        const char *one;
        const char *many;
    };
    static const EdgeText edges[] = {
        {PreviewPrinter::Left, QT_TRANSLATE_NOOP("EnvelopePreview", "1 line runs off the left edge"),
         QT_TRANSLATE_NOOP("EnvelopePreview", "%1 lines run off the left edge")},
        {PreviewPrinter::Top, QT_TRANSLATE_NOOP("EnvelopePreview", "1 line runs off the top edge"),
         QT_TRANSLATE_NOOP("EnvelopePreview", "%1 lines run off the top edge")},
        {PreviewPrinter::Right, QT_TRANSLATE_NOOP("EnvelopePreview", "1 line runs off the right edge"),
         QT_TRANSLATE_NOOP("EnvelopePreview", "%1 lines run off the right edge")},
        {PreviewPrinter::Bottom, QT_TRANSLATE_NOOP("EnvelopePreview", "1 line runs off the bottom edge"),
         QT_TRANSLATE_NOOP("EnvelopePreview", "%1 lines run off the bottom edge")},
    };
    QStringList parts;
    for (const EdgeText &edge : edges) {
        const auto count =
            std::count_if(lines.cbegin(), lines.cend(), [&](const auto &line) { return line.runsOff & edge.edge; });
        if (count == 1)
            parts << QCoreApplication::translate("EnvelopePreview", edge.one);
        else if (count > 1)
            parts << QCoreApplication::translate("EnvelopePreview", edge.many).arg(count);
    }
    if (parts.isEmpty())
        return QCoreApplication::translate("EnvelopePreview", "Every line fits in the printable area.");
    return QCoreApplication::translate("EnvelopePreview", "%1 of the printable area.")
        .arg(parts.join(QStringLiteral(", ")));
}

// SPDX-License-Identifier: GPL-3.0-or-later
#include "printing/previewprinter.h"

#include "printing/units.h"

#include <QCoreApplication>

namespace {

// Less than this past an edge is rounding, not overflow.
constexpr double kTolerance = 0.01;
const QColor kInk(Qt::black);
const QColor kWarning(200, 0, 0);

// A picture that measures fonts as the paper does.
class PaperPicture final : public QPicture
{
public:
    explicit PaperPicture(const QSizeF &points) : m_pixels((points * kPixelsPerPoint).toSize()) {}

protected:
    int metric(PaintDeviceMetric metric) const override
    {
        switch (metric) {
        case PdmDpiX:
        case PdmDpiY:
        case PdmPhysicalDpiX:
        case PdmPhysicalDpiY: return kPaperDpi;
        case PdmWidth: return m_pixels.width();
        case PdmHeight: return m_pixels.height();
        case PdmWidthMM: return qRound(m_pixels.width() * kMillimetresPerInch / kPaperDpi);
        case PdmHeightMM: return qRound(m_pixels.height() * kMillimetresPerInch / kPaperDpi);
        default: return QPicture::metric(metric);
        }
    }

private:
    QSize m_pixels;
};

} // namespace

PreviewPrinter::PreviewPrinter(PageSource *pages) : m_pages(pages) {}

PreviewPrinter::~PreviewPrinter()
{
    endPicture();
}

const PageAnswer &PreviewPrinter::knownPage()
{
    if (!m_known || !(m_known->paper == paper()) || m_known->orientation != orientation()) {
        const auto pageOrientation =
            orientation() == Orientation::Landscape ? QPageLayout::Landscape : QPageLayout::Portrait;
        // A printer that cannot tell its page now still gets a preview: the
        // page without edges. Printing itself reports what is wrong.
        m_known = Known{paper(), orientation(), pageOrPlain(m_pages, paper(), pageOrientation)};
    }
    return m_known->answer;
}

PaperCheck PreviewPrinter::checkPaper()
{
    return {{}, knownPage().paperProblem};
}

PrinterStatus PreviewPrinter::openPage(bool, Canvas &canvas)
{
    // The preview shows one page: the last one drawn.
    endPicture();
    const QPageLayout &layout = knownPage().layout;
    m_page = QRectF(QPointF(0, 0), layout.fullRect(QPageLayout::Point).size());
    QMarginsF edges = layout.margins(QPageLayout::Point);
    if (paper().turned)
        edges = QMarginsF(edges.right(), edges.bottom(), edges.left(), edges.top());
    m_printable = m_page.marginsRemoved(edges);
    m_drawing.clear();
    m_drawingMarks = {};
    m_drawingPicture = std::make_unique<PaperPicture>(m_page.size());
    m_painter.begin(m_drawingPicture.get());
    m_painter.translate(m_printable.topLeft() * kPixelsPerPoint);
    canvas = {&m_painter, m_printable.size() * kPixelsPerPoint};
    return {};
}

QColor PreviewPrinter::lineDrawn(const QString &text, const QRectF &box)
{
    Line line{text, QRectF(m_printable.topLeft() + box.topLeft() / kPixelsPerPoint, box.size() / kPixelsPerPoint)};
    if (!text.isEmpty()) {
        const QRectF &at = line.box, &area = m_printable;
        line.runsOff = (at.left() < area.left() - kTolerance ? Left : 0)
            | (at.top() < area.top() - kTolerance ? Top : 0) | (at.right() > area.right() + kTolerance ? Right : 0)
            | (at.bottom() > area.bottom() + kTolerance ? Bottom : 0);
    }
    m_drawing.append(line);
    return line.runsOff ? kWarning : kInk;
}

void PreviewPrinter::marksDrawn(const PageMarks &marks)
{
    const QPointF corner = m_printable.topLeft();
    for (QLineF line : marks.lines)
        m_drawingMarks.lines << line.translated(corner);
    for (PageMarks::Label label : marks.labels) {
        label.topLeft += corner;
        m_drawingMarks.labels << label;
    }
}

void PreviewPrinter::endPicture()
{
    if (m_painter.isActive())
        m_painter.end();
}

PrinterStatus PreviewPrinter::endDoc(DocumentEnd)
{
    // An envelope with no line still shows its page.
    if (!documentOpen()) {
        Canvas unused;
        openPage(true, unused);
    }
    endPicture();
    m_picture = m_drawingPicture ? *m_drawingPicture : QPicture();
    m_drawingPicture.reset();
    m_lines = std::exchange(m_drawing, {});
    m_marks = std::exchange(m_drawingMarks, {});
    documentClosed();
    return {};
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

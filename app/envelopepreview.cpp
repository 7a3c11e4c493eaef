// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/envelopepreview.h"

#include "app/feedpicture.h"
#include "printing/envelope.h"
#include "printing/feeddirection.h"
#include "printing/setupheading.h"
#include "printing/units.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPainter>
#include <QPainterPath>
#include <QVBoxLayout>

namespace {

const QColor kPaper(Qt::white);
const QColor kUnprintable(0, 0, 0, 40);

// Draws the last layout, scaled to fit, centred.
class Drawing final : public QWidget
{
public:
    Drawing(const PreviewPrinter &layout, QWidget *parent) : QWidget(parent), m_layout(layout)
    {
        setMinimumSize(220, 120);
    }

protected:
    void paintEvent(QPaintEvent *) override
    {
        const QRectF page = m_layout.page();
        if (page.isEmpty())
            return;
        QPainter painter(this);
        painter.setRenderHint(QPainter::Antialiasing);
        constexpr double kBorder = 8;
        const double scale = std::min((width() - 2 * kBorder) / page.width(), (height() - 2 * kBorder) / page.height());
        painter.translate((width() - page.width() * scale) / 2, (height() - page.height() * scale) / 2);
        painter.scale(scale, scale);

        painter.fillRect(page, kPaper);
        QPainterPath edges;
        edges.addRect(page);
        edges.addRect(m_layout.printable());
        painter.fillPath(edges, kUnprintable);
        painter.setPen(QPen(Qt::gray, 0));
        painter.drawRect(page);

        // The lines as the paper's own routine drew them, in the ink it
        // chose: black unless a line runs off.
        painter.setPen(Qt::black);
        painter.scale(1 / kPixelsPerPoint, 1 / kPixelsPerPoint);
        painter.drawPicture(0, 0, m_layout.picture());
    }

private:
    const PreviewPrinter &m_layout;
};

} // namespace

EnvelopePreview::EnvelopePreview(PageSource *pages, QWidget *parent)
    : QWidget(parent, Qt::Window),
      m_pages(pages),
      m_printer(pages)
{
    setObjectName(QStringLiteral("EnvelopePreview"));
    setWindowTitle(tr("Envelope Preview"));
    m_heading = new QLabel(this);
    m_heading->setAccessibleName(tr("Printer, tray and size shown"));
    m_heading->setWordWrap(true);
    m_drawing = new Drawing(m_printer, this);
    m_drawing->setAccessibleName(tr("Envelope preview"));
    m_feed = new FeedPicture(this);
    m_summary = new QLabel(this);
    m_summary->setAccessibleName(tr("Lines off the printable area"));
    m_summary->setWordWrap(true);
    auto *pictures = new QHBoxLayout;
    pictures->addWidget(m_drawing, 1);
    pictures->addWidget(m_feed);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(m_heading);
    layout->addLayout(pictures, 1);
    layout->addWidget(m_summary);
    resize(620, 320);
}

void EnvelopePreview::showEnvelope(const EnvelopeFields &fields)
{
    const EnvelopeResult result = printEnvelope(fields, m_printer, {}, {});
    // A bad field or a printer that cannot tell its page is named; nothing is
    // being printed here.
    const bool failed =
        result.outcome == EnvelopeResult::Outcome::BadField || result.outcome == EnvelopeResult::Outcome::PrinterFailed;
    const QString problem = m_printer.paperProblem();
    m_summary->setText(failed ? result.reason
                              : (problem.isEmpty() ? QString() : problem + u' ') + overflowSummary(m_printer.lines()));
    QStringList printed;
    for (const PreviewPrinter::Line &line : m_printer.lines())
        printed << line.text;
    m_drawing->setAccessibleDescription(
        tr("Prints: %1. %2").arg(printed.join(QStringLiteral("; ")), m_summary->text()));
    m_drawing->update();

    // What it shows and how that goes in, as the set-up says it.
    const EnvelopeSetup setup = fields.setup ? fields.setup() : EnvelopeSetup{};
    Paper paper;
    paper.printer = setup.printer;
    const PrinterDescription printer = m_pages ? m_pages->describe(paper) : PrinterDescription{};
    const QSizeF pageMM = m_printer.page().size() / kPointsPerMillimetre;
    m_heading->setText(setupHeading(setup, printer, pageMM));
    const FeedLayout feed = feedLayout(printer.turn, setup.turned, setup.face);
    m_feed->showFeed(feed, feedDirection(feed, printer.turn));
}

QString EnvelopePreview::heading() const
{
    return m_heading->text();
}

QString EnvelopePreview::summary() const
{
    return m_summary->text();
}

QString EnvelopePreview::place() const
{
    const QRect r = geometry();
    return QStringLiteral("%1,%2,%3,%4").arg(r.x()).arg(r.y()).arg(r.width()).arg(r.height());
}

void EnvelopePreview::setPlace(const QString &place)
{
    const QStringList parts = place.split(u',');
    if (parts.size() != 4)
        return;
    QList<int> numbers;
    for (const QString &part : parts) {
        bool ok = false;
        numbers << part.toInt(&ok);
        if (!ok)
            return;
    }
    setGeometry(numbers[0], numbers[1], std::max(numbers[2], 100), std::max(numbers[3], 80));
}

void EnvelopePreview::showEvent(QShowEvent *event)
{
    QWidget::showEvent(event);
    // The printer's paper may have changed while the window was closed.
    m_printer.forgetPage();
    emit openChanged(true);
}

void EnvelopePreview::hideEvent(QHideEvent *event)
{
    QWidget::hideEvent(event);
    emit openChanged(false);
}

void EnvelopePreview::moveEvent(QMoveEvent *event)
{
    QWidget::moveEvent(event);
    emit placeChanged();
}

void EnvelopePreview::resizeEvent(QResizeEvent *event)
{
    QWidget::resizeEvent(event);
    emit placeChanged();
}

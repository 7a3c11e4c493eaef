// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/envelopepreview.h"

#include "printing/envelope.h"
#include "printing/units.h"

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

        // The lines as the paper's own routine drew them.
        painter.scale(1 / kPixelsPerPoint, 1 / kPixelsPerPoint);
        painter.drawPicture(0, 0, m_layout.picture());
    }

private:
    const PreviewPrinter &m_layout;
};

} // namespace

EnvelopePreview::EnvelopePreview(PageSource *pages, QWidget *parent) : QWidget(parent, Qt::Window), m_printer(pages)
{
    setObjectName(QStringLiteral("EnvelopePreview"));
    setWindowTitle(tr("Envelope Preview"));
    m_drawing = new Drawing(m_printer, this);
    m_drawing->setAccessibleName(tr("Envelope preview"));
    m_summary = new QLabel(this);
    m_summary->setAccessibleName(tr("Lines off the printable area"));
    m_summary->setWordWrap(true);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(m_drawing, 1);
    layout->addWidget(m_summary);
    resize(480, 300);
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

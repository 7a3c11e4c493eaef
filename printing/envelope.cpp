// SPDX-License-Identifier: GPL-3.0-or-later
#include "printing/envelope.h"
#include "printing/feeddirection.h"
#include "printing/units.h"

#include "addressbook/addresstext.h"
#include "platform/printer.h"
#include "printing/testenvelope.h"
#include "settings/number.h"

#include <QCoreApplication>

#include <limits>
#include <optional>

namespace {

constexpr NumberRange kAnyFiniteNumber{std::numeric_limits<double>::lowest(), std::numeric_limits<double>::max()};
// A custom envelope's edges, and the calibration shift, in millimetres.
constexpr NumberRange kEnvelopeEdgeRange{20.0, 1000.0};
constexpr NumberRange kShiftRange{-100.0, 100.0};

// One number field of a block, with the last value of this envelope that
// could be used: a field edited into nonsense while the envelope prints
// must not leave a half-printed job behind.
class NumberField
{
public:
    NumberField(QString label, FieldText read, NumberRange range, QString unit)
        : m_label(std::move(label)),
          m_read(std::move(read)),
          m_range(range),
          m_unit(std::move(unit))
    {}

    // The field's value now, or its last valid value when the text has
    // become unusable; nothing when it has never been valid.
    std::optional<double> current(const QLocale &locale)
    {
        m_text = m_read ? m_read() : QString();
        if (const auto value = parseNumber(m_text, m_range, locale))
            m_lastValid = value;
        return m_lastValid;
    }

    // Reads the field; the message says what is wrong with it, if anything.
    QString check(const QLocale &locale)
    {
        m_lastValid.reset();
        return current(locale) ? QString() : problem(locale);
    }

    // What is wrong with the text read last.
    QString problem(const QLocale &locale) const
    {
        if (m_text.trimmed().isEmpty())
            //: %1 names the field ("Return address X offset"), %2 is its unit ("centimetres").
            return QCoreApplication::translate("Envelope", "%1 is empty. Enter a number of %2.").arg(m_label, m_unit);
        if (parseNumber(m_text, kAnyFiniteNumber, locale))
            //: %1 names the field, %2 is what was typed, %3 to %4 the range in the unit %5.
            return QCoreApplication::translate("Envelope", "%1 is out of range: '%2' (from %3 to %4 %5).")
                .arg(m_label, m_text, QString::number(m_range.min), QString::number(m_range.max), m_unit);
        return QCoreApplication::translate("Envelope", "%1 is not a number: '%2'.").arg(m_label, m_text);
    }

private:
    QString m_label;
    FieldText m_read;
    NumberRange m_range;
    QString m_unit;
    QString m_text;
    std::optional<double> m_lastValid;
};

// A number the envelope needs is unusable: nothing goes to the printer.
EnvelopeResult badField(const QString &problem)
{
    return {EnvelopeResult::Outcome::BadField, problem};
}

struct Block
{
    explicit Block(const EnvelopeBlock &fields)
        : fields(fields),
          //: %1 names the block: "Return address" or "To address".
          fontSize(QCoreApplication::translate("Envelope", "%1 print font size").arg(fields.name), fields.fontSize,
                   kFontSizeRange, QCoreApplication::translate("Envelope", "points")),
          offsetX(QCoreApplication::translate("Envelope", "%1 X offset").arg(fields.name), fields.offsetX, kOffsetRange,
                  QCoreApplication::translate("Envelope", "centimetres")),
          offsetY(QCoreApplication::translate("Envelope", "%1 Y offset").arg(fields.name), fields.offsetY, kOffsetRange,
                  QCoreApplication::translate("Envelope", "centimetres"))
    {}

    QString text() const { return fields.text ? fields.text() : QString(); }
    QString fontName() const { return fields.fontName ? fields.fontName() : QString(); }

    const EnvelopeBlock &fields;
    NumberField fontSize;
    NumberField offsetX;
    NumberField offsetY;
};

// The first problem among the numbers the envelope will use, in the order
// the envelope uses them; the X offset only matters when the block has a line.
QString checkNumbers(Block &block, const QLocale &locale)
{
    for (NumberField *field : {&block.fontSize, &block.offsetX, &block.offsetY}) {
        if (field == &block.offsetX && envelopeLines(block.text()).isEmpty())
            continue;
        if (QString problem = field->check(locale); !problem.isEmpty())
            return problem;
    }
    return {};
}

// Sets the page up and asks the printer about its paper: nothing when the
// envelope may go on, else why it stops.
std::optional<EnvelopeResult> setUpPage(const EnvelopeFields &fields, Printer &printer, const Paper &paper)
{
    printer.setOrientation(Printer::Orientation::Landscape);
    printer.setPaper(paper);
    const auto [status, problem] = printer.checkPaper();
    if (!status.ok())
        return EnvelopeResult{EnvelopeResult::Outcome::PrinterFailed, status.error};
    if (!problem.isEmpty() && fields.printAnyway && !fields.printAnyway(problem))
        return EnvelopeResult{EnvelopeResult::Outcome::Declined, {}};
    return std::nullopt;
}

// Sends the drawn document as one job: the envelope's result with what the
// user should know of the job, or why the job was refused.
EnvelopeResult sendDocument(Printer &printer, EnvelopeResult drawn)
{
    const PrinterStatus status = printer.endDoc(Printer::DocumentEnd::Send);
    if (!status.ok())
        return {EnvelopeResult::Outcome::PrinterFailed, status.error};
    drawn.notice = status.notice;
    drawn.job = status.job;
    return drawn;
}

FieldText fixedText(const QString &text)
{
    return [text] { return text; };
}

// The set-up's paper and shift, or the message about its first unusable number.
struct SetupPage
{
    Paper paper;
    double shiftX = 0; // centimetres
    double shiftY = 0;
    QString problem;
};

SetupPage readSetup(const EnvelopeSetup &setup, const QLocale &locale)
{
    const QString mm = QCoreApplication::translate("EnvelopeSetup", "millimetres");
    NumberField width(QCoreApplication::translate("EnvelopeSetup", "Envelope width"), fixedText(setup.widthMM),
                      kEnvelopeEdgeRange, mm);
    NumberField height(QCoreApplication::translate("EnvelopeSetup", "Envelope height"), fixedText(setup.heightMM),
                       kEnvelopeEdgeRange, mm);
    NumberField shiftX(QCoreApplication::translate("EnvelopeSetup", "Calibration shift X"), fixedText(setup.shiftXMM),
                       kShiftRange, mm);
    NumberField shiftY(QCoreApplication::translate("EnvelopeSetup", "Calibration shift Y"), fixedText(setup.shiftYMM),
                       kShiftRange, mm);
    QList<NumberField *> fields;
    if (setup.size == kCustomEnvelope)
        fields << &width << &height;
    // An empty shift is no shift.
    if (!setup.shiftXMM.trimmed().isEmpty())
        fields << &shiftX;
    if (!setup.shiftYMM.trimmed().isEmpty())
        fields << &shiftY;
    for (NumberField *field : fields) {
        if (QString problem = field->check(locale); !problem.isEmpty())
            return {{}, 0, 0, problem};
    }
    SetupPage page;
    page.paper =
        envelopePaper(setup.size, width.current(locale).value_or(0), height.current(locale).value_or(0), setup.turned);
    page.paper.printer = setup.printer;
    page.paper.tray = setup.tray;
    page.paper.paperType = setup.paperType;
    page.shiftX = shiftX.current(locale).value_or(0) / kMillimetresPerCentimetre;
    page.shiftY = shiftY.current(locale).value_or(0) / kMillimetresPerCentimetre;
    return page;
}

class EnvelopeRun
{
public:
    EnvelopeRun(Printer &printer, const ProcessEvents &processEvents, const std::function<bool()> &stopped,
                const QLocale &locale, const SetupPage &page)
        : m_printer(printer),
          m_processEvents(processEvents),
          m_stopped(stopped),
          m_locale(locale),
          m_page(page)
    {}

    // The top of the block's first line, shifted.
    void setTop(Block &block) { m_printer.setCurrentY(*block.offsetY.current(m_locale) + m_page.shiftY); }

    // Sets the block's font and top, then prints its lines, each at the X
    // offset read for that line. False when the document had to be dropped.
    bool printBlock(Block &block)
    {
        m_printer.setFontSize(*block.fontSize.current(m_locale));
        m_printer.setFontName(block.fontName());
        setTop(block);
        return printLines(block);
    }

    bool printLines(Block &block)
    {
        const QString text = block.text();
        for (QStringView line : envelopeLines(text)) {
            if (m_processEvents)
                m_processEvents();
            if (m_stopped && m_stopped())
                return drop({EnvelopeResult::Outcome::Stopped, {}});
            // A block that was empty at the check and has been filled in
            // since may never have had a usable X offset.
            const std::optional<double> x = block.offsetX.current(m_locale);
            if (!x)
                return drop(badField(block.offsetX.problem(m_locale)));
            m_printer.setCurrentX(*x + m_page.shiftX);
            if (const PrinterStatus status = m_printer.print(line.toString()); !status.ok())
                return drop({EnvelopeResult::Outcome::PrinterFailed, status.error});
            m_printedAny = true;
        }
        return true;
    }

    EnvelopeResult drawn() const
    {
        return {m_printedAny ? EnvelopeResult::Outcome::Printed : EnvelopeResult::Outcome::NothingToPrint, {}};
    }

    EnvelopeResult failure() const { return m_failure; }

private:
    bool drop(EnvelopeResult failure)
    {
        m_printer.endDoc(Printer::DocumentEnd::Discard);
        m_failure = std::move(failure);
        return false;
    }

    Printer &m_printer;
    const ProcessEvents &m_processEvents;
    const std::function<bool()> &m_stopped;
    const QLocale &m_locale;
    const SetupPage &m_page;
    bool m_printedAny = false;
    EnvelopeResult m_failure{EnvelopeResult::Outcome::Stopped, {}};
};

} // namespace

QList<QStringView> envelopeLines(QStringView address)
{
    return splitAt(address, kCrLf);
}

QString EnvelopeResult::message() const
{
    if (outcome == Outcome::BadField)
        //: %1 says which field is wrong and how.
        return QCoreApplication::translate("Envelope", "%1 Nothing was printed.").arg(reason);
    if (outcome == Outcome::PrinterFailed)
        return QCoreApplication::translate("Envelope", "%1\nNothing was printed.").arg(reason);
    return reason;
}

EnvelopeResult printEnvelope(const EnvelopeFields &fields, Printer &printer, const ProcessEvents &processEvents,
                             const std::function<bool()> &stopped, const QLocale &locale)
{
    const EnvelopeResult drawn = drawEnvelope(fields, printer, processEvents, stopped, locale);
    return drawn.succeeded() ? sendDocument(printer, drawn) : drawn;
}

EnvelopeResult drawEnvelope(const EnvelopeFields &fields, Printer &printer, const ProcessEvents &processEvents,
                            const std::function<bool()> &stopped, const QLocale &locale)
{
    const SetupPage page = readSetup(fields.setup ? fields.setup() : EnvelopeSetup{}, locale);
    if (!page.problem.isEmpty())
        return badField(page.problem);
    Block returnBlock(fields.returnAddress);
    Block toBlock(fields.toAddress);
    for (Block *block : {&returnBlock, &toBlock}) {
        if (QString problem = checkNumbers(*block, locale); !problem.isEmpty())
            return badField(problem);
    }

    // Unit and orientation once per envelope, before any output; each
    // block sets its font size before its face.
    EnvelopeRun run(printer, processEvents, stopped, locale, page);
    printer.newPage();
    printer.setScaleUnit(Printer::ScaleUnit::Centimetres);
    printer.setFontSize(*returnBlock.fontSize.current(locale));
    printer.setFontName(returnBlock.fontName());
    if (const auto stop = setUpPage(fields, printer, page.paper))
        return *stop;
    run.setTop(returnBlock);
    if (!run.printLines(returnBlock) || !run.printBlock(toBlock))
        return run.failure();
    return run.drawn();
}

EnvelopeResult printTestEnvelope(const EnvelopeFields &fields, Printer &printer, const QLocale &locale)
{
    const EnvelopeSetup setup = fields.setup ? fields.setup() : EnvelopeSetup{};
    const SetupPage page = readSetup(setup, locale);
    if (!page.problem.isEmpty())
        return badField(page.problem);
    Block returnBlock(fields.returnAddress);
    Block toBlock(fields.toAddress);
    QList<QPointF> origins;
    for (Block *block : {&returnBlock, &toBlock}) {
        for (NumberField *field : {&block->offsetX, &block->offsetY}) {
            if (QString problem = field->check(locale); !problem.isEmpty())
                return badField(problem);
        }
        origins << QPointF(*block->offsetX.current(locale) + page.shiftX, *block->offsetY.current(locale) + page.shiftY)
                * kPointsPerCentimetre;
    }

    if (const auto stop = setUpPage(fields, printer, page.paper))
        return *stop;
    if (const PrinterStatus status = printer.drawMarks(
            [&](const QSizeF &printable) { return testEnvelopeMarks(printable, origins, faceCheck(setup.face)); });
        !status.ok()) {
        printer.endDoc(Printer::DocumentEnd::Discard);
        return {EnvelopeResult::Outcome::PrinterFailed, status.error};
    }
    return sendDocument(printer, {EnvelopeResult::Outcome::Printed, {}});
}

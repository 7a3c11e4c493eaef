// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/printerfacts.h"

#include "printing/units.h"

#include <QByteArray>
#include <QCoreApplication>
#include <QList>

#include <algorithm>

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

// IPP's job-state values (RFC 8011, 5.3.7) and a stopped printer-state.
enum IppJobState {
    kJobPending = 3,
    kJobHeld = 4,
    kJobProcessing = 5,
    kJobStopped = 6,
    kJobCanceled = 7,
    kJobAborted = 8,
    kJobCompleted = 9
};
constexpr int kPrinterStoppedState = 5;

// The texts of a job's trouble. The catalogue refresh (lupdate) finds a
// class's tr() calls; a free function named tr() it passes over.
struct JobTroubleTexts
{
    Q_DECLARE_TR_FUNCTIONS(JobTroubleTexts)
};

// IPP keywords (RFC 8011, 5.1.4) and names as CUPS writes them: anything
// else could end the collection's text early.
bool isKeyword(QByteArrayView value)
{
    if (value.isEmpty() || value.size() > 255)
        return false;
    return std::all_of(value.begin(), value.end(), [](char c) {
        return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') || c == '-' || c == '_'
            || c == '.';
    });
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

QMarginsF ListedMedia::edges() const
{
    if (!margins)
        return {};
    return QMarginsF(*margins) * kPointsPerHundredthMm;
}

QByteArray mediaCol(const std::optional<ListedMedia> &media, QByteArrayView tray, QByteArrayView paperType)
{
    QByteArrayList members;
    if (media && !media->size.isEmpty()) {
        members << "media-size={x-dimension=" + QByteArray::number(media->size.width())
                + " y-dimension=" + QByteArray::number(media->size.height()) + '}';
        if (const auto &m = media->margins) {
            // In the order cupsAddDestMediaOptions writes them.
            members << "media-bottom-margin=" + QByteArray::number(m->bottom())
                    << "media-left-margin=" + QByteArray::number(m->left())
                    << "media-right-margin=" + QByteArray::number(m->right())
                    << "media-top-margin=" + QByteArray::number(m->top());
        }
    }
    if (isKeyword(tray))
        members << "media-source=" + tray.toByteArray();
    if (isKeyword(paperType))
        members << "media-type=" + paperType.toByteArray();
    if (members.isEmpty())
        return {};
    return '{' + members.join(' ') + '}';
}

JobOptions jobOptions(const JobOptions &queues, QByteArrayView mediaCol, QByteArrayView mediaName)
{
    // What each member of the collection takes the place of: the IPP
    // attribute, and the PPD options the scheduler would take before it.
    static const std::pair<QByteArrayView, QList<QByteArrayView>> replaced[] = {
        {"media-size=", {"media", "media-col", "PageSize", "PageRegion"}},
        {"media-source=", {"media-source", "InputSlot"}},
        {"media-type=", {"media-type", "MediaType"}},
    };
    QList<QByteArrayView> dropped;
    for (const auto &[member, names] : replaced) {
        if (mediaCol.contains(member))
            dropped << names;
    }
    if (!mediaCol.isEmpty())
        dropped << "media-col";
    JobOptions options;
    for (const auto &option : queues) {
        const bool replacedHere = std::any_of(dropped.cbegin(), dropped.cend(), [&](QByteArrayView name) {
            return option.first.compare(name, Qt::CaseInsensitive) == 0;
        });
        if (!replacedHere)
            options << option;
    }
    if (!mediaCol.isEmpty())
        options.append({"media-col", mediaCol.toByteArray()});
    if (!mediaName.isEmpty() && mediaCol.contains("media-size="))
        options.append({"media", mediaName.toByteArray()});
    return options;
}

JobVerdict judgeJob(const JobReport &report)
{
    const auto troubled = [&](QString what, QString advice) {
        JobVerdict verdict{JobFate::Trouble, {}};
        JobTrouble &trouble = verdict.trouble;
        trouble.what = std::move(what);
        trouble.advice = std::move(advice);
        // The job's own message says most about it; the printer's is next
        // best; a bare reason keyword last.
        trouble.reason = !report.jobMessage.trimmed().isEmpty() ? report.jobMessage.trimmed()
            : !report.printerMessage.trimmed().isEmpty()        ? report.printerMessage.trimmed()
                                                                : report.reasons.value(0);
        if (trouble.reason == u"none" || trouble.reason == u"job-printing")
            trouble.reason.clear();
        return verdict;
    };
    switch (report.state) {
    case kJobCompleted:
    case kJobCanceled: // by the user, who knows
        return {JobFate::Done, {}};
    case kJobAborted:
        return troubled(JobTroubleTexts::tr("The print service gave the envelope up."),
                        JobTroubleTexts::tr("Check the printer and its settings, then print the envelope again."));
    case kJobStopped:
        return troubled(
            JobTroubleTexts::tr("The printer stopped while printing the envelope."),
            JobTroubleTexts::tr(
                "Check the printer, then restart the job, or cancel it, in the system's printer settings."));
    case kJobHeld:
        return troubled(
            JobTroubleTexts::tr("The print service holds the envelope and will not print it on its own."),
            JobTroubleTexts::tr("Check the envelope's size, tray and paper type in the envelope set-up, and that the "
                                "printer takes them; then cancel the held job and print again."));
    case kJobPending:
        if (report.printerState == kPrinterStoppedState && !report.printerWasPaused)
            return troubled(
                JobTroubleTexts::tr("The printer stopped, and the envelope waits in its queue."),
                JobTroubleTexts::tr("Check the printer, then resume it in the system's printer settings: the envelope "
                                    "prints then."));
        return {JobFate::Going, {}};
    case kJobProcessing:
    default: return {JobFate::Going, {}};
    }
}

QString jobTroubleReason(const JobTrouble &trouble)
{
    QString text = trouble.what;
    if (!trouble.reason.isEmpty())
        text += u'\n' + JobTroubleTexts::tr("The printer \"%1\" says: %2").arg(trouble.queue, trouble.reason);
    return text + u'\n' + trouble.advice;
}

QString jobTroubleText(const JobTrouble &trouble, const QString &envelope)
{
    const QString which = envelope.isEmpty()
        ? JobTroubleTexts::tr("An envelope sent to the printer \"%1\" has not printed.").arg(trouble.queue)
        : JobTroubleTexts::tr("The envelope for \"%1\" has not printed on the printer \"%2\".")
              .arg(envelope, trouble.queue);
    return which + u'\n' + jobTroubleReason(trouble);
}

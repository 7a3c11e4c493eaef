// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/qt/cupsquestions.h"
#include "platform/qt/cupsdestinations.h"

#include "platform/logging.h"

#include <QUrl>

#include <cerrno>
#include <cups/cups.h>
#include <sys/mman.h>
#include <unistd.h>

namespace {

using Clock = std::chrono::steady_clock;

// How often a waiting connection looks at its deadline.
constexpr double kWaitStep = 0.2; // seconds

// IPP's printer-state value of a stopped (paused) printer.
constexpr int kPrinterStopped = 5;

// A connection to the print server that gives up at its deadline. The
// libcups calls that make a connection of their own (cupsGetNamedDest with
// CUPS_HTTP_DEFAULT, for one) wait on the server for a minute and more:
// every call is given this connection.
class Connection
{
public:
    explicit Connection(std::chrono::milliseconds deadline) : m_until(Clock::now() + deadline)
    {
        m_http = httpConnect2(cupsServer(), ippPort(), nullptr, AF_UNSPEC, cupsEncryption(), 1,
                              int(std::max<qint64>(1, deadline.count())), nullptr);
        if (m_http)
            httpSetTimeout(m_http, kWaitStep, &Connection::stillWaiting, this);
    }
    ~Connection()
    {
        if (m_http)
            httpClose(m_http);
    }
    Connection(const Connection &) = delete;
    Connection &operator=(const Connection &) = delete;

    http_t *http() const { return m_http; }
    bool silent() const { return m_silent; }

    // An unanswered request: the server fell silent, or said why.
    CupsReach failure(CupsReach notFound = CupsReach::Failed) const
    {
        if (m_silent)
            return CupsReach::Silent;
        const ipp_status_t status = cupsLastError();
        if (status == IPP_STATUS_ERROR_NOT_FOUND)
            return notFound;
        if (status == IPP_STATUS_ERROR_SERVICE_UNAVAILABLE && httpError(m_http) != 0)
            return CupsReach::Unreachable;
        return CupsReach::Failed;
    }

private:
    static int stillWaiting(http_t *, void *self)
    {
        auto *connection = static_cast<Connection *>(self);
        if (Clock::now() < connection->m_until)
            return 1;
        connection->m_silent = true;
        return 0;
    }

    Clock::time_point m_until;
    http_t *m_http = nullptr;
    bool m_silent = false;
};

struct IppDelete
{
    void operator()(ipp_t *ipp) const { ippDelete(ipp); }
};
using Ipp = std::unique_ptr<ipp_t, IppDelete>;

// The queue's path on the server, percent-encoded one way for its URI and
// its resources alike.
QByteArray printerPath(const QString &queue)
{
    return "/printers/" + QUrl::toPercentEncoding(queue);
}

QByteArray printerUri(const QString &queue)
{
    return "ipp://localhost:" + QByteArray::number(ippPort()) + printerPath(queue);
}

Ipp ask(const Connection &connection, ipp_op_t operation, const QString &queue,
        std::initializer_list<const char *> attributes)
{
    ipp_t *request = ippNewRequest(operation);
    if (!queue.isEmpty())
        ippAddString(request, IPP_TAG_OPERATION, IPP_TAG_URI, "printer-uri", nullptr, printerUri(queue).constData());
    ippAddString(request, IPP_TAG_OPERATION, IPP_TAG_NAME, "requesting-user-name", nullptr, cupsUser());
    ippAddStrings(request, IPP_TAG_OPERATION, IPP_TAG_KEYWORD, "requested-attributes", int(attributes.size()), nullptr,
                  attributes.begin());
    Ipp response(cupsDoRequest(connection.http(), request, "/"));
    if (response && ippGetStatusCode(response.get()) > IPP_STATUS_OK_EVENTS_COMPLETE)
        response.reset();
    return response;
}

QString text(ipp_t *response, const char *name)
{
    ipp_attribute_t *attribute = ippFindAttribute(response, name, IPP_TAG_ZERO);
    const char *value = attribute ? ippGetString(attribute, 0, nullptr) : nullptr;
    return value ? QString::fromUtf8(value) : QString();
}

int number(ipp_t *response, const char *name, int otherwise)
{
    ipp_attribute_t *attribute = ippFindAttribute(response, name, IPP_TAG_ZERO);
    return attribute ? ippGetInteger(attribute, 0) : otherwise;
}

ListedMedia listed(const cups_size_t &size)
{
    return {QString::fromUtf8(size.media), QSize(size.width, size.length),
            QMargins(size.left, size.top, size.right, size.bottom)};
}

// The printer's media list: its destination and the information CUPS
// copied for it, looked up without a connection.
class CupsMediaList final : public CupsMedia
{
public:
    // `dest` as cupsGetNamedDest gave it: the user's own options merged.
    CupsMediaList(const cups_dest_t &dest, const QByteArray &mediaDefault)
    {
        cupsCopyDest(const_cast<cups_dest_t *>(&dest), 0, &m_dest);
        // cupsGetDestMediaDefault takes the destination's "media" option
        // (the user's, when set), and Letter where it has none, whatever
        // the queue's default is.
        if (m_dest && !cupsGetOption("media", m_dest->num_options, m_dest->options) && !mediaDefault.isEmpty())
            m_dest->num_options =
                cupsAddOption("media", mediaDefault.constData(), m_dest->num_options, &m_dest->options);
    }
    ~CupsMediaList() override
    {
        if (m_dest)
            cupsFreeDests(1, m_dest);
        if (m_info)
            cupsFreeDestInfo(m_info);
    }
    CupsMediaList(const CupsMediaList &) = delete;
    CupsMediaList &operator=(const CupsMediaList &) = delete;

    bool copyInfo(http_t *http)
    {
        m_info = m_dest ? cupsCopyDestInfo(http, m_dest) : nullptr;
        return m_info != nullptr;
    }

    std::optional<ListedMedia> bySize(const QSizeF &mm) const override
    {
        cups_size_t size{};
        if (!cupsGetDestMediaBySize(CUPS_HTTP_DEFAULT, m_dest, m_info, qRound(mm.width() * 100),
                                    qRound(mm.height() * 100), CUPS_MEDIA_FLAGS_DEFAULT, &size))
            return std::nullopt;
        return listed(size);
    }

    void readDefaultPaper(http_t *http, CupsPrinter &printer)
    {
        cups_size_t size{};
        if (!cupsGetDestMediaDefault(http, m_dest, m_info, CUPS_MEDIA_FLAGS_DEFAULT, &size))
            return;
        printer.defaultPaperName = QString::fromUtf8(size.media);
        printer.defaultPaperMM = QSizeF(size.width, size.length) / 100.0;
        printer.defaultEdges = listed(size).edges();
    }

    // The range of custom sizes, from the "custom_min_..." and
    // "custom_max_..." names of the supported media.
    std::optional<CustomSizes> customSizes(http_t *http)
    {
        ipp_attribute_t *media = cupsFindDestSupported(http, m_dest, m_info, "media");
        std::optional<QSizeF> smallest, largest;
        for (int i = 0; media && i < ippGetCount(media); ++i) {
            const char *name = ippGetString(media, i, nullptr);
            const pwg_media_t *size = name ? pwgMediaForPWG(name) : nullptr;
            if (!size)
                continue;
            const QSizeF mm = QSizeF(size->width, size->length) / 100.0;
            if (qstrncmp(name, "custom_min_", 11) == 0)
                smallest = mm;
            else if (qstrncmp(name, "custom_max_", 11) == 0)
                largest = mm;
        }
        if (!smallest || !largest)
            return std::nullopt;
        return CustomSizes{*smallest, *largest, {}};
    }

    QList<PrinterChoice> choices(http_t *http, const char *option)
    {
        QList<PrinterChoice> choices;
        ipp_attribute_t *supported = cupsFindDestSupported(http, m_dest, m_info, option);
        for (int i = 0; supported && i < ippGetCount(supported); ++i) {
            const char *value = ippGetString(supported, i, nullptr);
            if (!value)
                continue;
            const QString keyword = QString::fromUtf8(value);
            QString label = QString::fromUtf8(cupsLocalizeDestValue(http, m_dest, m_info, option, value));
            if (label.isEmpty() || label == keyword) {
                // The keyword as words: "envelope-feeder" as "Envelope feeder".
                label = QString(keyword).replace(u'-', u' ');
                label[0] = label[0].toUpper();
            }
            choices.append({keyword, label});
        }
        return choices;
    }

private:
    cups_dest_t *m_dest = nullptr;
    cups_dinfo_t *m_info = nullptr;
};

// The queue's PPD, as the server serves it; nothing when it has none.
std::optional<QByteArray> ppdOf(const Connection &connection, const QString &queue, bool &silent)
{
    const int fd = memfd_create("quillon-ppd", MFD_CLOEXEC);
    if (fd < 0)
        return std::nullopt;
    const QByteArray resource = printerPath(queue) + ".ppd";
    const http_status_t status = cupsGetFd(connection.http(), resource.constData(), fd);
    silent = connection.silent();
    std::optional<QByteArray> ppd;
    if (status == HTTP_STATUS_OK) {
        const off_t size = lseek(fd, 0, SEEK_END);
        QByteArray bytes(qsizetype(std::max<off_t>(0, size)), Qt::Uninitialized);
        if (size >= 0 && pread(fd, bytes.data(), size_t(bytes.size()), 0) == ssize_t(bytes.size()))
            ppd = bytes;
    }
    close(fd);
    return ppd;
}

// Everything the set-up and the page need about the printer: asked again
// only when its set-up has changed.
CupsReach readFacts(const Connection &connection, const cups_dest_t &dest, CupsPrinter &printer, ipp_t *attributes)
{
    http_t *http = connection.http();
    auto media = std::make_shared<CupsMediaList>(dest, text(attributes, "media-default").toUtf8());
    if (!media->copyInfo(http))
        return connection.failure(CupsReach::NoSuchPrinter);
    media->readDefaultPaper(http, printer);
    printer.custom = media->customSizes(http);
    printer.trays = media->choices(http, "media-source");
    printer.paperTypes = media->choices(http, "media-type");
    printer.media = media;

    // A queue with a PPD is turned by CUPS's filters as the PPD says, and
    // the scheduler reports its turn over IPP for none of them; a PPD
    // without the line is turned clockwise. A queue without one (a
    // driverless printer) says it over IPP, if at all.
    bool silent = false;
    const std::optional<QByteArray> ppd = ppdOf(connection, printer.queue, silent);
    if (silent)
        return CupsReach::Silent;
    printer.hasPpd = ppd.has_value();
    // CUPS names a queue made without a driver so, and gives it no PPD.
    printer.raw = !ppd && text(attributes, "printer-make-and-model") == u"Local Raw Printer";
    if (ppd) {
        const PpdFacts facts = readPpd(*ppd);
        printer.turn = facts.turn.value_or(LandscapeTurn::Clockwise);
        if (printer.custom)
            printer.custom->edges = facts.hardwareMargins.value_or(printer.defaultEdges);
    } else {
        printer.turn = turnOfIppOrientation(number(attributes, "landscape-orientation-requested-preferred", 0));
        if (printer.custom)
            printer.custom->edges = printer.defaultEdges;
    }
    return CupsReach::Answered;
}

struct DestDelete
{
    void operator()(cups_dest_t *dest) const { cupsFreeDests(1, dest); }
};
using Dest = std::unique_ptr<cups_dest_t, DestDelete>;

// The destination's options that are the queue's and the user's own, for
// its jobs; the printer's state, which changes with every job, left out.
JobOptions queueOptions(const cups_dest_t &dest)
{
    JobOptions options;
    for (int i = 0; i < dest.num_options; ++i) {
        const QByteArray name = dest.options[i].name;
        if (!name.startsWith("printer-") && !name.startsWith("marker-") && name != "device-uri")
            options.append({name, QByteArray(dest.options[i].value)});
    }
    return options;
}

} // namespace

CupsAnswer askPrintServer(const QString &queue, bool withQueues, const std::shared_ptr<const CupsPrinter> &known,
                          std::chrono::milliseconds deadline)
{
    CupsAnswer answer;
    const Connection connection(deadline);
    if (!connection.http())
        return answer; // Unreachable

    // The destination as lp sees it: the user's own default printer (the
    // LPDEST or PRINTER variable, lpoptions) before the server's, and the
    // user's own options for it merged in.
    const Dest dest(
        cupsGetNamedDest(connection.http(), queue.isEmpty() ? nullptr : queue.toUtf8().constData(), nullptr));
    if (!dest) {
        // libcups says no more than that it found none.
        const CupsReach missing = queue.isEmpty() ? CupsReach::NoDefault : CupsReach::NoSuchPrinter;
        answer.reach = connection.failure(missing);
        if (answer.reach == CupsReach::Failed)
            answer.reach = missing;
        answer.error = QString::fromUtf8(cupsLastErrorString());
        return answer;
    }
    const QString name = QString::fromUtf8(dest->name);
    if (withQueues) {
        const Ipp response = ask(connection, IPP_OP_CUPS_GET_PRINTERS, {}, {"printer-name"});
        if (!response && connection.silent()) {
            answer.reach = CupsReach::Silent;
            return answer;
        }
        for (ipp_attribute_t *attribute = response ? ippFirstAttribute(response.get()) : nullptr; attribute;
             attribute = ippNextAttribute(response.get())) {
            if (const char *attributeName = ippGetName(attribute);
                attributeName && !qstrcmp(attributeName, "printer-name"))
                answer.queues << QString::fromUtf8(ippGetString(attribute, 0, nullptr));
        }
        for (const QString &found : destinationNames(connection.http()))
            if (!answer.queues.contains(found))
                answer.queues << found;
    }

    const auto askAttributes = [&] {
        return ask(connection, IPP_OP_GET_PRINTER_ATTRIBUTES, name,
                   {"printer-state", "printer-is-accepting-jobs", "printer-config-change-time",
                    "landscape-orientation-requested-preferred", "media-default", "printer-make-and-model"});
    };
    Ipp attributes = askAttributes();
    // A printer found on the network has no queue until one is made for it;
    // asked again either way, so that a printer that is gone is told as such.
    if (!attributes && cupsLastError() == IPP_STATUS_ERROR_NOT_FOUND) {
        makeQueueForNetworkPrinter(connection.http(), name, deadline);
        attributes = askAttributes();
    }
    if (!attributes) {
        answer.reach = connection.failure(CupsReach::NoSuchPrinter);
        answer.error = QString::fromUtf8(cupsLastErrorString());
        return answer;
    }
    auto printer = std::make_shared<CupsPrinter>();
    // The default paper is in the key too: a server may change it without
    // counting that as a change of the printer's set-up.
    // So is what the user set for the queue: lpoptions are no part of it.
    const JobOptions options = queueOptions(*dest);
    QString changeKey = QString::number(number(attributes.get(), "printer-config-change-time", 0)) + u'|'
        + text(attributes.get(), "media-default");
    for (const auto &[option, value] : options)
        changeKey += u'|' + QString::fromUtf8(option + '=' + value);
    if (known && known->queue == name && known->changeKey == changeKey) {
        *printer = *known;
    } else {
        printer->queue = name;
        printer->changeKey = changeKey;
        printer->options = options;
        if (const CupsReach reach = readFacts(connection, *dest, *printer, attributes.get());
            reach != CupsReach::Answered) {
            answer.reach = reach;
            answer.error = QString::fromUtf8(cupsLastErrorString());
            return answer;
        }
    }
    ipp_attribute_t *accepting = ippFindAttribute(attributes.get(), "printer-is-accepting-jobs", IPP_TAG_BOOLEAN);
    printer->accepting = !accepting || ippGetBoolean(accepting, 0);
    printer->paused = number(attributes.get(), "printer-state", 0) == kPrinterStopped;
    answer.printer = printer;
    answer.reach = CupsReach::Answered;
    return answer;
}

CupsJobAnswer sendJob(const QString &queue, const QByteArray &pdf, const QString &title, const JobOptions &options,
                      std::chrono::milliseconds deadline)
{
    CupsJobAnswer answer;
    const Connection connection(deadline);
    if (!connection.http())
        return answer; // Unreachable
    http_t *http = connection.http();
    cups_option_t *jobOptions = nullptr;
    int count = 0;
    for (const auto &[option, value] : options)
        count = cupsAddOption(option.constData(), value.constData(), count, &jobOptions);

    // One Print-Job request, the document with it: one exchange with the
    // server where Create-Job and Send-Document take two.
    ipp_t *request = ippNewRequest(IPP_OP_PRINT_JOB);
    ippAddString(request, IPP_TAG_OPERATION, IPP_TAG_URI, "printer-uri", nullptr, printerUri(queue).constData());
    ippAddString(request, IPP_TAG_OPERATION, IPP_TAG_NAME, "requesting-user-name", nullptr, cupsUser());
    ippAddString(request, IPP_TAG_OPERATION, IPP_TAG_NAME, "job-name", nullptr, title.toUtf8().constData());
    ippAddString(request, IPP_TAG_OPERATION, IPP_TAG_MIMETYPE, "document-format", nullptr, CUPS_FORMAT_PDF);
    cupsEncodeOptions2(request, count, jobOptions, IPP_TAG_OPERATION);
    cupsEncodeOptions2(request, count, jobOptions, IPP_TAG_JOB);
    cupsFreeOptions(count, jobOptions);
    const QByteArray resource = printerPath(queue);
    // The document from memory, as libcups sends a file's.
    const int document = memfd_create("quillon-envelope", MFD_CLOEXEC);
    if (document < 0 || write(document, pdf.constData(), size_t(pdf.size())) != ssize_t(pdf.size())
        || lseek(document, 0, SEEK_SET) != 0) {
        // Not strerror: its buffer is shared with every other thread.
        answer.error = qt_error_string(errno);
        if (document >= 0)
            close(document);
        ippDelete(request);
        answer.reach = CupsReach::Failed;
        return answer;
    }
    const Ipp response(cupsDoIORequest(http, request, resource.constData(), document, -1));
    close(document);
    if (!response || ippGetStatusCode(response.get()) > IPP_STATUS_OK_EVENTS_COMPLETE) {
        answer.reach = connection.failure(CupsReach::NoSuchPrinter);
        answer.error = QString::fromUtf8(cupsLastErrorString());
        return answer;
    }
    answer.reach = CupsReach::Answered;
    answer.job = number(response.get(), "job-id", 0);
    return answer;
}

CupsJobReport askJobState(const QString &queue, int job, std::chrono::milliseconds deadline)
{
    CupsJobReport answer;
    const Connection connection(deadline);
    if (!connection.http())
        return answer; // Unreachable
    ipp_t *request = ippNewRequest(IPP_OP_GET_JOB_ATTRIBUTES);
    ippAddString(request, IPP_TAG_OPERATION, IPP_TAG_URI, "printer-uri", nullptr, printerUri(queue).constData());
    ippAddInteger(request, IPP_TAG_OPERATION, IPP_TAG_INTEGER, "job-id", job);
    ippAddString(request, IPP_TAG_OPERATION, IPP_TAG_NAME, "requesting-user-name", nullptr, cupsUser());
    static const char *const wanted[] = {"job-state", "job-state-reasons", "job-printer-state-message"};
    ippAddStrings(request, IPP_TAG_OPERATION, IPP_TAG_KEYWORD, "requested-attributes", int(std::size(wanted)), nullptr,
                  wanted);
    const Ipp response(cupsDoRequest(connection.http(), request, "/"));
    if (!response || ippGetStatusCode(response.get()) > IPP_STATUS_OK_EVENTS_COMPLETE) {
        answer.reach = connection.failure();
        qCWarning(lcCups) << "job" << job << "on" << queue << "not answered:" << cupsLastErrorString();
        return answer;
    }
    JobReport &report = answer.report;
    report.state = number(response.get(), "job-state", 0);
    report.jobMessage = text(response.get(), "job-printer-state-message");
    if (ipp_attribute_t *reasons = ippFindAttribute(response.get(), "job-state-reasons", IPP_TAG_KEYWORD)) {
        for (int i = 0; i < ippGetCount(reasons); ++i)
            report.reasons << QString::fromUtf8(ippGetString(reasons, i, nullptr));
    }
    const Ipp printer =
        ask(connection, IPP_OP_GET_PRINTER_ATTRIBUTES, queue, {"printer-state", "printer-state-message"});
    if (printer) {
        report.printerState = number(printer.get(), "printer-state", 0);
        report.printerMessage = text(printer.get(), "printer-state-message");
    }
    answer.reach = CupsReach::Answered;
    return answer;
}

// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/qt/cupsquestions.h"
#include "platform/qt/cupsdestinations.h"
#include "printing/units.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QUrl>

#include <cerrno>
#include <cstring>
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
// libcups calls that take a connection of their own (cupsGetNamedDest,
// for one) wait on the server for a minute and more: only calls that take
// this connection are made.
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

QByteArray printerUri(const QString &queue)
{
    char uri[HTTP_MAX_URI];
    httpAssembleURIf(HTTP_URI_CODING_ALL, uri, sizeof uri, "ipp", nullptr, "localhost", ippPort(), "/printers/%s",
                     queue.toUtf8().constData());
    return uri;
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

QMarginsF edgesOf(const cups_size_t &size)
{
    return QMarginsF(size.left, size.top, size.right, size.bottom) * kPointsPerHundredthMm;
}

// The printer's media list: its destination and the information CUPS
// copied for it, looked up without a connection.
class CupsMediaList final : public CupsMedia
{
public:
    CupsMediaList(const QString &queue, const QByteArray &uri, const QByteArray &mediaDefault) : m_name(queue.toUtf8())
    {
        m_dest.name = m_name.data();
        m_dest.num_options = cupsAddOption("printer-uri-supported", uri.constData(), 0, &m_dest.options);
        // cupsGetDestMediaDefault takes the destination's "media" option,
        // and Letter where it has none, whatever the queue's default is.
        if (!mediaDefault.isEmpty())
            m_dest.num_options = cupsAddOption("media", mediaDefault.constData(), m_dest.num_options, &m_dest.options);
    }
    ~CupsMediaList() override
    {
        cupsFreeOptions(m_dest.num_options, m_dest.options);
        if (m_info)
            cupsFreeDestInfo(m_info);
    }
    CupsMediaList(const CupsMediaList &) = delete;
    CupsMediaList &operator=(const CupsMediaList &) = delete;

    bool copyInfo(http_t *http)
    {
        m_info = cupsCopyDestInfo(http, &m_dest);
        return m_info != nullptr;
    }

    std::optional<std::pair<QString, QMarginsF>> bySize(const QSizeF &mm) const override
    {
        cups_size_t size{};
        if (!cupsGetDestMediaBySize(CUPS_HTTP_DEFAULT, const_cast<cups_dest_t *>(&m_dest), m_info,
                                    qRound(mm.width() * 100), qRound(mm.height() * 100), CUPS_MEDIA_FLAGS_DEFAULT,
                                    &size))
            return std::nullopt;
        return std::pair{QString::fromUtf8(size.media), edgesOf(size)};
    }

    void readDefaultPaper(http_t *http, CupsPrinter &printer)
    {
        cups_size_t size{};
        if (!cupsGetDestMediaDefault(http, &m_dest, m_info, CUPS_MEDIA_FLAGS_DEFAULT, &size))
            return;
        printer.defaultPaperName = QString::fromUtf8(size.media);
        printer.defaultPaperMM = QSizeF(size.width, size.length) / 100.0;
        printer.defaultEdges = edgesOf(size);
    }

    // The range of custom sizes, from the "custom_min_..." and
    // "custom_max_..." names of the supported media.
    std::optional<CustomSizes> customSizes(http_t *http)
    {
        ipp_attribute_t *media = cupsFindDestSupported(http, &m_dest, m_info, "media");
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
        ipp_attribute_t *supported = cupsFindDestSupported(http, &m_dest, m_info, option);
        for (int i = 0; supported && i < ippGetCount(supported); ++i) {
            const char *value = ippGetString(supported, i, nullptr);
            if (!value)
                continue;
            const QString keyword = QString::fromUtf8(value);
            QString label = QString::fromUtf8(cupsLocalizeDestValue(http, &m_dest, m_info, option, value));
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
    QByteArray m_name;
    cups_dest_t m_dest{};
    cups_dinfo_t *m_info = nullptr;
};

// The queue's PPD, as the server serves it; nothing when it has none.
std::optional<QByteArray> ppdOf(const Connection &connection, const QString &queue, bool &silent)
{
    const int fd = memfd_create("quillon-ppd", MFD_CLOEXEC);
    if (fd < 0)
        return std::nullopt;
    const QByteArray resource = "/printers/" + QUrl::toPercentEncoding(queue) + ".ppd";
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
CupsReach readFacts(const Connection &connection, CupsPrinter &printer, ipp_t *attributes)
{
    http_t *http = connection.http();
    auto media = std::make_shared<CupsMediaList>(printer.queue, printerUri(printer.queue),
                                                 text(attributes, "media-default").toUtf8());
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

// The default printer the user has chosen for themselves, as every CUPS
// client takes it before the server's: the LPDEST or PRINTER variable, or
// a "Default" line in the user's, then the system's, lpoptions file.
QString usersDefault()
{
    for (const char *variable : {"LPDEST", "PRINTER"}) {
        const QString name = qEnvironmentVariable(variable);
        if (!name.isEmpty() && name != u"lp")
            return name.section(u'/', 0, 0);
    }
    const QString serverRoot = qEnvironmentVariable("CUPS_SERVERROOT", QStringLiteral("/etc/cups"));
    for (const QString &path :
         {QDir::homePath() + QStringLiteral("/.cups/lpoptions"), serverRoot + QStringLiteral("/lpoptions")}) {
        QFile file(path);
        if (!QFileInfo(path).isFile() || !file.open(QIODevice::ReadOnly))
            continue;
        for (const QByteArray &line : file.readAll().split('\n')) {
            const QList<QByteArray> words = line.simplified().split(' ');
            if (words.size() >= 2 && words[0].compare("Default", Qt::CaseInsensitive) == 0)
                return QString::fromUtf8(words[1]).section(u'/', 0, 0);
        }
    }
    return {};
}

} // namespace

CupsAnswer askPrintServer(const QString &queue, bool withQueues, const std::shared_ptr<const CupsPrinter> &known,
                          std::chrono::milliseconds deadline)
{
    CupsAnswer answer;
    const Connection connection(deadline);
    if (!connection.http())
        return answer; // Unreachable

    QString name = queue.isEmpty() ? usersDefault() : queue;
    if (name.isEmpty()) {
        const Ipp response = ask(connection, IPP_OP_CUPS_GET_DEFAULT, {}, {"printer-name"});
        name = response ? text(response.get(), "printer-name") : QString();
        if (name.isEmpty()) {
            answer.reach = response ? CupsReach::NoDefault : connection.failure(CupsReach::NoDefault);
            answer.error = QString::fromUtf8(cupsLastErrorString());
            return answer;
        }
    }
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
                    "landscape-orientation-requested-preferred", "media-default"});
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
    const QString changeKey = QString::number(number(attributes.get(), "printer-config-change-time", 0)) + u'|'
        + text(attributes.get(), "media-default");
    if (known && known->queue == name && known->changeKey == changeKey) {
        *printer = *known;
    } else {
        printer->queue = name;
        printer->changeKey = changeKey;
        if (const CupsReach reach = readFacts(connection, *printer, attributes.get()); reach != CupsReach::Answered) {
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

CupsJobAnswer sendJob(const QString &queue, const QByteArray &pdf, const QString &title,
                      const QList<std::pair<QByteArray, QByteArray>> &options, std::chrono::milliseconds deadline)
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
    const QByteArray resource = "/printers/" + QUrl::toPercentEncoding(queue);
    // The document from memory, as libcups sends a file's.
    const int document = memfd_create("quillon-envelope", MFD_CLOEXEC);
    if (document < 0 || write(document, pdf.constData(), size_t(pdf.size())) != ssize_t(pdf.size())
        || lseek(document, 0, SEEK_SET) != 0) {
        answer.error = QString::fromLocal8Bit(strerror(errno));
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

// SPDX-License-Identifier: GPL-3.0-or-later
// The time from a click on "Print" to the job handed to CUPS, beside the
// same envelope drawn into a PDF file with no print system; "Print All" of
// 300 addresses as one job (click to the job handed to CUPS, and the memory
// it takes above the idle window) and saved as a PDF; the processor time a
// two-second pause of "Print All" uses; and the time from a keystroke in the
// to-address box to the envelope preview repainted.
#include "addressbook/addresslistmodel.h"
#include "app/addresstextbox.h"
#include "app/envelopepreview.h"
#include "app/envelopesetupdialog.h"
#include "app/form1.h"
#include "fakes/pdffiletarget.h"
#include "fakes/testservices.h"
#include "platform/qt/cupsprinttarget.h"
#include "platform/qt/qteventpump.h"
#include "platform/qt/qtprinter.h"

#include "benchclock.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QFile>
#include <QLineEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>

#include <sys/resource.h>

#include <algorithm>
#include <cstdio>
#include <vector>

namespace {

constexpr int kEnvelopes = 20;

double processorMs()
{
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    auto ms = [](const timeval &t) { return t.tv_sec * 1e3 + t.tv_usec / 1e3; };
    return ms(usage.ru_utime) + ms(usage.ru_stime);
}

// The window as the program runs it, with the given printer, the real event
// loop and clock, and an in-memory settings store.
struct Window
{
    explicit Window(Printer &printer, PageSource *pages = nullptr)
        : form(Form1Services{services.settings, services.messages, services.shell, events, clock, services.app, printer,
                             services.programDir.path(), services.dataDir.path(), pages, &services.fileDialogs})
    {
        form.Form_Load();
        form.TextReturn->setText(QStringLiteral("Quillon Sender\r\n12 Return Road\r\nSometown"));
        form.TextToAddress->setText(
            QStringLiteral("Addressee Name\r\n789 Good Road\r\nSuite 777\r\nSomeCity, CA 97777"));
        form.TextReturnPrintFonttype->setText(QStringLiteral("DejaVu Sans"));
        form.TextReturnPrintFontSize->setText(QStringLiteral("10"));
        form.TextToAddressPrintFontType->setText(QStringLiteral("DejaVu Sans"));
        form.TextToAddressPrintFontSize->setText(QStringLiteral("12"));
    }

    TestServices services;
    QtEventPump events;
    SteadyClock clock;
    Form1 form;
};

void envelopes(const char *what, Printer &printer, const QString &size = QStringLiteral("Printer paper"),
               const QString &queue = {})
{
    Window window(printer);
    window.form.envelopeSetup->assign(Setting::EnvelopePrinter, queue);
    window.form.envelopeSetup->assign(Setting::EnvelopeSize, size);
    std::vector<double> times;
    for (int i = 0; i < kEnvelopes; ++i) {
        const double start = monotonicMs();
        window.form.CommandPrint->click();
        times.push_back(monotonicMs() - start);
    }
    // A question (a size the queue lacks) is answered yes at once; a warning is a failure.
    const auto warning = std::find_if(window.services.messages.shown.cbegin(), window.services.messages.shown.cend(),
                                      [](const auto &box) { return box.kind == FakeMessageBox::Shown::Warning; });
    if (warning != window.services.messages.shown.cend()) {
        std::printf("  %-52s failed: %s\n", what, qPrintable(warning->text));
        return;
    }
    std::sort(times.begin(), times.end());
    std::printf("  %-52s median %7.1f ms   max %7.1f ms   (%d envelopes of 7 lines)\n", what, times[times.size() / 2],
                times.back(), kEnvelopes);
}

// Keystrokes in the to-address box, 7 lines, with the preview and the
// set-up open: each one lays the envelope out again and repaints the
// preview, on the pages the print server gave when there is one.
void previewKeystrokes(const char *what, PageSource *pages)
{
    RecordingPrinter printer;
    Window window(printer, pages);
    window.form.TextToAddress->setText(
        QStringLiteral("Addressee Name\r\nCare of Someone\r\n789 Good Road\r\nSuite 777\r\nBuilding 4\r\n"
                       "SomeCity, CA 97777\r\nUnited States"));
    window.form.show();
    window.form.envelopePreview->show();
    window.form.envelopeSetup->show();
    // The print server's first answer, before the keystrokes.
    for (int i = 0; i < 50; ++i)
        QTest::qWait(10);
    std::vector<double> times;
    for (int i = 0; i < 400; ++i) {
        const double start = monotonicMs();
        QTest::keyClick(window.form.TextToAddress, i % 2 ? Qt::Key_Backspace : Qt::Key_X);
        window.form.envelopePreview->repaint();
        times.push_back(monotonicMs() - start);
    }
    std::sort(times.begin(), times.end());
    std::printf("  %-52s median %7.2f ms   p99 %7.2f ms   (bar 16 ms)\n", what, times[times.size() / 2],
                times[times.size() * 99 / 100]);
}

// The resident memory now, and the most it has been since resetPeakMemory(), in megabytes.
double residentMB(const char *field)
{
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return -1;
    for (const QByteArray &line : status.readAll().split('\n'))
        if (line.startsWith(field))
            return line.mid(int(qstrlen(field))).trimmed().split(' ').value(0).toDouble() / 1024;
    return -1;
}

bool resetPeakMemory()
{
    QFile clear(QStringLiteral("/proc/self/clear_refs"));
    return clear.open(QIODevice::WriteOnly) && clear.write("5") == 1 && clear.flush();
}

// "Print All" of 300 ticked addresses of 4 lines (7 lines an envelope with
// the return address), as one job to `printer`, or as a PDF file.
void batchOf300(const char *what, Printer &printer, bool pdf)
{
    Window window(printer);
    QStringList entries;
    for (int i = 0; i < 300; ++i)
        entries << QStringLiteral("Addressee %1\r\n%1 Good Road\r\nSuite 777\r\nSomeCity, CA 97777")
                       .arg(i, 3, 10, QChar(u'0'));
    window.form.addToAddressBook(entries);
    window.form.addressBook()->tickAll();
    window.form.envelopeSetup->assign(Setting::PrintAllOneJob, QStringLiteral("1"));
    QTemporaryDir folder;
    window.services.fileDialogs.chosen = {folder.filePath(QStringLiteral("envelopes.pdf"))};
    window.form.show();
    QApplication::processEvents();
    const double idle = residentMB("VmRSS:");
    const bool peakKnown = resetPeakMemory();

    const double start = monotonicMs();
    if (pdf)
        window.form.SavePdfMenu->trigger();
    else
        window.form.CommandPrintAll->click();
    const double elapsed = monotonicMs() - start;
    const double peak = residentMB("VmHWM:");

    if (!window.services.messages.shown.isEmpty()) {
        std::printf("  %-52s failed: %s\n", what, qPrintable(window.services.messages.shown.first().text));
        return;
    }
    std::printf("  %-52s %7.0f ms (bar 3000)   peak memory %s above the idle window (bar 100 MB)\n", what, elapsed,
                peakKnown ? qPrintable(QStringLiteral("%1 MB").arg(peak - idle, 0, 'f', 1)) : "unknown");
}

void printAllPause()
{
    RecordingPrinter printer;
    Window window(printer);
    window.form.addToAddressBook({QStringLiteral("Only Entry\r\n")});
    window.form.addressBook()->setTicked(0, true);
    const double wallBefore = monotonicMs();
    const double cpuBefore = processorMs();
    window.form.CommandPrintAll->click();
    const double wall = monotonicMs() - wallBefore;
    const double cpu = processorMs() - cpuBefore;
    std::printf("  %-52s wall %7.1f ms   processor %6.1f ms\n", "Print All, one entry (envelope + 2 s pause)", wall,
                cpu);
}

} // namespace

int main(int argc, char *argv[])
{
    QApplication application(argc, argv);

    // First, while the process's peak memory is still that of the idle window.
    if (qEnvironmentVariableIsEmpty("QUILLON_TEST_CUPS_SPOOL")) {
        std::printf("  %-52s not measured: no test print server (scripts/bench starts one)\n",
                    "Print All, 300 as one job, click to job handed to CUPS");
    } else {
        CupsDefaultPrinter cups;
        QtPrinter cupsPrinter(cups);
        batchOf300("Print All, 300 as one job, click to job handed to CUPS", cupsPrinter, false);
    }
    RecordingPrinter unused;
    batchOf300("Save Envelopes as PDF, 300 envelopes", unused, true);

    QTemporaryDir folder;
    PdfFileTarget pdf(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait, {}), folder.path());
    QtPrinter pdfPrinter(pdf);
    envelopes("click to PDF file (no print system)", pdfPrinter);

    // Only the test run's own print server: never the machine's printer.
    if (qEnvironmentVariableIsEmpty("QUILLON_TEST_CUPS_SPOOL")) {
        std::printf("  %-52s not measured: no test print server (scripts/bench starts one)\n",
                    "click to job handed to CUPS");
    } else {
        CupsDefaultPrinter cups;
        QtPrinter cupsPrinter(cups);
        envelopes("click to job handed to CUPS", cupsPrinter);
        envelopes("click to job handed to CUPS, DL envelope", cupsPrinter, QStringLiteral("DL"));
        // A queue whose description lists DL, chosen in the set-up.
        envelopes("click to job handed to CUPS, DL, printer with DL", cupsPrinter, QStringLiteral("DL"),
                  qEnvironmentVariable("QUILLON_TEST_CUPS_EDGES_QUEUE"));
        previewKeystrokes("keystroke to preview repainted, CUPS's page", &cups);
    }

    previewKeystrokes("keystroke to preview repainted, 7 lines", nullptr);

    printAllPause();
    return 0;
}

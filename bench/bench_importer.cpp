// SPDX-License-Identifier: GPL-3.0-or-later
// The import of 32,767 addresses pasted as one text, in each sample's
// layout: the parse alone, and the whole import through the window into
// the shown list and the saved file, beside the floor of one pass over the
// same text counting its CR LF pairs.
#include "addressbook/addresslistmodel.h"
#include "app/addresstextbox.h"
#include "app/form1.h"
#include "app/sortedcombobox.h"
#include "fakes/fakeplatform.h"
#include "fakes/memorysettingsbackend.h"
#include "fakes/recordingprinter.h"
#include "importer/delimiters.h"
#include "importer/importparser.h"
#include "platform/clock.h"
#include "platform/qt/qteventpump.h"

#include "benchclock.h"

#include <QApplication>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QTest>

#include <algorithm>
#include <cstdio>
#include <functional>
#include <vector>

namespace {

constexpr int kAddresses = AddressListModel::kCapacity;
constexpr int kRuns = 7;

double median(const std::function<void()> &once, int runs = kRuns, const std::function<void()> &before = {})
{
    std::vector<double> times;
    for (int i = 0; i < runs; ++i) {
        if (before)
            before();
        const double start = monotonicMs();
        once();
        times.push_back(monotonicMs() - start);
    }
    std::sort(times.begin(), times.end());
    return times[times.size() / 2];
}

// Address i: one of the sample addresses, its name numbered so that the
// entries differ and the list has real sorting to do.
QStringList addressLines(int i)
{
    static const QList<QStringList> kBase{
        {"Tony Doe", "1234 Great Street", "CityName, CA 97777 "},
        {"Larry Doe", "789 Good RD.", "Suit 777", "SomeCity, CA 97777 "},
        {"Randy Doe", "777 Anyroad RD", "SomeTown, CA 97777"},
        {"Lilly Doe", "P.O. Box 777", "Anycity, CA 97777"},
    };
    QStringList lines = kBase[i % 4];
    lines[0] += QStringLiteral(" %1").arg(i);
    return lines;
}

// Sample 1's layout: a text line per address line, a blank line between.
QString blankLineLayout()
{
    QString text;
    for (int i = 0; i < kAddresses; ++i)
        text += addressLines(i).join(QStringLiteral("\r\n")) + QStringLiteral("\r\n\r\n");
    return text;
}

// Sample 2's layout: a text line per address, its lines separated by "|".
QString barLayout()
{
    QString text;
    for (int i = 0; i < kAddresses; ++i)
        text += addressLines(i).join(u'|') + QStringLiteral("\r\n");
    return text;
}

qsizetype countCrLf(QStringView text)
{
    qsizetype pairs = 0;
    const QChar *p = text.data();
    const QChar *end = p + text.size();
    for (; p + 1 < end; ++p) {
        if (p[0] == u'\r' && p[1] == u'\n') {
            ++pairs;
            ++p;
        }
    }
    return pairs;
}

struct Layout
{
    const char *name;
    QString text;
    QString lineChoice;
    QString addressChoice;
};

void runLayout(const Layout &layout)
{
    std::printf("%s layout: %lld characters (%.1f MB as UTF-16)\n", layout.name,
                static_cast<long long>(layout.text.size()), layout.text.size() * 2 / 1e6);

    volatile qsizetype sink = 0;
    const double floor = median([&] { sink = countCrLf(layout.text); });
    std::printf("  %-44s median %8.2f ms (%lld pairs)\n", "floor: one pass counting CR LF pairs", floor,
                static_cast<long long>(sink));

    const AddressSplit split = addressSplitFor(layout.addressChoice, u"");
    qsizetype parsedCount = 0;
    const double parse = median([&] {
        ThrottledEvents events([] {});
        const ImportResult result = parseImport(
            layout.text, [&] { return lineDelimiterFor(layout.lineChoice, u""); }, split, std::ref(events));
        parsedCount = result.addresses.size();
    });
    std::printf("  %-44s median %8.2f ms (%lld addresses)\n", "parse alone", parse,
                static_cast<long long>(parsedCount));

    // The window as the program runs it, but with an in-memory settings
    // store and the book in a temporary folder.
    MemorySettingsBackend settings;
    FakeMessageBox messages;
    FakeShell shell;
    QtEventPump events;
    SteadyClock clock;
    FakeAppControl app;
    RecordingPrinter printer;
    QTemporaryDir programDir;
    QTemporaryDir dataDir;
    Form1 form(
        Form1Services{settings, messages, shell, events, clock, app, printer, programDir.path(), dataDir.path()});
    form.Form_Load();
    form.show();
    if (!QTest::qWaitForWindowExposed(&form))
        std::fprintf(stderr, "window not exposed\n");
    form.ComboLine->setText(layout.lineChoice);
    form.ComboAddress->setText(layout.addressChoice);
    form.TextImport->setText(layout.text);
    QCoreApplication::processEvents();

    AddressListModel *book = form.addressBook();
    const auto emptyBook = [&] {
        book->tickAll();
        book->removeTicked();
        QCoreApplication::processEvents();
    };
    const double whole = median(
        [&] {
            form.CommandImport_Click();
            // The shown list takes in the new rows and repaints.
            QCoreApplication::processEvents();
        },
        kRuns, emptyBook);
    const QFileInfo file(form.AddressFileName());
    std::printf("  %-44s median %8.2f ms (%d entries, file %lld bytes, %lld messages)\n",
                "whole import: list shown, file saved", whole, book->count(), static_cast<long long>(file.size()),
                static_cast<long long>(messages.shown.size()));
}

// A custom address delimiter of 1,000 characters over 3 M characters:
// addresses between rules of "=", every other rule one character short of
// the delimiter, so that a search comparing at every position pays for it.
void runLongDelimiter()
{
    const QString delimiter(1000, u'=');
    const QString nearMiss(999, u'=');
    QString text;
    for (int i = 0; text.size() < 3'000'000; ++i)
        text += addressLines(i).join(QStringLiteral("\r\n")) + (i % 2 ? delimiter : nearMiss);
    std::printf("Long delimiter: %lld characters, delimiter of %lld\n", static_cast<long long>(text.size()),
                static_cast<long long>(delimiter.size()));

    volatile qsizetype sink = 0;
    const double floor = median([&] { sink = countCrLf(text); });
    std::printf("  %-44s median %8.2f ms\n", "floor: one pass counting CR LF pairs", floor);
    const AddressSplit split = addressSplitFor(kOtherToken, delimiter);
    qsizetype parsedCount = 0;
    const double parse = median([&] {
        parsedCount = parseImport(
                          text, [] { return lineDelimiterFor(kLineBreakToken, u""); }, split)
                          .addresses.size();
    });
    std::printf("  %-44s median %8.2f ms (%lld addresses)\n", "parse alone", parse,
                static_cast<long long>(parsedCount));
}

} // namespace

int main(int argc, char *argv[])
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);

    std::printf("Import of %d addresses pasted as one text; medians of %d runs\n", kAddresses, kRuns);
    runLayout({"Sample 1", blankLineLayout(), QStringLiteral("[LINE BREAK]"), QStringLiteral("[BLANK LINE]")});
    runLayout({"Sample 2", barLayout(), QStringLiteral("|"), QStringLiteral("[LINE BREAK]")});
    runLongDelimiter();
    return 0;
}

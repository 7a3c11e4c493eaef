// SPDX-License-Identifier: GPL-3.0-or-later
// Ten thousand contacts (a vCard file of about 5 MB, as a phone or a mail
// program exports them): read and shown in the review, then added to a
// book near its 32,767-entry limit and saved. Then three hostile files (a
// CSV of 100,000 columns, a CSV with one 50 MB field, a vCard of 9 million
// folded lines), each in a process of its own: the time until a window of
// the import is there, and the process's peak memory.
#include "addressbook/addresslistmodel.h"
#include "addressbook/bookcodec.h"
#include "app/columnmappingdialog.h"
#include "app/contactreviewdialog.h"
#include "app/form1.h"
#include "contacts/contactreviewmodel.h"
#include "fakes/testservices.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QListView>
#include <QProcess>
#include <QProgressDialog>
#include <QRandomGenerator>
#include <QTest>

#include <algorithm>
#include <cstdio>
#include <memory>
#include <vector>

namespace {

constexpr int kContacts = 10000;
constexpr int kRuns = 7;

QByteArray contactsFile()
{
    static const char *const first[] = {"Anna",  "Ben",  "Chlo\xc3\xa9", "David",       "Eva",  "Fatima",
                                        "Greta", "Hiro", "Ines",         "Jos\xc3\xa9", "Karl", "Lena",
                                        "Marta", "Nils", "Olga",         "Priya"};
    static const char *const last[] = {"Schmidt",
                                       "Garc\xc3\xad"
                                       "a",
                                       "Nguyen",
                                       "M\xc3\xbcller",
                                       "O'Brien",
                                       "Rossi",
                                       "Tanaka",
                                       "Dubois",
                                       "Kowalski",
                                       "Andersson",
                                       "Smith",
                                       "Novak"};
    static const char *const places[][4] = {
        {"Raleigh", "NC", "27613", "United States"},  {"Berlin", "", "10117", "Germany"},
        {"London", "", "SW1A 1AA", "United Kingdom"}, {"Paris", "", "75002", "France"},
        {"Toronto", "ON", "M5H 2N2", "Canada"},       {"Praha", "", "110 00", "Czechia"},
    };
    QRandomGenerator random(20240601);
    QByteArray out;
    out.reserve(5'500'000);
    for (int i = 0; i < kContacts; ++i) {
        const QByteArray given = first[random.bounded(int(std::size(first)))];
        const QByteArray family = last[random.bounded(int(std::size(last)))];
        out += "BEGIN:VCARD\r\nVERSION:3.0\r\nPRODID:-//Apple Inc.//macOS 13.4.1//EN\r\n";
        out += "N:" + family + ";" + given + ";;;\r\nFN:" + given + " " + family + " " + QByteArray::number(i) + "\r\n";
        out += "ORG:Example Holdings " + QByteArray::number(i % 97) + ";\r\n";
        out += "item1.EMAIL;type=INTERNET;type=pref:" + given.toLower() + QByteArray::number(i) + "@example.com\r\n";
        out += "TEL;type=CELL;type=VOICE;type=pref:+1 919 555 " + QByteArray::number(1000 + i % 9000) + "\r\n";
        out += "TEL;type=WORK;type=VOICE:+1 919 555 " + QByteArray::number(2000 + i % 7000) + "\r\n";
        // One in ten has only a phone and mail; one in three has two addresses.
        const int addresses = i % 10 == 9 ? 0 : 1 + (i % 3 == 0);
        for (int a = 0; a < addresses; ++a) {
            const auto &place = places[random.bounded(int(std::size(places)))];
            out += QByteArray("item") + QByteArray::number(2 + a) + ".ADR;type=" + (a ? "WORK" : "HOME;type=pref")
                + ":;;" + QByteArray::number(random.bounded(1, 999)) + " Maple Avenue\\nSuite "
                + QByteArray::number(random.bounded(1, 99)) + ";" + place[0] + ";" + place[1] + ";" + place[2] + ";"
                + place[3] + "\r\n";
        }
        out += "NOTE:Met at the conference in spring\\, talked about envelopes and address books for a long while"
               "\\, promised to send the catalogue and a letter before the summer.\r\n";
        out +=
            "REV:2024-06-01T12:00:00Z\r\nUID:" + QByteArray::number(0x10000000 + i, 16) + "-4e4e-9d8a-0e6c9e5b1a11\r\n";
        out += "END:VCARD\r\n";
    }
    return out;
}

QStringList nearlyFullBook(int count)
{
    QStringList entries;
    entries.reserve(count);
    for (int i = 0; i < count; ++i)
        entries << QStringLiteral("Person %1\r\n%2 Long Street\r\nSpringfield, IL 627%3\r\n")
                       .arg(i)
                       .arg(i * 7)
                       .arg(i % 100);
    return entries;
}

// The three hostile files, by name.
QByteArray hostileFile(const QString &name)
{
    QByteArray out;
    if (name == u"columns.csv") {
        for (const char *prefix : {"c", "v"}) {
            for (int i = 0; i < 100000; ++i)
                out += (i ? "," : "") + QByteArray(prefix) + QByteArray::number(i);
            out += "\r\n";
        }
    } else if (name == u"field.csv") {
        out = "Name,Street,City,ZIP\r\nAnna,\"" + QByteArray(50 * 1024 * 1024, 'x') + "\",Town,12345\r\n";
    } else {
        out = "BEGIN:VCARD\r\nVERSION:3.0\r\nFN:A";
        for (int i = 0; i < 9000000; ++i)
            out += "\r\n x";
        out += "\r\nADR:;;1 Elm St;Town;;12345;\r\nEND:VCARD\r\n";
    }
    return out;
}

bool importWindowShown(QWidget *form)
{
    const auto shown = [](QWidget *w) { return w && w->isVisible(); };
    return shown(form->findChild<QProgressDialog *>()) || shown(form->findChild<ColumnMappingDialog *>())
        || shown(form->findChild<ContactReviewDialog *>());
}

// In this process alone: opens the file and prints when a window came and
// the peak memory.
int hostileRun(const QString &path)
{
    TestServices services;
    QElapsedTimer timer;
    qint64 firstWindow = -1;
    std::unique_ptr<Form1> form;
    services.events.onProcess = [&] {
        QCoreApplication::processEvents();
        if (firstWindow < 0 && form && importWindowShown(form.get()))
            firstWindow = timer.elapsed();
    };
    form = services.start();
    form->show();
    if (!QTest::qWaitForWindowExposed(form.get()))
        std::fputs("window not exposed\n", stderr);
    timer.start();
    form->importContacts({path});
    if (!QTest::qWaitFor([&] { return importWindowShown(form.get()) || !services.messages.shown.isEmpty(); }, 120000))
        std::fputs("no review window within two minutes\n", stderr);
    if (firstWindow < 0)
        firstWindow = timer.elapsed();
    // VmHWM starts afresh with the program, unlike getrusage's figure,
    // which a child inherits from the process that forked it.
    QFile status(QStringLiteral("/proc/self/status"));
    QByteArray peak = "0";
    if (status.open(QIODevice::ReadOnly)) {
        for (const QByteArray &line : status.readAll().split('\n')) {
            if (line.startsWith("VmHWM:"))
                peak = line.sliced(6).trimmed().split(' ').value(0);
        }
    }
    std::printf("%lld %s\n", qlonglong(firstWindow), peak.constData());
    return 0;
}

double median(std::vector<double> times)
{
    std::sort(times.begin(), times.end());
    return times[times.size() / 2];
}

} // namespace

int main(int argc, char *argv[])
{
    QApplication application(argc, argv);
    QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
    if (argc == 3 && QByteArray(argv[1]) == "--hostile")
        return hostileRun(QString::fromLocal8Bit(argv[2]));
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("contacts.vcf"));
    const QByteArray bytes = contactsFile();
    {
        QFile file(path);
        if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size())
            return 1;
    }
    const QStringList book = nearlyFullBook(AddressListModel::kCapacity - kContacts);
    const QByteArray bookBytes = encodeBook(book).bytes;
    std::printf("contacts file: %d contacts, %.2f MB; book: %lld entries\n", kContacts,
                double(bytes.size()) / (1024.0 * 1024.0), qlonglong(book.size()));

    std::vector<double> reviews;
    std::vector<double> adds;
    int shown = 0;
    int added = 0;
    for (int run = 0; run < kRuns; ++run) {
        TestServices services;
        QFile bookFile(QDir(services.programDir.path()).filePath(QStringLiteral("AddData.txt")));
        if (!bookFile.open(QIODevice::WriteOnly) || bookFile.write(bookBytes) != bookBytes.size())
            return 1;
        bookFile.close();
        services.events.onProcess = [] { QCoreApplication::processEvents(); };
        auto form = services.start();
        form->show();
        if (!QTest::qWaitForWindowExposed(form.get()))
            std::fputs("window not exposed\n", stderr);
        QCoreApplication::processEvents();

        QElapsedTimer timer;
        timer.start();
        form->importContacts({path});
        auto *review = form->findChild<ContactReviewDialog *>();
        if (!review || !QTest::qWaitForWindowExposed(review))
            return 2;
        review->contacts->viewport()->repaint();
        reviews.push_back(double(timer.nsecsElapsed()) / 1e6);
        shown = review->model()->count();

        timer.restart();
        review->accept();
        // The book takes them in once the review has closed, from the event loop.
        if (!QTest::qWaitFor([&] { return !services.messages.shown.isEmpty(); }, 5000))
            std::fputs("not added\n", stderr);
        adds.push_back(double(timer.nsecsElapsed()) / 1e6);
        added = form->addressBook()->count();
        if (services.messages.shown.isEmpty() || !services.messages.shown.last().text.startsWith("Added"))
            std::fputs("no summary\n", stderr);
    }
    std::printf("%-52s median %8.2f ms   (held: under 1000 ms)\n", "read and shown in the review (contacts listed)",
                median(reviews));
    std::printf("%-52s median %8.2f ms   (held: under 500 ms)\n", "added to the book and saved", median(adds));
    std::printf("review listed %d contacts; the book then held %d entries\n", shown, added);

    for (const QString &name : {u"columns.csv"_qs, u"field.csv"_qs, u"folded.vcf"_qs}) {
        const QString hostile = dir.filePath(name);
        const QByteArray content = hostileFile(name);
        QFile file(hostile);
        if (!file.open(QIODevice::WriteOnly) || file.write(content) != content.size() || !file.flush())
            return 1;
        file.close();
        QProcess run;
        run.start(QCoreApplication::applicationFilePath(), {QStringLiteral("--hostile"), hostile});
        if (!run.waitForFinished(300000))
            return 3;
        const QList<QByteArray> figures = run.readAllStandardOutput().trimmed().split(' ');
        std::printf("%-12s %6.1f MB: first window after %6s ms, peak memory %7.1f MB   (held: 2000 ms, %.0f MB)\n",
                    qPrintable(name), double(content.size()) / 1048576.0, figures.value(0).constData(),
                    figures.value(1).toDouble() / 1024.0, 4.0 * double(content.size()) / 1048576.0 + 100.0);
    }
    return 0;
}

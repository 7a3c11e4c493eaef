// SPDX-License-Identifier: GPL-3.0-or-later
// A full address book (32,767 realistic addresses, about 3 MB): reading,
// loading into the shown list, saving and the memory it takes, each beside
// the floor measured in the same run, in turns with it.
#include "addressbook/addresslistmodel.h"
#include "addressbook/bookcodec.h"
#include "addressbook/bookfiles.h"
#include "app/form1.h"
#include "fakes/testservices.h"

#include "benchclock.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QRandomGenerator>
#include <QTest>

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <fcntl.h>
#include <functional>
#include <malloc.h>
#include <unistd.h>
#include <vector>

namespace {

double median(int runs, const std::function<void()> &once)
{
    std::vector<double> times;
    for (int i = 0; i < runs; ++i) {
        const double start = monotonicMs();
        once();
        times.push_back(monotonicMs() - start);
    }
    std::sort(times.begin(), times.end());
    return times[times.size() / 2];
}

// The floor and the measured operation in turns, so that a busy machine
// slows both alike; the medians of each.
std::pair<double, double> medians(int runs, const std::function<void()> &floor, const std::function<void()> &measured)
{
    std::vector<double> floors;
    std::vector<double> times;
    for (int i = 0; i < runs; ++i) {
        floors.push_back(median(1, floor));
        times.push_back(median(1, measured));
    }
    std::sort(floors.begin(), floors.end());
    std::sort(times.begin(), times.end());
    return {floors[floors.size() / 2], times[times.size() / 2]};
}

double residentMb()
{
    malloc_trim(0);
    QFile statm(QStringLiteral("/proc/self/statm"));
    if (!statm.open(QIODevice::ReadOnly))
        return 0;
    const QList<QByteArray> fields = statm.readAll().split(' ');
    return fields.value(1).toDouble() * double(sysconf(_SC_PAGESIZE)) / (1024.0 * 1024.0);
}

QStringList realisticBook(int count)
{
    static const char *const first[] = {"Larry",  "Tony",  "Maria",   "Jos\xc3\xa9", "Anne",       "Chen",
                                        "Fatima", "Olaf",  "Beatriz", "Ryan",        "Zo\xc3\xab", "Dmitri",
                                        "Aiko",   "Peter", "Lucia",   "Omar"};
    static const char *const last[] = {"Doe",      "Smith",   "Garc\303\255a", "Nguyen", "M\xc3\xbcller", "O'Brien",
                                       "Kowalski", "Johnson", "Rossi",         "Tanaka", "Dubois",        "Andersson"};
    static const char *const streets[] = {"Good RD.",      "Great Street",     "Maple Avenue",
                                          "Old Mill Lane", "Harbour Way",      "Church Road",
                                          "Elm Court",     "Sunset Boulevard", "Station Approach"};
    static const char *const cities[] = {"SomeCity, CA", "CityName, CA", "Springfield, IL", "Portland, OR",
                                         "Austin, TX",   "Boston, MA",   "Denver, CO",      "Madison, WI"};
    QRandomGenerator random(20240601);
    QStringList entries;
    entries.reserve(count);
    for (int i = 0; i < count; ++i) {
        auto pick = [&random](const auto &list) {
            return QString::fromUtf8(list[random.bounded(int(std::size(list)))]);
        };
        QString entry = pick(first) + u' ' + pick(last) + QStringLiteral("\r\n");
        if (random.bounded(3) == 0)
            entry += QStringLiteral("c/o %1 %2 Holdings Ltd.\r\n").arg(pick(last), pick(last));
        entry += QStringLiteral("%1 %2\r\n").arg(random.bounded(1, 99999)).arg(pick(streets));
        if (random.bounded(2) == 0)
            entry += QStringLiteral("Suite %1, Building %2\r\n").arg(random.bounded(1, 999)).arg(random.bounded(1, 20));
        entry += QStringLiteral("%1 %2\r\n").arg(pick(cities)).arg(random.bounded(10000, 99999));
        if (random.bounded(3) == 0)
            entry += QStringLiteral("United States of America\r\n");
        entries << entry;
    }
    return entries;
}

QByteArray readFile(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// The reading floor: the bytes, and one scan that finds every record and
// every line in them.
size_t floorRead(const QString &path)
{
    const QByteArray bytes = readFile(path);
    std::vector<std::pair<qsizetype, qsizetype>> records;
    std::vector<qsizetype> lines;
    records.reserve(40000);
    lines.reserve(200000);
    const char *data = bytes.constData();
    const qsizetype size = bytes.size();
    qsizetype start = 0;
    for (qsizetype at = 0; at < size;) {
        const void *hit = std::memchr(data + at, '*', size_t(size - at));
        const void *cr = std::memchr(data + at, '\r', size_t(size - at));
        if (!hit && !cr)
            break;
        const char *next = !hit ? static_cast<const char *>(cr)
            : !cr               ? static_cast<const char *>(hit)
                                : std::min(static_cast<const char *>(hit), static_cast<const char *>(cr));
        at = next - data;
        if (*next == '\r' && at + 1 < size && data[at + 1] == '\n') {
            lines.push_back(at);
            at += 2;
        } else if (*next == '*' && at + 7 <= size && std::memcmp(next, "*|||||*", 7) == 0) {
            records.emplace_back(start, at);
            at += 7;
            start = at;
        } else {
            ++at;
        }
    }
    return records.size() + lines.size();
}

// The writing floor: the same bytes to a temporary file, fsync, rename.
void floorWrite(const QString &dir, const QByteArray &bytes)
{
    const QByteArray tmp = QFile::encodeName(dir) + "/floor.tmp";
    const QByteArray target = QFile::encodeName(dir) + "/floor.txt";
    const int fd = ::open(tmp.constData(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644);
    if (fd < 0 || ::write(fd, bytes.constData(), size_t(bytes.size())) != bytes.size() || ::fsync(fd) != 0)
        std::perror("floor");
    ::close(fd);
    ::rename(tmp.constData(), target.constData());
}

struct ShownWindow
{
    explicit ShownWindow(const QByteArray &book)
    {
        QFile file(QDir(services.programDir.path()).filePath(QStringLiteral("AddData.txt")));
        if (file.open(QIODevice::WriteOnly))
            file.write(book);
        file.close();
        // The real pump lets the window's events run.
        services.events.onProcess = [] { QCoreApplication::processEvents(); };
        form = std::make_unique<Form1>(services.services());
        form->show();
        if (!QTest::qWaitForWindowExposed(form.get()))
            std::fputs("window not exposed\n", stderr);
        QCoreApplication::processEvents();
    }

    // ImportingFile, then the list laid out and painted.
    void load()
    {
        form->ImportingFile();
        QCoreApplication::processEvents();
        form->List1->viewport()->repaint();
    }

    TestServices services;
    std::unique_ptr<Form1> form;
};

} // namespace

int main(int argc, char *argv[])
{
    QApplication application(argc, argv);
    const int runs = 21;
    const QStringList entries = realisticBook(AddressListModel::kCapacity);
    const QByteArray book = encodeBook(entries).bytes;
    std::printf("book: %lld entries, %.2f MB\n", qlonglong(entries.size()), double(book.size()) / (1024.0 * 1024.0));

    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("AddData.txt"));
    {
        QFile file(path);
        if (!file.open(QIODevice::WriteOnly) || file.write(book) != book.size())
            return 1;
    }

    size_t sink = 0;
    BookFiles files(BookPlaces{dir.path(), dir.path(), true});
    const auto [readFloor, readParse] = medians(
        runs, [&] { sink += floorRead(path); },
        [&] { sink += size_t(files.read(path, AddressListModel::kCapacity).content.entries.size()); });
    std::printf("%-46s median %8.2f ms\n", "read floor (bytes, records and lines)", readFloor);
    std::printf("%-46s median %8.2f ms   %.1fx floor (held: 2x)\n", "read and parse the book", readParse,
                readParse / readFloor);

    // The usual book is one Quillon saved, in the list's order; a book
    // from elsewhere comes in any order and is sorted on loading.
    const auto loadMedian = [](const QByteArray &bytes) {
        std::vector<double> loads;
        for (int i = 0; i < 7; ++i) {
            ShownWindow window(bytes);
            const double start = monotonicMs();
            window.load();
            loads.push_back(monotonicMs() - start);
            if (window.form->addressBook()->count() != AddressListModel::kCapacity)
                std::fputs("load incomplete\n", stderr);
        }
        std::sort(loads.begin(), loads.end());
        return loads[loads.size() / 2];
    };
    AddressListModel sorted;
    sorted.add(entries);
    std::printf("%-46s median %8.2f ms   (held: under 50 ms)\n", "load a saved book into the shown list (Form1)",
                loadMedian(encodeBook(sorted.texts()).bytes));
    std::printf("%-46s median %8.2f ms   (held: under 250 ms)\n", "  the same, a book in no order", loadMedian(book));

    {
        ShownWindow window(book);
        const double before = residentMb();
        window.load();
        const double after = residentMb();
        std::printf("%-46s %8.1f MB above the empty window (held: under 50 MB)\n", "memory of the loaded book",
                    after - before);

        const auto [writeFloor, save] = medians(
            runs, [&] { floorWrite(dir.path(), book); },
            [&] {
                if (window.form->SaveFile() != BookResult::Done)
                    std::fputs("save failed\n", stderr);
            });
        std::printf("%-46s median %8.2f ms\n", "write floor (bytes, fsync, rename)", writeFloor);
        std::printf("%-46s median %8.2f ms   %.1fx floor (held: 2x)\n", "SaveFile of the full book", save,
                    save / writeFloor);

        AddressListModel *list = window.form->addressBook();
        const double selectAll = median(1, [&] { window.form->CommandSelectAll_Click(); });
        std::printf("%-46s median %8.2f ms\n", "Select All on the full list", selectAll);
        for (int row = 0; row < list->count(); row += 2)
            list->setTicked(row, false);
        window.services.messages.answers = {true};
        const double clear = median(1, [&] { window.form->CommandClearData_Click(); });
        std::printf("%-46s median %8.2f ms\n", "Clear Selected, every other entry, and save", clear);
        const double merge = median(1, [&] { window.form->addToAddressBook(entries.mid(0, list->room())); });
        std::printf("%-46s median %8.2f ms\n", "16,383 entries added among 16,384", merge);
    }
    return sink == 0;
}

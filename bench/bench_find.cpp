// SPDX-License-Identifier: GPL-3.0-or-later
// Find Next (F3) in a full address book, through the window: each press
// finds the next entry, makes it current and copies it into the To box.
#include "addressbook/addressfinder.h"
#include "addressbook/addresslistmodel.h"
#include "addressbook/bookcodec.h"
#include "app/form1.h"
#include "benchclock.h"
#include "fakes/testservices.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QTest>

#include <algorithm>
#include <cstdio>
#include <vector>

namespace {

// Entries of three or four lines, some with accents; one in `every` lives
// in "Zwölfkirchen", the town the benchmark looks for.
QStringList book(int count, int every)
{
    static const char16_t *const towns[] = {
        u"Springfield", u"Saint-\u00c9tienne", u"M\u00fcnchen", u"Leeds", u"Bologna", u"Aarhus", u"Gen\u00e8ve"};
    QStringList entries;
    entries.reserve(count);
    for (int i = 0; i < count; ++i) {
        const QString town = i % every == 0 ? QStringLiteral("Zw\u00f6lfkirchen") : QString::fromUtf16(towns[i % 7]);
        entries << QStringLiteral("Person %1 Family%2\r\n%3 Long Street Name\r\n%4 %5")
                       .arg(i)
                       .arg(i % 977)
                       .arg(i % 500 + 1)
                       .arg(10000 + i % 89999)
                       .arg(town);
    }
    return entries;
}

struct Figures
{
    double p50, p99, max;
};

Figures presses(int count)
{
    std::vector<double> times;
    for (int i = 0; i < count; ++i) {
        const double start = monotonicMs();
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_F3);
        times.push_back(monotonicMs() - start);
        QCoreApplication::processEvents();
    }
    std::sort(times.begin(), times.end());
    return {times[times.size() / 2], times[std::min(times.size() - 1, times.size() * 99 / 100)], times.back()};
}

} // namespace

int main(int argc, char *argv[])
{
    QApplication application(argc, argv);
    TestServices services;
    const QByteArray bytes = encodeBook(book(AddressListModel::kCapacity, 400)).bytes;
    QFile file(QDir(services.programDir.path()).filePath(QStringLiteral("AddData.txt")));
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size() || !file.flush())
        return 1;
    file.close();
    auto form = services.start();
    form->show();
    form->activateWindow();
    if (!QTest::qWaitForWindowActive(form.get()))
        std::fputs("window not active\n", stderr);
    std::printf("book: %d entries\n", form->addressBook()->count());

    // Ctrl+F, then the town with its accent left out and its case changed.
    QTest::keyClick(form->List1, Qt::Key_F, Qt::ControlModifier);
    auto *field = form->findChild<QLineEdit *>(QStringLiteral("FindField"));
    QTest::keyClicks(field, QStringLiteral("ZWOLFKIRCHEN"));
    const Figures found = presses(300);
    std::printf("%-46s p50 %6.2f ms  p99 %6.2f ms  max %6.2f ms (held: p99 under 16 ms)\n",
                "Find Next, a match every 400 entries", found.p50, found.p99, found.max);

    // The first search after the list changed folds every entry first.
    AddressFinder finder(*form->addressBook());
    const double start = monotonicMs();
    finder.find(QStringLiteral("zwolfkirchen"), -1, false);
    std::printf("%-46s %6.2f ms\n", "first search after a change (folds the book)", monotonicMs() - start);

    field->setText(QStringLiteral("nowhere at all"));
    const Figures missing = presses(50);
    std::printf("%-46s p50 %6.2f ms  p99 %6.2f ms  max %6.2f ms (held: p99 under 16 ms)\n",
                "Find Next, no match (every entry read)", missing.p50, missing.p99, missing.max);
    return 0;
}

// SPDX-License-Identifier: GPL-3.0-or-later
// The address list under any sequence of what the window does to it: add
// one entry or many, in order or not, tick, tick all, remove the ticked, remove rows, merge what another
// copy saved, fill it to its capacity. Qt's model tester checks every
// signal; after each step the list holds exactly the entries it was
// given, in order, with their ticks.
#include "addressbook/addresslistmodel.h"
#include "addressbook/bookmerge.h"

#include <fuzzer/FuzzedDataProvider.h>

#include <QAbstractItemModelTester>
#include <QCoreApplication>
#include <QHash>
#include <QPersistentModelIndex>

#include <algorithm>
#include <array>
#include <cstdlib>
#include <optional>

namespace {

QString consumeEntry(FuzzedDataProvider &data)
{
    static const std::array<const char *, 10> kEntries{"Anne",
                                                       "anne",
                                                       "ANNE",
                                                       "\xc3\x84pfel",
                                                       "apfel",
                                                       "Bob\r\n",
                                                       "",
                                                       " Zoe",
                                                       "zoe\r\nStreet",
                                                       "B\xc3\xbc"
                                                       "cher"};
    return QString::fromUtf8(kEntries[data.ConsumeIntegralInRange<size_t>(0, kEntries.size() - 1)]);
}

// How many entries of each text and tick the list holds.
using Counts = QHash<std::pair<QString, bool>, int>;

void take(Counts &counts, const QString &text, bool ticked, int n = 1)
{
    if ((counts[{text, ticked}] -= n) == 0)
        counts.remove({text, ticked});
}

// The list as it is, against what it was given: the same entries and
// ticks, sorted, and no more than it can hold.
void check(const AddressListModel &model, const Counts &expected, int count)
{
    if (model.count() != count || model.count() > AddressListModel::kCapacity)
        std::abort();
    // Entry by entry while that is cheap; a full list, by its count.
    if (model.count() <= 1024) {
        Counts listed;
        for (int row = 0; row < model.count(); ++row)
            ++listed[{model.text(row), model.isTicked(row)}];
        if (listed != expected)
            std::abort();
    }
    static const QCollator collator = [] {
        QCollator made(QLocale(QLocale::English, QLocale::UnitedStates));
        made.setCaseSensitivity(Qt::CaseInsensitive);
        return made;
    }();
    // All of a short list, the ends of a long one.
    for (int row = 1; row < model.count(); row = row == 256 ? std::max(257, model.count() - 256) : row + 1) {
        if (collator.compare(model.text(row - 1), model.text(row)) > 0)
            std::abort();
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *bytes, size_t size)
{
    static int argc = 1;
    static char name[] = "fuzz_listmodel";
    static char *argv[] = {name, nullptr};
    static QCoreApplication app(argc, argv);

    FuzzedDataProvider data(bytes, size);
    AddressListModel model(nullptr, QLocale(QLocale::English, QLocale::UnitedStates));
    // Its checks walk the whole list at every change: it leaves before the
    // list is filled to its capacity.
    std::optional<QAbstractItemModelTester> tester(std::in_place, &model,
                                                   QAbstractItemModelTester::FailureReportingMode::Fatal);
    Counts expected;
    int count = 0;
    QStringList base; // what the file held when this copy last read it
    QPersistentModelIndex held;
    QString heldText;

    const auto addOne = [&](const QString &entry) {
        const int at = model.add(entry);
        if ((at < 0) != (count >= AddressListModel::kCapacity) || (at >= 0 && model.text(at) != entry))
            std::abort();
        if (at >= 0)
            ++expected[{entry, false}], ++count;
    };
    const auto addMany = [&](const QStringList &entries) {
        const int added = model.add(entries);
        for (int i = 0; i < added; ++i)
            ++expected[{entries[i], false}];
        count += added;
    };

    while (data.remaining_bytes() > 0) {
        switch (data.ConsumeIntegralInRange(0, 15)) {
        case 0: addOne(consumeEntry(data)); break;
        case 1: {
            QStringList entries;
            for (int n = data.ConsumeIntegralInRange(0, 20); n > 0; --n)
                entries << consumeEntry(data);
            addMany(entries);
            break;
        }
        case 2: {
            const int row = data.ConsumeIntegralInRange(-1, model.count());
            const bool ticked = data.ConsumeBool();
            if (row >= 0 && row < model.count()) {
                take(expected, model.text(row), model.isTicked(row));
                ++expected[{model.text(row), ticked}];
            }
            model.setTicked(row, ticked);
            break;
        }
        case 3: {
            model.tickAll();
            Counts ticked;
            for (auto it = expected.cbegin(); it != expected.cend(); ++it)
                ticked[{it.key().first, true}] += it.value();
            expected = ticked;
            break;
        }
        case 4:
            expected.removeIf([&](Counts::iterator it) { return it.key().second && (count -= it.value(), true); });
            model.removeTicked();
            break;
        case 5: {
            QList<int> rows;
            for (int n = data.ConsumeIntegralInRange(0, 12); n > 0; --n)
                rows << data.ConsumeIntegralInRange(-1, model.count());
            for (int row = model.count() - 1; row >= 0; --row) {
                if (rows.contains(row))
                    take(expected, model.text(row), model.isTicked(row)), --count;
            }
            model.removeAt(rows);
            break;
        }
        case 6: { // what another copy saved, taken in as the program does
            QStringList disk;
            for (const QString &entry : std::as_const(base)) {
                if (data.ConsumeBool())
                    disk << entry;
            }
            for (int n = data.ConsumeIntegralInRange(0, 6); n > 0; --n)
                disk << consumeEntry(data);
            const BookMerge merge = mergeBook(base, model.texts(), disk);
            for (int row : merge.removeRows)
                take(expected, model.text(row), model.isTicked(row)), --count;
            model.removeAt(merge.removeRows);
            addMany(merge.add);
            base = disk;
            break;
        }
        case 7:
        case 8:
        case 9:
            base = model.texts();
            held = model.index(data.ConsumeIntegralInRange(0, std::max(0, model.count() - 1)));
            heldText = model.text(held.row());
            break;
        case 10: { // now and then, to the brim and one more, as the last step: it takes a while
            if (data.ConsumeIntegralInRange(0, 15) != 0)
                break;
            tester.reset();
            const QString entry = consumeEntry(data);
            addMany(QStringList(std::max(0, model.room() - data.ConsumeIntegralInRange(0, 2)), entry));
            addOne(entry);
            addOne(entry);
            check(model, expected, count);
            return 0;
        }
        default: addOne(consumeEntry(data));
        }
        check(model, expected, count);
        // A held index follows its entry, or turns invalid with it.
        if (held.isValid() && model.text(held.row()) != heldText)
            std::abort();
    }
    return 0;
}

// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/atomicfile.h"
#include "settings/settingkeys.h"

#include <QString>
#include <chrono>
#include <functional>
#include <memory>

class DeferredWrites;
class SettingsBackend;

// The longest line a field holds: the whole text of a one-line field (an
// offset, a font, a delimiter), any line of an address or the import text.
// Far beyond anything typed there, and still laid out at once (a line of
// megabytes takes seconds at every keystroke). A stored value with a longer
// line cannot sensibly be shown, and is set aside.
inline constexpr int kLongestLine = 65536;

// A value at least this long (a pasted list) is written off the window's
// thread: encoding and syncing megabytes takes longer than a frame.
inline constexpr qsizetype kDeferredFrom = 32 * 1024;
// How long the end of the program waits for deferred writes to land.
inline constexpr std::chrono::milliseconds kDeferredDeadline{10000};

// The program's view of the settings store: the keys of the table, read
// with their defaults, written at every change. Small values are on disk
// when write() returns; a large one, and every later one of its key, once
// the store's own thread has written it (the latest of a key wins). A read
// of the key, Restore Default Settings and the end of the program wait for
// them.
class SettingsStore
{
public:
    // `onWriteFailure` is told once, at the first write that fails, so the
    // user hears of it without a box per keystroke.
    SettingsStore(SettingsBackend &backend, std::function<void()> onWriteFailure);
    // Waits for the deferred writes.
    ~SettingsStore();

    // The stored text, or the default when there is none; a text with a
    // line longer than kLongestLine is set aside as damaged, and the
    // default taken.
    QString read(Setting setting) const;
    void write(Setting setting, const QString &value);

    // Restore Default Settings: removes every key of the application and
    // refuses every later write, so nothing is stored between the wipe and
    // the end of the program. When the keys cannot be removed they all stay
    // and writes go on.
    IoResult deleteAllAndFreeze();
    // Stops writes without deleting (the program is ending), once those
    // deferred have landed or the deadline has passed.
    void freeze();

private:
    void reportFailure();

    SettingsBackend &m_backend;
    std::function<void()> m_onWriteFailure;
    bool m_failureReported = false;
    bool m_frozen = false;
    std::unique_ptr<DeferredWrites> m_deferred;
};

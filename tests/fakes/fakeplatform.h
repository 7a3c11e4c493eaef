// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/appcontrol.h"
#include "platform/clock.h"
#include "platform/eventpump.h"
#include "platform/filedialogs.h"
#include "platform/messagebox.h"
#include "platform/shell.h"

#include <QList>
#include <QStringList>
#include <functional>

// Records every box; Yes/No questions take their answers from `answers`
// (Yes when it runs dry). `onShow` runs while a box is "open".
class FakeMessageBox final : public MessageBox
{
public:
    struct Shown
    {
        enum Kind { Information, Warning, Question, WarningQuestion } kind;
        QString text;
    };

    void information(const QString &text) override { show(Shown::Information, text); }
    void warning(const QString &text) override { show(Shown::Warning, text); }
    bool askYesNo(const QString &text) override { return ask(Shown::Question, text); }
    bool warnAndAsk(const QString &text) override { return ask(Shown::WarningQuestion, text); }
    QStringList texts() const
    {
        QStringList result;
        for (const Shown &box : shown)
            result << box.text;
        return result;
    }

    QList<Shown> shown;
    QList<bool> answers;
    std::function<void()> onShow;

private:
    void show(Shown::Kind kind, const QString &text)
    {
        shown.append({kind, text});
        if (onShow)
            onShow();
    }
    bool ask(Shown::Kind kind, const QString &text)
    {
        show(kind, text);
        return answers.isEmpty() || answers.takeFirst();
    }
};

// Answers the save dialog with `path` (empty: cancelled) and keeps what it was asked.
class FakeShell final : public Shell
{
public:
    // `starts` false: no browser can be started.
    void openUrl(const QString &url, std::function<void()> failed) override
    {
        opened << url;
        if (!starts)
            failed();
    }
    QStringList opened;
    bool starts = true;
};

class FakeClock final : public Clock
{
public:
    std::chrono::steady_clock::time_point now() const override { return m_now; }
    void advance(std::chrono::steady_clock::duration by) { m_now += by; }

private:
    std::chrono::steady_clock::time_point m_now{};
};

// Counts the calls; `onProcess` stands for the events that would run then.
// waitFor moves the fake clock on instead of waiting.
class FakeEventPump final : public EventPump
{
public:
    explicit FakeEventPump(FakeClock *clock = nullptr) : clock(clock) {}
    void processEvents() override
    {
        ++processCalls;
        if (onProcess)
            onProcess();
    }
    void waitFor(std::chrono::milliseconds duration, const std::function<bool()> &stop) override
    {
        waits << duration;
        if (onProcess)
            onProcess();
        if (clock && !(stop && stop()))
            clock->advance(duration);
    }

    int processCalls = 0;
    QList<std::chrono::milliseconds> waits;
    std::function<void()> onProcess;
    FakeClock *clock; // moved on by every wait, when set
};

class FakeAppControl final : public AppControl
{
public:
    void quit() override { ++quitCalls; }
    int quitCalls = 0;
};

// Hands back the next of `chosen` (empty when it runs dry: cancelled) and
// records the titles asked with; a save takes `filter` as the one chosen.
class FakeFileDialogs final : public FileDialogs
{
public:
    QString openFile(const QString &title, const QString &) override { return next(title); }
    QString saveFile(const QString &title, const QString &, const QString &, QString *chosenFilter) override
    {
        if (!filter.isEmpty())
            *chosenFilter = filter;
        return next(title);
    }

    QStringList chosen;
    QString filter;
    QStringList asked;

private:
    QString next(const QString &title)
    {
        asked << title;
        return chosen.isEmpty() ? QString() : chosen.takeFirst();
    }
};

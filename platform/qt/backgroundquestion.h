// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDeadlineTimer>
#include <QEventLoop>
#include <QObject>
#include <QThread>
#include <QTimer>

#include <chrono>
#include <functional>
#include <memory>
#include <optional>
#include <utility>

// Questions that may take a while (to a print server, say) asked on a
// thread of their own, so that the window's thread never blocks on them. A
// question that outlives its wait ends on its own thread; its answer is
// then dropped.

// How long the window's thread may simply wait for an answer.
constexpr std::chrono::milliseconds kQuickAnswer{3};

namespace background_detail {
// The question's thread, not yet started, and where its answer will be.
template <typename T>
std::pair<QThread *, std::shared_ptr<std::optional<T>>> prepare(std::function<T()> question)
{
    auto answer = std::make_shared<std::optional<T>>();
    QThread *thread = QThread::create([answer, question = std::move(question)] { *answer = question(); });
    QObject::connect(thread, &QThread::finished, thread, &QObject::deleteLater);
    return {thread, answer};
}
} // namespace background_detail

// Waits for the answer at most `limit`, with the window's events running
// meanwhile; nothing when it has not come by then.
template <typename T>
std::optional<T> askAndWait(std::function<T()> question, std::chrono::milliseconds limit)
{
    const auto [thread, answer] = background_detail::prepare(std::move(question));
    QEventLoop loop;
    // Set on the window's thread, where the loop runs: the answer was
    // written before the thread finished.
    auto answered = std::make_shared<bool>(false);
    QObject::connect(thread, &QThread::finished, &loop, [&loop, answered] {
        *answered = true;
        loop.quit();
    });
    QTimer::singleShot(limit, &loop, &QEventLoop::quit);
    thread->start();
    // Most answers come within a few milliseconds: taken at once, they
    // spare a turn of the event loop; a slower one is waited for there.
    if (thread->wait(QDeadlineTimer(kQuickAnswer)))
        *answered = true;
    else
        loop.exec();
    if (!*answered)
        return std::nullopt;
    return std::move(*answer);
}

// Hands the answer to `answered` on `context`'s thread once it comes; not
// at all when `context` is gone by then.
template <typename T>
void askInBackground(QObject *context, std::function<T()> question, std::function<void(T)> answered)
{
    const auto prepared = background_detail::prepare(std::move(question));
    QObject::connect(prepared.first, &QThread::finished, context,
                     [answer = prepared.second, answered = std::move(answered)] { answered(std::move(**answer)); });
    QThread *thread = prepared.first;
    thread->start();
}

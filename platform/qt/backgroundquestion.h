// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QEventLoop>
#include <QFuture>
#include <QFutureWatcher>
#include <QObject>
#include <QSemaphore>
#include <QThread>
#include <QThreadPool>
#include <QTimer>
#include <QtConcurrent/QtConcurrentRun>

#include <chrono>
#include <functional>
#include <memory>
#include <optional>
#include <utility>

// How long the window's thread may simply wait for an answer.
constexpr std::chrono::milliseconds kQuickAnswer{3};

// Questions that may take a while (to a print server, say), asked on
// threads the program owns, so that the window's thread never blocks on
// them. Each question gives up at a deadline of its own; the owner waits
// for the questions still running, at most `ending`, when it goes.
class BackgroundQuestions final
{
public:
    // A few threads, not one: a question stuck until its deadline (a job
    // handed to a server that stopped answering: 15 s) would otherwise hold
    // every later one, the next envelope's check of the printer included,
    // past that one's own deadline.
    static constexpr int kThreads = 3;

    BackgroundQuestions(const QString &name, std::chrono::milliseconds ending);
    ~BackgroundQuestions();
    BackgroundQuestions(const BackgroundQuestions &) = delete;
    BackgroundQuestions &operator=(const BackgroundQuestions &) = delete;

    // Waits for the answer at most `limit`, with the window's events
    // running meanwhile; nothing when it has not come by then (the question
    // goes on to its own deadline, and its answer is dropped).
    template <typename T>
    std::optional<T> askAndWait(std::function<T()> question, std::chrono::milliseconds limit)
    {
        auto done = std::make_shared<QSemaphore>();
        QFuture<T> future = run(std::function<T()>([done, question = std::move(question)] {
            T answer = question();
            done->release();
            return answer;
        }));
        // Most answers come within a few milliseconds: taken at once, they
        // spare a turn of the event loop; a slower one is waited for there.
        if (done->tryAcquire(1, int(kQuickAnswer.count()))) {
            future.waitForFinished(); // the question has returned: only its result is being stored
        } else {
            QEventLoop loop;
            QFutureWatcher<T> watcher;
            QObject::connect(&watcher, &QFutureWatcherBase::finished, &loop, &QEventLoop::quit);
            QTimer::singleShot(limit, &loop, &QEventLoop::quit);
            watcher.setFuture(future);
            if (!future.isFinished())
                loop.exec();
        }
        if (!future.isFinished())
            return std::nullopt;
        return future.takeResult();
    }

    // Hands the answer to `answered` on `context`'s thread once it comes;
    // not at all when `context` is gone by then.
    template <typename T>
    void askInBackground(QObject *context, std::function<T()> question, std::function<void(T)> answered)
    {
        run(std::move(question)).then(context, [answered = std::move(answered)](T answer) {
            answered(std::move(answer));
        });
    }

private:
    template <typename T>
    QFuture<T> run(std::function<T()> question)
    {
        return QtConcurrent::run(m_pool.get(), [name = m_name, question = std::move(question)] {
            // Named, so that a debugger or `top -H` tells whose it is.
            QThread::currentThread()->setObjectName(name);
            return question();
        });
    }

    QString m_name;
    std::chrono::milliseconds m_ending;
    std::unique_ptr<QThreadPool> m_pool;
};

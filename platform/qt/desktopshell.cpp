// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/qt/desktopshell.h"

#include <QCoreApplication>
#include <QDesktopServices>
#include <QElapsedTimer>
#include <QProcess>
#include <QStandardPaths>
#include <QUrl>

#include <memory>

namespace {
// xdg-open may wait for the browser it started; an end after this long is
// a browser closed by its user, not one that could not start.
constexpr qint64 kStartWindowMs = 10'000;
} // namespace

void DesktopShell::openUrl(const QString &url, std::function<void()> failed)
{
    // A bare host ("www.example.org") becomes an http address, as a
    // browser's address bar would make it.
    const QUrl address = QUrl::fromUserInput(url);
    const QString opener = QStandardPaths::findExecutable(QStringLiteral("xdg-open"));
    if (opener.isEmpty()) {
        if (!QDesktopServices::openUrl(address))
            failed();
        return;
    }
    // QDesktopServices starts xdg-open detached and never hears that it
    // found no browser (its exit status 3); run it here to hear it.
    auto *process = new QProcess(QCoreApplication::instance());
    auto started = std::make_shared<QElapsedTimer>();
    started->start();
    QObject::connect(process, &QProcess::finished, process,
                     [process, started, failed](int code, QProcess::ExitStatus status) {
                         if ((status != QProcess::NormalExit || code != 0) && started->elapsed() < kStartWindowMs)
                             failed();
                         process->deleteLater();
                     });
    QObject::connect(process, &QProcess::errorOccurred, process, [process, failed](QProcess::ProcessError error) {
        if (error != QProcess::FailedToStart)
            return;
        failed();
        process->deleteLater();
    });
    process->setStandardOutputFile(QProcess::nullDevice());
    process->setStandardErrorFile(QProcess::nullDevice());
    process->start(opener, {address.toString(QUrl::FullyEncoded)});
}

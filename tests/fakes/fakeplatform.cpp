// SPDX-License-Identifier: GPL-3.0-or-later
#include "fakes/fakeplatform.h"

void FakeMessageBox::information(const QString &text)
{
    shown.append({Shown::Information, text});
    if (onShow)
        onShow();
}

void FakeMessageBox::warning(const QString &text)
{
    shown.append({Shown::Warning, text});
    if (onShow)
        onShow();
}

bool FakeMessageBox::askYesNo(const QString &text)
{
    shown.append({Shown::Question, text});
    if (onShow)
        onShow();
    return answers.isEmpty() ? true : answers.takeFirst();
}

QStringList FakeMessageBox::texts() const
{
    QStringList result;
    for (const Shown &box : shown)
        result << box.text;
    return result;
}

void FakeEventPump::processEvents()
{
    ++processCalls;
    if (onProcess)
        onProcess();
}

void FakeEventPump::waitFor(std::chrono::milliseconds duration, const std::function<bool()> &stop)
{
    waits << duration;
    if (onProcess)
        onProcess();
    if (m_clock && !(stop && stop()))
        m_clock->advance(duration);
}

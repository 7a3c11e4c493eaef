// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "app/form1services.h"
#include "fakes/fakeplatform.h"
#include "fakes/memorysettingsbackend.h"

// Everything a Form1 under test works with, as fakes.
struct TestServices
{
    MemorySettingsBackend settings;
    FakeMessageBox messages;
    FakeShell shell;
    FakeClock clock;
    FakeEventPump events{&clock};
    FakeAppControl app;
    // A real store on disk, where a test needs one instead of `settings`.
    SettingsBackend *settingsOnDisk = nullptr;

    Form1Services services()
    {
        SettingsBackend &store = settingsOnDisk ? *settingsOnDisk : settings;
        return Form1Services{store, messages, shell, events, clock, app};
    }
};

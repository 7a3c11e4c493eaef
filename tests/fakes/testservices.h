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

    Form1Services services() { return Form1Services{settings, messages, shell, events, clock, app}; }
};

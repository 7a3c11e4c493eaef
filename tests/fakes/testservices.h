// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "app/form1.h"
#include "app/form1services.h"
#include "fakes/fakeplatform.h"
#include "fakes/memorysettingsbackend.h"
#include "fakes/recordingprinter.h"

#include <QApplication>
#include <QTemporaryDir>
#include <QTest>

#include <memory>

// Everything a Form1 under test works with, as fakes.
struct TestServices
{
    MemorySettingsBackend settings;
    FakeMessageBox messages;
    FakeShell shell;
    FakeClock clock;
    FakeEventPump events{&clock};
    FakeAppControl app;
    RecordingPrinter printer;
    FakeFileDialogs fileDialogs;
    // A real store on disk, where a test needs one instead of `settings`.
    SettingsBackend *settingsOnDisk = nullptr;
    // What the preview and the set-up are told of the printer; none when not set.
    PageSource *pages = nullptr;
    // The program's folder (where the address book lives) and the user's
    // data folder, empty and of this TestServices' own.
    QTemporaryDir programDir;
    QTemporaryDir dataDir;

    Form1Services services()
    {
        SettingsBackend &store = settingsOnDisk ? *settingsOnDisk : settings;
        Form1Services made{store,   messages,          shell,          events, clock, app,
                           printer, programDir.path(), dataDir.path(), pages};
        made.fileDialogs = &fileDialogs;
        return made;
    }

    // The window over these services, started.
    std::unique_ptr<Form1> start()
    {
        auto form = std::make_unique<Form1>(services());
        form->Form_Load();
        return form;
    }

    // Started, shown and active, so that keys typed go where the focus is.
    std::unique_ptr<Form1> startActive()
    {
        auto form = start();
        form->show();
        form->activateWindow();
        if (!QTest::qWaitForWindowActive(form.get()))
            qWarning("window not active");
        return form;
    }
};

// The control under `window` that a screen reader names `accessibleName`.
template <typename Widget>
Widget *named(QWidget *window, const QString &accessibleName)
{
    for (Widget *widget : window->findChildren<Widget *>()) {
        if (widget->accessibleName() == accessibleName)
            return widget;
    }
    qFatal("no control named %s", qPrintable(accessibleName));
}

// A key typed on the keyboard: it goes to the focus widget.
inline void press(int key, Qt::KeyboardModifiers modifiers = Qt::NoModifier)
{
    QTest::keyClick(QApplication::focusWidget(), Qt::Key(key), modifiers);
}

// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

class AppControl;
class Clock;
class EventPump;
class FileDialogs;
class MessageBox;
class PageSource;
class Printer;
class SettingsBackend;
class Shell;

// What the window works with besides its own controls. The program passes
// the real ones; the tests pass a temporary store and recording fakes.
struct Form1Services
{
    SettingsBackend &settings;
    MessageBox &messages;
    Shell &shell;
    EventPump &events;
    Clock &clock;
    AppControl &app;
    // The printer the envelope set-up names (the system's default unless
    // another is chosen), which every printed envelope goes to.
    Printer &printer;
    // The program's own folder, where the address book lives by default,
    // and the user's data folder, where it lives when that one is read-only.
    QString programDir;
    QString dataDir;
    // What the print server says of the printers: their pages and
    // unprintable edges, for the preview and the PDF, and their choices, for
    // the envelope set-up; none: a plain page without edges.
    PageSource *pages = nullptr;
    // The dialogs that choose a file to read or write; none: the desktop's own.
    FileDialogs *fileDialogs = nullptr;
};

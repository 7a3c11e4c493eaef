// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

class QCoreApplication;
class QLocale;

// Installs Quillon's catalogue and Qt's own (the standard buttons) for the
// locale's languages, once, before any window or message is made. English
// needs none: the source texts are English. True when a catalogue of
// Quillon's own was installed.
bool installTranslations(QCoreApplication &application, const QLocale &locale);

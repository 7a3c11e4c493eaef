// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

// The desktop's own dialogs for choosing a file. `filters` are Qt's
// "Name (*.ext);;Other (*.x)" list.
class FileDialogs
{
public:
    virtual ~FileDialogs() = default;
    // The file chosen to read, or empty when the user cancelled.
    virtual QString openFile(const QString &title, const QString &filters) = 0;
    // The file chosen to write, or empty; the dialog asks before it hands
    // back a file that exists. `chosenFilter` tells which filter was chosen.
    virtual QString saveFile(const QString &title, const QString &suggestedName, const QString &filters,
                             QString *chosenFilter) = 0;
};

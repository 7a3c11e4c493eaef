// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

// The desktop's own file dialogs.
class FileChooser
{
public:
    virtual ~FileChooser() = default;
    // Asks where to save a file, starting from `suggested`, showing the files
    // `filter` names ("PDF files (*.pdf)"). The dialog asks before an
    // existing file is chosen to be replaced. Empty when the user cancels.
    virtual QString saveFileName(const QString &caption, const QString &suggested, const QString &filter) = 0;
};

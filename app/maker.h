// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

// The maker's name and addresses, as the About box and the help items give them.
inline const QString kAuthor = QStringLiteral("Tarvik");
inline const QString kAuthorEmail = QStringLiteral("tarvik@example.org");
inline const QString kHomeHost = QStringLiteral("www.example.org");
inline const QString kCustomProgrammingPage = QStringLiteral("www.example.org/customprogramming.htm");
inline const QString kSuggestionsEmail = QStringLiteral("suggestions@example.org");

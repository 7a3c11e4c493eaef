// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QList>
#include <QString>
#include <QStringView>

// vCard property values: backslash escapes and the parts of a structured
// value (N, ADR, ORG), shared by the reader and the writer.

// Splits at every `separator` that no backslash escapes; the parts keep
// their escapes.
QList<QStringView> splitComponents(QStringView value, QChar separator = u';');

// Undoes \n (or \N), \\, \, \; and \: ; any other backslash stays as written.
QString unescapeValue(QStringView value);

// Escapes backslashes, commas, semicolons and line breaks for a text value.
QString escapeValue(QStringView text);

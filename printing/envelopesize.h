// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/printer.h"

#include <QList>
#include <QString>

// The envelope sizes the user can choose, under the names the settings
// store keeps ("Printer paper", "DL", ..., "Custom").
struct EnvelopeSize
{
    QString key;   // as stored under "EnvelopeSize"
    QString label; // as the set-up shows it
    bool custom = false;
};

inline const QString kPrinterPaper = QStringLiteral("Printer paper");
inline const QString kCustomEnvelope = QStringLiteral("Custom");

// Every size, "Printer paper" first, "Custom" last.
const QList<EnvelopeSize> &envelopeSizes();

// Which side of an envelope the printer prints on, as it lies in the tray:
// the side facing up, or the side facing down.
enum class EnvelopeFace { Up, Down };

// The envelope set-up as the user entered it: texts, like every field,
// turned into numbers only when an envelope is laid out.
struct EnvelopeSetup
{
    QString size = kPrinterPaper;
    QString widthMM;
    QString heightMM;
    QString shiftXMM;
    QString shiftYMM;
    bool turned = false;
    QString printer;   // the print queue; empty: the system's default printer
    QString tray;      // the printer's media-source keyword; empty: the printer's choice
    QString paperType; // the printer's media-type keyword; empty: the printer's choice
    EnvelopeFace face = EnvelopeFace::Up;

    bool operator==(const EnvelopeSetup &) const = default;
};

// The paper for a size key: the printer's own for "Printer paper" (and for
// a key it does not know), else that size with its long edge along the
// page's width once the page lies in landscape, and the PWG media name the
// job asks for. `widthMM` and `heightMM` are used by "Custom" only.
Paper envelopePaper(const QString &size, double widthMM, double heightMM, bool turned);

// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/printer.h"

#include <QList>
#include <QString>
#include <QStringList>
#include <functional>

// Logs every call in order ("unit cm", "size 12", "font Verdana",
// "orientation landscape", "y 0.5", "x 0.2", "print A", "end send") and
// keeps each document with the position and font of every line. Lines are
// fontSize * 1.2 points high. Failures can be scripted.
class RecordingPrinter final : public Printer
{
public:
    struct Line
    {
        QString text;
        double x; // in the scale unit, where the line's top-left corner went
        double y;
        QString fontName;
        double fontSize;
    };
    struct Document
    {
        QList<Line> lines;
        Orientation orientation = Orientation::Portrait;
        bool sent = false; // false: dropped
    };

    void setScaleUnit(ScaleUnit unit) override;
    void setOrientation(Orientation orientation) override;
    void setFontSize(double points) override;
    void setFontName(const QString &face) override;
    void setCurrentX(double x) override;
    void setCurrentY(double y) override;
    PrinterStatus print(const QString &line) override;
    PrinterStatus endDoc(DocumentEnd end) override;

    // The height of one line of the given font, in the scale unit.
    double lineHeight(double points) const;
    QList<Document> sentDocuments() const;
    bool documentOpen() const { return m_open; }

    QStringList calls;
    QList<Document> documents; // ended ones, sent or dropped
    QString failOpening;       // the error of every document opening, when set
    QString failSending;       // the error of every endDoc(Send) with a document, when set
    std::function<void(const QString &line)> onPrint; // runs after a line is printed

private:
    ScaleUnit m_unit = ScaleUnit::Inches;
    Orientation m_orientation = Orientation::Portrait;
    double m_fontSize = 0;
    QString m_fontName;
    double m_x = 0;
    double m_y = 0;
    bool m_open = false;
    Document m_document;
};

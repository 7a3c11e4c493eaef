// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "printing/previewprinter.h"

#include <QWidget>

class FeedPicture;
struct EnvelopeFields;
class QLabel;

// The "Envelope Preview" window: the printer, tray and size it shows; the
// envelope to scale with its unprintable edges shaded and both blocks in
// their print fonts, laid out by the envelope routine itself through a
// PreviewPrinter, beside a picture of how it goes into the printer; lines
// that run off the printable area in a warning colour, and one line of text
// saying how many run off which edge.
class EnvelopePreview final : public QWidget
{
    Q_OBJECT

public:
    explicit EnvelopePreview(PageSource *pages, QWidget *parent = nullptr);

    // Lays the envelope out again from the fields as they stand.
    void showEnvelope(const EnvelopeFields &fields);
    const PreviewPrinter &layout() const { return m_printer; }
    // Asks for the printer's page again at the next layout.
    void forgetPage() { m_printer.forgetPage(); }
    QString summary() const;
    QString heading() const;
    const FeedPicture &feedPicture() const { return *m_feed; }
    // Where the window is, as the settings store keeps it ("x,y,w,h").
    QString place() const;
    void setPlace(const QString &place);

signals:
    void openChanged(bool open);
    void placeChanged();

protected:
    void showEvent(QShowEvent *event) override;
    void hideEvent(QHideEvent *event) override;
    void moveEvent(QMoveEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;

private:
    PageSource *m_pages;
    PreviewPrinter m_printer;
    QLabel *m_heading = nullptr;
    QWidget *m_drawing = nullptr;
    FeedPicture *m_feed = nullptr;
    QLabel *m_summary = nullptr;
};

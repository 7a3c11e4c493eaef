// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QLineF>
#include <QList>
#include <QPageLayout>
#include <QPageSize>
#include <QSizeF>
#include <QString>

#include <chrono>
#include <functional>
#include <optional>

// What went wrong at the printer, in words for the user; empty when nothing did.
struct PrinterStatus
{
    QString error;
    // What the user should know although nothing went wrong (the printer
    // is paused, say); empty when there is nothing to tell.
    QString notice;
    int job = 0; // the print server's id of the job that went out; 0: none

    bool ok() const { return error.isEmpty(); }
    static PrinterStatus failure(const QString &error) { return PrinterStatus{error, {}}; }
};

// The printer's answer about the paper: an error when it cannot take a job
// now; `problem` says what it does with a paper it lacks (empty when it
// has it).
struct PaperCheck
{
    PrinterStatus status;
    QString problem;
};

// The paper a document is laid out on, and the printer it goes to.
struct Paper
{
    std::optional<QPageSize> size; // nothing: the printer's current paper
    QString media;                 // the media the job asks the print system for; empty: none
    bool turned = false;           // the page is printed turned by 180 degrees
    QString printer = {};          // the print queue; empty: the system's default printer
    QString tray = {};             // the printer's media-source keyword; empty: the printer's choice
    QString paperType = {};        // the printer's media-type keyword; empty: the printer's choice

    bool operator==(const Paper &) const = default;
};

// One of a printer's choices: the keyword the job sends, and its name for the user.
struct PrinterChoice
{
    QString value;
    QString label;

    bool operator==(const PrinterChoice &) const = default;
};

// How a printer turns a landscape page onto its portrait media.
enum class LandscapeTurn { Clockwise, CounterClockwise };

// What the print server has said about the printer a paper goes to: what
// the envelope set-up offers and shows. Empty where nothing is known yet.
struct PrinterDescription
{
    QString queue;                     // the queue the paper goes to
    QStringList queues;                // every queue the print server lists
    std::optional<LandscapeTurn> turn; // nothing: the printer does not say
    QList<PrinterChoice> trays;
    QList<PrinterChoice> paperTypes;

    bool operator==(const PrinterDescription &) const = default;
};

// A document's page as the printer takes it.
struct PageAnswer
{
    // An error when the printer cannot tell now (or, for a job's page,
    // cannot take a job); then the rest says nothing.
    PrinterStatus status;
    // The page in its orientation, its margins at the unprintable edges
    // as the page lies.
    QPageLayout layout;
    // Set when the printer has no such paper and takes no such custom
    // size: what it will do instead, for the user; empty when it has it.
    QString paperProblem;
};

// Thin lines and small labels drawn on a page, in points from the top-left
// corner of its printable area.
struct PageMarks
{
    struct Label
    {
        QPointF topLeft;
        QString text;
    };
    QList<QLineF> lines;
    QList<Label> labels;
};

// A job the print server took, then stopped, held or aborted: what
// happened, in words for the user, and the printer's own reason.
struct JobTrouble
{
    int job = 0;
    QString queue;
    QString what;   // "The printer stopped it", ...
    QString reason; // the printer's or the server's own words; empty when it gave none
    QString advice; // what the user can do
};

// Where a document's page comes from: the printer's paper or the paper
// asked for, and the edges the printer cannot print on.
class PageSource
{
public:
    virtual ~PageSource() = default;
    // The page in the given orientation, from what is known of the
    // printer; an error when it cannot tell. Never waits on a print server.
    virtual PageAnswer pageLayout(const Paper &paper, QPageLayout::Orientation orientation) = 0;
    // What is known of the printer `paper` goes to.
    virtual PrinterDescription describe(const Paper &) { return {}; }
    // Asks the print server about the printer `paper` goes to again, in
    // the background; the handler runs, on the window's thread, whenever
    // an answer differs from what was known.
    virtual void refresh(const Paper &) {}
    virtual void setChangeHandler(std::function<void()>) {}
    // The handler runs, on the window's thread, when a job handed over
    // meets trouble at the print server within kFollowTime after.
    virtual void setJobTroubleHandler(std::function<void(const JobTrouble &)>) {}
    static constexpr std::chrono::milliseconds kFollowTime{30000};
};

// The page `pages` gives, in points, and what it says of the paper; without
// it, or when it cannot tell now, the paper asked for (A4 for the printer's
// own) without unprintable edges.
PageAnswer pageOrPlain(PageSource *pages, const Paper &paper, QPageLayout::Orientation orientation);

// A printer as the envelope routine drives it (the paper's, a PDF file's,
// or the preview's): set the unit, the orientation, the font and the
// position, print lines, start a new page, end the document. The first
// printed line opens a document (one print job); ending the document closes
// it. Settings persist from one document to the next.
class Printer
{
public:
    enum class ScaleUnit { Inches, Centimetres };
    enum class Orientation { Portrait, Landscape };
    enum class DocumentEnd {
        Send,    // the document goes to the printer as one job
        Discard, // the document is dropped: nothing reaches the printer
    };

    virtual ~Printer() = default;

    // Unit of the current position; takes effect for later positions.
    virtual void setScaleUnit(ScaleUnit unit) = 0;
    // Orientation of the next document opened.
    virtual void setOrientation(Orientation orientation) = 0;
    // Paper of the next document opened.
    virtual void setPaper(const Paper &paper) = 0;
    // Asks the printer about the paper and orientation set, before the
    // document opens.
    virtual PaperCheck checkPaper() = 0;
    virtual void setFontSize(double points) = 0;
    virtual void setFontName(const QString &face) = 0;
    // Where the top-left corner of the next line goes, in the scale unit,
    // measured from the top-left corner of the page's printable area.
    virtual void setCurrentX(double x) = 0;
    virtual void setCurrentY(double y) = 0;
    // Draws one line at the current position in the current font, then
    // moves to the start of the next line: X back to 0, Y down by the
    // line height of the font. Opens the document first if none is open;
    // an error means the line was not printed.
    virtual PrinterStatus print(const QString &line) = 0;
    // Draws the marks laid out for the size of the page's printable area,
    // in points. Opens the document first if none is open; an error means
    // nothing was drawn.
    virtual PrinterStatus drawMarks(const std::function<PageMarks(const QSizeF &printable)> &marks) = 0;
    // Later output goes on a new page of the open document, laid out as its
    // first. Nothing drawn since the last new page, or no document open:
    // nothing changes, so a document never ends on a blank page.
    virtual void newPage() = 0;
    // Closes the open document, if any: sends it as one job or drops it.
    // With no document open it does nothing and succeeds. A notice says
    // what the user should know of a job that went out.
    virtual PrinterStatus endDoc(DocumentEnd end = DocumentEnd::Send) = 0;
};

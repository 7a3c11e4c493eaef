// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "app/form1services.h"
#include "app/jobtroubleflow.h"

#include <QCoreApplication>
#include <QObject>
#include <QPointer>
#include <QString>

#include <functional>
#include <optional>

class AddressListModel;
class FileDialogs;
class PrintProgress;
struct Form1Ui;
enum class BatchKind;
struct EnvelopeFields;
struct EnvelopeResult;
struct PrintAllResult;
struct PrintAllSteps;

// Print, Print All, the PDF and the set-up's test envelope: one envelope or
// a batch of them at a time, with the window kept responsive, the paper
// problems asked about and the printer's notices told once per command.
class PrintingFlow final : public QObject
{
    // The texts keep the window's context in the catalogue.
    Q_DECLARE_TR_FUNCTIONS(Form1)

public:
    struct Context
    {
        QWidget *window;
        Form1Ui &ui;
        const Form1Services &services;
        AddressListModel &book;
        std::function<EnvelopeFields()> fields; // as the window's fields stand now
        std::function<bool()> ending;
        std::function<FileDialogs &()> fileDialogs;
        std::function<void(int seconds)> pause; // the window's pause after each envelope
    };

    PrintingFlow(Context context, QObject *parent);

    // One envelope from the fields (with `entry` as its to-address when
    // given), one job; a failure or a notice is told.
    void printEntry(const std::optional<QString> &entry);
    void printAll();
    void savePdf();
    void printTest();
    // The user stopped the batch, or the program is ending.
    bool batchStopped() const;

private:
    EnvelopeResult printCurrentEnvelope(const std::optional<QString> &entry = {});
    // One batch of envelopes at a time (Print All, the PDF), with its
    // progress window: Print All and the PDF item wait meanwhile.
    PrintAllResult runBatch(const QString &title, const std::function<PrintAllResult(PrintProgress &)> &work);
    PrintAllSteps batchSteps(PrintProgress &progress, BatchKind kind,
                             std::function<EnvelopeResult(const QString &entry)> envelope);
    // The ticked entries as the pages of one document of `printer`, sent
    // unless stopped; for a PDF with none ticked, the envelope in the window.
    PrintAllResult printAsOneDocument(PrintProgress &progress, Printer &printer, BatchKind kind);
    // Asks whether to print on a printer that lacks the envelope's paper;
    // a yes holds for the same printer and paper until the next command.
    bool printAnyway(const QString &problem);
    // Tells what to know about a job that went out (a paused printer, say),
    // each notice once per command.
    void tellNotice(const QString &notice);
    void newCommand();
    void processEvents();

    Context m_context;
    QString m_acceptedPaperProblem;
    QString m_toldNotice;
    QPointer<PrintProgress> m_progress; // while a batch runs
    QString m_pdfPath;                  // the PDF saved last
    // Follows each job for a while after it is handed over.
    JobTroubleFlow m_jobTrouble{m_context.services.pages, m_context.services.messages, m_context.ending};
    // An envelope's document is open: a second one must not start inside it.
    bool m_printingEnvelope = false;
};

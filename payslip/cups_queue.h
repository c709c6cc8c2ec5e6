#pragma once
// The printers CUPS knows, and a PDF handed to one of them through libcups
// with what became of the job: the toolkit's own route prints without
// saying when a queue refuses a job or its backend fails. Also the paper
// a printer names.
#include <QByteArray>
#include <QPageSize>
#include <QString>
#include <QStringList>

#include <functional>
#include <optional>

namespace haberes {

struct Printers {
    QString defaultPrinter; // empty when none is set
    QStringList names;      // every queue, the default among them
    // The default printer's paper, when CUPS says which.
    std::optional<QPageSize> defaultPaper = std::nullopt;
};
Printers cupsPrinters();

// What became of a job, as far as CUPS could tell in a short moment.
struct JobReport {
    enum class Outcome {
        accepted, // queued, being printed or printed
        waiting,  // queued in a queue that is stopped or holds it
        refused,  // never queued
        failed,   // queued, then aborted or cancelled
    };
    Outcome outcome = Outcome::refused;
    int jobId = 0;
    QString reason; // CUPS's words, when it gave any
};

// The paper as a PDF for a page size.
using PaperPdf = std::function<QByteArray(const QPageSize&)>;

// Renders the PDF for the printer's default paper (A4 when CUPS does not
// say), so that the queue prints it as it is, submits it as one job titled
// title, then watches the job for at most watchMs milliseconds.
JobReport printPdf(const QString& printer, const PaperPdf& render, const QString& title, int watchMs);

// What job jobId on printer and its queue say now: accepted once the job
// is completed, failed when aborted, cancelled or stopped by an error,
// waiting when held or its queue is stopped, with CUPS's reason; nothing
// while it is on its way.
std::optional<JobReport> jobOutcome(const QString& printer, int jobId);

// ---- The paper a printer names in IPP: "iso_a4_210x297mm",
// "na_letter_8.5x11in", a class, a size name and the size itself.

// The size written in a media name, portrait; nothing when the name has no
// size of its own (a bare "A4", say) or one that is not a sheet.
std::optional<QPageSize> mediaSize(const QString& mediaName);

// A4, the usual paper here: the page when the printer's is not known.
QPageSize usualPageSize();

} // namespace haberes

// "Imprimir" on real CUPS queues: the scheduler script/test starts for the
// tests (script/cups-test-server, reached through CUPS_SERVER) with a
// default queue that writes PDF files into HABERES_CUPS_PDF_DIR. Each case
// that needs a queue in another state makes one of its own, so that cases
// running at once do not disturb each other. Without the server the cases
// are skipped, never passed.
#include "print_fixture.h"

#include "payslip/printing.h"

#include <gtest/gtest-spi.h>

#include <QDeadlineTimer>
#include <QDir>
#include <QFileInfo>
#include <QLabel>
#include <QPlainTextEdit>
#include <QProcess>
#include <QPushButton>
#include <QRandomGenerator>
#include <QRectF>
#include <QRegularExpression>
#include <QScrollBar>
#include <QTest>
#include <QUuid>

namespace haberes::test {
namespace {

// Long enough for a slow machine; the case fails, it does not time anything.
constexpr int kJobPatienceMs = 120'000;
// How long "Imprimir" watches a job, as in the program.
constexpr int kWatchMs = 4000;
const char* const kPpd = "/usr/share/ppd/cups-pdf/CUPS-PDF_opt.ppd";

QString run(const QString& program, const QStringList& arguments, bool* ok = nullptr)
{
    QProcess process;
    process.start(program, arguments);
    const bool done = process.waitForFinished(-1) && process.exitStatus() == QProcess::NormalExit &&
                      process.exitCode() == 0;
    if (ok)
        *ok = done;
    else if (!done)
        ADD_FAILURE() << program.toStdString() << " " << arguments.join(' ').toStdString() << ": "
                      << process.readAllStandardError().toStdString();
    return QString::fromUtf8(process.readAllStandardOutput());
}

// The last lines of a log of the test server's that have about in them,
// to tell why a job did not print.
std::string logTail(const QString& name, const QString& about = QString(), int lines = 80)
{
    QFile file(QDir(qEnvironmentVariable("HABERES_CUPS_TEST_DIR")).filePath("log/" + name));
    if (!file.open(QIODevice::ReadOnly))
        return "(no " + name.toStdString() + ")\n";
    const QStringList all = QString::fromUtf8(file.readAll()).split('\n').filter(about);
    return "--- " + name.toStdString() + ":\n" +
           all.mid(std::max(0, int(all.size()) - lines)).join('\n').toStdString() + "\n";
}

// What the scheduler wrote about the job and cups-pdf about the printer's
// last jobs.
std::string serverLogs(const QString& printer, int jobId)
{
    return logTail("error_log", QStringLiteral("[Job %1]").arg(jobId)) + logTail("cups-pdf-" + printer + "_log");
}

// The PDF cups-pdf wrote for job jobId on printer, once CUPS says the job
// is completed; nothing, and the failure said with CUPS's reason and the
// logs, when it is not.
std::optional<QString> printedFile(const QDir& folder, const QString& printer, int jobId)
{
    if (jobId <= 0) {
        ADD_FAILURE() << "no job on " << printer.toStdString();
        return std::nullopt;
    }
    std::optional<JobReport> outcome;
    QDeadlineTimer patience(kJobPatienceMs);
    while (!(outcome = jobOutcome(printer, jobId)) && !patience.hasExpired())
        QTest::qWait(100);
    if (!outcome || outcome->outcome != JobReport::Outcome::accepted) {
        ADD_FAILURE() << "job " << jobId << " on " << printer.toStdString() << " did not print: "
                      << (outcome ? outcome->reason.toStdString() : "still on its way") << "\n"
                      << serverLogs(printer, jobId);
        return std::nullopt;
    }
    // cups-pdf names the file after the job, and has written it before the
    // job is completed.
    const QStringList names = folder.entryList({QStringLiteral("*-job_%1.pdf").arg(jobId)}, QDir::Files);
    if (names.size() != 1) {
        ADD_FAILURE() << "job " << jobId << " completed, " << names.size() << " files for it in "
                      << folder.path().toStdString() << "\n"
                      << serverLogs(printer, jobId);
        return std::nullopt;
    }
    return folder.filePath(names[0]);
}

// Where pdftotext -bbox finds the first word word on the first page, in
// points from the top left.
std::optional<QRectF> wordBox(const QString& path, const QString& word)
{
    const QString html = run("pdftotext", {"-bbox", "-f", "1", "-l", "1", path, "-"});
    static const QRegularExpression box(
        "<word xMin=\"([\\d.]+)\" yMin=\"([\\d.]+)\" xMax=\"([\\d.]+)\" yMax=\"([\\d.]+)\">([^<]*)</word>");
    for (QRegularExpressionMatchIterator i = box.globalMatch(html); i.hasNext();) {
        const QRegularExpressionMatch m = i.next();
        if (m.captured(5) == word)
            return QRectF(QPointF(m.captured(1).toDouble(), m.captured(2).toDouble()),
                          QPointF(m.captured(3).toDouble(), m.captured(4).toDouble()));
    }
    return std::nullopt;
}

// A queue of the test's own, writing PDFs like the default one; removed
// with its jobs at the end.
class OwnQueue {
public:
    // options: more lpadmin options, the queue's defaults.
    explicit OwnQueue(const QStringList& options = {}, const QString& ppd = kPpd)
        : name_("haberes-" + QUuid::createUuid().toString(QUuid::Id128).left(8))
    {
        const QString device = run("lpstat", {"-v", "PDF"}).section(": ", 1).trimmed();
        run("lpadmin", QStringList{"-p", name_, "-E", "-v", device, "-P", ppd, "-o",
                                   "pdftops-renderer-default=pdftocairo"} +
                           options);
    }
    ~OwnQueue() { run("lpadmin", {"-x", name_}); }
    OwnQueue(const OwnQueue&) = delete;
    OwnQueue& operator=(const OwnQueue&) = delete;

    const QString& name() const { return name_; }
    // Jobs of any state the queue has had.
    int jobs() const
    {
        return int(run("lpstat", {"-W", "all", "-o", name_}).split('\n', Qt::SkipEmptyParts).size());
    }

private:
    QString name_;
};

class CupsPrinter : public PrintingTest {
protected:
    void SetUp() override
    {
        const QString folder = qEnvironmentVariable("HABERES_CUPS_PDF_DIR");
        if (folder.isEmpty())
            GTEST_SKIP() << "no CUPS test server: script/test starts one (script/cups-test-server) when run as "
                            "root with cups and printer-driver-cups-pdf installed";
        // Never the system's scheduler.
        ASSERT_FALSE(qEnvironmentVariable("CUPS_SERVER").isEmpty()) << "HABERES_CUPS_PDF_DIR without CUPS_SERVER";
        pdfFolder = QDir(folder);
        useCups(false);
    }

    // The real CUPS; with withoutDefault, as if no printer were the
    // default, the user choosing chosen.
    void useCups(bool withoutDefault, const QString& chosen = QString())
    {
        window.setPrintHooks({.printers =
                                  [this, withoutDefault] {
                                      Printers printers = cupsPrinters();
                                      if (withoutDefault)
                                          printers.defaultPrinter.clear();
                                      offered = printers.names;
                                      return printers;
                                  },
                              // The program's own route, watched.
                              .print =
                                  [this](const QString& printer, const PaperPdf& paper, const QString& title) {
                                      sent = printPdf(
                                          printer,
                                          [this, &paper](const QPageSize& size) {
                                              sentPaper = size;
                                              sentPdf = paper(size);
                                              return sentPdf;
                                          },
                                          title, watchMs);
                                      return sent;
                                  },
                              .choosePrinter =
                                  [this, chosen](const QStringList& printers) {
                                      choices << printers;
                                      return PrinterChoice{PrinterChoice::Kind::printer, chosen};
                                  },
                              .confirm =
                                  [this](const QString& question) {
                                      questions << question;
                                      return false;
                                  },
                              .pdfPath = {}});
    }

    // A word of the comment, to tell this case's printout. Digits only:
    // letters such as "ff" are set as one ligature glyph, whose text is
    // lost on cups-pdf's way (pdftocairo, PostScript, Ghostscript), so that
    // a mark with them was never found in the printout.
    QString markComment()
    {
        const QString mark =
            QStringLiteral("Nota%1").arg(QRandomGenerator::global()->bounded(100'000'000u), 8, 10, QChar('0'));
        control<QPlainTextEdit>("Text11")->setPlainText(mark);
        return mark;
    }

    QDir pdfFolder;
    QStringList offered;
    int watchMs = kWatchMs;   // how long printPdf watches a job
    JobReport sent;           // what printPdf said of the last job
    std::optional<QPageSize> sentPaper; // the page it was drawn for
    QByteArray sentPdf;       // and the PDF handed to CUPS
};

TEST_F(CupsPrinter, LongPayslipFromTopAndBottomIsPrintedWhole)
{
    window.showPayslip(fullPosition());
    QStringList codes;
    for (int r = 0; r < Payslip::kRows; ++r)
        if (auto* cell = control<QLabel>("cod", r); cell->isVisible())
            codes << cell->text();
    ASSERT_EQ(codes.size(), 25);
    auto* movedor = control<QScrollBar>("movedor");

    for (const int scroll : {0, movedor->maximum()}) {
        movedor->setValue(scroll);
        const QString mark = markComment();
        clickImprimir();
        EXPECT_TRUE(questions.isEmpty()) << questions.join('\n').toStdString();
        EXPECT_TRUE(notices.isEmpty()) << notices.join('\n').toStdString();
        expectScreenVersion();
        EXPECT_EQ(movedor->value(), scroll);

        const std::optional<QString> file = printedFile(pdfFolder, "PDF", sent.jobId);
        ASSERT_TRUE(file);
        const std::optional<QString> text = pdfText(*file);
        const std::optional<QString> reading = pdfText(*file, TextOrder::reading);
        ASSERT_TRUE(text && reading);
        EXPECT_TRUE(reading->simplified().contains(mark)) << reading->toStdString();
        for (const QString& expected :
             {QString("Ana Pérez"), QString("Total Haberes"), QString("Total descuentos"),
              QString("Liquido a pagar"), control<QLabel>("thaberes")->text(), control<QLabel>("tdescuentos")->text(),
              control<QLabel>("liquido")->text(), QString("14/03/2025 10:32"),
              // The header boxes, text and not pictures of it.
              QString("Haberes desde Julio 2.010"), QString("Código del cargo"), QString("682"), QString("3146"),
              QString("Prol jorn"), QString("500"), QString("400")})
            EXPECT_TRUE(text->contains(expected)) << scroll << ": " << expected.toStdString();
        EXPECT_TRUE(reading->simplified().contains(
            "Preceptor Ayudante Intern. 1era Cat. Con P. De Jorn. (Pasó A 684)"))
            << reading->toStdString();
        const QStringList words = text->split(QRegularExpression("\\s+"), Qt::SkipEmptyParts);
        for (const QString& code : codes)
            EXPECT_TRUE(words.contains(code)) << scroll << ": code " << code.toStdString();
        EXPECT_EQ(zutelInMargin(*text), 8);
        for (const char* absent : {"Volver", "Imprimir", "Salir", "Se imprime en blanco y negro", "Poné tu comentario"})
            EXPECT_FALSE(text->contains(absent)) << absent;
        // Kept to look at when something is wrong.
        if (!HasFailure())
            QFile::remove(*file);
    }
    EXPECT_EQ(windowColour(), QColor(0, 192, 192));
}

// A queue's default paper, whether named as a medium or as the PPD's page
// size: the page is drawn for it, so the queue prints it as it is.
TEST_F(CupsPrinter, PageIsTheQueuesPaperAndPrintedUnscaled)
{
    window.showPayslip(position604());
    for (const auto& [option, points] : {std::pair{QString("media=iso_a4_210x297mm"), QSize(595, 842)},
                                         std::pair{QString("PageSize=Letter"), QSize(612, 792)}}) {
        SCOPED_TRACE(option.toStdString());
        OwnQueue queue({"-o", option});
        useCups(true, queue.name());
        clickImprimir();
        EXPECT_TRUE(questions.isEmpty()) << questions.join('\n').toStdString();
        ASSERT_TRUE(sentPaper);
        EXPECT_EQ(sentPaper->sizePoints(), points);
        const std::optional<QString> file = printedFile(pdfFolder, queue.name(), sent.jobId);
        ASSERT_TRUE(file);
        const std::optional<PdfInfo> info = pdfInfo(*file);
        ASSERT_TRUE(info);
        EXPECT_EQ(info->pages, 1);
        EXPECT_EQ(info->pointSize, points);

        // The words where the program put them, at the size it drew them.
        const QString drawn = writeFile(dir.filePath("sent.pdf"), sentPdf);
        for (const QString& word : {QString("Ana"), QString("Total"), QString("Liquido"), QString("ZUTEL")}) {
            const std::optional<QRectF> there = wordBox(drawn, word);
            const std::optional<QRectF> printed = wordBox(*file, word);
            ASSERT_TRUE(there && printed) << word.toStdString();
            EXPECT_NEAR(printed->left(), there->left(), 1.0) << word.toStdString();
            // The fonts are embedded anew on the way, with boxes a little
            // taller or shorter.
            EXPECT_NEAR(printed->center().y(), there->center().y(), 1.0) << word.toStdString();
            EXPECT_NEAR(printed->width(), there->width(), 0.5) << word.toStdString();
        }
        if (!HasFailure())
            QFile::remove(*file);
    }
}

// A job that will not print is told at once, with CUPS's reason and the
// server's logs, not after the whole wait for a file.
TEST_F(CupsPrinter, JobThatDidNotPrintSaysWhy)
{
    OwnQueue queue;
    window.showPayslip(position604());
    const QString pdf = dir.filePath("recibo.pdf");
    ASSERT_TRUE(savePaperPdf(window, pdf, QPageSize(QPageSize::A4)));
    const QString answer = run("lp", {"-d", queue.name(), "-H", "indefinite", pdf});
    static const QRegularExpression id("request id is \\S+-(\\d+)");
    const QRegularExpressionMatch match = id.match(answer);
    ASSERT_TRUE(match.hasMatch()) << answer.toStdString();
    const int job = match.captured(1).toInt();
    EXPECT_NONFATAL_FAILURE(printedFile(pdfFolder, queue.name(), job), "did not print: job-hold-until-specified");
    EXPECT_NONFATAL_FAILURE(printedFile(pdfFolder, queue.name(), job), "error_log");
    run("cancel", {QString::number(job)});
    EXPECT_NONFATAL_FAILURE(printedFile(pdfFolder, queue.name(), job), "did not print");
}

TEST_F(CupsPrinter, FailedJobIsToldWithCupsReasonAndThePdfOffered)
{
    // The PDF driver with a filter that fails every job, on a queue that
    // aborts a job whose filters fail.
    QFile original(kPpd);
    ASSERT_TRUE(original.open(QIODevice::ReadOnly));
    QByteArray driver = original.readAll();
    const qsizetype model = driver.indexOf("\n*ModelName:");
    ASSERT_GE(model, 0);
    driver.insert(model + 1, "*cupsFilter: \"application/vnd.cups-postscript 0 /bin/false\"\n");
    OwnQueue queue({"-o", "printer-error-policy=abort-job"}, writeFile(dir.filePath("roto.ppd"), driver));
    useCups(true, queue.name());
    // Until CUPS has had its say, however slow the machine.
    watchMs = kJobPatienceMs;
    window.showPayslip(position604());
    clickImprimir();
    ASSERT_EQ(questions.size(), 1) << notices.join('\n').toStdString();
    EXPECT_TRUE(questions[0].contains("No se pudo imprimir")) << questions[0].toStdString();
    EXPECT_TRUE(questions[0].contains("«" + queue.name() + "»")) << questions[0].toStdString();
    EXPECT_TRUE(questions[0].contains("Filter failed")) << questions[0].toStdString();
    EXPECT_EQ(sent.outcome, JobReport::Outcome::failed);
    EXPECT_EQ(windowColour(), QColor(0, 128, 0));
    expectScreenVersion();
}

TEST_F(CupsPrinter, RejectingQueueIsToldWithCupsReasonAndThePdfOffered)
{
    OwnQueue queue;
    run("cupsreject", {"-r", "Sin papel", queue.name()});
    useCups(true, queue.name());
    window.showPayslip(position604());
    clickImprimir();
    ASSERT_EQ(questions.size(), 1);
    EXPECT_TRUE(questions[0].contains("«" + queue.name() + "»")) << questions[0].toStdString();
    EXPECT_TRUE(questions[0].contains("no aceptó")) << questions[0].toStdString();
    EXPECT_TRUE(questions[0].contains("PDF"));
    EXPECT_EQ(queue.jobs(), 0);
    // Nothing printed, nothing saved: the colours stay.
    EXPECT_EQ(windowColour(), QColor(0, 128, 0));
    expectScreenVersion();
}

TEST_F(CupsPrinter, StoppedQueueSaysTheJobWaitsAndWhy)
{
    OwnQueue queue;
    run("cupsdisable", {"-r", "En mantenimiento", queue.name()});
    useCups(true, queue.name());
    window.showPayslip(position604());
    clickImprimir();
    EXPECT_TRUE(questions.isEmpty()) << questions.join('\n').toStdString();
    ASSERT_EQ(notices.size(), 1);
    EXPECT_TRUE(notices[0].contains("en espera")) << notices[0].toStdString();
    EXPECT_TRUE(notices[0].contains("«" + queue.name() + "»"));
    EXPECT_TRUE(notices[0].contains("En mantenimiento")) << notices[0].toStdString();
    EXPECT_EQ(queue.jobs(), 1);
}

TEST_F(CupsPrinter, WithoutDefaultTheInstalledQueuesAreOfferedAndTheChosenOnePrints)
{
    OwnQueue queue;
    useCups(true, queue.name());
    window.showPayslip(position604());
    const QString mark = markComment();
    clickImprimir();
    ASSERT_EQ(choices.size(), 1);
    EXPECT_TRUE(choices[0].contains(queue.name()));
    EXPECT_TRUE(choices[0].contains("PDF"));
    EXPECT_TRUE(questions.isEmpty()) << questions.join('\n').toStdString();
    const std::optional<QString> file = printedFile(pdfFolder, queue.name(), sent.jobId);
    ASSERT_TRUE(file);
    EXPECT_TRUE(pdfText(*file, TextOrder::reading).value_or("").simplified().contains(mark));
    QFile::remove(*file);
    EXPECT_EQ(queue.jobs(), 1);
}

TEST_F(CupsPrinter, DoubleClickIsOneJob)
{
    OwnQueue queue;
    useCups(true, queue.name());
    window.showPayslip(position604());
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    auto* imprimir = control<QPushButton>("Imprimir");
    QTest::mouseDClick(window.windowHandle(), Qt::LeftButton, {}, imprimir->geometry().center());
    QApplication::processEvents();
    EXPECT_EQ(choices.size(), 1);
    EXPECT_EQ(queue.jobs(), 1);
}

} // namespace
} // namespace haberes::test

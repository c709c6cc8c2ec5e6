// "Imprimir" on real CUPS queues: the scheduler script/test starts for the
// tests (script/cups-test-server, reached through CUPS_SERVER) with a
// default queue that writes PDF files into HABERES_CUPS_PDF_DIR. Each case
// that needs a queue in another state makes one of its own, so that cases
// running at once do not disturb each other. Without the server the cases
// are skipped, never passed.
#include "print_fixture.h"

#include <QDeadlineTimer>
#include <QDir>
#include <QFileInfo>
#include <QLabel>
#include <QPlainTextEdit>
#include <QProcess>
#include <QPushButton>
#include <QRegularExpression>
#include <QScrollBar>
#include <QSet>
#include <QTest>
#include <QUuid>

namespace haberes::test {
namespace {

// Long enough for a slow machine; the case fails, it does not time anything.
constexpr int kJobPatienceMs = 120'000;
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

QSet<QString> pdfFiles(const QDir& folder)
{
    const QStringList names = folder.entryList({"*.pdf"}, QDir::Files);
    return QSet<QString>(names.begin(), names.end());
}

// The one new, complete PDF whose text has mark.
std::optional<QString> printedFile(const QDir& folder, const QSet<QString>& before, const QString& mark)
{
    QDeadlineTimer patience(kJobPatienceMs);
    while (!patience.hasExpired()) {
        for (const QString& name : pdfFiles(folder) - before) {
            const QString path = folder.filePath(name);
            const std::optional<QString> text = pdfText(path, TextOrder::reading);
            if (text && text->simplified().contains(mark))
                return path;
        }
        QTest::qWait(200);
    }
    return std::nullopt;
}

// A queue of the test's own, writing PDFs like the default one; removed
// with its jobs at the end.
class OwnQueue {
public:
    OwnQueue() : name_("haberes-" + QUuid::createUuid().toString(QUuid::Id128).left(8))
    {
        const QString device = run("lpstat", {"-v", "PDF"}).section(": ", 1).trimmed();
        run("lpadmin", {"-p", name_, "-E", "-v", device, "-P", kPpd, "-o", "pdftops-renderer-default=pdftocairo"});
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
                              .print = {},
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

    // A word of the comment, to find this case's printout.
    QString markComment()
    {
        const QString mark = "Nota" + QUuid::createUuid().toString(QUuid::Id128).left(6);
        control<QPlainTextEdit>("Text11")->setPlainText(mark);
        return mark;
    }

    QDir pdfFolder;
    QStringList offered;
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
        const QSet<QString> before = pdfFiles(pdfFolder);
        clickImprimir();
        EXPECT_TRUE(questions.isEmpty()) << questions.join('\n').toStdString();
        EXPECT_TRUE(notices.isEmpty()) << notices.join('\n').toStdString();
        expectScreenVersion();
        EXPECT_EQ(movedor->value(), scroll);

        const std::optional<QString> file = printedFile(pdfFolder, before, mark);
        ASSERT_TRUE(file) << "no printed PDF with " << mark.toStdString() << " in "
                          << pdfFolder.path().toStdString();
        const std::optional<QString> text = pdfText(*file);
        const std::optional<QString> reading = pdfText(*file, TextOrder::reading);
        ASSERT_TRUE(text && reading);
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
    const QSet<QString> before = pdfFiles(pdfFolder);
    clickImprimir();
    ASSERT_EQ(choices.size(), 1);
    EXPECT_TRUE(choices[0].contains(queue.name()));
    EXPECT_TRUE(choices[0].contains("PDF"));
    EXPECT_TRUE(questions.isEmpty()) << questions.join('\n').toStdString();
    EXPECT_TRUE(printedFile(pdfFolder, before, mark));
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

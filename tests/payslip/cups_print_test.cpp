// "Imprimir" on a real default printer: a CUPS queue that writes PDF files,
// on the scheduler script/test starts for the tests (script/cups-test-server;
// reached through CUPS_SERVER), which names the folder the files land in
// with HABERES_CUPS_PDF_DIR. Without it the case is skipped, never passed.
#include "print_fixture.h"

#include <QDeadlineTimer>
#include <QDir>
#include <QFileInfo>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPrinterInfo>
#include <QProcess>
#include <QPushButton>
#include <QSet>
#include <QTest>
#include <QUuid>

namespace haberes::test {
namespace {

// Long enough for a slow machine; the case fails, it does not time anything.
constexpr int kJobPatienceMs = 120'000;

QSet<QString> pdfFiles(const QDir& folder)
{
    const QStringList names = folder.entryList({"*.pdf"}, QDir::Files);
    return QSet<QString>(names.begin(), names.end());
}

bool queueEmpty()
{
    QProcess lpstat;
    lpstat.start("lpstat", {"-o"});
    return lpstat.waitForFinished(-1) && lpstat.exitCode() == 0 && lpstat.readAllStandardOutput().trimmed().isEmpty();
}

// The one new, non-empty PDF whose text has `mark`, once the queue is
// empty.
std::optional<QString> printedFile(const QDir& folder, const QSet<QString>& before, const QString& mark)
{
    QDeadlineTimer patience(kJobPatienceMs);
    while (!patience.hasExpired()) {
        if (queueEmpty())
            for (const QString& name : pdfFiles(folder) - before) {
                const QString path = folder.filePath(name);
                if (QFileInfo(path).size() == 0)
                    continue;
                const std::optional<QString> text = pdfText(path, TextOrder::reading);
                if (text && text->simplified().contains(mark))
                    return path;
            }
        QTest::qWait(200);
    }
    return std::nullopt;
}

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
        // The real default printer; any question would mean it was not found.
        window.setPrintHooks({.defaultPrinter = {},
                              .confirm =
                                  [this](const QString& question) {
                                      questions << question;
                                      return false;
                                  },
                              .pdfPath = {}});
        window.showPayslip(position604());
    }

    QDir pdfFolder;
};

TEST_F(CupsPrinter, ImprimirPrintsThePaperVersionOnTheDefaultPrinter)
{
    ASSERT_FALSE(QPrinterInfo::defaultPrinter().isNull()) << "the test server has no default printer";
    // One short word, so that the comment box never wraps it.
    const QString mark = "Nota" + QUuid::createUuid().toString(QUuid::Id128).left(6);
    QTest::keyClicks(control<QPlainTextEdit>("Text11"), mark);
    const QSet<QString> before = pdfFiles(pdfFolder);

    QTest::mouseClick(control<QPushButton>("Imprimir"), Qt::LeftButton);
    EXPECT_TRUE(questions.isEmpty()) << questions.join('\n').toStdString();
    EXPECT_TRUE(notices.isEmpty()) << notices.join('\n').toStdString();
    expectScreenVersion();

    const std::optional<QString> file = printedFile(pdfFolder, before, mark);
    ASSERT_TRUE(file) << "no printed PDF with " << mark.toStdString() << " in " << pdfFolder.path().toStdString();
    const std::optional<QString> text = pdfText(*file);
    ASSERT_TRUE(text);
    for (const char* expected : {"Ana Pérez", "Asesor Pedagógico", "Liquido a pagar", "14/03/2025 10:32"})
        EXPECT_TRUE(text->contains(expected)) << expected << "\n" << text->toStdString();
    EXPECT_TRUE(text->contains(control<QLabel>("liquido")->text()));
    EXPECT_EQ(zutelInMargin(*text), 8);
    for (const char* absent : {"Volver", "Imprimir", "Salir", "Se imprime en blanco y negro", "Poné tu comentario"})
        EXPECT_FALSE(text->contains(absent)) << absent;
    // Kept to look at when something is wrong.
    if (!HasFailure())
        QFile::remove(*file);
}

} // namespace
} // namespace haberes::test

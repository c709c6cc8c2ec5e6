// Where "Imprimir" sends the payslip and what the user is told: the default
// printer without a question, a choice when there is none, what CUPS
// answered about the job, one job for a double click, and the colours
// only once something was printed or saved.
#include "print_fixture.h"

#include "payslip/pdf_dialog.h"

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QLineEdit>
#include <QLocale>
#include <QMessageBox>
#include <QPushButton>
#include <QScopeGuard>
#include <QStandardPaths>
#include <QTest>
#include <QTimer>

namespace haberes::test {
namespace {

const QColor kFirstWindow(0, 128, 0);
const QColor kPrintedWindow(0, 192, 192);
const QColor kPrintedPanel(192, 255, 192);

class PrintFlow : public PrintingTest {
protected:
    void SetUp() override { window.showPayslip(position604()); }
};

TEST_F(PrintFlow, DefaultPrinterIsUsedWithoutAsking)
{
    installed = {"Oficina", {"Casa", "Oficina"}};
    clickImprimir();
    EXPECT_EQ(jobs, QStringList{"Oficina"});
    EXPECT_TRUE(choices.isEmpty());
    EXPECT_TRUE(questions.isEmpty());
    EXPECT_EQ(windowColour(), kPrintedWindow);
    EXPECT_EQ(panelColour(), kPrintedPanel);
}

TEST_F(PrintFlow, NoDefaultOffersTheInstalledPrinters)
{
    installed = {"", {"Casa", "Oficina"}};
    choice = {PrinterChoice::Kind::printer, "Casa"};
    clickImprimir();
    ASSERT_EQ(choices.size(), 1);
    EXPECT_EQ(choices[0], (QStringList{"Casa", "Oficina"}));
    EXPECT_EQ(jobs, QStringList{"Casa"});
    EXPECT_EQ(windowColour(), kPrintedWindow);
}

TEST_F(PrintFlow, NoDefaultAndPdfChosenGoesStraightToTheSaveDialog)
{
    installed = {"", {"Casa"}};
    choice = {PrinterChoice::Kind::pdf, {}};
    pdfPath = dir.filePath("recibo.pdf");
    clickImprimir();
    EXPECT_TRUE(jobs.isEmpty());
    EXPECT_TRUE(questions.isEmpty());
    EXPECT_TRUE(QFileInfo(pdfPath).size() > 0);
    EXPECT_EQ(windowColour(), kPrintedWindow);
}

TEST_F(PrintFlow, CancelledChoicePrintsNothingAndKeepsTheColours)
{
    installed = {"", {"Casa"}};
    choice = {};
    clickImprimir();
    EXPECT_TRUE(jobs.isEmpty());
    EXPECT_TRUE(questions.isEmpty());
    EXPECT_EQ(windowColour(), kFirstWindow);
}

TEST_F(PrintFlow, RefusedOrFailedJobNamesThePrinterAndReasonAndOffersThePdf)
{
    installed = {"Oficina", {"Oficina"}};
    answer = false;
    for (const auto& [outcome, words] :
         {std::pair{JobReport::Outcome::refused, "no aceptó"}, std::pair{JobReport::Outcome::failed, "No se pudo"}}) {
        questions.clear();
        report = {outcome, 7, "Destination \"Oficina\" is not accepting jobs."};
        clickImprimir();
        ASSERT_EQ(questions.size(), 1);
        EXPECT_TRUE(questions[0].contains(words)) << questions[0].toStdString();
        EXPECT_TRUE(questions[0].contains("«Oficina»"));
        EXPECT_TRUE(questions[0].contains("is not accepting jobs"));
        EXPECT_TRUE(questions[0].contains("PDF"));
        EXPECT_EQ(windowColour(), kFirstWindow);
        expectScreenVersion();
    }
    // Saved instead: now the colours change.
    answer = true;
    pdfPath = dir.filePath("recibo.pdf");
    clickImprimir();
    EXPECT_TRUE(QFile::exists(pdfPath));
    EXPECT_EQ(windowColour(), kPrintedWindow);
}

// The PDF is on the paper the printer would have printed on; A4 when no
// printer says, whatever the locale's measures.
TEST_F(PrintFlow, PdfInsteadOfAFailedJobHasTheJobsPaper)
{
    installed = {"Oficina", {"Oficina"}};
    printerPaper = QPageSize(QPageSize::Letter);
    report = {JobReport::Outcome::failed, 7, "Filter failed"};
    pdfPath = dir.filePath("recibo.pdf");
    clickImprimir();
    ASSERT_EQ(questions.size(), 1);
    const std::optional<PdfInfo> info = pdfInfo(pdfPath);
    ASSERT_TRUE(info);
    EXPECT_EQ(info->pointSize, QSize(612, 792));
}

TEST_F(PrintFlow, GuardarPdfIsOnTheDefaultPrintersPaperElseA4)
{
    QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
    const auto restore = qScopeGuard([] { QLocale::setDefault(QLocale::c()); });
    struct Case {
        Printers printers;
        QSize points;
    };
    for (const auto& [printers, points] :
         {Case{{"Oficina", {"Oficina"}, QPageSize(QPageSize::Letter)}, QSize(612, 792)},
          Case{{"Oficina", {"Oficina"}, QPageSize(QPageSize::A5)}, QSize(420, 595)},
          Case{{"Oficina", {"Oficina"}, std::nullopt}, QSize(595, 842)},
          Case{{"", {"Casa", "Oficina"}, std::nullopt}, QSize(595, 842)}, Case{{}, QSize(595, 842)}}) {
        installed = printers;
        pdfPath = dir.filePath(QStringLiteral("recibo-%1x%2.pdf").arg(points.width()).arg(points.height()));
        QFile::remove(pdfPath);
        window.pdfAction()->trigger();
        const std::optional<PdfInfo> info = pdfInfo(pdfPath);
        ASSERT_TRUE(info) << printers.defaultPrinter.toStdString();
        EXPECT_EQ(info->pointSize, points) << printers.defaultPrinter.toStdString();
    }
    // Nothing was printed.
    EXPECT_TRUE(jobs.isEmpty());
}

TEST_F(PrintFlow, WaitingJobIsToldWithItsReason)
{
    installed = {"Oficina", {"Oficina"}};
    report = {JobReport::Outcome::waiting, 9, "Paused"};
    clickImprimir();
    ASSERT_EQ(notices.size(), 1);
    EXPECT_TRUE(notices[0].contains("en espera")) << notices[0].toStdString();
    EXPECT_TRUE(notices[0].contains("«Oficina»"));
    EXPECT_TRUE(notices[0].contains("Paused"));
    EXPECT_TRUE(questions.isEmpty());
    // Queued all the same: it will be printed.
    EXPECT_EQ(windowColour(), kPrintedWindow);
}

TEST_F(PrintFlow, DoubleClickIsOneJob)
{
    installed = {"Oficina", {"Oficina"}};
    window.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    // Through the window system: press, release, press (a double click),
    // release, the second pair handled once the first job is done.
    auto* imprimir = control<QPushButton>("Imprimir");
    QTest::mouseDClick(window.windowHandle(), Qt::LeftButton, {}, imprimir->geometry().center());
    QApplication::processEvents();
    EXPECT_EQ(jobs.size(), 1);
    // A click of its own, later, is a job of its own.
    QTest::mouseClick(window.windowHandle(), Qt::LeftButton, {}, imprimir->geometry().center(), 1000);
    QApplication::processEvents();
    EXPECT_EQ(jobs.size(), 2);
}

TEST_F(PrintFlow, ClickWhileAJobIsUnderWayIsIgnored)
{
    installed = {"Oficina", {"Oficina"}};
    window.setPrintHooks({.printers = [this] { return installed; },
                          .print =
                              [this](const QString& printer, const PaperPdf& paper, const QString&) {
                                  jobs << printer;
                                  paper(QPageSize(QPageSize::A4));
                                  // A click that gets through while CUPS is asked.
                                  if (jobs.size() == 1)
                                      control<QPushButton>("Imprimir")->click();
                                  return JobReport{JobReport::Outcome::accepted, 1, {}};
                              },
                          .choosePrinter = {},
                          .confirm = {},
                          .pdfPath = {}});
    clickImprimir();
    EXPECT_EQ(jobs.size(), 1);
}

// The overwrite question of the real save dialog, answered "No" by a timer.
TEST(PdfDialog, OverwriteQuestionIsAboutTheNameWithPdf)
{
    QTemporaryDir dir;
    QFile old(QDir(dir.path()).filePath("recibo-ana.pdf"));
    ASSERT_TRUE(old.open(QIODevice::WriteOnly));
    old.write("el de marzo");
    old.close();

    QFileDialog dialog;
    setUpPdfDialog(dialog, QDir(dir.path()).filePath("Recibo-Ana-2025-03-14.pdf"));
    EXPECT_EQ(dialog.defaultSuffix(), "pdf");
    EXPECT_TRUE(dialog.testOption(QFileDialog::DontUseNativeDialog));
    EXPECT_EQ(QDir(dialog.directory()).canonicalPath(), QDir(dir.path()).canonicalPath());

    QString asked;
    QTimer::singleShot(0, &dialog, [&] {
        auto* name = dialog.findChild<QLineEdit*>("fileNameEdit");
        ASSERT_TRUE(name);
        name->setText("recibo-ana");
        QTimer::singleShot(0, [&] {
            if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
                asked = box->text();
                box->button(QMessageBox::No) ? box->button(QMessageBox::No)->click() : box->reject();
            }
            QTimer::singleShot(0, &dialog, &QDialog::reject);
        });
        QMetaObject::invokeMethod(&dialog, "accept");
    });
    dialog.exec();
    EXPECT_TRUE(asked.contains("recibo-ana.pdf")) << asked.toStdString();
    ASSERT_TRUE(old.open(QIODevice::ReadOnly));
    EXPECT_EQ(old.readAll(), "el de marzo");
}

TEST(PdfDialog, OpensInTheLastFolderUsedWhileItExists)
{
    QStandardPaths::setTestModeEnabled(true);
    QTemporaryDir dir;
    const QString folder = QDir(dir.path()).filePath("recibos");
    ASSERT_TRUE(QDir().mkpath(folder));
    rememberPdfFolder(QDir(folder).filePath("recibo.pdf"));
    EXPECT_EQ(pdfFolder(), folder);
    QDir(folder).removeRecursively();
    const QString documents = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    EXPECT_EQ(pdfFolder(), QFileInfo(documents).isDir() ? documents : QDir::homePath());
}

} // namespace
} // namespace haberes::test

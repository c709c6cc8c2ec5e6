#include "print_fixture.h"

#include <QFile>
#include <QGroupBox>
#include <QSettings>
#include <QStandardPaths>
#include <QProcess>
#include <QPushButton>
#include <QRegularExpression>
#include <QTest>

namespace haberes::test {

std::optional<QString> pdfText(const QString& path, TextOrder order)
{
    QStringList arguments{"-enc", "UTF-8", path, "-"};
    if (order == TextOrder::layout)
        arguments.prepend("-layout");
    QProcess pdftotext;
    pdftotext.start("pdftotext", arguments);
    if (!pdftotext.waitForFinished(-1) || pdftotext.exitStatus() != QProcess::NormalExit ||
        pdftotext.exitCode() != 0)
        return std::nullopt;
    return QString::fromUtf8(pdftotext.readAllStandardOutput());
}

std::optional<PdfInfo> pdfInfo(const QString& path)
{
    QProcess pdfinfo;
    pdfinfo.start("pdfinfo", {path});
    if (!pdfinfo.waitForFinished(-1) || pdfinfo.exitStatus() != QProcess::NormalExit || pdfinfo.exitCode() != 0)
        return std::nullopt;
    const QString out = QString::fromUtf8(pdfinfo.readAllStandardOutput());
    static const QRegularExpression pages("^Pages:\\s+(\\d+)", QRegularExpression::MultilineOption);
    static const QRegularExpression size("^Page size:\\s+([\\d.]+) x ([\\d.]+) pts",
                                         QRegularExpression::MultilineOption);
    const QRegularExpressionMatch p = pages.match(out);
    const QRegularExpressionMatch s = size.match(out);
    if (!p.hasMatch() || !s.hasMatch())
        return std::nullopt;
    return PdfInfo{p.captured(1).toInt(),
                   QSize(qRound(s.captured(1).toDouble()), qRound(s.captured(2).toDouble()))};
}

QImage pdfPage(const QString& path)
{
    const QString stem = path + QStringLiteral("-page");
    QProcess pdftoppm;
    pdftoppm.start("pdftoppm", {"-r", "30", "-gray", "-png", "-singlefile", path, stem});
    if (!pdftoppm.waitForFinished(-1) || pdftoppm.exitStatus() != QProcess::NormalExit || pdftoppm.exitCode() != 0)
        return QImage();
    return QImage(stem + QStringLiteral(".png"));
}

QRect inkedArea(const QImage& page)
{
    QRect area;
    for (int y = 0; y < page.height(); ++y)
        for (int x = 0; x < page.width(); ++x)
            if (qGray(page.pixel(x, y)) < 250)
                area |= QRect(x, y, 1, 1);
    return area;
}

int zutelInMargin(const QString& layoutText)
{
    static const QRegularExpression margin("^\\s*ZUTEL\\b", QRegularExpression::MultilineOption);
    return static_cast<int>(layoutText.count(margin));
}

QString writeFile(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size())
        ADD_FAILURE() << "cannot write " << path.toStdString();
    return path;
}

PrintingTest::PrintingTest()
{
    // The remembered PDF folder goes to a test location, not the user's.
    QStandardPaths::setTestModeEnabled(true);
    QSettings(QStringLiteral("haberes"), QStringLiteral("haberes")).clear();
    window.setNoticeHandler([this](const QString& text) { notices << text; });
    window.setPrintHooks({
        .printers = [this] { return installed; },
        .print =
            [this](const QString& printer, const PaperPdf& paper, const QString&) {
                jobs << printer;
                jobPdf = paper(printerPaper);
                return report;
            },
        .choosePrinter =
            [this](const QStringList& printers) {
                choices << printers;
                return choice;
            },
        .confirm =
            [this](const QString& question) {
                questions << question;
                return answer;
            },
        .pdfPath =
            [this](const QString& path) {
                suggested << path;
                return pdfPath;
            },
    });
}

void PrintingTest::clickImprimir()
{
    QTest::mouseClick(control<QPushButton>("Imprimir"), Qt::LeftButton);
}

QColor PrintingTest::windowColour() const
{
    return window.palette().color(QPalette::Window);
}

QColor PrintingTest::panelColour() const
{
    return control<QGroupBox>("sosten")->palette().color(QPalette::Window);
}

void PrintingTest::expectScreenVersion() const
{
    for (const char* name : {"Volver", "Imprimir", "Salir", "Text1", "Text12", "movedor"})
        EXPECT_TRUE(control(name)->isVisible()) << name;
    for (int i = 2; i <= 9; ++i)
        EXPECT_FALSE(control(QStringLiteral("Text%1").arg(i))->isVisible()) << "Text" << i;
}

QString PrintingTest::printToPdf(const QString& fileName, TextOrder order)
{
    installed = {};
    answer = true;
    pdfPath = dir.filePath(fileName);
    clickImprimir();
    const std::optional<QString> text = pdfText(pdfPath, order);
    if (!text) {
        ADD_FAILURE() << "pdftotext (poppler-utils) could not read " << pdfPath.toStdString();
        return QString();
    }
    return *text;
}

} // namespace haberes::test

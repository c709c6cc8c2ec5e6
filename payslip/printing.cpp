// "Imprimir": the window's paper version rendered as a PDF and handed to
// CUPS as one job, whose fate is told to the user; when it cannot be
// printed, the same page can go to a PDF file. The window's colours change
// only once a job was accepted or a PDF saved. "Guardar PDF…" writes the
// same PDF without a printer; both suggest a file name.
#include "payslip/printing.h"

#include "common/dialog_open.h"
#include "payslip/cups_queue.h"
#include "payslip/paper_page.h"
#include "payslip/payslip_ui.h"
#include "payslip/payslip_window.h"
#include "payslip/pdf_dialog.h"

#include <QAction>
#include <QBuffer>
#include <QDate>
#include <QDir>
#include <QEvent>
#include <QFileDialog>
#include <QGuiApplication>
#include <QLabel>
#include <QMessageBox>
#include <QMouseEvent>
#include <QPushButton>
#include <QScopeGuard>
#include <QScopedValueRollback>
#include <QStringList>
#include <QStyleHints>

#include <optional>

namespace haberes {

namespace {

// How long CUPS is watched for what becomes of a job before the window
// says nothing more: enough for a local queue to refuse, stop or fail it.
constexpr int kJobWatchMs = 4000;

// The job's name in the print queue and the PDF's title.
QString documentTitle(const QString& teacher)
{
    return QStringLiteral("Recibo de haberes - %1").arg(teacher);
}

// Lets through only presses that are not the second of a double click,
// judged by the times the window system gave them: the second press of a
// double click arrives only after the first click's job is done, however
// long that took.
class DoubleClickFilter : public QObject {
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject*, QEvent* event) override
    {
        if (event->type() == QEvent::MouseButtonDblClick)
            return true;
        if (event->type() != QEvent::MouseButtonPress)
            return false;
        const quint64 time = static_cast<QMouseEvent*>(event)->timestamp();
        const auto interval = quint64(QGuiApplication::styleHints()->mouseDoubleClickInterval());
        const bool second = lastPress_ && time >= *lastPress_ && time - *lastPress_ < interval;
        lastPress_ = time;
        return second;
    }

private:
    std::optional<quint64> lastPress_;
};

// A busy pointer while CUPS is asked.
struct BusyCursor {
    BusyCursor() { QGuiApplication::setOverrideCursor(Qt::WaitCursor); }
    ~BusyCursor() { QGuiApplication::restoreOverrideCursor(); }
    BusyCursor(const BusyCursor&) = delete;
    BusyCursor& operator=(const BusyCursor&) = delete;
};

} // namespace

void ignoreDoubleClicks(QWidget* button)
{
    button->installEventFilter(new DoubleClickFilter(button));
}

bool savePaperPdf(PayslipWindow& window, const QString& path, const QPageSize& paper)
{
    return window.writePaperPdf(path, paper);
}

void PayslipWindow::setPrintHooks(PrintHooks hooks)
{
    printHooks_ = std::move(hooks);
}

QString PayslipWindow::teacherName() const
{
    // A name too long for its box is shortened there; the tooltip has it
    // whole.
    const QString whole = ui_->docente->toolTip();
    return whole.isEmpty() ? ui_->docente->text() : whole;
}

QByteArray PayslipWindow::paperPdf(const QPageSize& size)
{
    QByteArray pdf;
    QBuffer buffer(&pdf);
    buffer.open(QIODevice::WriteOnly);
    // No way out of here leaves the window in its paper version.
    const QRect area = ui_->toPaper();
    const auto screen = qScopeGuard([this] { ui_->toScreen(); });
    if (!writePdf(buffer, *this, area, documentTitle(teacherName()), size))
        pdf.clear();
    return pdf;
}

bool PayslipWindow::writePaperPdf(const QString& path, const QPageSize& paper)
{
    const QRect area = ui_->toPaper();
    const auto screen = qScopeGuard([this] { ui_->toScreen(); });
    return writePdf(path, *this, area, documentTitle(teacherName()), paper);
}

void PayslipWindow::print()
{
    // One job at a time, even if a dialog lets a second click through.
    if (printing_)
        return;
    const QScopedValueRollback busy(printing_, true);

    const Printers printers = printHooks_.printers ? printHooks_.printers() : cupsPrinters();
    QString printer = printers.defaultPrinter;
    if (printer.isEmpty()) {
        if (printers.names.isEmpty()) {
            offerPdf(QStringLiteral("No hay ninguna impresora instalada.\n"
                                    "¿Querés guardar el recibo como PDF?"),
                     usualPageSize());
            return;
        }
        const PrinterChoice choice = printHooks_.choosePrinter ? printHooks_.choosePrinter(printers.names)
                                                               : askForPrinter(this, printers.names);
        if (choice.kind == PrinterChoice::Kind::cancel)
            return;
        if (choice.kind == PrinterChoice::Kind::pdf) {
            if (savePdf(usualPageSize()))
                ui_->showPrintedColours();
            return;
        }
        printer = choice.printer;
    }

    // The PDF offered instead has the page the job had.
    QPageSize jobPaper = usualPageSize();
    const PaperPdf paper = [this, &jobPaper](const QPageSize& size) {
        jobPaper = size;
        return paperPdf(size);
    };
    const QString title = documentTitle(teacherName());
    JobReport report;
    {
        const BusyCursor cursor;
        report = printHooks_.print ? printHooks_.print(printer, paper, title)
                                   : printPdf(printer, paper, title, kJobWatchMs);
    }
    afterJob(printer, report, jobPaper);
}

void PayslipWindow::afterJob(const QString& printer, const JobReport& report, const QPageSize& paper)
{
    const QString because = report.reason.isEmpty() ? QString() : QStringLiteral(": %1").arg(report.reason);
    switch (report.outcome) {
    case JobReport::Outcome::accepted:
        ui_->showPrintedColours();
        return;
    case JobReport::Outcome::waiting:
        ui_->showPrintedColours();
        notify(QStringLiteral("El recibo está en espera en la impresora «%1»%2.\n"
                              "Se imprimirá cuando la impresora vuelva a funcionar.")
                   .arg(printer, because));
        return;
    case JobReport::Outcome::refused:
        offerPdf(QStringLiteral("La impresora «%1» no aceptó el recibo%2.\n¿Querés guardarlo como PDF?")
                     .arg(printer, because),
                 paper);
        return;
    case JobReport::Outcome::failed:
        offerPdf(QStringLiteral("No se pudo imprimir el recibo en la impresora «%1»%2.\n"
                                "¿Querés guardarlo como PDF?")
                     .arg(printer, because),
                 paper);
        return;
    }
}

void PayslipWindow::offerPdf(const QString& question, const QPageSize& paper)
{
    const bool yes = printHooks_.confirm
                         ? printHooks_.confirm(question)
                         : QMessageBox::question(this, windowTitle(), question) == QMessageBox::Yes;
    if (yes && savePdf(paper))
        ui_->showPrintedColours();
}

QString PayslipWindow::suggestedPdfPath() const
{
    return QDir(pdfFolder()).filePath(pdfFileName(teacherName(), QDate::currentDate()));
}

bool PayslipWindow::savePdf(const QPageSize& paper)
{
    const QString suggested = suggestedPdfPath();
    return savePdfTo(printHooks_.pdfPath ? printHooks_.pdfPath(suggested) : askPdfPath(this, suggested), paper);
}

bool PayslipWindow::savePdfTo(const QString& path, const QPageSize& paper)
{
    if (path.isEmpty())
        return false;

    if (!writePaperPdf(path, paper)) {
        notify(QStringLiteral("No se pudo guardar el recibo en %1.\n"
                              "Revisá que la carpeta exista y que se pueda escribir en ella.")
                   .arg(QDir::toNativeSeparators(path)));
        return false;
    }
    rememberPdfFolder(path);
    notify(QStringLiteral("El recibo se guardó en %1.").arg(QDir::toNativeSeparators(path)));
    return true;
}

// ---- The file name suggested for the PDF.
namespace {

// Long enough for any real name, short of the file systems' limits.
constexpr int kMaxNameLength = 60;

// "Pérez, Ana María" -> "Perez-Ana-Maria": accents come off through the
// decomposed form; everything else not a letter or digit splits words.
QString safeWords(const QString& text)
{
    QStringList words;
    QString word;
    for (const QChar c : text.normalized(QString::NormalizationForm_KD)) {
        if (c.isMark())
            continue;
        if (c.unicode() < 128 && c.isLetterOrNumber()) {
            word += c;
            continue;
        }
        if (!word.isEmpty())
            words << word;
        word.clear();
    }
    if (!word.isEmpty())
        words << word;
    QString joined = words.join('-');
    if (joined.size() > kMaxNameLength) {
        joined.truncate(kMaxNameLength);
        while (joined.endsWith('-'))
            joined.chop(1);
    }
    return joined;
}

} // namespace

QString pdfFileName(const QString& teacher, QDate date)
{
    QStringList parts{QStringLiteral("Recibo")};
    const QString name = safeWords(teacher);
    if (!name.isEmpty())
        parts << name;
    if (date.isValid())
        parts << date.toString(Qt::ISODate);
    return parts.join('-') + QStringLiteral(".pdf");
}

// ---- "Guardar PDF…": the paper version written to a PDF at any time,
// without a printer, on the default printer's paper; the same folder, name
// and questions as the PDF offered when printing fails. A button,
// Ctrl+Shift+S and the window's context menu; the save dialog is shown
// without waiting for it.
void PayslipWindow::createPdfAction()
{
    pdfAction_ = new QAction(QStringLiteral("Guardar PDF…"), this);
    pdfAction_->setObjectName(QStringLiteral("guardarPdf"));
    // Not Ctrl+S: above the entry window that saves the entries.
    pdfAction_->setShortcut(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_S));
    pdfAction_->setShortcutContext(Qt::WindowShortcut);
    addAction(pdfAction_);
    // Right-click on the window's background offers it; the text boxes keep
    // their own menus.
    setContextMenuPolicy(Qt::ActionsContextMenu);
    connect(ui_->GuardarPdf, &QPushButton::clicked, pdfAction_, &QAction::trigger);
    connect(pdfAction_, &QAction::triggered, this, [this] {
        // Not while a print or another save is asking its questions.
        if (printing_)
            return;
        // The page "Imprimir" would print on.
        const Printers printers = printHooks_.printers ? printHooks_.printers() : cupsPrinters();
        const QPageSize paper = printers.defaultPaper.value_or(usualPageSize());
        if (printHooks_.pdfPath) {
            const QScopedValueRollback busy(printing_, true);
            if (savePdfTo(printHooks_.pdfPath(suggestedPdfPath()), paper))
                ui_->showPrintedColours();
            return;
        }
        printing_ = true;
        auto* dialog = new QFileDialog(this);
        dialog->setObjectName(QStringLiteral("dialogoGuardarPdf"));
        setUpPdfDialog(*dialog, suggestedPdfPath());
        connect(dialog, &QDialog::finished, this, [this] { printing_ = false; });
        openFileDialog(dialog, this, [this, paper](const QString& path) {
            if (savePdfTo(path, paper))
                ui_->showPrintedColours();
        });
    });
}

} // namespace haberes

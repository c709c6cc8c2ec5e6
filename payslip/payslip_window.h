#pragma once
// The payslip window "Haberes": a panel drawn like a printed payslip
// ("Recibo de haberes") with 27 rows, the totals, the header of the
// position or hours, a comment box, the date, and "Volver", "Imprimir" and
// "Salir". It computes nothing: the calculation writes into it.
#include "payslip/cups_queue.h"
#include "payslip/printer_choice.h"

#include <QWidget>

#include <functional>

class QAction;
class QLabel;

namespace haberes {

// Declared, not included: moc (Qt 6.4) cannot parse <compare>, which the
// engine's headers bring in. Callers include engine/payslip.h.
struct Payslip;
struct PayslipHeader;
struct PayslipLine;
struct ColumnFonts;

class PayslipWindow : public QWidget {
    Q_OBJECT
public:
    explicit PayslipWindow(QWidget* parent = nullptr);
    ~PayslipWindow() override;

    // Empties the rows, writes every line, the header, the totals block
    // (moved by the row count), the scale's title, the teacher's name and
    // payslip.date, then enables and shows the window.
    void showPayslip(const Payslip& payslip);

    // "Listo" of the position dialog copies its texts into the header
    // boxes numcargo, punbasicos, proljor, jorcom, tardif and compbas.
    void setPositionHeader(const QString& numcargo, const QString& punbasicos, const QString& proljor,
                           const QString& jorcom, const QString& tardif, const QString& compbas);

    // "Guardar PDF…" (its button, Ctrl+Shift+S): the paper version saved
    // as a PDF, no printer needed; also in the window's context menu. It
    // shows the save dialog and returns at once (unless the pdfPath hook
    // answers).
    QAction* pdfAction() const { return pdfAction_; }

    // The comment box (Text11), kept with saved entries.
    QString comment() const;
    void setComment(const QString& text);

    // Where the window's notices to the user go (a non-modal message box
    // unless replaced, e.g. by a test).
    using NoticeHandler = std::function<void(const QString& text)>;
    void setNoticeHandler(NoticeHandler handler);

    // How a notice that has just appeared is announced: an accessibility
    // alert unless replaced (offscreen no screen reader takes events, so
    // tests replace it).
    using AlertHandler = std::function<void(QWidget* notice)>;
    void setAlertHandler(AlertHandler handler);

    // What printing asks of CUPS and of the user; an empty hook keeps the
    // real one. Tests set them so that nothing blocks and nothing reaches
    // a printer unless they mean it to.
    struct PrintHooks {
        // The installed printers and the default among them.
        std::function<Printers()> printers;
        // The paper (rendered for the printer's page size) as one job on
        // a printer, and what became of it.
        std::function<JobReport(const QString& printer, const PaperPdf& paper, const QString& title)> print;
        // Where to print when no printer is the default (a modal dialog).
        std::function<PrinterChoice(const QStringList& printers)> choosePrinter;
        // A yes/no question (a modal message box); true for yes.
        std::function<bool(const QString& question)> confirm;
        // Where to save the PDF, starting from a suggested path (the save
        // dialog); empty when the user cancels.
        std::function<QString(const QString& suggested)> pdfPath;
    };
    void setPrintHooks(PrintHooks hooks);

signals:
    // "Volver": emitted after the window has disabled and hidden itself;
    // the entry window clears its pay-basis choice and shows itself.
    void volverRequested();
    // "Salir": the program ends.
    void salirRequested();

protected:
    void resizeEvent(QResizeEvent* event) override;
    // The wheel anywhere over the window moves the scroll bar.
    void wheelEvent(QWheelEvent* event) override;

private slots:
    // "Imprimir": the paper version of the window on the default printer,
    // or in a PDF the user chooses when it cannot be printed.
    void print();

private:
    struct Ui;

    void scrollTo(int value);
    void fitScrollBar();
    void onVolver();
    void clearRows();
    void showLine(const PayslipLine& line, const ColumnFonts& fonts);
    void showHeader(const PayslipHeader& header);
    void showExplanations(const Payslip& payslip);
    void notify(const QString& text);
    QString teacherName() const;
    // Printing (printing.cpp): "Guardar PDF…", the paper version as a PDF,
    // the question whether to save it instead, and the save itself; true
    // once saved.
    void createPdfAction();
    QByteArray paperPdf(const QPageSize& size);
    bool writePaperPdf(const QString& path, const QPageSize& paper);
    void offerPdf(const QString& question, const QPageSize& paper);
    bool savePdf(const QPageSize& paper);
    QString suggestedPdfPath() const;
    // Writes the PDF on that paper to path and says so; false for an empty
    // path.
    bool savePdfTo(const QString& path, const QPageSize& paper);
    void afterJob(const QString& printer, const JobReport& report, const QPageSize& paper);
    friend bool savePaperPdf(PayslipWindow& window, const QString& path, const QPageSize& paper);

    Ui* ui_;
    QAction* pdfAction_ = nullptr;
    NoticeHandler noticeHandler_;
    AlertHandler alertHandler_;
    PrintHooks printHooks_;
    bool printing_ = false;
};

} // namespace haberes

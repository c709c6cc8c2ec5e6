#pragma once
// The payslip window "Haberes": a panel drawn like a printed payslip
// ("Recibo de haberes") with 27 rows, the totals, the header of the
// position or hours, a comment box, the date, and "Volver", "Imprimir" and
// "Salir". It computes nothing: the calculation writes into it.
#include "engine/payslip.h"

#include <QWidget>

namespace haberes {

class PayslipWindow : public QWidget {
    Q_OBJECT
public:
    explicit PayslipWindow(QWidget* parent = nullptr);
    ~PayslipWindow() override;

    // Empties the rows, writes every line, the header, the totals block
    // (moved by the row count), the teacher's name and payslip.date, then
    // enables and shows the window.
    void showPayslip(const Payslip& payslip);

    // "Listo" of the position dialog copies its texts into the header
    // boxes numcargo, punbasicos, proljor, jorcom, tardif and compbas.
    void setPositionHeader(const QString& numcargo, const QString& punbasicos, const QString& proljor,
                           const QString& jorcom, const QString& tardif, const QString& compbas);

signals:
    // "Volver": emitted after the window has disabled and hidden itself;
    // the entry window clears its pay-basis choice and shows itself.
    void volverRequested();
    // "Salir": the program ends.
    void salirRequested();

private:
    struct Ui;
    Ui* ui_;
};

} // namespace haberes

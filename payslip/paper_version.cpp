// The paper version of the payslip window and the way back from it, each in
// a fixed order: what to hide, the colours, what to show.
#include "payslip/payslip_ui.h"

#include <QLineEdit>
#include <QPushButton>

#include <initializer_list>

namespace haberes {

namespace {

// Not the colours the window had before: printing leaves these.
const QColor kPrintedWindowColour(0, 192, 192);
const QColor kPrintedPanelColour(192, 255, 192);

} // namespace

void PayslipWindow::Ui::toPaper()
{
    for (QWidget* w : std::initializer_list<QWidget*>{Volver, Imprimir, Salir, Text1, Text12})
        w->hide();
    setBackgrounds(Qt::white, Qt::white);
    for (QLineEdit* box : zutel)
        box->show();
}

void PayslipWindow::Ui::toScreen()
{
    for (QLineEdit* box : zutel)
        box->hide();
    setBackgrounds(kPrintedWindowColour, kPrintedPanelColour);
    for (QWidget* w : std::initializer_list<QWidget*>{Text1, Text12, Volver, Imprimir, Salir})
        w->show();
}

} // namespace haberes

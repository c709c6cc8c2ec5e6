// The paper version of the payslip window and the way back from it, each in
// a fixed order: what to hide, the colours, what to show.
#include "payslip/payslip_layout.h"
#include "payslip/payslip_ui.h"

#include <QFontMetrics>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScrollBar>

#include <algorithm>
#include <initializer_list>

namespace haberes {

namespace {

using namespace layout;

// Not the colours the window had before: printing leaves these.
const QColor kPrintedWindowColour(0, 192, 192);
const QColor kPrintedPanelColour(192, 255, 192);

// Pixels the comment needs in its box, frame and margins included.
int commentHeight(const QPlainTextEdit* box)
{
    const int inner = box->width() - 2 * 5;
    const QRect text = QFontMetrics(box->font())
                           .boundingRect(QRect(0, 0, inner, 1 << 20), Qt::AlignLeft | Qt::TextWordWrap,
                                         box->toPlainText());
    return text.height() + 2 * 3 + 2;
}

} // namespace

QRect PayslipWindow::Ui::toPaper()
{
    screen.windowColour = window->palette().color(QPalette::Window);
    screen.panelColour = sosten->palette().color(QPalette::Window);
    screen.sosten = sosten->geometry();
    screen.comment = Text11->geometry();
    // A focused button that is hidden would hand the focus on to the next
    // box, which then selects its text and keeps the focus afterwards.
    screen.focus = window->focusWidget();
    if (screen.focus)
        screen.focus->clearFocus();

    for (QWidget* w : std::initializer_list<QWidget*>{Volver, Imprimir, Salir, GuardarPdf, Text1, Text12, movedor})
        w->hide();
    setBackgrounds(Qt::white, Qt::white);
    for (QLineEdit* box : zutel)
        box->show();

    const bool warning = avisoLiquido->isVisibleTo(sosten);
    sosten->setGeometry(px(kSosten.left), px(kPanelTopAtZero), px(kSosten.width),
                        px(paperPanelHeight(rows, warning)));
    const int commentBottom = std::min(screen.comment.top() + commentHeight(Text11), px(kPaperCommentBottom));
    Text11->resize(Text11->width(), std::max(screen.comment.height(), commentBottom - screen.comment.top()));
    return QRect(0, 0, px(kClientWidth), px(paperHeight(rows, warning)));
}

void PayslipWindow::Ui::toScreen()
{
    for (QLineEdit* box : zutel)
        box->hide();
    setBackgrounds(screen.windowColour, screen.panelColour);
    for (QWidget* w : std::initializer_list<QWidget*>{Text1, Text12, Volver, Imprimir, Salir, GuardarPdf, movedor})
        w->show();
    Text11->setGeometry(screen.comment);
    sosten->setGeometry(screen.sosten);
    if (screen.focus)
        screen.focus->setFocus(Qt::OtherFocusReason);
    screen.focus = nullptr;
}

void PayslipWindow::Ui::showPrintedColours()
{
    setBackgrounds(kPrintedWindowColour, kPrintedPanelColour);
}

} // namespace haberes

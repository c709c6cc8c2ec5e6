// The controls of the payslip window: those right of the panel, the panel
// with its rows, grid and totals, the colours, and the paper version.
#include "payslip/payslip_ui.h"

#include "payslip/cell_text.h"
#include "payslip/controls.h"
#include "payslip/net_warning.h"
#include "payslip/panel_frame.h"
#include "payslip/payslip_layout.h"

#include <QFontMetrics>
#include <QFrame>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScrollBar>

#include <algorithm>
#include <initializer_list>
#include <utility>

namespace haberes {

namespace {

using namespace layout;

// Sizes in pixels of the design's point sizes at 96 dpi, so that text keeps
// its size relative to a layout measured in pixels.
constexpr int kDialogFontPixels = 13; // 9.75 pt
constexpr int kTitleFontPixels = 16;  // 12 pt

const QColor kWindowColour(0, 128, 0);
const QColor kPanelColour(255, 255, 192);

QPushButton* makeButton(QWidget* parent, const QString& name, const TwipRect& place, const QColor& colour,
                        const QString& tip)
{
    auto* button = new QPushButton(name, parent);
    button->setObjectName(name);
    button->setGeometry(place.toPixels());
    QFont font = button->font();
    font.setBold(true);
    button->setFont(font);
    QPalette palette = button->palette();
    palette.setColor(QPalette::Button, colour);
    button->setPalette(palette);
    button->setToolTip(tip);
    return button;
}

} // namespace

PayslipWindow::Ui::Ui(PayslipWindow* w) : window(w)
{
    font = window->font();
    font.setPixelSize(kDialogFontPixels);
    window->setFont(font);
    boldFont = font;
    boldFont.setBold(true);

    createSide();
    createPanel();
    setBackgrounds(kWindowColour, kPanelColour);
}

void PayslipWindow::Ui::setBackgrounds(const QColor& windowColour, const QColor& panelColour)
{
    setBackground(sosten, panelColour);
    setBackground(window, windowColour);
}

void PayslipWindow::Ui::createSide()
{
    QWidget* w = window;

    Label3 = makeLabel(w, "Label3", kLabel3, "Haberes desde Julio 2.010");
    QFont titleFont("Liberation Sans");
    titleFont.setPixelSize(kTitleFontPixels);
    titleFont.setBold(true);
    Label3->setFont(titleFont);
    Label3->setAlignment(Qt::AlignCenter);
    setBackground(Label3, Qt::white);
    setTextColour(Label3, Qt::black);

    carsel = makeLabel(w, "carsel", kCarsel);
    setBackground(carsel, Qt::white);
    carsel->setContentsMargins(3, 0, 3, 0);

    Label11 = makeLabel(w, "Label11", kLabel11);
    numcargo = makeBox(w, "numcargo", kNumcargo);
    Label12 = makeLabel(w, "Label12", kLabel12, "Puntaje");
    punbasicos = makeBox(w, "punbasicos", kPunbasicos);
    Label2 = makeLabel(w, "Label2", kLabel2, "Ptos. Comp Básico");
    compbas = makeBox(w, "compbas", kCompbas);
    Label14 = makeLabel(w, "Label14", kLabel14, "Prol jorn");
    proljor = makeBox(w, "proljor", kProljor);
    Label20 = makeLabel(w, "Label20", kLabel20, "Jorn Comp");
    jorcom = makeBox(w, "jorcom", kJorcom);
    Label21 = makeLabel(w, "Label21", kLabel21, "Tarea dif");
    tardif = makeBox(w, "tardif", kTardif);
    // The captions start at the panel's edge; a small indent keeps them
    // off it.
    for (QLabel* caption : {Label11, Label12, Label2, Label14, Label20, Label21})
        caption->setContentsMargins(3, 0, 0, 0);
    for (QLineEdit* box : {punbasicos, compbas}) {
        QPalette palette = box->palette();
        palette.setColor(QPalette::Base, Qt::white);
        box->setPalette(palette);
    }

    // Screen readers name a box by its caption.
    const std::pair<QLabel*, QLineEdit*> captioned[] = {{Label11, numcargo}, {Label12, punbasicos},
                                                        {Label2, compbas},   {Label14, proljor},
                                                        {Label20, jorcom},   {Label21, tardif}};
    for (const auto& [caption, box] : captioned) {
        caption->setBuddy(box);
        box->setAccessibleName(caption->text());
    }
    numcargo->setAccessibleName(kCodeCaption);

    Text12 = makeBox(w, "Text12", kText12);
    setFittedText(Text12, "Poné tu comentario", font);
    Text12->setFocusPolicy(Qt::NoFocus);
    Text11 = new QPlainTextEdit(w);
    Text11->setObjectName("Text11");
    Text11->setGeometry(kText11.toPixels());
    // The prompt names what it stands over; the box is the comment itself.
    Text12->setAccessibleName(QStringLiteral("Indicación del comentario"));
    Text12->setAccessibleDescription(Text12->text());
    Text11->setAccessibleName(QStringLiteral("Comentario"));
    Text11->setAccessibleDescription(Text12->text());

    Volver = makeButton(w, "Volver", kVolver, QColor(192, 192, 255), "Permite cambiar los datos ingresados");
    Imprimir = makeButton(w, "Imprimir", kImprimir, QColor(128, 128, 255), "Se imprime con fondo blanco.");
    // Made before "Salir", which stands right of it: the Tab order and
    // screen readers follow the order made.
    GuardarPdf = makeButton(w, "GuardarPdf", kGuardarPdf, QColor(192, 192, 255),
                            QStringLiteral("Guarda el recibo en un archivo PDF, sin imprimir (Ctrl+Mayús+S)"));
    GuardarPdf->setText(QStringLiteral("Guardar PDF…"));
    GuardarPdf->setAccessibleName(QStringLiteral("Guardar PDF…"));
    Salir = makeButton(w, "Salir", kSalir, QColor(0, 128, 128), QString());

    Text1 = makeBox(w, "Text1", kText1);
    setFittedText(Text1, "Se imprime en blanco y negro", font);
    Text1->setFocusPolicy(Qt::NoFocus);
    Text1->setAccessibleName(Text1->text());
    Text10 = makeBox(w, "Text10", kText10);
    Text10->setAccessibleName("Fecha y hora del cálculo");

    for (int i = 0; i < 8; ++i) {
        const QString name = QStringLiteral("Text%1").arg(i + 2);
        zutel[i] = makeBox(w, name, {kZutelLeft, kZutelTop[i], kZutelWidth, kZutelHeight});
        zutel[i]->setFrame(false);
        setFittedText(zutel[i], "ZUTEL", font);
        zutel[i]->setAccessibleName(zutel[i]->text());
        zutel[i]->setFocusPolicy(Qt::NoFocus);
        setTextColour(zutel[i], QColor(kZutelGrey[i], kZutelGrey[i], kZutelGrey[i]));
        zutel[i]->hide();
    }

    movedor = new QScrollBar(Qt::Vertical, w);
    movedor->setObjectName("movedor");
    movedor->setGeometry(kMovedor.toPixels());
    movedor->setRange(0, kScrollMax);
    movedor->setSingleStep(kScrollSingleStep);
    movedor->setPageStep(kScrollPageStep);
}

// ---- The panel "Recibo de haberes": the teacher's name, 27 rows, the
// grid and the totals block that follows the row count.
namespace {

using namespace layout;

QString indexed(const char* name, int index)
{
    return QStringLiteral("%1_%2").arg(QLatin1String(name)).arg(index);
}

QLabel* makeCell(QWidget* panel, const QString& name, const TwipRect& place, Qt::Alignment alignment)
{
    QLabel* cell = makeLabel(panel, name, place);
    cell->setAlignment(alignment | Qt::AlignVCenter);
    cell->hide();
    return cell;
}

// Moves a label to a new top, keeping the rest of its box.
void moveTop(QLabel* label, int top)
{
    label->move(label->x(), px(top));
}

} // namespace

void PayslipWindow::Ui::createPanel()
{
    installPanelAccessibility();
    auto* panel = new PanelFrame("Recibo de haberes", window);
    sosten = panel;
    sosten->setObjectName("sosten");
    sosten->setGeometry(kSosten.toPixels());

    Label18 = makeLabel(sosten, "Label18", kLabel18, "Recibo de sueldos de:");
    docente = makeLabel(sosten, "docente", kDocente);

    createRows();
    createGridAndTotals();
    placeTotals(0);

    // Row by row as on paper; each total after its caption.
    QList<QWidget*> order{Label18, docente};
    for (int r = 0; r < kRows; ++r)
        order << cod[r] << Label10[r] << Label19[r] << Label1[r] << Label1[kRows + r];
    order << Label15 << thaberes << Label16 << tdescuentos << Label17 << liquido << avisoLiquido;
    panel->setReadingOrder(order);
    refreshPanelAccessibility(panel);
}

void PayslipWindow::Ui::createRows()
{
    for (int r = 0; r < kRows; ++r) {
        const int top = rowTop(r);
        cod[r] = makeCell(sosten, indexed("cod", r), {kCodLeft, top, kCodWidth, kRowHeight}, Qt::AlignRight);
        Label10[r] = makeCell(sosten, indexed("Label10", r), {kQuantityLeft, top, kQuantityWidth, kRowHeight},
                              Qt::AlignRight);
        Label19[r] = makeCell(sosten, indexed("Label19", r), {kConceptLeft, top, kConceptWidth, kRowHeight},
                              Qt::AlignLeft);
        // The amounts are sized to their text when written.
        Label1[r] = makeCell(sosten, indexed("Label1", r), {kEarningsRight - kCodWidth, top, kCodWidth, kRowHeight},
                             Qt::AlignRight);
        Label1[kRows + r] = makeCell(sosten, indexed("Label1", kRows + r),
                                     {kDeductionsRight - kCodWidth, top, kCodWidth, kRowHeight}, Qt::AlignRight);
        Line8[r] = makeRule(sosten, indexed("Line8", r));
        placeHorizontal(Line8[r], kGridLeft, kGridRight, ruleUnderRow(r));
        Line8[r]->hide();
    }
}

void PayslipWindow::Ui::createGridAndTotals()
{
    Line4 = makeRule(sosten, "Line4");
    placeHorizontal(Line4, kGridLeft, kGridRight, kRowTop);
    Line6 = makeRule(sosten, "Line6");
    Line3[0] = makeRule(sosten, "Line3_0");
    Line3[1] = makeRule(sosten, "Line3_1");
    Line7 = makeRule(sosten, "Line7");
    Line5 = makeRule(sosten, "Line5");
    Line2 = makeRule(sosten, "Line2");
    Line1 = makeRule(sosten, "Line1");

    // A total's box fills the lower part of its band; text at the top of the
    // box stands in the middle of the band.
    const auto caption = [this](const char* name, const char* text) {
        QLabel* label = makeLabel(sosten, name, {kTotalsCaptionLeft, 0, kTotalsCaptionWidth, kTotalsHeight}, text);
        label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
        return label;
    };
    Label15 = caption("Label15", "Total Haberes");
    Label16 = caption("Label16", "Total descuentos");
    Label17 = caption("Label17", "Liquido a pagar");

    // The values' boxes end a little right of the amounts above them; the
    // margin lines their digits up with those amounts.
    const auto value = [this](const char* name, int right, int amountsRight) {
        QLabel* label = makeLabel(sosten, name, {right - kCodWidth, 0, kCodWidth, kTotalsHeight});
        label->setAlignment(Qt::AlignRight | Qt::AlignTop);
        label->setFont(boldFont);
        label->setContentsMargins(0, 0, px(right) - px(amountsRight), 0);
        return label;
    };
    thaberes = value("thaberes", kThaberesRight, kEarningsRight);
    tdescuentos = value("tdescuentos", kTdescuentosRight, kDeductionsRight);
    liquido = value("liquido", kTdescuentosRight, kDeductionsRight);

    Line15 = makeRule(sosten, "Line15");
    Line16 = makeRule(sosten, "Line16");
    Line17 = makeRule(sosten, "Line17");
    avisoLiquido = makeNetWarning(sosten);
}

void PayslipWindow::Ui::placeTotals(int rows)
{
    this->rows = rows;
    const TotalsBlock block = totalsBlock(rows);
    const std::pair<QFrame*, int> columnRules[] = {{Line1, kLine1X},    {Line2, kLine2X}, {Line3[0], kLine3_0X},
                                                   {Line3[1], kLine3_1X}, {Line5, kLine5X}, {Line7, kLine7X}};
    for (const auto& [rule, x] : columnRules)
        placeVertical(rule, x, kRowTop, block.columnRulesBottom);
    placeHorizontal(Line6, kGridLeft, kGridRight, block.line6);
    moveTop(thaberes, block.haberesTop);
    moveTop(Label15, block.haberesTop);
    placeHorizontal(Line15, kGridLeft, kGridRight, block.line15);
    moveTop(tdescuentos, block.descuentosTop);
    moveTop(Label16, block.descuentosTop);
    placeHorizontal(Line16, kGridLeft, kGridRight, block.line16);
    moveTop(liquido, block.liquidoTop);
    moveTop(Label17, block.liquidoTop);
    placeHorizontal(Line17, kGridLeft, kGridRight, block.line17);
    moveTop(avisoLiquido, block.netWarningTop);
}

// ---- The paper version of the payslip window and the way back from it,
// each in a fixed order: what to hide, the colours, what to show.
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

// The controls right of the panel, and the colours.
#include "payslip/payslip_ui.h"

#include "payslip/cell_text.h"
#include "payslip/controls.h"
#include "payslip/payslip_layout.h"

#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScrollBar>

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

} // namespace haberes

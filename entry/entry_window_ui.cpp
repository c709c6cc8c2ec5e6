// The controls of the entry window and where they stand: the name on top,
// then three columns (pay basis with its position echo or hours, the other
// entries with the deductions, the seniority brackets), the buttons, and
// the credit lines.
#include "entry/entry_window.h"

#include "entry/qt_text.h"
#include "record/record_keys.h"

#include "engine/pay_input.h"
#include "entry/qt_text.h"
#include "entry/scale_choice.h"
#include "record/record_keys.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QFrame>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>
#include <initializer_list>

namespace haberes {

namespace {

const QString kHoursTip = QStringLiteral("Ingresá la cantidad de horas");

template <class W>
W* named(W* widget, const char* name)
{
    widget->setObjectName(QLatin1String(name));
    return widget;
}

QLabel* label(QWidget* parent, const char* name, const QString& text)
{
    auto* l = named(new QLabel(text, parent), name);
    // The echo labels show what was typed in the dialog: never read as markup.
    l->setTextFormat(Qt::PlainText);
    return l;
}

// A box for a number: as wide as a few digits, not more.
// A box whose text is a field of the record is named after its key, so that a
// refused field finds its box.
QLineEdit* numberBox(QWidget* parent, Field field, const QString& tip, const QString& accessibleName)
{
    auto* box = new QLineEdit(QStringLiteral("0"), parent);
    box->setObjectName(qtext(record::recordKey(field)));
    box->setToolTip(tip);
    box->setAccessibleName(accessibleName);
    box->setFixedWidth(box->fontMetrics().horizontalAdvance(QStringLiteral("00000000")) + 12);
    return box;
}

QCheckBox* checkBox(QWidget* parent, const char* name, const QString& text)
{
    auto* box = named(new QCheckBox(text, parent), name);
    box->setAccessibleName(text);
    return box;
}

QRadioButton* option(QWidget* parent, const char* name, const QString& text, const QString& tip)
{
    auto* button = named(new QRadioButton(text, parent), name);
    button->setToolTip(tip);
    button->setAccessibleName(text);
    return button;
}

QLabel* small(QWidget* parent, const char* name, const QString& text)
{
    QLabel* l = label(parent, name, text);
    QFont f = l->font();
    f.setPointSizeF(f.pointSizeF() * 0.85);
    l->setFont(f);
    l->setForegroundRole(QPalette::PlaceholderText);
    return l;
}

} // namespace

void EntryWindow::createUi()
{
    // ---- Title line and the date of the pay scale.
    QLabel* titulo = label(this, "titulo", QStringLiteral("Cálculo de haberes docentes"));
    QFont big = titulo->font();
    big.setBold(true);
    big.setPointSizeF(big.pointSizeF() * 1.4);
    titulo->setFont(big);
    QLabel* desde = label(this, "desde", qtext(builtinScale().nombre));
    QFont bold = desde->font();
    bold.setBold(true);
    desde->setFont(bold);
    ui_.desde = desde;
    auto* rule = named(new QFrame(this), "raya");
    rule->setFrameShape(QFrame::HLine);
    rule->setFrameShadow(QFrame::Sunken);

    // ---- Name.
    ui_.docente = named(new QLineEdit(this), "docente");
    QLabel* nombre = label(this, "lbldocente", QStringLiteral("Apellido y nombre:"));
    nombre->setBuddy(ui_.docente);
    ui_.docente->setAccessibleName(nombre->text());

    // ---- Pay basis.
    ui_.Frame2 = named(new QGroupBox(QStringLiteral("Categoría"), this), "Frame2");
    ui_.cargo = option(ui_.Frame2, "cargo", QStringLiteral("Cargo"), QStringLiteral("Seleccioná para evaluar un cargo"));
    ui_.horasmedio = option(ui_.Frame2, "horasmedio", QStringLiteral("Hs. N. Medio"),
                            QStringLiteral("Seleccioná para evaluar horas de nivel medio"));
    ui_.horassup = option(ui_.Frame2, "horassup", QStringLiteral("Hs. N. Superior"),
                          QStringLiteral("Seleccioná para evaluar horas de nivel superior"));
    ui_.payBasis = new QButtonGroup(this);
    ui_.payBasis->setObjectName(QStringLiteral("categoria"));
    for (QRadioButton* b : {ui_.cargo, ui_.horasmedio, ui_.horassup})
        ui_.payBasis->addButton(b);
    auto* basis = new QVBoxLayout(ui_.Frame2);
    basis->addWidget(ui_.cargo);
    basis->addWidget(ui_.horasmedio);
    basis->addWidget(ui_.horassup);

    // ---- Position echo and hours share the area under the pay basis; only
    // one of the two sets shows at a time.
    auto* area = named(new QWidget(this), "datoscargo");
    ui_.cargoselect = label(area, "cargoselect", QString());
    ui_.cargoselect->setWordWrap(true);
    ui_.cargoselect->setFont(bold);
    ui_.codcartit = label(area, "codcartit", QStringLiteral("Código del cargo"));
    ui_.codcarval = label(area, "codcarval", QString());
    ui_.puncartit = label(area, "puncartit", QStringLiteral("Puntaje del cargo"));
    ui_.puncarval = label(area, "puncarval", QString());
    ui_.punproljortit = label(area, "punproljortit", QStringLiteral("Puntos prol jorn"));
    ui_.punproljorval = label(area, "punproljorval", QString());
    ui_.punjorcomtit = label(area, "punjorcomtit", QStringLiteral("Puntos Jor comp"));
    ui_.punjorcomval = label(area, "punjorcomval", QString());
    ui_.puntardiftit = label(area, "puntardiftit", QStringLiteral("Puntos tarea difer"));
    ui_.puntardifval = label(area, "puntardifval", QString());
    ui_.puncompbastit = label(area, "puncompbastit", QStringLiteral("Comp de Básico"));
    ui_.puncompbasval = label(area, "puncompbasval", QString());

    const QString medio = QStringLiteral("Número de horas N. Medio");
    const QString superior = QStringLiteral("Número de horas N. Superior");
    const QString cod06 = QStringLiteral("Número de horas con código 06");
    const QString incen = QStringLiteral("Número de horas con incentivo");
    const QString cod113 = QStringLiteral("Número de horas con código 113");
    ui_.Label3 = label(area, "Label3", medio);
    ui_.numerohorasmed = numberBox(area, Field::numerohorasmed, kHoursTip, medio);
    ui_.Label4 = label(area, "Label4", superior);
    ui_.numerohorassup = numberBox(area, Field::numerohorassup, kHoursTip, superior);
    ui_.lblhorascod06 = label(area, "lblhorascod06", cod06);
    ui_.numhorascod06 = numberBox(area, Field::numhorascod06, kHoursTip, cod06);
    ui_.lblhorasincen = label(area, "lblhorasincen", incen);
    ui_.numhorasincen = numberBox(area, Field::numhorasincen, kHoursTip, incen);
    ui_.lblhorascod113 = label(area, "lblhorascod113", cod113);
    ui_.numhorascod113 = numberBox(area, Field::numhorascod113, kHoursTip, cod113);

    auto* areaGrid = new QGridLayout(area);
    areaGrid->setContentsMargins(4, 8, 4, 0);
    areaGrid->addWidget(ui_.cargoselect, 0, 0, 1, 2);
    const std::pair<QLabel*, QLabel*> echoRows[] = {
        {ui_.codcartit, ui_.codcarval},         {ui_.puncartit, ui_.puncarval},
        {ui_.punproljortit, ui_.punproljorval}, {ui_.punjorcomtit, ui_.punjorcomval},
        {ui_.puntardiftit, ui_.puntardifval},   {ui_.puncompbastit, ui_.puncompbasval},
    };
    int row = 1;
    for (const auto& [title, value] : echoRows) {
        value->setFont(bold);
        value->setTextInteractionFlags(Qt::TextSelectableByMouse);
        areaGrid->addWidget(title, row, 0);
        areaGrid->addWidget(value, row, 1);
        ++row;
    }
    const std::pair<QLabel*, QLineEdit*> hourRows[] = {
        {ui_.Label3, ui_.numerohorasmed}, {ui_.Label4, ui_.numerohorassup}, {ui_.lblhorascod06, ui_.numhorascod06},
        {ui_.lblhorasincen, ui_.numhorasincen}, {ui_.lblhorascod113, ui_.numhorascod113},
    };
    for (const auto& [caption, box] : hourRows) {
        caption->setBuddy(box);
        areaGrid->addWidget(caption, row, 0);
        areaGrid->addWidget(box, row, 1);
        ++row;
    }
    areaGrid->setColumnStretch(1, 1);
    areaGrid->setRowStretch(row, 1);
    // As wide as the widest set, so that switching sets does not move the
    // other columns.
    area->setMinimumWidth(ui_.lblhorascod113->sizeHint().width() + ui_.numhorascod113->minimumWidth() +
                          areaGrid->horizontalSpacing() + 16);
    for (QLabel* l : ui_.positionEcho())
        l->hide();
    for (const auto& [caption, box] : hourRows) {
        caption->hide();
        box->hide();
    }

    // ---- Other entries.
    auto* others = named(new QGroupBox(this), "otros");
    ui_.opincentivo = checkBox(others, "opincentivo", QStringLiteral("Incentivo en cargos"));
    ui_.opincentivo->setToolTip(QStringLiteral("Destildá si no se cobra"));
    ui_.opincentivo->setChecked(true);
    ui_.Text1 = named(new QLineEdit(QStringLiteral("Si"), others), "Text1");
    ui_.Text1->setReadOnly(true);
    ui_.Text1->setFocusPolicy(Qt::NoFocus);
    ui_.Text1->setAccessibleName(ui_.opincentivo->text());
    ui_.Text1->setFixedWidth(ui_.Text1->fontMetrics().horizontalAdvance(QStringLiteral("Nooo")) + 12);
    ui_.transporte = checkBox(others, "transporte", QStringLiteral("Transporte"));
    ui_.mensajekm = label(others, "mensajekm", QStringLiteral("cantidad de km semanales"));
    ui_.cantkm = numberBox(others, Field::cantkm, QStringLiteral("¿Cuántos Km semanales?"), ui_.mensajekm->text());
    ui_.mensajekm->setBuddy(ui_.cantkm);
    ui_.zona = named(new QComboBox(others), "zona");
    ui_.zona->setEditable(true);
    ui_.zona->setInsertPolicy(QComboBox::NoInsert);
    for (std::string_view item : kZoneItems)
        ui_.zona->addItem(qtext(item));
    ui_.zona->setCurrentIndex(-1);
    ui_.zona->setEditText(QStringLiteral("Ubicación Escuela (Zona)"));
    ui_.zona->setAccessibleName(QStringLiteral("Ubicación Escuela (Zona)"));
    ui_.inasist = checkBox(others, "inasist", QStringLiteral("Inasistencias Just"));
    ui_.inasist->setToolTip(QStringLiteral("Hacé clic si tenés inasistencias"));
    ui_.dinasist = numberBox(others, Field::dinasist, QStringLiteral("Cantidad de días."), ui_.inasist->text());
    ui_.hijos = checkBox(others, "hijos", QStringLiteral("Hijos"));
    ui_.cantidadhijos = numberBox(others, Field::cantidadhijos, QStringLiteral("¿Cuántos Hijos?"), ui_.hijos->text());
    ui_.hijosdisc = checkBox(others, "hijosdisc", QStringLiteral("Hijos Diferenc"));
    ui_.cantidadhijosdisc =
        numberBox(others, Field::cantidadhijosdisc, QStringLiteral("¿Cuántos Hijos?"), ui_.hijosdisc->text());
    ui_.conyuge = checkBox(others, "conyuge", QStringLiteral("Conyuge"));
    // The boxes without a label of their own are told apart by their tooltip.
    for (QLineEdit* box : {ui_.dinasist, ui_.cantidadhijos, ui_.cantidadhijosdisc})
        box->setAccessibleDescription(box->toolTip());
    // Hidden detail boxes keep their room, so that ticking a box does not
    // move or resize anything else.
    for (QWidget* w : std::initializer_list<QWidget*>{ui_.mensajekm, ui_.cantkm, ui_.dinasist, ui_.cantidadhijos,
                                                      ui_.cantidadhijosdisc}) {
        QSizePolicy policy = w->sizePolicy();
        policy.setRetainSizeWhenHidden(true);
        w->setSizePolicy(policy);
        w->hide();
    }

    auto* othersGrid = new QGridLayout(others);
    othersGrid->addWidget(ui_.opincentivo, 0, 0);
    othersGrid->addWidget(ui_.Text1, 0, 1, Qt::AlignLeft);
    othersGrid->addWidget(ui_.transporte, 1, 0);
    othersGrid->addWidget(ui_.mensajekm, 2, 0, Qt::AlignRight);
    othersGrid->addWidget(ui_.cantkm, 2, 1, Qt::AlignLeft);
    othersGrid->addWidget(ui_.zona, 3, 0, 1, 2);
    othersGrid->addWidget(ui_.inasist, 4, 0);
    othersGrid->addWidget(ui_.dinasist, 4, 1, Qt::AlignLeft);
    othersGrid->addWidget(ui_.hijos, 5, 0);
    othersGrid->addWidget(ui_.cantidadhijos, 5, 1, Qt::AlignLeft);
    othersGrid->addWidget(ui_.hijosdisc, 6, 0);
    othersGrid->addWidget(ui_.cantidadhijosdisc, 6, 1, Qt::AlignLeft);
    othersGrid->addWidget(ui_.conyuge, 7, 0);
    othersGrid->setColumnStretch(1, 1);

    // ---- Deductions.
    ui_.Frame3 = named(new QGroupBox(QStringLiteral("Descuentos"), this), "Frame3");
    ui_.Iosper = checkBox(ui_.Frame3, "Iosper", QStringLiteral("IOSPER"));
    ui_.Osplad = checkBox(ui_.Frame3, "Osplad", QStringLiteral("OSPLAD"));
    ui_.ZUTEL = checkBox(ui_.Frame3, "ZUTEL", QStringLiteral("ZUTEL"));
    ui_.APORTEJUB = checkBox(ui_.Frame3, "APORTEJUB", QStringLiteral("Aporte jubilatorio"));
    ui_.cajacomp = checkBox(ui_.Frame3, "cajacomp", QStringLiteral("Caja compensadora"));
    ui_.Ley4035 = checkBox(ui_.Frame3, "Ley4035", QStringLiteral("Ley 4035"));
    ui_.Seguro3011 = checkBox(ui_.Frame3, "Seguro3011", QStringLiteral("Seguro (3011)"));
    auto* deductions = new QVBoxLayout(ui_.Frame3);
    for (QCheckBox* box : {ui_.Iosper, ui_.Osplad, ui_.ZUTEL, ui_.APORTEJUB, ui_.cajacomp, ui_.Ley4035,
                           ui_.Seguro3011})
        deductions->addWidget(box);

    // ---- Seniority.
    ui_.Frame1 = named(new QGroupBox(QStringLiteral("Antigüedad"), this), "Frame1");
    auto* seniority = new QVBoxLayout(ui_.Frame1);
    auto* brackets = new QButtonGroup(this);
    brackets->setObjectName(QStringLiteral("antiguedad"));
    for (std::size_t i = 0; i < ui_.Option.size(); ++i) {
        const QByteArray name = "Option" + QByteArray::number(static_cast<int>(i) + 1);
        ui_.Option[i] = option(ui_.Frame1, name.constData(), qtext(kSeniorityCaptions[i]),
                               QString::number(builtinScale().antiguedad[i]) + QStringLiteral(" %"));
        brackets->addButton(ui_.Option[i]);
        seniority->addWidget(ui_.Option[i]);
    }
    ui_.porcantig = named(new QLineEdit(QStringLiteral("0 %"), ui_.Frame1), "porcantig");
    ui_.porcantig->setReadOnly(true);
    ui_.porcantig->setFocusPolicy(Qt::NoFocus);
    ui_.porcantig->setToolTip(QStringLiteral("Porcentaje de Antigüedad"));
    ui_.porcantig->setAccessibleName(QStringLiteral("Porcentaje de Antigüedad"));
    ui_.porcantig->setAlignment(Qt::AlignCenter);
    ui_.porcantig->setFixedWidth(ui_.porcantig->fontMetrics().horizontalAdvance(QStringLiteral("000 %")) + 24);
    seniority->addSpacing(6);
    seniority->addWidget(ui_.porcantig, 0, Qt::AlignHCenter);

    // ---- Bottom row: the scale, then the buttons. Made here, not with the
    // title: screen readers list the window's children in the order made.
    ui_.escala = new ScaleChoice(this);
    ui_.Command1 = named(new QPushButton(QStringLiteral("Calcular"), this), "Command1");
    ui_.Command1->setToolTip(QStringLiteral("Genera el recibo"));
    ui_.Command1->setDefault(true);
    ui_.Command2 = named(new QPushButton(QStringLiteral("Salir"), this), "Command2");
    for (QPushButton* b : {ui_.Command1, ui_.Command2})
        b->setAccessibleName(b->text());

    // ---- Credits.
    QLabel* credits[] = {
        small(this, "credito1", QStringLiteral("haberes: recibo de haberes docente")),
        small(this, "credito2",
              QStringLiteral("Elegí el cargo o las horas, completá los datos y presioná \u00abCalcular\u00bb.")),
        small(this, "credito3",
              QStringLiteral("Los importes son orientativos; verificalos con la liquidación oficial.")),
    };

    // ---- Arrangement.
    auto* header = new QHBoxLayout;
    header->addWidget(titulo);
    header->addStretch();
    header->addWidget(desde, 0, Qt::AlignBottom);

    auto* name = new QHBoxLayout;
    name->addWidget(nombre);
    name->addWidget(ui_.docente, 1);

    auto* left = new QVBoxLayout;
    left->addWidget(ui_.Frame2);
    left->addWidget(area, 1);

    auto* middle = new QVBoxLayout;
    // The untitled frame lines up with the titled ones beside it.
    middle->addSpacing(ui_.Frame2->fontMetrics().height());
    middle->addWidget(others);
    middle->addWidget(ui_.Frame3);
    middle->addStretch();

    auto* right = new QVBoxLayout;
    right->addWidget(ui_.Frame1);
    right->addStretch();

    auto* columns = new QHBoxLayout;
    columns->setSpacing(16);
    columns->addLayout(left, 1);
    columns->addLayout(middle, 1);
    columns->addLayout(right);

    auto* buttons = new QHBoxLayout;
    buttons->addWidget(ui_.escala);
    buttons->addStretch();
    buttons->addWidget(ui_.Command1);
    buttons->addWidget(ui_.Command2);

    auto* bottom = new QVBoxLayout;
    bottom->setSpacing(0);
    for (QLabel* l : credits)
        bottom->addWidget(l);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(header);
    layout->addWidget(rule);
    layout->addLayout(name);
    layout->addSpacing(4);
    layout->addLayout(columns, 1);
    layout->addLayout(buttons);
    layout->addSpacing(4);
    layout->addLayout(bottom);

    // ---- Tab order: as the controls stand, top to bottom, left to right.
    QWidget* order[] = {
        ui_.docente,       ui_.cargo,         ui_.horasmedio,    ui_.horassup,          ui_.numerohorasmed,
        ui_.numerohorassup, ui_.numhorascod06, ui_.numhorasincen, ui_.numhorascod113,   ui_.opincentivo,
        ui_.transporte,    ui_.cantkm,        ui_.zona,          ui_.inasist,           ui_.dinasist,
        ui_.hijos,         ui_.cantidadhijos, ui_.hijosdisc,     ui_.cantidadhijosdisc, ui_.conyuge,
        ui_.Iosper,        ui_.Osplad,        ui_.ZUTEL,         ui_.APORTEJUB,         ui_.cajacomp,
        ui_.Ley4035,       ui_.Seguro3011,    ui_.Option[0],     ui_.Option[1],         ui_.Option[2],
        ui_.Option[3],     ui_.Option[4],     ui_.Option[5],     ui_.Option[6],         ui_.Option[7],
        ui_.Option[8],     ui_.Option[9],     ui_.Option[10],    ui_.Option[11],        ui_.escala->box(),
        ui_.escala->openButton(), ui_.Command1, ui_.Command2,
    };
    for (std::size_t i = 1; i < std::size(order); ++i)
        setTabOrder(order[i - 1], order[i]);
}

} // namespace haberes

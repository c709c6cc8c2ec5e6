// The controls of the position dialog and where they stand.
#include "entry/position_dialog.h"

#include "engine/pay_input.h"
#include "engine/pay_scale.h"
#include "entry/qt_text.h"
#include "record/record_keys.h"

#include <QAbstractItemView>
#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QStyle>
#include <QVBoxLayout>
#include <algorithm>

namespace haberes {

namespace {

const QString kValueTip = QStringLiteral("Se selecciona automáticamente");

// Named after the record key of its field, so that a refused field finds it.
QLineEdit* valueBox(QWidget* parent, Field field)
{
    auto* box = new QLineEdit(parent);
    box->setObjectName(qtext(record::recordKey(field)));
    box->setToolTip(kValueTip);
    box->setAlignment(Qt::AlignRight);
    // Room for five digits; the boxes never hold more than four.
    box->setMinimumWidth(box->fontMetrics().horizontalAdvance(QStringLiteral("000000")) + 16);
    return box;
}

QLabel* caption(QWidget* parent, const QString& text, QWidget* buddy)
{
    auto* label = new QLabel(text, parent);
    label->setObjectName(QLatin1String("lbl") + buddy->objectName());
    label->setBuddy(buddy);
    buddy->setAccessibleName(text);
    return label;
}

} // namespace

void PositionDialog::createUi()
{
    auto* heading = new QLabel(QStringLiteral("Seleccioná el cargo o el código del cargo"), this);
    heading->setObjectName(QStringLiteral("titulo"));
    QFont big = heading->font();
    big.setBold(true);
    big.setPointSizeF(big.pointSizeF() * 1.25);
    heading->setFont(big);

    ui_.codcargo = new QLineEdit(QStringLiteral("0"), this);
    ui_.codcargo->setObjectName(QStringLiteral("codcargo"));
    ui_.codcargo->setToolTip(QStringLiteral(
        "Escribí el código del cargo. Si después de escribir las tres cifras no se selecciona el cargo, volvé a "
        "elegir un código correcto."));
    ui_.codcargo->setMinimumWidth(ui_.codcargo->fontMetrics().horizontalAdvance(QStringLiteral("00000000")));

    ui_.cargox = new QComboBox(this);
    ui_.cargox->setObjectName(QStringLiteral("cargox"));
    ui_.cargox->setToolTip(QStringLiteral("Seleccioná el cargo"));
    ui_.cargox->setEditable(true);
    // Typed text must choose no row: no completion, no new entries.
    ui_.cargox->setCompleter(nullptr);
    ui_.cargox->setInsertPolicy(QComboBox::NoInsert);
    // Left alone, the combo box picks the first entry whose name equals the
    // typed text when the user presses Enter or leaves the box: the first of
    // two twins, by text. Only a pick from the list may choose a row.
    QObject::disconnect(ui_.cargox->lineEdit(), &QLineEdit::editingFinished, ui_.cargox, nullptr);
    QObject::disconnect(ui_.cargox->lineEdit(), &QLineEdit::returnPressed, ui_.cargox, nullptr);
    ui_.cargox->setMaxVisibleItems(20);
    ui_.cargox->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    ui_.cargox->setMinimumContentsLength(46);
    fillNames();

    ui_.punbas = valueBox(this, Field::punbas);
    ui_.punbas->setReadOnly(true);
    ui_.proljor = valueBox(this, Field::proljor);
    ui_.jorcom = valueBox(this, Field::jorcom);
    ui_.tardif = valueBox(this, Field::tardif);
    ui_.compbas = valueBox(this, Field::compbas);

    ui_.Command1 = new QPushButton(QStringLiteral("Listo"), this);
    ui_.Command1->setObjectName(QStringLiteral("Command1"));
    ui_.Command1->setDefault(true);
    ui_.Command2 = new QPushButton(QStringLiteral("Salir sin datos"), this);
    ui_.Command2->setObjectName(QStringLiteral("Command2"));
    for (QPushButton* b : {ui_.Command1, ui_.Command2})
        b->setAccessibleName(b->text());

    auto* choice = new QGridLayout;
    choice->addWidget(caption(this, QStringLiteral("Código del cargo"), ui_.codcargo), 0, 0);
    choice->addWidget(caption(this, QStringLiteral("Cargo"), ui_.cargox), 0, 1);
    choice->addWidget(ui_.codcargo, 1, 0);
    choice->addWidget(ui_.cargox, 1, 1);
    choice->setColumnStretch(1, 1);

    auto* values = new QGridLayout;
    const std::pair<const char*, QLineEdit*> boxes[] = {
        {"Puntos básicos", ui_.punbas}, {"Prol. de jornada", ui_.proljor}, {"Jorn. completa", ui_.jorcom},
        {"Tarea diferenc.", ui_.tardif}, {"Comp básico", ui_.compbas},
    };
    int column = 0;
    for (const auto& [text, box] : boxes) {
        values->addWidget(caption(this, QString::fromUtf8(text), box), 0, column);
        values->addWidget(box, 1, column);
        ++column;
    }

    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(ui_.Command1);
    buttons->addWidget(ui_.Command2);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(heading);
    layout->addSpacing(6);
    layout->addLayout(choice);
    layout->addSpacing(6);
    layout->addLayout(values);
    layout->addSpacing(10);
    layout->addLayout(buttons);
    layout->setSizeConstraint(QLayout::SetMinimumSize);

    setTabOrder(ui_.codcargo, ui_.cargox);
    setTabOrder(ui_.cargox, ui_.punbas);
    setTabOrder(ui_.punbas, ui_.proljor);
    setTabOrder(ui_.proljor, ui_.jorcom);
    setTabOrder(ui_.jorcom, ui_.tardif);
    setTabOrder(ui_.tardif, ui_.compbas);
    setTabOrder(ui_.compbas, ui_.Command1);
    setTabOrder(ui_.Command1, ui_.Command2);
    ui_.codcargo->setFocus();
}

// The name list: the table's names in its order, none chosen.
void PositionDialog::fillNames()
{
    ui_.cargox->clear();
    int widest = 0;
    for (const PositionRecord& p : positions_->rows()) {
        const QString name = qtext(p.cargox);
        ui_.cargox->addItem(name);
        widest = std::max(widest, ui_.cargox->fontMetrics().horizontalAdvance(name));
    }
    ui_.cargox->setCurrentIndex(-1);
    ui_.cargox->setEditText(QString());
    // The list shows the longest names whole even where the box is narrower.
    ui_.cargox->view()->setMinimumWidth(widest + 2 * style()->pixelMetric(QStyle::PM_ScrollBarExtent) + 16);
}

} // namespace haberes

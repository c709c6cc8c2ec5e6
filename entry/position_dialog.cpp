#include "entry/position_dialog.h"

#include "common/locale_format.h"
#include "engine/numbers.h"
#include "engine/pay_scale.h"
#include "entry/qt_text.h"

#include <QComboBox>
#include <QEvent>
#include <QLineEdit>
#include <QPushButton>
#include <QScopedValueRollback>
#include <limits>

namespace haberes {

namespace {

void setTextIfChanged(QLineEdit* box, const QString& text)
{
    if (box->text() != text)
        box->setText(text);
}

// Whether "Listo" finds no position in the code box: empty, or a number
// that is 0 ("0", "00", "0,0").
bool codeMeansNone(const QString& code)
{
    if (code.isEmpty())
        return true;
    const auto value = toReal(utf8(code), numberFormat(QLocale()).decimalSeparator,
                              std::numeric_limits<double>::max());
    return value && *value == 0;
}

} // namespace

PositionDialog::PositionDialog(QWidget* parent) : QDialog(parent), positions_(&builtinScale().cargos)
{
    qRegisterMetaType<PositionTexts>();
    setObjectName(QStringLiteral("advertencia"));
    setWindowTitle(QStringLiteral("Selección de cargo"));
    setModal(false);
    createUi();
    createActions();
}

PositionDialog::~PositionDialog()
{
    // The controls outlive this part of the dialog while QWidget destroys
    // them; nothing they signal may reach it any more.
    ui_.codcargo->disconnect(this);
    ui_.cargox->disconnect(this);
    ui_.Command1->disconnect(this);
    ui_.Command2->disconnect(this);
}

void PositionDialog::createActions()
{
    connect(ui_.codcargo, &QLineEdit::textChanged, this, &PositionDialog::onCodeChanged);
    // activated: only a pick from the list. Typed text and the dialog's own
    // setCurrentIndex choose nothing.
    connect(ui_.cargox, &QComboBox::activated, this, &PositionDialog::onNamePicked);
    connect(ui_.Command1, &QPushButton::clicked, this, &PositionDialog::onListo);
    connect(ui_.Command2, &QPushButton::clicked, this, &PositionDialog::onSalirSinDatos);
    // Clicking into the code box empties it.
    ui_.codcargo->installEventFilter(this);
}

bool PositionDialog::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == ui_.codcargo && event->type() == QEvent::MouseButtonPress)
        ui_.codcargo->clear();
    return QDialog::eventFilter(watched, event);
}

void PositionDialog::setPositions(const PositionTable& positions)
{
    if (&positions == positions_)
        return;
    QScopedValueRollback guard(settling_, true);
    positions_ = &positions;
    const QString code = ui_.codcargo->text();
    fillNames();
    if (codeRow_ || !code.isEmpty())
        chooseRow(positions_->find(utf8(code)));
}

PositionTexts PositionDialog::texts() const
{
    return {ui_.codcargo->text(), ui_.cargox->currentText(), ui_.punbas->text(), ui_.proljor->text(),
            ui_.jorcom->text(),   ui_.tardif->text(),        ui_.compbas->text()};
}

PositionFields PositionDialog::fields() const
{
    PositionFields f;
    if (codeRow_)
        f.codigocargo = qtext((*positions_)[*codeRow_].codigocargo);
    if (row_)
        f.puntosbasicos = qtext((*positions_)[*row_].puntosbasicos);
    f.texts = texts();
    return f;
}

void PositionDialog::enterFields(const QString& code, const PositionTexts& texts)
{
    QScopedValueRollback guard(settling_, true);
    ui_.codcargo->setText(code);
    // Also when the code box already held this code: the row it chooses,
    // not what was left after "Salir sin datos".
    chooseRow(positions_->find(utf8(code)));
    if (ui_.cargox->currentText() != texts.cargox)
        ui_.cargox->setEditText(texts.cargox);
    setTextIfChanged(ui_.punbas, texts.punbas);
    setTextIfChanged(ui_.proljor, texts.proljor);
    setTextIfChanged(ui_.jorcom, texts.jorcom);
    setTextIfChanged(ui_.tardif, texts.tardif);
    setTextIfChanged(ui_.compbas, texts.compbas);
}

void PositionDialog::onCodeChanged(const QString& code)
{
    if (settling_)
        return;
    QScopedValueRollback guard(settling_, true);
    chooseRow(positions_->find(utf8(code)));
}

void PositionDialog::onNamePicked(int row)
{
    if (settling_ || row < 0 || row >= static_cast<int>(positions_->size()))
        return;
    QScopedValueRollback guard(settling_, true);
    const auto r = static_cast<std::size_t>(row);
    setTextIfChanged(ui_.codcargo, qtext((*positions_)[r].codigocargo));
    // The code path is not re-entered; it would find this very row (codes
    // are unique), so the row is applied here.
    chooseRow(r);
}

void PositionDialog::chooseRow(std::optional<std::size_t> row)
{
    codeRow_ = row;
    row_ = row;

    const int index = row ? static_cast<int>(*row) : -1;
    const QString name = row ? qtext((*positions_)[*row].cargox) : QString();
    if (ui_.cargox->currentIndex() != index)
        ui_.cargox->setCurrentIndex(index);
    if (ui_.cargox->currentText() != name)
        ui_.cargox->setEditText(name);

    const PositionRecord* p = row ? &(*positions_)[*row] : nullptr;
    setTextIfChanged(ui_.punbas, p ? qtext(p->puntosbasicos) : QString());
    setTextIfChanged(ui_.proljor, p ? qtext(p->proljornada) : QString());
    setTextIfChanged(ui_.jorcom, p ? qtext(p->jorcompleta) : QString());
    setTextIfChanged(ui_.tardif, p ? qtext(p->tareadif) : QString());
    setTextIfChanged(ui_.compbas, p ? qtext(p->compbasico) : QString());

    ui_.Command1->setEnabled(row.has_value());
}

void PositionDialog::onListo()
{
    const PositionTexts t = texts();
    emit listo(t, codeMeansNone(t.codcargo));
    hide();
}

void PositionDialog::onSalirSinDatos()
{
    {
        QScopedValueRollback guard(settling_, true);
        ui_.cargox->setCurrentIndex(-1);
        ui_.cargox->setEditText(QString());
        codeRow_.reset();
    }
    for (QLineEdit* box : {ui_.punbas, ui_.proljor, ui_.jorcom, ui_.tardif, ui_.compbas})
        box->setText(QStringLiteral("0"));
    hide();
    emit salirSinDatos();
}

} // namespace haberes

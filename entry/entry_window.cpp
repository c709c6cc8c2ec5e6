#include "entry/entry_window.h"

#include "engine/pay_input.h"
#include "entry/error_dialog.h"
#include "entry/position_dialog.h"
#include "entry/qt_text.h"
#include "entry/scale_choice.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QCloseEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <initializer_list>

namespace haberes {

namespace {

const QString kZero = QStringLiteral("0");

void setAllVisible(std::initializer_list<QWidget*> widgets, bool visible)
{
    for (QWidget* w : widgets)
        w->setVisible(visible);
}

} // namespace

EntryWindow::EntryWindow(QWidget* parent) : QWidget(parent)
{
    // positionHeaderChosen carries it, and this header only declares it.
    qRegisterMetaType<PositionTexts>();
    setObjectName(QStringLiteral("ingreso"));
    setWindowTitle(QStringLiteral("Ingreso de datos"));
    createUi();
    createActions();
    ui_.docente->setFocus();
}

EntryWindow::~EntryWindow() = default;

void EntryWindow::createActions()
{
    connect(ui_.escala, &ScaleChoice::scaleChanged, this, &EntryWindow::onScaleChanged);
    connect(ui_.cargo, &QRadioButton::toggled, this, [this](bool on) {
        if (on)
            onCargoSelected();
    });
    // A click on "Cargo" while it is already selected brings the dialog back
    // (it may have been closed with its own close control).
    connect(ui_.cargo, &QRadioButton::clicked, this, [this] {
        if (ui_.cargo->isChecked())
            showPositionDialog();
    });
    connect(ui_.horasmedio, &QRadioButton::toggled, this, [this](bool on) {
        if (on)
            onHorasMedioSelected();
    });
    connect(ui_.horassup, &QRadioButton::toggled, this, [this](bool on) {
        if (on)
            onHorasSupSelected();
    });

    connect(ui_.opincentivo, &QCheckBox::toggled, this, [this](bool on) {
        ui_.Text1->setText(on ? QStringLiteral("Si") : QStringLiteral("No"));
    });
    bindDetailBox(ui_.transporte, ui_.cantkm, ui_.mensajekm);
    bindDetailBox(ui_.inasist, ui_.dinasist);
    bindDetailBox(ui_.hijos, ui_.cantidadhijos);
    bindDetailBox(ui_.hijosdisc, ui_.cantidadhijosdisc);

    for (int i = 0; i < 12; ++i)
        connect(ui_.Option[static_cast<std::size_t>(i)], &QRadioButton::toggled, this, [this, i](bool on) {
            if (on)
                onSenioritySelected(i + 1);
        });

    connect(ui_.Command1, &QPushButton::clicked, this, &EntryWindow::calcularRequested);
    connect(ui_.Command2, &QPushButton::clicked, this, &EntryWindow::salirRequested);
}

// A detail box shows while its check box is ticked; unticking hides it and
// puts it back to "0".
void EntryWindow::bindDetailBox(QCheckBox* box, QLineEdit* detail, QLabel* label)
{
    connect(box, &QCheckBox::toggled, this, [detail, label](bool on) {
        if (label)
            label->setVisible(on);
        detail->setVisible(on);
        if (!on)
            detail->setText(kZero);
    });
}

PositionDialog* EntryWindow::ensurePositionDialog()
{
    if (!positionDialog_) {
        positionDialog_ = std::make_unique<PositionDialog>();
        positionDialog_->setPositions(scale().cargos);
        connect(positionDialog_.get(), &PositionDialog::listo, this, &EntryWindow::onPositionListo);
        connect(positionDialog_.get(), &PositionDialog::salirSinDatos, this, &EntryWindow::deselectCargo);
    }
    return positionDialog_.get();
}

PositionDialog* EntryWindow::showPositionDialog()
{
    ensurePositionDialog();
    positionDialog_->show();
    positionDialog_->raise();
    positionDialog_->activateWindow();
    return positionDialog_.get();
}

void EntryWindow::hidePositionDialog()
{
    if (positionDialog_)
        positionDialog_->hide();
}

void EntryWindow::showNoPayBasisMessage()
{
    if (!errorDialog_)
        errorDialog_ = std::make_unique<ErrorDialog>();
    errorDialog_->show();
    errorDialog_->raise();
    errorDialog_->activateWindow();
}

void EntryWindow::onCargoSelected()
{
    showPositionDialog();
    setAllVisible({ui_.Label3, ui_.Label4, ui_.lblhorascod06, ui_.lblhorasincen, ui_.lblhorascod113}, false);
    for (QLineEdit* box : {ui_.numerohorasmed, ui_.numerohorassup, ui_.numhorascod06, ui_.numhorasincen,
                           ui_.numhorascod113}) {
        box->hide();
        box->setText(kZero);
    }
}

void EntryWindow::onHorasMedioSelected()
{
    setAllVisible({ui_.Label3, ui_.numerohorasmed}, true);
    setCodedHoursVisible(true);
    hidePositionDialog();
    setPositionEchoVisible(false);
    setAllVisible({ui_.Label4, ui_.numerohorassup}, false);
    ui_.numerohorassup->setText(kZero);
}

void EntryWindow::onHorasSupSelected()
{
    setAllVisible({ui_.Label4, ui_.numerohorassup}, true);
    setCodedHoursVisible(true);
    hidePositionDialog();
    ui_.numerohorasmed->setText(kZero);
    setAllVisible({ui_.Label3, ui_.numerohorasmed}, false);
    setPositionEchoVisible(false);
}

// The hours with code 06, with incentive and with code 113, and their labels.
void EntryWindow::setCodedHoursVisible(bool visible)
{
    setAllVisible({ui_.lblhorascod06, ui_.numhorascod06, ui_.lblhorasincen, ui_.numhorasincen, ui_.lblhorascod113,
                ui_.numhorascod113},
               visible);
}

const PayScale& EntryWindow::scale() const { return ui_.escala->scale(); }

// The scale's name on top, its seniority percentages, its positions.
void EntryWindow::onScaleChanged()
{
    const PayScale& s = scale();
    ui_.desde->setText(qtext(s.nombre));
    int selected = 0;
    for (std::size_t i = 0; i < ui_.Option.size(); ++i) {
        ui_.Option[i]->setToolTip(QString::number(s.antiguedad[i]) + QStringLiteral(" %"));
        if (ui_.Option[i]->isChecked())
            selected = static_cast<int>(i) + 1;
    }
    onSenioritySelected(selected);
    if (positionDialog_) {
        positionDialog_->setPositions(s.cargos);
        // What "Listo" showed came from the other scale's table.
        if (ui_.codcarval->isVisible())
            onPositionListo(positionDialog_->texts(), false);
    }
    emit scaleChanged();
}

void EntryWindow::onSenioritySelected(int option)
{
    // The scale gives both the percentage and its text.
    PayEntries bracket;
    selectSeniority(bracket, option, scale());
    porantig_ = bracket.porantig;
    ui_.porcantig->setText(qtext(bracket.porcantig));
}

void EntryWindow::chooseSeniority(int option)
{
    if (option >= 1 && option <= static_cast<int>(ui_.Option.size())) {
        ui_.Option[static_cast<std::size_t>(option - 1)]->setChecked(true);
        return;
    }
    QButtonGroup* brackets = ui_.Option[0]->group();
    brackets->setExclusive(false);
    for (QRadioButton* b : ui_.Option)
        b->setChecked(false);
    brackets->setExclusive(true);
    onSenioritySelected(0);
}

void EntryWindow::onPositionListo(const PositionTexts& texts, bool noPosition)
{
    emit positionHeaderChosen(texts);

    ui_.cargoselect->setText(texts.cargox);
    ui_.codcarval->setText(texts.codcargo);
    ui_.puncarval->setText(texts.punbas);
    ui_.punproljorval->setText(texts.proljor);
    ui_.punjorcomval->setText(texts.jorcom);
    ui_.puntardifval->setText(texts.tardif);
    ui_.puncompbasval->setText(texts.compbas);
    setPositionEchoVisible(true);

    if (noPosition)
        deselectCargo();
    raise();
    activateWindow();
}

void EntryWindow::setPositionEchoVisible(bool visible)
{
    for (QLabel* label : ui_.positionEcho())
        label->setVisible(visible);
}

// An exclusive group keeps one button checked; it lets go only while it is
// not exclusive.
void EntryWindow::deselectCargo()
{
    ui_.payBasis->setExclusive(false);
    ui_.cargo->setChecked(false);
    ui_.payBasis->setExclusive(true);
}

void EntryWindow::clearPayBasis()
{
    ui_.payBasis->setExclusive(false);
    for (QRadioButton* option : {ui_.cargo, ui_.horasmedio, ui_.horassup})
        option->setChecked(false);
    ui_.payBasis->setExclusive(true);
}

void EntryWindow::returnFromPayslip()
{
    clearPayBasis();
    setPositionEchoVisible(false);
    setAllVisible({ui_.numerohorasmed, ui_.numerohorassup, ui_.Label3, ui_.Label4}, false);
    show();
    raise();
    activateWindow();
}

// Enter presses "Calcular", or the button that has the focus.
void EntryWindow::keyPressEvent(QKeyEvent* event)
{
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
        auto* focused = qobject_cast<QPushButton*>(focusWidget());
        QPushButton* button = focused ? focused : ui_.Command1;
        if (button->isEnabled() && button->isVisible())
            button->click();
        event->accept();
        return;
    }
    QWidget::keyPressEvent(event);
}

// The close control ends the program like "Salir".
void EntryWindow::closeEvent(QCloseEvent* event)
{
    event->accept();
    emit salirRequested();
}

} // namespace haberes

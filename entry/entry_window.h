#pragma once
// The entry window "Ingreso de datos" (ingreso): the teacher's job data.
// It shows and hides the detail boxes each choice needs, opens the position
// dialog and the message dialog (both created on first need), and asks for
// the calculation with "Calcular".
#include "entry/entry_controls.h"

#include <QWidget>
#include <cstdint>
#include <memory>

namespace haberes {

class ErrorDialog;
class ScaleChoice;
struct PayScale;
class PositionDialog;
struct PositionTexts;

class EntryWindow : public QWidget {
    Q_OBJECT
public:
    explicit EntryWindow(QWidget* parent = nullptr);
    ~EntryWindow() override;

    const EntryControls& controls() const { return ui_; }
    // Seniority percentage of the selected bracket; kept until another
    // bracket is selected.
    std::uint8_t porantig() const { return porantig_; }

    // The pay scale chosen in "Escala"; it lives as long as this window.
    const PayScale& scale() const;
    ScaleChoice* scaleChoice() const { return ui_.escala; }

    // Null until "Cargo" is first selected.
    PositionDialog* positionDialog() const { return positionDialog_.get(); }
    // Shows the position dialog as it was last left, creating it on first use.
    PositionDialog* showPositionDialog();
    // The position dialog, created hidden if it did not exist yet.
    PositionDialog* ensurePositionDialog();
    // Null until first needed.
    ErrorDialog* errorDialog() const { return errorDialog_.get(); }
    // "No seleccionaste cargo ni horas", without blocking this window.
    void showNoPayBasisMessage();

    // Back from the payslip window ("Volver"): no pay basis selected, the
    // position echo and the two hour counts hidden (their texts kept).
    void returnFromPayslip();

    // Seniority option n (1 to 12) as if clicked; 0 selects none and puts
    // the percentage back to 0.
    void chooseSeniority(int option);

signals:
    void calcularRequested();
    void salirRequested();
    // "Listo" of the position dialog: the texts for the payslip header.
    void positionHeaderChosen(const haberes::PositionTexts& texts);
    // Another scale was chosen in "Escala".
    void scaleChanged();

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    void createUi();
    void createActions();
    void bindDetailBox(QCheckBox* box, QLineEdit* detail, QLabel* label = nullptr);

    void onCargoSelected();
    void onHorasMedioSelected();
    void onHorasSupSelected();
    void onSenioritySelected(int option);
    void onPositionListo(const PositionTexts& texts, bool noPosition);
    void onScaleChanged();

    void setPositionEchoVisible(bool visible);
    void setCodedHoursVisible(bool visible);
    void hidePositionDialog();
    void deselectCargo();
    void clearPayBasis();

    EntryControls ui_;
    std::uint8_t porantig_ = 0;
    std::unique_ptr<PositionDialog> positionDialog_;
    std::unique_ptr<ErrorDialog> errorDialog_;
};

} // namespace haberes

#pragma once
// The controls of the entry window, grouped as they stand on it. Each is
// named (objectName too) after the field of the pay input record it feeds.
#include <array>

class QButtonGroup;
class QCheckBox;
class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;

namespace haberes {

class ScaleChoice;

struct EntryControls {
    // The pay scale: its name on top, the choice beside the buttons.
    QLabel* desde = nullptr;
    ScaleChoice* escala = nullptr;

    // Name and pay basis.
    QLineEdit* docente = nullptr;
    QGroupBox* Frame2 = nullptr; // "Categoría"
    QRadioButton* cargo = nullptr;
    QRadioButton* horasmedio = nullptr;
    QRadioButton* horassup = nullptr;
    QButtonGroup* payBasis = nullptr;

    // Position echo, filled by "Listo" of the position dialog.
    QLabel* cargoselect = nullptr;
    QLabel* codcartit = nullptr;
    QLabel* codcarval = nullptr;
    QLabel* puncartit = nullptr;
    QLabel* puncarval = nullptr;
    QLabel* punproljortit = nullptr;
    QLabel* punproljorval = nullptr;
    QLabel* punjorcomtit = nullptr;
    QLabel* punjorcomval = nullptr;
    QLabel* puntardiftit = nullptr;
    QLabel* puntardifval = nullptr;
    QLabel* puncompbastit = nullptr;
    QLabel* puncompbasval = nullptr;

    // Hours boxes and their labels.
    QLabel* Label3 = nullptr;
    QLineEdit* numerohorasmed = nullptr;
    QLabel* Label4 = nullptr;
    QLineEdit* numerohorassup = nullptr;
    QLabel* lblhorascod06 = nullptr;
    QLineEdit* numhorascod06 = nullptr;
    QLabel* lblhorasincen = nullptr;
    QLineEdit* numhorasincen = nullptr;
    QLabel* lblhorascod113 = nullptr;
    QLineEdit* numhorascod113 = nullptr;

    // Other entries.
    QCheckBox* opincentivo = nullptr;
    QLineEdit* Text1 = nullptr; // "Si" / "No"
    QCheckBox* transporte = nullptr;
    QLabel* mensajekm = nullptr;
    QLineEdit* cantkm = nullptr;
    QComboBox* zona = nullptr;
    QCheckBox* inasist = nullptr;
    QLineEdit* dinasist = nullptr;
    QCheckBox* hijos = nullptr;
    QLineEdit* cantidadhijos = nullptr;
    QCheckBox* hijosdisc = nullptr;
    QLineEdit* cantidadhijosdisc = nullptr;
    QCheckBox* conyuge = nullptr;

    // Deductions.
    QGroupBox* Frame3 = nullptr; // "Descuentos"
    QCheckBox* Iosper = nullptr;
    QCheckBox* Osplad = nullptr;
    QCheckBox* ZUTEL = nullptr;
    QCheckBox* APORTEJUB = nullptr;
    QCheckBox* cajacomp = nullptr;
    QCheckBox* Ley4035 = nullptr;
    QCheckBox* Seguro3011 = nullptr;

    // Seniority: Option[0] is Option1.
    QGroupBox* Frame1 = nullptr; // "Antigüedad"
    std::array<QRadioButton*, 12> Option{};
    QLineEdit* porcantig = nullptr;

    QPushButton* Command1 = nullptr; // "Calcular"
    QPushButton* Command2 = nullptr; // "Salir"

    // The thirteen labels of the position echo.
    std::array<QLabel*, 13> positionEcho() const
    {
        return {cargoselect,   codcartit,     codcarval,    puncartit,    puncarval,
                punproljortit, punproljorval, punjorcomtit, punjorcomval, puntardiftit,
                puntardifval,  puncompbastit, puncompbasval};
    }
};

} // namespace haberes

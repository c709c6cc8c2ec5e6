#pragma once
// The position dialog "Selección de cargo" (advertencia): finds a row of the
// table of positions by its three-digit code or by its name, shows the row's
// five point values, and hands them on with "Listo". Non-modal; its close
// control (and Escape) only hide it, keeping what it holds.
#include <QDialog>
#include <cstddef>
#include <optional>

class QComboBox;
class QLineEdit;
class QPushButton;

namespace haberes {

class PositionTable;

// The texts "Listo" hands to the entry window and the payslip header.
struct PositionTexts {
    QString codcargo; // the code box, as typed
    QString cargox;   // the name chooser's edit area
    QString punbas, proljor, jorcom, tardif, compbas; // the value boxes
};

} // namespace haberes

// Carried by signals, so that queued connections and signal spies can copy it.
Q_DECLARE_METATYPE(haberes::PositionTexts)

namespace haberes {

// What the pay calculation reads from the dialog.
struct PositionFields {
    QString codigocargo;   // code of the chosen row, empty for none
    QString puntosbasicos; // basic points of the chosen row as listed
    PositionTexts texts;
};

class PositionDialog : public QDialog {
    Q_OBJECT
public:
    explicit PositionDialog(QWidget* parent = nullptr);
    ~PositionDialog() override;

    // Lists the table's positions (the chosen scale's); the code in the code
    // box chooses its row of that table again.
    void setPositions(const PositionTable& positions);

    PositionTexts texts() const;
    PositionFields fields() const;
    // Saved entries opened: the code typed (choosing its row, or none), then
    // the name and the five boxes typed over what the row put there.
    void enterFields(const QString& code, const PositionTexts& texts);

    // The chosen row of the table, if any.
    std::optional<std::size_t> chosenRow() const { return row_; }

signals:
    // "Listo", before the dialog hides itself. noPosition: the code box is
    // empty or reads as 0, so "Cargo" is to be deselected.
    void listo(const haberes::PositionTexts& texts, bool noPosition);
    // "Salir sin datos", after the dialog hid itself: deselect "Cargo".
    void salirSinDatos();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void createUi();
    void fillNames();
    void createActions();

    void onCodeChanged(const QString& code);
    void onNamePicked(int row);
    void chooseRow(std::optional<std::size_t> row);
    void onListo();
    void onSalirSinDatos();

    struct Ui {
        QLineEdit* codcargo = nullptr;
        QComboBox* cargox = nullptr;
        QLineEdit* punbas = nullptr;
        QLineEdit* proljor = nullptr;
        QLineEdit* jorcom = nullptr;
        QLineEdit* tardif = nullptr;
        QLineEdit* compbas = nullptr;
        QPushButton* Command1 = nullptr; // "Listo"
        QPushButton* Command2 = nullptr; // "Salir sin datos"
    } ui_;

    // The hidden columns of the table: the code column's current entry and
    // the current entry of the other five. They move together, except that
    // "Salir sin datos" clears the code column alone.
    std::optional<std::size_t> codeRow_;
    // The table of positions listed.
    const PositionTable* positions_;
    std::optional<std::size_t> row_;
    // Set while one user action settles: choosing by name sets the code and
    // choosing by code sets the name; neither may start the other again.
    bool settling_ = false;
};

} // namespace haberes

#pragma once
// The message dialog "Error de selección" (error): "Calcular" was pressed
// with no pay basis chosen. Non-modal; "Aceptar" (Enter or Escape) hides it.
#include <QDialog>

class QPushButton;

namespace haberes {

class ErrorDialog : public QDialog {
    Q_OBJECT
public:
    explicit ErrorDialog(QWidget* parent = nullptr);

private:
    void createUi();

    QPushButton* aceptar_ = nullptr;
};

} // namespace haberes

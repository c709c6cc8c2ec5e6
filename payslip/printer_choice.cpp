#include "payslip/printer_choice.h"

#include <QComboBox>
#include <QDialog>
#include <QDialogButtonBox>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace haberes {

PrinterChoice askForPrinter(QWidget* parent, const QStringList& printers)
{
    QDialog dialog(parent);
    dialog.setObjectName("elegirImpresora");
    dialog.setWindowTitle(QStringLiteral("Elegir impresora"));
    auto* layout = new QVBoxLayout(&dialog);
    auto* prompt = new QLabel(QStringLiteral("No hay una impresora predeterminada.\n"
                                             "Elegí en cuál imprimir el recibo, o guardalo como PDF."),
                              &dialog);
    auto* list = new QComboBox(&dialog);
    list->setObjectName("impresoras");
    list->addItems(printers);
    prompt->setBuddy(list);
    layout->addWidget(prompt);
    layout->addWidget(list);

    auto* buttons = new QDialogButtonBox(&dialog);
    QPushButton* print = buttons->addButton(QStringLiteral("Imprimir"), QDialogButtonBox::AcceptRole);
    QPushButton* pdf = buttons->addButton(QStringLiteral("Guardar PDF…"), QDialogButtonBox::ActionRole);
    buttons->addButton(QStringLiteral("Cancelar"), QDialogButtonBox::RejectRole);
    print->setDefault(true);
    layout->addWidget(buttons);

    PrinterChoice choice;
    QObject::connect(buttons, &QDialogButtonBox::accepted, &dialog, &QDialog::accept);
    QObject::connect(buttons, &QDialogButtonBox::rejected, &dialog, &QDialog::reject);
    QObject::connect(pdf, &QPushButton::clicked, &dialog, [&] {
        choice.kind = PrinterChoice::Kind::pdf;
        dialog.accept();
    });
    if (dialog.exec() != QDialog::Accepted)
        return {};
    if (choice.kind == PrinterChoice::Kind::pdf)
        return choice;
    return {PrinterChoice::Kind::printer, list->currentText()};
}

} // namespace haberes

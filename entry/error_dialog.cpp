#include "entry/error_dialog.h"

#include "engine/messages.h"
#include "entry/qt_text.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QStyle>
#include <QVBoxLayout>

namespace haberes {

ErrorDialog::ErrorDialog(QWidget* parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("error"));
    setWindowTitle(qtext(kNoPayBasisTitle));
    setModal(false);
    createUi();
}

void ErrorDialog::createUi()
{
    auto* icon = new QLabel(this);
    const int side = style()->pixelMetric(QStyle::PM_MessageBoxIconSize, nullptr, this);
    icon->setPixmap(style()->standardIcon(QStyle::SP_MessageBoxWarning, nullptr, this).pixmap(side, side));

    auto* text = new QLabel(qtext(kNoPayBasisMessage), this);
    text->setObjectName(QStringLiteral("mensaje"));

    // Default and, through QDialog's Escape, also the cancel button: both
    // end in hide(), which is all "Aceptar" does.
    aceptar_ = new QPushButton(QStringLiteral("Aceptar"), this);
    aceptar_->setObjectName(QStringLiteral("Aceptar"));
    aceptar_->setDefault(true);
    aceptar_->setAccessibleName(aceptar_->text());
    connect(aceptar_, &QPushButton::clicked, this, &QWidget::hide);

    auto* message = new QHBoxLayout;
    message->addWidget(icon, 0, Qt::AlignTop);
    message->addSpacing(12);
    message->addWidget(text, 1);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(aceptar_);
    buttons->addStretch();

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(message);
    layout->addSpacing(8);
    layout->addLayout(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);
}

} // namespace haberes

#include "entry/scale_raise_dialog.h"

#include "engine/numbers.h"
#include "entry/qt_text.h"
#include "scale/scale_draft.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include <tuple>

namespace haberes {

namespace {

// More than ten times over is a mistyped percentage, not a raise.
constexpr double kMaxPercent = 1000;

} // namespace

ScaleRaiseDialog::ScaleRaiseDialog(QString decimalSeparator, Raise raise, QWidget* parent)
    : QDialog(parent), separator_(std::move(decimalSeparator)), raise_(std::move(raise))
{
    setObjectName(QStringLiteral("aumentarescala"));
    setWindowTitle(QStringLiteral("Aumentar valores"));
    setWindowModality(Qt::WindowModal);

    percent_ = new QLineEdit(this);
    percent_->setObjectName(QStringLiteral("porcentaje"));
    percent_->setAlignment(Qt::AlignRight);
    percent_->setAccessibleName(QStringLiteral("Porcentaje de aumento"));
    percent_->setMaximumWidth(percent_->fontMetrics().horizontalAdvance(QStringLiteral("0000000000")));
    auto* caption = new QLabel(QStringLiteral("&Porcentaje de aumento:"), this);
    caption->setBuddy(percent_);
    auto* percentRow = new QHBoxLayout;
    percentRow->addWidget(caption);
    percentRow->addWidget(percent_);
    percentRow->addWidget(new QLabel(QStringLiteral("%"), this));
    percentRow->addStretch();

    auto* which = new QGroupBox(QStringLiteral("Aumentar"), this);
    auto* boxes = new QVBoxLayout(which);
    const std::tuple<const char*, const char*, RaiseGroup> kinds[] = {
        {"aumentopunto", "Valores del &punto", RaiseGroup::pointValues},
        {"aumentohora", "Importes por &hora", RaiseGroup::hourAmounts},
        {"aumentomontos", "&Montos fijos", RaiseGroup::fixedAmounts},
        {"aumentofamilia", "Asignaciones &familiares", RaiseGroup::familyAllowances},
        {"aumentominimo", "Mínimo &garantizado", RaiseGroup::minimum},
    };
    for (const auto& [name, text, group] : kinds) {
        auto* box = new QCheckBox(QString::fromUtf8(text), which);
        box->setObjectName(QString::fromUtf8(name));
        boxes->addWidget(box);
        groups_.emplace_back(box, group);
    }

    auto* note = new QLabel(
        QStringLiteral("Los importes se redondean a cuatro decimales y las asignaciones por hijo a pesos enteros. "
                       "Los puntos y los porcentajes no se aumentan."),
        this);
    note->setWordWrap(true);

    message_ = new QLabel(this);
    message_->setObjectName(QStringLiteral("mensajeaumento"));
    message_->setWordWrap(true);
    message_->setStyleSheet(QStringLiteral("color: #b00020;"));
    message_->hide();

    auto* buttons = new QDialogButtonBox(this);
    QPushButton* ok = buttons->addButton(QStringLiteral("Aumentar"), QDialogButtonBox::AcceptRole);
    ok->setObjectName(QStringLiteral("aplicaraumento"));
    ok->setDefault(true);
    QPushButton* cancel = buttons->addButton(QStringLiteral("Cancelar"), QDialogButtonBox::RejectRole);
    cancel->setObjectName(QStringLiteral("cancelaraumento"));
    connect(ok, &QPushButton::clicked, this, &ScaleRaiseDialog::apply);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(percentRow);
    layout->addWidget(which);
    layout->addWidget(note);
    layout->addWidget(message_);
    layout->addWidget(buttons);
    setMinimumWidth(420);
    percent_->setFocus();
}

void ScaleRaiseDialog::say(const QString& text)
{
    message_->setText(text);
    message_->setVisible(!text.isEmpty());
}

void ScaleRaiseDialog::apply()
{
    const std::string sep = utf8(separator_);
    const auto percent = toReal(utf8(percent_->text()), sep, kMaxPercent);
    if (!percent || *percent <= -100 || *percent == 0) {
        say(QStringLiteral("Escribí el porcentaje de aumento, un número distinto de 0, por ejemplo 10 o %1")
                .arg(qtext(formatReal(7.5, sep))));
        percent_->setFocus();
        return;
    }
    std::set<RaiseGroup> groups;
    for (const auto& [box, group] : groups_)
        if (box->isChecked())
            groups.insert(group);
    if (groups.empty()) {
        say(QStringLiteral("Marcá qué valores aumentar"));
        return;
    }
    const QString why = raise_(*percent, groups);
    if (!why.isEmpty()) {
        say(why);
        return;
    }
    accept();
}

} // namespace haberes

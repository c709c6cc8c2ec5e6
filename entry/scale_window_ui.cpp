// The controls of the scale window and where they stand: the groups on the
// left, the chosen group's page on the right, the buttons below.
#include "entry/qt_text.h"
#include "entry/scale_amount_table.h"
#include "entry/scale_edits.h"
#include "entry/scale_positions_page.h"
#include "entry/scale_value_form.h"
#include "entry/scale_window.h"
#include "scale/scale_catalog.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QScrollArea>
#include <QStackedWidget>
#include <QVBoxLayout>

namespace haberes {

namespace {

// The cells of the 006 tables, shown as tables rather than as rows.
bool inTable(const ScaleItem& item)
{
    return item.path.rfind("adicional_006_cargo.", 0) == 0 && item.path.find(".montos[") != std::string::npos;
}

QScrollArea* scrolled(QWidget* content, QWidget* parent)
{
    auto* area = new QScrollArea(parent);
    area->setWidgetResizable(true);
    area->setFrameShape(QFrame::NoFrame);
    area->setWidget(content);
    return area;
}

} // namespace

QWidget* ScaleWindow::createPage(int index)
{
    const auto group = static_cast<ScaleGroup>(index);
    const bool editable = mode_ == Mode::create;
    if (group == ScaleGroup::positions) {
        positions_ = new ScalePositionsPage(*edits_, editable);
        connect(positions_, &ScalePositionsPage::edited, this, &ScaleWindow::onEdited);
        return positions_;
    }
    std::vector<const ScaleItem*> items;
    for (const ScaleItem& item : edits_->draft().items())
        if (item.group == group && !inTable(item))
            items.push_back(&item);
    auto* content = new QWidget;
    auto* layout = new QVBoxLayout(content);
    layout->setContentsMargins(0, 0, 4, 0);
    auto* form = new ScaleValueForm(*edits_, items, editable, content);
    connect(form, &ScaleValueForm::edited, this, &ScaleWindow::onEdited);
    forms_.emplace_back(index, form);
    layout->addWidget(form);
    if (group == ScaleGroup::line006) {
        tablePage_ = index;
        for (const char* key : {"adicional_006_cargo.tabla_a", "adicional_006_cargo.tabla_b"}) {
            const ScaleItem* first = edits_->draft().item(std::string(key) + ".montos[0][0]");
            const QString title = (first ? qtext(first->keyCaption) : QString::fromUtf8(key)) +
                                  QStringLiteral(", en pesos, por antigüedad y por banda de puntos básicos");
            auto* table = new ScaleAmountTable(*edits_, key, title, editable, content);
            connect(table, &ScaleAmountTable::edited, this, &ScaleWindow::onEdited);
            tables_.push_back(table);
            layout->addSpacing(8);
            layout->addWidget(table);
        }
    }
    layout->addStretch(1);
    return scrolled(content, this);
}

void ScaleWindow::createUi(const PayScale& start)
{
    const bool builtin = start == builtinScale();
    auto* title = new QLabel(this);
    title->setObjectName(QStringLiteral("tituloescala"));
    QFont big = title->font();
    big.setBold(true);
    big.setPointSizeF(big.pointSizeF() * 1.2);
    title->setFont(big);
    auto* note = new QLabel(this);
    note->setObjectName(QStringLiteral("notaescala"));
    note->setWordWrap(true);
    if (mode_ == Mode::view) {
        setWindowTitle(QStringLiteral("Escala «%1»").arg(startName_));
        title->setText(QStringLiteral("«%1», vigente desde %2").arg(startName_, effectiveMonth(start)));
        note->setText(builtin ? QStringLiteral("Es la escala incorporada al programa: no se puede cambiar. Para "
                                               "hacer una escala a partir de ella, usá «Nueva escala…».")
                              : QStringLiteral("Sólo para ver. Para hacer una escala a partir de esta, usá "
                                               "«Nueva escala…»."));
    } else {
        setWindowTitle(QStringLiteral("Nueva escala"));
        title->setText(QStringLiteral("Nueva escala a partir de «%1»").arg(startName_));
        note->setText(QStringLiteral("Poné el nombre, el título del recibo y el mes de vigencia, y cambiá los "
                                     "valores publicados. «Aumentar…» sube un porcentaje a grupos de valores; "
                                     "«Cambios» lista lo que cambió."));
    }

    groups_ = new QListWidget(this);
    groups_->setObjectName(QStringLiteral("grupos"));
    groups_->setAccessibleName(QStringLiteral("Grupos de valores"));
    pages_ = new QStackedWidget(this);
    pages_->setObjectName(QStringLiteral("paginas"));
    int widest = 0;
    // The groups in the order of the enumeration, positions last.
    for (int i = 0; i <= static_cast<int>(ScaleGroup::positions); ++i) {
        const QString name = qtext(scaleGroupCaption(static_cast<ScaleGroup>(i)));
        groups_->addItem(name);
        widest = std::max(widest, groups_->fontMetrics().horizontalAdvance(name));
        pages_->addWidget(createPage(i));
    }
    // As wide as the usual names; a longer one takes two lines.
    groups_->setWordWrap(true);
    groups_->setSpacing(2);
    groups_->setFixedWidth(std::min(widest, groups_->fontMetrics().horizontalAdvance(QStringLiteral("Horas de nivel superior"))) +
                           2 * groups_->frameWidth() + 24);
    connect(groups_, &QListWidget::currentRowChanged, pages_, &QStackedWidget::setCurrentIndex);

    status_ = new QLabel(this);
    status_->setObjectName(QStringLiteral("estado"));
    status_->setWordWrap(true);
    status_->setTextInteractionFlags(Qt::TextSelectableByMouse);

    auto* buttons = new QHBoxLayout;
    buttons->addWidget(status_, 1);
    auto button = [&](const char* name, const QString& text, const QString& tip) {
        auto* b = new QPushButton(text, this);
        b->setObjectName(QString::fromUtf8(name));
        b->setToolTip(tip);
        b->setAutoDefault(false);
        buttons->addWidget(b);
        return b;
    };
    if (mode_ == Mode::create) {
        QPushButton* raise = button("aumentar", QStringLiteral("&Aumentar…"),
                                    QStringLiteral("Aumentar un porcentaje los valores de los grupos que marques"));
        QPushButton* changes = button("cambios", QStringLiteral("Ca&mbios"),
                                      QStringLiteral("Ver cada valor que cambió, antes y ahora"));
        QPushButton* save = button("guardar", QStringLiteral("&Guardar"),
                                   QStringLiteral("Guardar la escala entre tus escalas"));
        connect(raise, &QPushButton::clicked, this, &ScaleWindow::showRaise);
        connect(changes, &QPushButton::clicked, this, &ScaleWindow::showChanges);
        connect(save, &QPushButton::clicked, this, &ScaleWindow::save);
    }
    QPushButton* close = button("cerrar", QStringLiteral("&Cerrar"), QStringLiteral("Cerrar esta ventana"));
    connect(close, &QPushButton::clicked, this, &QWidget::close);

    auto* middle = new QHBoxLayout;
    middle->addWidget(groups_);
    middle->addWidget(pages_, 1);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(title);
    layout->addWidget(note);
    layout->addLayout(middle, 1);
    layout->addLayout(buttons);

    groups_->setCurrentRow(0);
    if (mode_ == Mode::create) {
        if (QLineEdit* name = forms_.front().second->box("nombre")) {
            name->setFocus();
            name->selectAll();
        }
    } else {
        groups_->setFocus();
    }
}

} // namespace haberes

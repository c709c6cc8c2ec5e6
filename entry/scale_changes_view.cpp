#include "entry/scale_changes_view.h"

#include "entry/qt_text.h"
#include "entry/scale_edits.h"

#include <QDialogButtonBox>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

namespace haberes {

namespace {

enum Column { groupColumn, captionColumn, beforeColumn, afterColumn, columnCount };

QTableWidgetItem* cell(const QString& text, bool number)
{
    auto* item = new QTableWidgetItem(text);
    item->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable);
    if (number)
        item->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
    return item;
}

} // namespace

ScaleChangesView::ScaleChangesView(const ScaleEdits& edits, const QString& startName, QWidget* parent)
    : QDialog(parent), edits_(edits), startName_(startName)
{
    setObjectName(QStringLiteral("cambiosescala"));
    setWindowTitle(QStringLiteral("Cambios de la escala"));
    setModal(false);

    summary_ = new QLabel(this);
    summary_->setObjectName(QStringLiteral("resumencambios"));
    summary_->setWordWrap(true);

    table_ = new QTableWidget(0, columnCount, this);
    table_->setObjectName(QStringLiteral("tablacambios"));
    table_->setAccessibleName(QStringLiteral("Cambios"));
    table_->setHorizontalHeaderLabels(
        {QStringLiteral("Grupo"), QStringLiteral("Valor"), QStringLiteral("Antes"), QStringLiteral("Ahora")});
    table_->verticalHeader()->hide();
    table_->setSelectionBehavior(QAbstractItemView::SelectRows);
    table_->setAlternatingRowColors(true);
    // Long captions take two lines rather than losing their end.
    table_->setWordWrap(true);
    table_->setTextElideMode(Qt::ElideNone);
    QHeaderView* header = table_->horizontalHeader();
    header->setSectionResizeMode(QHeaderView::ResizeToContents);
    header->setSectionResizeMode(captionColumn, QHeaderView::Stretch);
    connect(header, &QHeaderView::sectionResized, this, [this](int column) {
        if (column == captionColumn)
            table_->resizeRowsToContents();
    });

    auto* buttons = new QDialogButtonBox(this);
    QPushButton* close = buttons->addButton(QStringLiteral("Cerrar"), QDialogButtonBox::RejectRole);
    close->setObjectName(QStringLiteral("cerrarcambios"));
    connect(close, &QPushButton::clicked, this, &QDialog::reject);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(summary_);
    layout->addWidget(table_, 1);
    layout->addWidget(buttons);
    resize(880, 520);
    refresh();
}

void ScaleChangesView::refresh()
{
    const ScaleDraft& draft = edits_.draft();
    const auto changes = draft.changes();
    table_->setRowCount(static_cast<int>(changes.size()));
    int row = 0;
    for (const ScaleDraft::Change& c : changes) {
        const ScaleItem* item = draft.item(c.path);
        // Positions are texts and have no item; numbers read as typed.
        const ScaleKind kind = item ? item->kind : ScaleKind::text;
        const ScaleGroup group = item ? item->group : ScaleGroup::positions;
        auto* caption = cell(qtext(c.caption), false);
        caption->setToolTip(qtext(c.path));
        table_->setItem(row, groupColumn, cell(qtext(scaleGroupCaption(group)), false));
        table_->setItem(row, captionColumn, caption);
        table_->setItem(row, beforeColumn, cell(shownValue(kind, c.before, edits_.format()), numericKind(kind)));
        table_->setItem(row, afterColumn, cell(shownValue(kind, c.after, edits_.format()), numericKind(kind)));
        ++row;
    }
    table_->resizeRowsToContents();
    if (changes.empty())
        summary_->setText(QStringLiteral("Ningún valor cambió respecto de «%1».").arg(startName_));
    else if (changes.size() == 1)
        summary_->setText(QStringLiteral("Cambió 1 valor respecto de «%1».").arg(startName_));
    else
        summary_->setText(QStringLiteral("Cambiaron %1 valores respecto de «%2».").arg(changes.size()).arg(startName_));
}

} // namespace haberes

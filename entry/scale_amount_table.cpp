#include "entry/scale_amount_table.h"

#include "entry/qt_text.h"
#include "entry/scale_edits.h"
#include "scale/scale_format.h"

#include <QHeaderView>
#include <QLabel>
#include <QScopedValueRollback>
#include <QTableWidget>
#include <QVBoxLayout>

#include <algorithm>

namespace haberes {

ScaleAmountTable::ScaleAmountTable(ScaleEdits& edits, const std::string& table, const QString& title,
                                   bool editable, QWidget* parent)
    : QWidget(parent), edits_(edits), table_(table)
{
    const ScaleField* amounts = scaleField(table + ".montos");
    const int bands = amounts ? static_cast<int>(amounts->count) : 0;
    const int rows = static_cast<int>(kSeniorityRows);

    auto* caption = new QLabel(title, this);
    caption->setWordWrap(true);
    QFont bold = caption->font();
    bold.setBold(true);
    caption->setFont(bold);

    cells_ = new QTableWidget(rows, bands, this);
    cells_->setObjectName(qtext(table + ".montos"));
    cells_->setAccessibleName(title);
    caption->setBuddy(cells_);
    if (!editable)
        cells_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    QStringList seniority;
    for (int r = 0; r < rows; ++r) {
        const ScaleItem* cell = edits.draft().item(cellPath(r, 0));
        seniority << (cell ? qtext(cell->rowCaption) : QString::number(r + 1));
    }
    cells_->setVerticalHeaderLabels(seniority);
    {
        const QScopedValueRollback quiet(filling_, true);
        for (int r = 0; r < rows; ++r)
            for (int b = 0; b < bands; ++b) {
                auto* cell = new QTableWidgetItem;
                cell->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
                cells_->setItem(r, b, cell);
            }
    }
    cells_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    cells_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    refresh();
    // Columns as wide as the widest header line or amount, sharing what is
    // left; the seniority options whole.
    const QFontMetrics metrics(cells_->horizontalHeader()->font());
    int column = metrics.horizontalAdvance(QStringLiteral("0000000,00"));
    for (int b = 0; b < bands; ++b)
        for (const QString& line : cells_->horizontalHeaderItem(b)->text().split(u'\n'))
            column = std::max(column, metrics.horizontalAdvance(line));
    int rowHeader = 0;
    for (int r = 0; r < rows; ++r)
        rowHeader = std::max(rowHeader, metrics.horizontalAdvance(cells_->verticalHeaderItem(r)->text()));
    cells_->verticalHeader()->setFixedWidth(rowHeader + 12);
    cells_->horizontalHeader()->setMinimumSectionSize(column + 12);
    cells_->horizontalHeader()->setSectionResizeMode(QHeaderView::Stretch);
    // Every row shows: the page scrolls, not the table.
    cells_->resizeRowsToContents();
    int height = cells_->horizontalHeader()->sizeHint().height() + 2 * cells_->frameWidth();
    for (int r = 0; r < rows; ++r)
        height += cells_->rowHeight(r);
    cells_->setFixedHeight(height);
    cells_->setMinimumWidth(cells_->verticalHeader()->maximumWidth() +
                            bands * cells_->horizontalHeader()->minimumSectionSize() + 2 * cells_->frameWidth() + 2);

    message_ = new QLabel(this);
    message_->setObjectName(qtext("msj" + table + ".montos"));
    message_->setWordWrap(true);
    message_->setStyleSheet(QStringLiteral("color: #b00020;"));
    message_->hide();

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    // The refusal between the title and the cells, seen with either.
    layout->addWidget(caption);
    layout->addWidget(message_);
    layout->addWidget(cells_);

    connect(cells_, &QTableWidget::itemChanged, this, &ScaleAmountTable::onChanged);
}

std::string ScaleAmountTable::cellPath(int row, int column) const
{
    return table_ + ".montos[" + std::to_string(row) + "][" + std::to_string(column) + "]";
}

void ScaleAmountTable::refresh()
{
    const QScopedValueRollback quiet(filling_, true);
    const int bands = cells_->columnCount();
    // The bands as the format names them after the tops ("de 972 a 1169
    // puntos"), without the unit the title gives.
    QStringList headers;
    for (int b = 0; b < bands; ++b) {
        const ScaleItem* cell = edits_.draft().item(cellPath(0, b));
        QString band = cell ? qtext(cell->columnCaption) : QString::number(b + 1);
        if (band.endsWith(QStringLiteral(" puntos")))
            band.chop(7);
        if (!band.isEmpty())
            band[0] = band[0].toUpper();
        // "De 972\na 1169": narrow columns leave the table whole on the page.
        band.replace(QStringLiteral(" a "), QStringLiteral("\na "));
        headers << band;
    }
    cells_->setHorizontalHeaderLabels(headers);
    for (int r = 0; r < cells_->rowCount(); ++r)
        for (int b = 0; b < bands; ++b) {
            const std::string path = cellPath(r, b);
            QTableWidgetItem* cell = cells_->item(r, b);
            const QString refusal = edits_.refusal(path);
            if (refusal.isEmpty())
                cell->setText(edits_.shown(path));
            mark(cell, refusal);
        }
}

void ScaleAmountTable::mark(QTableWidgetItem* cell, const QString& refusal)
{
    const std::string path = cellPath(cell->row(), cell->column());
    cell->setBackground(refusal.isEmpty() ? QBrush() : QBrush(QColor(0xff, 0xd6, 0xdc)));
    cell->setToolTip(refusal.isEmpty() ? QStringLiteral("Julio de 2010: %1").arg(edits_.referenceShown(path))
                                       : refusal);
}

void ScaleAmountTable::onChanged(QTableWidgetItem* cell)
{
    if (filling_)
        return;
    const QScopedValueRollback quiet(filling_, true);
    const QString refusal = edits_.enter(cellPath(cell->row(), cell->column()), cell->text());
    mark(cell, refusal);
    message_->setText(refusal);
    message_->setVisible(!refusal.isEmpty());
    emit edited();
}

} // namespace haberes

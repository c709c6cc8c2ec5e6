#include "entry/scale_positions_page.h"

#include "entry/qt_text.h"
#include "entry/scale_edits.h"
#include "scale/scale_format.h"

#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QScopedValueRollback>
#include <QTableWidget>
#include <QVBoxLayout>

namespace haberes {

namespace {

// The short captions of the position dialog, in two lines: the format's
// long ones would not leave the names room. Those are the tool tips.
QString columnHeader(std::string_view key)
{
    const std::pair<std::string_view, const char*> headers[] = {
        {"codigocargo", "Código"},           {"cargox", "Cargo"},
        {"puntosbasicos", "Puntos\nbásicos"}, {"proljornada", "Prol. de\njornada"},
        {"jorcompleta", "Jorn.\ncompleta"},  {"tareadif", "Tarea\ndiferenc."},
        {"compbasico", "Comp\nbásico"},
    };
    for (const auto& [name, header] : headers)
        if (key == name)
            return QString::fromUtf8(header);
    return qtext(key);
}
constexpr int kNameColumn = 1;

// "Pedagógico" and "PEDAGOGICO" alike: lower case, marks dropped.
QString folded(const QString& text)
{
    QString out;
    for (QChar ch : text.normalized(QString::NormalizationForm_D))
        if (ch.category() != QChar::Mark_NonSpacing)
            out.append(ch.toLower());
    return out;
}

} // namespace

ScalePositionsPage::ScalePositionsPage(ScaleEdits& edits, bool editable, QWidget* parent)
    : QWidget(parent), edits_(edits)
{
    search_ = new QLineEdit(this);
    search_->setObjectName(QStringLiteral("buscarcargo"));
    search_->setPlaceholderText(QStringLiteral("Código o parte del nombre"));
    search_->setClearButtonEnabled(true);
    auto* searchCaption = new QLabel(QStringLiteral("&Buscar cargo:"), this);
    searchCaption->setObjectName(QStringLiteral("lblbuscarcargo"));
    searchCaption->setBuddy(search_);
    search_->setAccessibleName(QStringLiteral("Buscar cargo"));
    count_ = new QLabel(this);
    count_->setObjectName(QStringLiteral("cantidadcargos"));

    const auto fields = positionFields();
    const int rows = static_cast<int>(edits.draft().positionCount());
    table_ = new QTableWidget(rows, static_cast<int>(fields.size()), this);
    table_->setObjectName(QStringLiteral("cargos"));
    table_->setAccessibleName(QStringLiteral("Cargos"));
    for (int c = 0; c < table_->columnCount(); ++c) {
        const PositionField& f = fields[static_cast<std::size_t>(c)];
        auto* header = new QTableWidgetItem(columnHeader(f.key));
        header->setToolTip(qtext(f.caption));
        table_->setHorizontalHeaderItem(c, header);
    }
    table_->verticalHeader()->hide();
    table_->setSelectionBehavior(QAbstractItemView::SelectRows);
    table_->setAlternatingRowColors(true);
    if (!editable)
        table_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    {
        const QScopedValueRollback quiet(filling_, true);
        for (int r = 0; r < rows; ++r)
            for (int c = 0; c < table_->columnCount(); ++c) {
                auto* cell = new QTableWidgetItem;
                if (c != kNameColumn)
                    cell->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
                table_->setItem(r, c, cell);
            }
    }
    refresh();
    QHeaderView* header = table_->horizontalHeader();
    header->setSectionResizeMode(QHeaderView::ResizeToContents);
    header->setSectionResizeMode(kNameColumn, QHeaderView::Stretch);
    // A long name takes two lines where the names' column is narrow: the
    // rows follow its width.
    connect(header, &QHeaderView::sectionResized, this, [this](int column) {
        if (column == kNameColumn)
            table_->resizeRowsToContents();
    });

    message_ = new QLabel(this);
    message_->setObjectName(QStringLiteral("msjcargos"));
    message_->setWordWrap(true);
    message_->setStyleSheet(QStringLiteral("color: #b00020;"));
    message_->hide();

    auto* searchRow = new QHBoxLayout;
    searchRow->addWidget(searchCaption);
    searchRow->addWidget(search_, 1);
    searchRow->addWidget(count_);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(searchRow);
    layout->addWidget(table_, 1);
    layout->addWidget(message_);

    filter(QString());
    connect(search_, &QLineEdit::textChanged, this, &ScalePositionsPage::filter);
    connect(table_, &QTableWidget::itemChanged, this, &ScalePositionsPage::onChanged);
}

void ScalePositionsPage::filter(const QString& text)
{
    const QString wanted = folded(text.trimmed());
    const int rows = table_->rowCount();
    int shown = 0;
    for (int r = 0; r < rows; ++r) {
        const bool match = wanted.isEmpty() || table_->item(r, 0)->text().startsWith(wanted) ||
                           folded(table_->item(r, kNameColumn)->text()).contains(wanted);
        table_->setRowHidden(r, !match);
        shown += match ? 1 : 0;
    }
    count_->setText(shown == rows ? QStringLiteral("%1 cargos").arg(rows)
                                  : QStringLiteral("%1 de %2 cargos").arg(shown).arg(rows));
}

void ScalePositionsPage::goTo(const std::string& path)
{
    const auto open = path.find('['), close = path.find("].");
    if (open == std::string::npos || close == std::string::npos)
        return;
    const int row = std::stoi(path.substr(open + 1, close - open - 1));
    const std::string key = path.substr(close + 2);
    const auto fields = positionFields();
    for (std::size_t c = 0; c < fields.size(); ++c)
        if (fields[c].key == key && row < table_->rowCount()) {
            // A search that hides the row gives way.
            if (table_->isRowHidden(row))
                search_->clear();
            table_->setCurrentCell(row, static_cast<int>(c));
            table_->setFocus();
        }
}

void ScalePositionsPage::refresh()
{
    const QScopedValueRollback quiet(filling_, true);
    const auto fields = positionFields();
    for (int r = 0; r < table_->rowCount(); ++r)
        for (int c = 0; c < table_->columnCount(); ++c) {
            const auto row = static_cast<std::size_t>(r);
            const std::string_view key = fields[static_cast<std::size_t>(c)].key;
            QTableWidgetItem* cell = table_->item(r, c);
            const QString refusal = edits_.positionRefusal(row, key);
            if (refusal.isEmpty())
                cell->setText(qtext(edits_.draft().positionText(row, key)));
            mark(cell, refusal);
        }
}

void ScalePositionsPage::mark(QTableWidgetItem* cell, const QString& refusal)
{
    cell->setBackground(refusal.isEmpty() ? QBrush() : QBrush(QColor(0xff, 0xd6, 0xdc)));
    cell->setToolTip(refusal);
}

void ScalePositionsPage::onChanged(QTableWidgetItem* cell)
{
    if (filling_)
        return;
    const QScopedValueRollback quiet(filling_, true);
    const std::string_view key = positionFields()[static_cast<std::size_t>(cell->column())].key;
    const QString refusal = edits_.enterPosition(static_cast<std::size_t>(cell->row()), key, cell->text());
    mark(cell, refusal);
    message_->setText(refusal);
    message_->setVisible(!refusal.isEmpty());
    emit edited();
}

} // namespace haberes

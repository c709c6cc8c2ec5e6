#pragma once
// One table of line 006 for positions (tabla_a or tabla_b): a row per
// seniority option, a column per band of basic points headed by its top,
// each cell an amount of the scale in the making; the July 2010 amount is
// the cell's tool tip.
#include <QWidget>

#include <string>

class QLabel;
class QTableWidget;
class QTableWidgetItem;

namespace haberes {

class ScaleEdits;

class ScaleAmountTable : public QWidget {
    Q_OBJECT
public:
    // table: the file key of the table ("adicional_006_cargo.tabla_a").
    ScaleAmountTable(ScaleEdits& edits, const std::string& table, const QString& title, bool editable,
                     QWidget* parent = nullptr);

    QTableWidget* cells() const { return cells_; }
    // The draft's values again, and the band tops in the headers.
    void refresh();

signals:
    void edited();

private:
    std::string cellPath(int row, int column) const;
    void onChanged(QTableWidgetItem* cell);
    void mark(QTableWidgetItem* cell, const QString& refusal);

    ScaleEdits& edits_;
    std::string table_;
    QTableWidget* cells_ = nullptr;
    QLabel* message_ = nullptr;
    bool filling_ = false;
};

} // namespace haberes

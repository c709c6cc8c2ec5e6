#pragma once
// The positions of the scale window: the table of the seven texts of every
// position, and a search box that keeps the rows whose code starts with
// what is typed or whose name holds it (case and accents aside).
#include <QWidget>

#include <string>

class QLabel;
class QLineEdit;
class QTableWidget;
class QTableWidgetItem;

namespace haberes {

class ScaleEdits;

class ScalePositionsPage : public QWidget {
    Q_OBJECT
public:
    ScalePositionsPage(ScaleEdits& edits, bool editable, QWidget* parent = nullptr);

    QLineEdit* search() const { return search_; }
    QTableWidget* table() const { return table_; }
    // Shows only the rows that match text ("" shows all).
    void filter(const QString& text);
    // The draft's texts again.
    void refresh();
    // Shows and chooses the cell of a position's path ("cargos[12].cargox").
    void goTo(const std::string& path);

signals:
    void edited();

private:
    void onChanged(QTableWidgetItem* cell);
    void mark(QTableWidgetItem* cell, const QString& refusal);

    ScaleEdits& edits_;
    QLineEdit* search_ = nullptr;
    QLabel* count_ = nullptr;
    QTableWidget* table_ = nullptr;
    QLabel* message_ = nullptr;
    bool filling_ = false;
};

} // namespace haberes

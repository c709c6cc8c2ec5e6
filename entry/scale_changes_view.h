#pragma once
// "Cambios" of the scale window (cambiosescala): every value that differs
// from the scale the new one started from, before and after, to check them
// against the published table. Non-modal; kept up to date while open.
#include <QDialog>

class QLabel;
class QTableWidget;

namespace haberes {

class ScaleEdits;

class ScaleChangesView : public QDialog {
    Q_OBJECT
public:
    ScaleChangesView(const ScaleEdits& edits, const QString& startName, QWidget* parent = nullptr);

    QTableWidget* table() const { return table_; }
    void refresh();

private:
    const ScaleEdits& edits_;
    QString startName_;
    QLabel* summary_ = nullptr;
    QTableWidget* table_ = nullptr;
};

} // namespace haberes

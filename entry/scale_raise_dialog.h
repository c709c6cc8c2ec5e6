#pragma once
// "Aumentar…" of the scale window (aumentarescala): a percentage and the
// groups of values it raises. Points and percentages are never raised.
// Window-modal, opened without waiting; "Aumentar" asks the owner to raise
// and closes only when the raise was taken.
#include <QDialog>

#include <functional>
#include <set>
#include <utility>
#include <vector>

class QCheckBox;
class QLabel;
class QLineEdit;
class QPushButton;

namespace haberes {

enum class RaiseGroup;

class ScaleRaiseDialog : public QDialog {
    Q_OBJECT
public:
    // raise: does it, returning "" or why not (shown in the dialog).
    using Raise = std::function<QString(double percent, const std::set<RaiseGroup>& groups)>;
    ScaleRaiseDialog(QString decimalSeparator, Raise raise, QWidget* parent = nullptr);

private:
    void apply();
    void say(const QString& text);

    QString separator_;
    Raise raise_;
    QLineEdit* percent_ = nullptr;
    std::vector<std::pair<QCheckBox*, RaiseGroup>> groups_;
    QLabel* message_ = nullptr;
};

} // namespace haberes

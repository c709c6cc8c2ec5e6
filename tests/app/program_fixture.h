#pragma once
// The whole program under test: the entry window driven as a user drives
// it, the payslip window read back by the names of its cells.
#include "app/program.h"
#include "engine/payslip.h"
#include "tests/entry/widget_helpers.h"

#include <QStringList>
#include <memory>

class QPushButton;

namespace haberes {
class EntryWindow;
class PayslipWindow;
class PositionDialog;
} // namespace haberes

namespace haberes::test {

class ProgramTest : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;

    EntryWindow* entry() const;
    PositionDialog* dialog() const;
    PayslipWindow* payslipWindow() const;

    QAbstractButton* button(const char* name) const;
    QLineEdit* box(const char* name) const;
    QPushButton* payslipButton(const char* name) const;

    // "Cargo", then the code typed into the dialog, then "Listo".
    void choosePosition(const QString& code);
    void calcular();

    // The text of a cell of the payslip window, e.g. cell("cod", 3); and
    // whether it is on view.
    QString cell(const char* name, int index) const;
    bool cellShown(const char* name, int index) const;
    QString payslipText(const char* name) const;
    // Every cell's text and visibility, to tell whether anything changed.
    QStringList payslipSnapshot() const;

    // Fails unless the payslip window shows exactly this payslip.
    void expectShows(const Payslip& payslip) const;

    std::unique_ptr<Program> program;
    // What the user was told about refused boxes.
    QStringList notices;
    QWidget* noticeNear = nullptr;
};

} // namespace haberes::test

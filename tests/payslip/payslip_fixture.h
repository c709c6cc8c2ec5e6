#pragma once
// Payslips computed by the engine, and the payslip window under test with
// its controls found by name.
#include "engine/payslip.h"
#include "payslip/payslip_window.h"

#include <QString>

#include <stdexcept>

#include <gtest/gtest.h>

namespace haberes::test {

// Position 604 with seniority and four deductions: 11 rows; with its
// explanations when asked.
Payslip position604(bool explained = false);
// Every concept a position can have: 25 rows, line 1010 (no quantity) on
// row 16. Without the spouse, row 16 is line 440 with a quantity.
Payslip fullPosition(bool spouse = true);
// 24 hours of secondary level, same extras as position604: 10 rows.
Payslip hoursPayslip();

class PayslipWindowTest : public testing::Test {
protected:
    template <class T = QWidget>
    T* control(const QString& name) const
    {
        T* w = window.findChild<T*>(name);
        if (!w)
            throw std::runtime_error("no control " + name.toStdString());
        return w;
    }
    template <class T = QWidget>
    T* control(const char* name, int index) const
    {
        return control<T>(QStringLiteral("%1_%2").arg(QLatin1String(name)).arg(index));
    }

    PayslipWindow window;
};

} // namespace haberes::test

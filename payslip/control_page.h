#pragma once
// The page "Control del recibo": one page to take to the school or the
// union with the teacher, the month and the scale, every line whose paid
// amount differs from the due one (code, concept, due, paid, difference and
// how the due amount is formed), the totals and the net difference.
#include "engine/payslip_control.h"

#include <QPageSize>
#include <QString>

#include <string>

class QIODevice;

namespace haberes {

struct ControlPageHeading {
    QString docente;
    QString mes;
    QString escala;
    std::string decimalSeparator;
};

// The page as a one-page PDF of size, titled title; its text is set smaller
// as far as needed for everything to fit. False when nothing could be
// written.
bool writeControlPage(QIODevice& out, const PayslipControl& control, const ControlPageHeading& heading,
                      const QString& title, const QPageSize& size);

} // namespace haberes

#pragma once
// The file name suggested for a payslip saved as PDF.
#include <QDate>
#include <QString>

namespace haberes {

// "Recibo-Ana-Perez-2025-03-14.pdf": the teacher's name without accents or
// punctuation, words joined by "-", and the date; "Recibo-2025-03-14.pdf"
// when no name is left. Only ASCII letters, digits, "-" and "." remain, so
// the name is safe on any file system. Another page about the payslip
// gives its own first word ("Control-del-recibo").
QString pdfFileName(const QString& teacher, QDate date, const QString& first = QStringLiteral("Recibo"));

} // namespace haberes

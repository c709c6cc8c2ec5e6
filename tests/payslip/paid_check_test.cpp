// "Comparar con lo cobrado…": the amounts of the paper payslip typed line
// by line against the payslip on view, the one-cent margin, codes paid but
// not computed, the totals, refused amounts, what is kept from one payslip
// to the next, and the page "Control del recibo".
#include "print_fixture.h"

#include "payslip/paid_check_window.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QDate>
#include <QTest>

namespace haberes::test {
namespace {

class PaidCheck : public PrintingTest {
protected:
    PaidCheckWindow& check() const { return *window.paidCheck(); }

    template <class T = QWidget>
    T* item(const QString& name) const
    {
        T* w = check().findChild<T*>(name);
        if (!w)
            throw std::runtime_error("no control " + name.toStdString());
        return w;
    }
    QString text(const QString& label) const { return item<QLabel>(label)->text(); }
    // Types into a box as the user does: the old text selected and replaced.
    void type(const QString& box, const QString& text)
    {
        QLineEdit* edit = item<QLineEdit>(box);
        edit->selectAll();
        QTest::keyClick(edit, Qt::Key_Delete);
        QTest::keyClicks(edit, text);
    }
};

// Position 604 explained: earnings 001 $2814,7262, 010 $ 1688,8357, 006 $ 199,
// 014 $ 13,93, 084 $ 165, 113 $ 100, 188 $ 315,2493 (total $ 5296,7412);
// deductions 505 $ 150,9522, 502 $ 805,0786, 504 $ 30,1904, 332 $ 103,9348
// (total $ 1090,156); net $ 4206,5852.
const char* const kEarnings[][2] = {{"001", "2814,7262"}, {"010", "1688,8357"}, {"006", "199"}, {"014", "13,93"},
                                    {"084", "165"},       {"113", "100"},       {"188", "315,2493"}};
const char* const kDeductions[][2] = {
    {"505", "150,9522"}, {"502", "805,0786"}, {"504", "30,1904"}, {"332", "103,9348"}};

TEST_F(PaidCheck, OpensFromThePayslipWindowWithEveryLineAndNothingTyped)
{
    window.showPayslip(position604(true));
    EXPECT_FALSE(check().isVisible());
    QTest::mouseClick(control<QPushButton>("compararCobrado"), Qt::LeftButton);
    ASSERT_TRUE(check().isVisible());
    EXPECT_EQ(check().windowTitle(), "Comparar con lo cobrado");

    for (const auto& [code, due] : kEarnings)
        EXPECT_EQ(text(QStringLiteral("debido_%1").arg(code)), QStringLiteral("$ %1").arg(due)) << code;
    EXPECT_EQ(text("concepto_188"), "Plus Productividad");
    EXPECT_EQ(text("debido_haberes"), "$ 5296,7412");
    EXPECT_EQ(text("debido_descuentos"), "$ 1090,156");
    EXPECT_EQ(text("debido_liquido"), "$ 4206,5852");
    // Nothing typed: nothing compared, nothing marked, nothing to keep.
    for (const char* name : {"diferencia_001", "marca_001", "diferencia_liquido", "marca_liquido", "marca_haberes"})
        EXPECT_EQ(text(name), "") << name;
    EXPECT_EQ(text("cobrado_haberes"), "—");
    EXPECT_FALSE(item<QLabel>("explicacion_001")->isVisible());
    EXPECT_TRUE(check().paidTexts().empty());
    EXPECT_EQ(text("avisoControl"), "Todavía no escribiste nada en «Cobrado».");

    // The comparison goes with the payslip window.
    QTest::mouseClick(control<QPushButton>("Volver"), Qt::LeftButton);
    EXPECT_FALSE(check().isVisible());
}

TEST_F(PaidCheck, ACentEitherWayIsNotADifferenceAndMoreIsMarkedWithItsExplanation)
{
    window.showPayslip(position604(true));
    check().show();
    struct Row { const char* paid; const char* difference; const char* mark; };
    const Row rows[] = {
        {"2814,7262", "$ 0", "Coincide"},     {"2814,7362", "+$ 0,01", "Coincide"},
        {"2814,7162", "-$ 0,01", "Coincide"}, {"2814,7363", "+$ 0,0101", "Difiere"},
        {"2814,7161", "-$ 0,0101", "Difiere"}, {"2800", "-$ 14,7262", "Difiere"},
    };
    for (const Row& row : rows) {
        type("cobrado_001", row.paid);
        EXPECT_EQ(text("diferencia_001"), row.difference) << row.paid;
        EXPECT_EQ(text("marca_001"), row.mark) << row.paid;
        const bool differs = QString(row.mark) == "Difiere";
        EXPECT_EQ(item<QLabel>("explicacion_001")->isVisible(), differs) << row.paid;
        EXPECT_EQ(text("avisoControl"), differs ? "Una línea difiere en más de un centavo."
                                                : "Ninguna línea difiere en más de un centavo.");
    }
    EXPECT_EQ(text("explicacion_001"), "Cómo se forma lo debido: 3146 puntos × $ 0,8947 = $ 2814,7262");
    // The mark is a word in bold, not a colour alone.
    EXPECT_TRUE(item<QLabel>("marca_001")->font().bold());
    EXPECT_EQ(check().paidTexts(), (PaidTexts{{"001", "2800"}}));
}

TEST_F(PaidCheck, ACodePaidButNotComputedIsAddedAndDueNothing)
{
    window.showPayslip(position604(true));
    check().show();
    QTest::mouseClick(item<QPushButton>("agregarCodigo"), Qt::LeftButton);
    // Only digits go into a code.
    type("codigoAgregado_1", "1a003");
    EXPECT_EQ(item<QLineEdit>("codigoAgregado_1")->text(), "1003");
    type("cobradoAgregado_1", "40,5");
    EXPECT_EQ(text("debidoAgregado_1"), "—");
    EXPECT_EQ(text("diferenciaAgregado_1"), "+$ 40,5");
    EXPECT_EQ(text("marcaAgregado_1"), "Difiere");
    EXPECT_EQ(text("explicacionAgregado_1"),
              "Cómo se forma lo debido: El recibo calculado con tus datos no tiene la línea 1003: no se debe nada "
              "por ella.");
    EXPECT_TRUE(item<QLabel>("notaCodigosAgregados")->isVisible());
    EXPECT_EQ(check().paidTexts(), (PaidTexts{{"1003", "40,5"}}));

    // A code that has its row already is refused, not counted twice.
    QTest::mouseClick(item<QPushButton>("agregarCodigo"), Qt::LeftButton);
    type("codigoAgregado_2", "001");
    type("cobradoAgregado_2", "5");
    EXPECT_EQ(text("marcaAgregado_2"), "Revisá");
    EXPECT_EQ(text("avisoControl"), "La línea 001 ya está en la lista: escribí lo cobrado en ella una sola vez");
    QTest::mouseClick(item<QPushButton>("quitarAgregado_2"), Qt::LeftButton);
    EXPECT_EQ(check().findChild<QLineEdit*>("codigoAgregado_2"), nullptr);
    EXPECT_EQ(check().paidTexts(), (PaidTexts{{"1003", "40,5"}}));
}

TEST_F(PaidCheck, ColumnTotalsOnceEveryLineIsTypedAndTheNetAsTyped)
{
    window.showPayslip(position604(true));
    check().show();
    for (const auto& [code, paid] : kEarnings) {
        EXPECT_EQ(text("cobrado_haberes"), "—") << "before " << code;
        type(QStringLiteral("cobrado_%1").arg(code), paid);
    }
    EXPECT_EQ(text("cobrado_haberes"), "$ 5296,7412");
    EXPECT_EQ(text("diferencia_haberes"), "$ 0");
    EXPECT_EQ(text("marca_haberes"), "Coincide");
    EXPECT_EQ(text("cobrado_descuentos"), "—");

    // 332 two cents high: the line and the deductions total differ.
    for (const auto& [code, paid] : kDeductions)
        type(QStringLiteral("cobrado_%1").arg(code), paid);
    type("cobrado_332", "103,9548");
    EXPECT_EQ(text("cobrado_descuentos"), "$ 1090,176");
    EXPECT_EQ(text("diferencia_descuentos"), "+$ 0,02");
    EXPECT_EQ(text("marca_descuentos"), "Difiere");
    EXPECT_TRUE(item<QLabel>("explicacion_descuentos")->isVisible());

    type("cobrado_liquido", "4206,5652");
    EXPECT_EQ(text("diferencia_liquido"), "-$ 0,02");
    EXPECT_EQ(text("marca_liquido"), "Difiere");
    EXPECT_EQ(text("avisoControl"), "Una línea difiere en más de un centavo.");
    EXPECT_EQ(check().paidTexts().back(), (std::pair<std::string, std::string>{"liquido", "4206,5652"}));
}

TEST_F(PaidCheck, ABadAmountIsRefusedWithTheSharedMessageAndTheRestStillCompared)
{
    window.showPayslip(position604(true));
    check().show();
    type("cobrado_001", "12.5");
    type("cobrado_010", "1700");
    EXPECT_EQ(text("marca_001"), "Revisá");
    EXPECT_EQ(text("diferencia_001"), "");
    EXPECT_EQ(text("avisoControl"), "Lo cobrado en la línea 001 tiene un punto: usá la coma decimal: 12,5");
    EXPECT_EQ(item<QLineEdit>("cobrado_001")->toolTip(), text("avisoControl"));
    EXPECT_EQ(text("diferencia_010"), "+$ 11,1643");

    // No page while a box is refused: the box is shown, and why.
    pdfPath = dir.filePath("control.pdf");
    QTest::mouseClick(item<QPushButton>("guardarPdfControl"), Qt::LeftButton);
    EXPECT_TRUE(suggested.isEmpty());
    EXPECT_EQ(notices, QStringList{"Lo cobrado en la línea 001 tiene un punto: usá la coma decimal: 12,5"});
    EXPECT_EQ(item<QLineEdit>("cobrado_001")->selectedText(), "12.5");

    type("cobrado_liquido", "mil");
    type("cobrado_001", "");
    EXPECT_EQ(text("avisoControl"),
              "Lo cobrado como líquido no es un número: escribí solo cifras y la coma decimal, por ejemplo 1234,56");
    // Kept as typed, to be mended later.
    EXPECT_EQ(check().paidTexts(), (PaidTexts{{"010", "1700"}, {"liquido", "mil"}}));
}

TEST_F(PaidCheck, WhatWasTypedStaysFromOnePayslipToTheNext)
{
    // With a spouse the payslip has line 1010; without, it does not.
    window.showPayslip(fullPosition(true));
    type("cobrado_1010", "15");
    type("cobrado_001", "2814");
    window.showPayslip(fullPosition(false));
    EXPECT_EQ(check().findChild<QLineEdit*>("cobrado_1010"), nullptr);
    EXPECT_EQ(item<QLineEdit>("codigoAgregado_1")->text(), "1010");
    EXPECT_EQ(item<QLineEdit>("cobradoAgregado_1")->text(), "15");
    EXPECT_EQ(text("diferenciaAgregado_1"), "+$ 15");
    EXPECT_EQ(item<QLineEdit>("cobrado_001")->text(), "2814");
    window.showPayslip(fullPosition(true));
    EXPECT_EQ(item<QLineEdit>("cobrado_1010")->text(), "15");
    EXPECT_EQ(text("diferencia_1010"), "$ 0");
    EXPECT_EQ(check().findChild<QLineEdit*>("codigoAgregado_1"), nullptr);

    // Saved entries opened replace everything typed.
    check().setPaidTexts({{"002", "1"}, {"9", "2"}});
    EXPECT_EQ(item<QLineEdit>("cobrado_1010")->text(), "");
    EXPECT_EQ(item<QLineEdit>("cobrado_002")->text(), "1");
    EXPECT_EQ(item<QLineEdit>("codigoAgregado_1")->text(), "9");
    EXPECT_EQ(check().paidTexts(), (PaidTexts{{"002", "1"}, {"9", "2"}}));
}

TEST_F(PaidCheck, ThePageHasTheDifferingLinesTheTotalsAndTheNetDifference)
{
    window.showPayslip(position604(true));
    type("cobrado_001", "2814,73"); // within a cent: not on the page
    type("cobrado_188", "300");
    type("cobrado_332", "110");
    QTest::mouseClick(item<QPushButton>("agregarCodigo"), Qt::LeftButton);
    type("codigoAgregado_1", "1003");
    type("cobradoAgregado_1", "40,5");
    type("cobrado_liquido", "4200");
    type("mesRecibo", "marzo de 2025");

    pdfPath = dir.filePath("control.pdf");
    QTest::mouseClick(item<QPushButton>("guardarPdfControl"), Qt::LeftButton);
    ASSERT_EQ(suggested.size(), 1);
    EXPECT_TRUE(suggested[0].endsWith(QStringLiteral("/Control-del-recibo-Ana-Perez-%1.pdf")
                                          .arg(QDate::currentDate().toString(Qt::ISODate))))
        << suggested[0].toStdString();
    EXPECT_EQ(notices, QStringList{"El control del recibo se guardó en " + pdfPath + "."});
    const std::optional<PdfInfo> info = pdfInfo(pdfPath);
    ASSERT_TRUE(info);
    EXPECT_EQ(info->pages, 1);
    EXPECT_EQ(info->pointSize, QSize(595, 842)); // A4
    // Ligatures ("ﬁ") read back as their letters.
    const QString page = pdfText(pdfPath).value_or(QString()).normalized(QString::NormalizationForm_KC).simplified();
    for (const char* expected :
         {"Control del recibo", "Docente: Ana Pérez", "Mes: marzo de 2025", "Escala:",
          "188 Plus Productividad $ 315,2493 $ 300 -$ 15,2493",
          "Cómo se forma lo debido: 7 % de $ 4503,5619 (cargo, jornada, tarea diferenciada, antigüedad y zona) = "
          "$ 315,2493",
          "332 ZUTEL $ 103,9348 $ 110 +$ 6,0652", "1003 (no figura en el cálculo) — $ 40,5 +$ 40,5",
          "Total haberes $ 5296,7412 — —", "Total descuentos $ 1090,156 — —",
          "Líquido a pagar $ 4206,5852 $ 4200 -$ 6,5852",
          "Diferencia neta (líquido cobrado menos líquido debido): -$ 6,5852"})
        EXPECT_TRUE(page.contains(QString::fromUtf8(expected))) << expected << "\n" << page.toStdString();
    for (const char* absent : {"Asign. de la categoría", "Antigüedad", "Coincide", "Comparar"})
        EXPECT_FALSE(page.contains(QString::fromUtf8(absent))) << absent;

    // "Imprimir": the same page, one job on the default printer.
    installed = {"oficina", {"oficina"}};
    QTest::mouseClick(item<QPushButton>("imprimirControl"), Qt::LeftButton);
    EXPECT_EQ(jobs, QStringList{"oficina"});
    const QString printed = writeFile(dir.filePath("trabajo.pdf"), jobPdf);
    EXPECT_TRUE(pdfText(printed).value_or(QString()).simplified().contains("332 ZUTEL $ 103,9348 $ 110 +$ 6,0652"));
}

TEST_F(PaidCheck, APrinterThatRefusesThePageOffersItAsAPdf)
{
    window.showPayslip(position604(true));
    installed = {"oficina", {"oficina"}};
    report = {JobReport::Outcome::refused, 0, "sin papel"};
    answer = false;
    QTest::mouseClick(item<QPushButton>("imprimirControl"), Qt::LeftButton);
    EXPECT_EQ(questions,
              QStringList{"La impresora «oficina» no aceptó el control del recibo: sin papel.\n"
                          "¿Querés guardarlo como PDF?"});
    // The payslip window keeps its colours: only its own paper changes them.
    EXPECT_EQ(windowColour(), QColor(0, 128, 0));
}

} // namespace
} // namespace haberes::test

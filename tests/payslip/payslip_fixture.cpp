#include "payslip_fixture.h"

#include "engine/calculate.h"

namespace haberes::test {

namespace {

PayEntries common()
{
    PayEntries e;
    e.docente = "Ana Pérez";
    selectSeniority(e, 7);
    e.Iosper = e.APORTEJUB = e.Ley4035 = e.ZUTEL = 1;
    return e;
}

PayEntries position(const char* code, const char* name, const char* points)
{
    PayEntries e = common();
    e.cargo = true;
    e.codigocargo = code;
    e.cargox = name;
    e.puntosbasicos = e.punbas = points;
    e.jorcom = e.proljor = e.tardif = e.compbas = "0";
    return e;
}

Payslip computed(const PayEntries& entries, int expectedRows)
{
    NumberFormat format;
    format.decimalSeparator = ",";
    CalcResult result = calculate(entries, format);
    if (!result.ok())
        throw std::runtime_error("refused: " + result.refusal.message);
    Payslip payslip = *result.payslip;
    payslip.date = "14/03/2025 10:32";
    if (payslip.fila() != expectedRows)
        throw std::runtime_error("payslip of " + std::to_string(payslip.fila()) + " rows");
    return payslip;
}

} // namespace

Payslip position604()
{
    return computed(position("604", "Asesor Pedagógico", "3146"), 11);
}

Payslip fullPosition(bool spouse)
{
    PayEntries e = position("682", "Preceptor Ayudante Intern. 1era Cat. Con P. De Jorn. (Pasó A 684)", "3146");
    e.jorcom = "500";
    e.proljor = "400";
    e.tardif = "300";
    e.compbas = "200";
    e.zona = 2;
    e.dinasist = "2";
    e.transporte = 1;
    e.cantkm = "120";
    e.hijos = e.hijosdisc = 1;
    e.cantidadhijos = "3";
    e.cantidadhijosdisc = "1";
    e.conyuge = spouse ? 1 : 0;
    e.Osplad = e.cajacomp = e.Seguro3011 = 1;
    e.numhorascod06 = "4";
    e.numhorasincen = "3";
    e.numhorascod113 = "2";
    return computed(e, spouse ? 25 : 24);
}

Payslip hoursPayslip()
{
    PayEntries e = common();
    e.horasmedio = true;
    e.numerohorasmed = "24";
    return computed(e, 10);
}

} // namespace haberes::test

#pragma once
// Entries and look-ups shared by the engine tests.
#include "engine/calculate.h"
#include "engine/position_entries.h"

#include <gtest/gtest.h>

#include <string>

namespace haberes::test {

inline const NumberFormat kComma{","};
inline const NumberFormat kPoint{"."};

// A position chosen in the dialog by its code.
inline PayEntries position(const std::string& code)
{
    PayEntries e;
    e.cargo = true;
    EXPECT_TRUE(builtinScale().cargos.find(code)) << code;
    choosePositionByCode(e, code);
    return e;
}

// A position typed into the dialog's boxes: basic, full-day, extended-day,
// differentiated-work and complement points.
inline PayEntries points(const std::string& basic, const std::string& fullDay = "0",
                         const std::string& extended = "0", const std::string& differentiated = "0",
                         const std::string& complement = "0")
{
    PayEntries e;
    e.cargo = true;
    e.codigocargo = "000";
    e.puntosbasicos = e.punbas = basic;
    e.jorcom = fullDay;
    e.proljor = extended;
    e.tardif = differentiated;
    e.compbas = complement;
    return e;
}

inline PayEntries secondaryHours(const std::string& hours)
{
    PayEntries e;
    e.horasmedio = true;
    e.numerohorasmed = hours;
    return e;
}

inline PayEntries tertiaryHours(const std::string& hours)
{
    PayEntries e;
    e.horassup = true;
    e.numerohorassup = hours;
    return e;
}

inline Payslip payslipOf(const PayEntries& e, const NumberFormat& f = kComma)
{
    CalcResult r = calculate(e, f);
    EXPECT_TRUE(r.ok()) << r.refusal.message;
    return r.ok() ? *r.payslip : Payslip{};
}

// The first line with the code (and concept, when given), or null.
inline const PayslipLine* line(const Payslip& p, std::string_view code, std::string_view concepto = {})
{
    for (int i = 0; i < p.fila(); ++i) {
        const PayslipLine& l = p.lines[static_cast<std::size_t>(i)];
        if (l.code == code && (concepto.empty() || l.concepto == concepto))
            return &l;
    }
    return nullptr;
}

inline Currency amountOf(const Payslip& p, std::string_view code)
{
    const PayslipLine* l = line(p, code);
    return l ? l->amount : Currency();
}

inline Currency money(const char* text) { return *toCurrency(text, ".", 1000000000000); }

inline std::string codes(const Payslip& p)
{
    std::string s;
    for (int i = 0; i < p.fila(); ++i) {
        if (i)
            s += ' ';
        s += p.lines[static_cast<std::size_t>(i)].code;
    }
    return s;
}

} // namespace haberes::test

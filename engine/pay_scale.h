#pragma once
// A pay scale: every value the groups of concepts price with (point values,
// rates, caps, bracket tables, fixed amounts) and the table of positions.
// The concepts themselves (codes, order, conditions, rounding) are code; a
// scale only moves their figures. The July 2010 scale is built in.
#include "engine/currency.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace haberes {

// ---- The table of positions.

// One row, seven texts, exactly as the position dialog lists them.
struct PositionRecord {
    std::string codigocargo;   // three digits, 600 to 999, unique
    std::string cargox;        // name; not unique
    std::string puntosbasicos; // basic points
    std::string proljornada;   // extended-day points
    std::string jorcompleta;   // full-day points
    std::string tareadif;      // differentiated-work points
    std::string compbasico;    // basic-complement points

    bool operator==(const PositionRecord&) const = default;
};

// The rows in the order the dialog lists them, with a look-up by code.
class PositionTable {
public:
    static constexpr int kFirstCode = 600;
    static constexpr int kLastCode = 999;

    PositionTable() { rowOfCode_.fill(-1); }
    // Rows whose code is not three digits from 600 to 999 are kept but cannot
    // be found by code; of two rows with one code the first is found.
    explicit PositionTable(std::vector<PositionRecord> rows);

    const std::vector<PositionRecord>& rows() const { return rows_; }
    std::size_t size() const { return rows_.size(); }
    const PositionRecord& operator[](std::size_t row) const { return rows_[row]; }
    auto begin() const { return rows_.begin(); }
    auto end() const { return rows_.end(); }

    // The row whose code is the whole text, or none.
    std::optional<std::size_t> find(std::string_view code) const;

    bool operator==(const PositionTable& o) const { return rows_ == o.rows_; }

private:
    std::vector<PositionRecord> rows_;
    std::array<std::int16_t, kLastCode - kFirstCode + 1> rowOfCode_{};
};

// The code as a number when it is three digits from 600 to 999.
std::optional<int> positionCodeNumber(std::string_view code);

// ---- The figures of the groups of concepts.

// Line 001 and the hour-driven lines 006, 084 and 113 at one level of hours.
struct HoursRates {
    double puntosPorHora = 0;     // points of one teaching hour
    double valorHora006 = 0;      // 006 per code-06 hour
    int horasTope006 = 0;         // from these hours 006 is the fixed maximum, shown as quantity
    Currency tope006;             // that fixed maximum
    double valorHora084 = 0;      // 084 per incentive hour
    Currency tope084;             // 084 amount from which the maximum applies, and the maximum
    int horasMostradas084 = 0;    // quantity shown from these incentive hours on
    double valorHora113 = 0;      // 113 per code-113 hour
    Currency tope113;             // as tope084, for 113
    int horasMostradas113 = 0;    // quantity shown from these code-113 hours on

    bool operator==(const HoursRates&) const = default;
};

inline constexpr std::size_t kSeniorityRows = 12; // Option1 to Option12
inline constexpr std::size_t kZoneCount = 5;      // items of the zone list
inline constexpr std::size_t kBandsA = 6;         // bands of basic points, table A
inline constexpr std::size_t kBandsB = 2;         // table B

// A percentage deduction: the rate and the fixed text of its quantity column.
struct DeductionRate {
    double tasa = 0;
    std::string cantidad; // "3 %", "0,6 %": shown as written, whatever the locale

    bool operator==(const DeductionRate&) const = default;
};

struct PayScale {
    std::string nombre;       // "Desde Julio de 2.010", shown in the entry window
    std::string tituloRecibo; // "Haberes desde Julio 2.010", shown in the payslip window
    int vigenciaAnio = 0;     // the month it takes effect
    int vigenciaMes = 0;

    // Positions: points priced.
    double valorPunto = 0;        // basic, complement and differentiated-work points; hours' points
    double valorPuntoJornada = 0; // full-day and extended-day points

    // Hours.
    HoursRates horasMedio;
    HoursRates horasSuperior;

    // Seniority and zone percentages.
    std::array<std::uint8_t, kSeniorityRows> antiguedad{}; // porantig of Option1 to Option12
    std::array<std::uint8_t, kZoneCount> zona{};           // porzona of the zone list's items

    // Line 006 for a position: table A under jornadaCompleta006 full-day
    // points, table B from there on; rows are the seniority options, columns
    // the bands of basic points whose upper ends are the band tops.
    int jornadaCompleta006 = 0;
    std::array<int, kBandsA - 1> topesBandaA{};
    std::array<std::array<Currency, kBandsA>, kSeniorityRows> tablaA{};
    std::array<int, kBandsB - 1> topesBandaB{};
    std::array<std::array<Currency, kBandsB>, kSeniorityRows> tablaB{};

    // Line 014.
    double parteProduct = 0;         // share of 006
    std::string cantidadProduct;     // number shown, written with a point ("0.7")

    // Lines 084 and 113 for a position.
    int jornadaCompletaNacion = 0;   // full-day points from which the higher amounts apply
    Currency incentivoCargo;         // 084 below that
    Currency incentivoCargoJornada;  // 084 from there on
    Currency negroCargo;             // 113 below that
    Currency negroCargoJornada;      // 113 from there on

    // Line 188 and the share withheld for 1, 2 and 3 days of absence (line 440).
    double partePlus = 0;
    std::string cantidadPlus; // "7.0", shown as written
    std::array<double, 3> partesReajuste{};

    // Line 172.
    Currency minimo;
    int puntosMinimoDesde = 0; // applies to basic points above this
    int puntosMinimoHasta = 0; // and below this
    double tasaAportesMinimo = 0;
    double factorZonaMinimo = 0;

    // Line 029.
    double tasaPruebaKm = 0;
    double topePruebaKm = 0;
    double tasaKm = 0;
    Currency topeKm;

    // Lines 1001, 1002, 1003, 1010. Child rates are whole pesos.
    std::array<Currency, 2> topesHijo{}; // bracket earnings up to which the first, second rate applies
    std::array<int, 3> montosHijo{};
    int montoHijoDiferenciado = 0;
    int hijosFamiliaNumerosa = 0; // children from which 1003 is paid
    Currency familiaNumerosa;
    Currency conyuge;

    // Deductions, in payslip order: 505, 508, 502, 504, 332, 512, 510.
    DeductionRate iosper, osplad, jubilacion, ley4035, zutel, cajaComp, seguro;

    PositionTable cargos;

    bool operator==(const PayScale&) const = default;
};

// The July 2010 scale, compiled in.
const PayScale& builtinScale();

} // namespace haberes

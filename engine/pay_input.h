#pragma once
// The pay input record: what the controls of the entry window and of the
// position dialog hold when "Calcular" is pressed (PayEntries, texts as
// typed), and the same values converted to numbers (PayInput).
#include "engine/currency.h"
#include "engine/numbers.h"
#include "engine/pay_scale.h"

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace haberes {

// ---- The seniority options and zone list, as the entry window offers them;
// their percentages belong to the pay scale.
inline constexpr std::array<std::string_view, kSeniorityRows> kSeniorityCaptions{
    "Menos de 1 año",     "Entre 1 y 2 años",   "Entre 2 y 5 años",   "Entre 5 y 7 años",
    "Entre 7 y 10 años",  "Entre 10 y 12 años", "Entre 12 y 15 años", "Entre 15 y 17 años",
    "Entre 17 y 20 años", "Entre 20 y 22 años", "Entre 22 y 24 años", "Más de 24 años",
};
inline constexpr std::array<std::string_view, kZoneCount> kZoneItems{
    "Común", "Alejada radio urbano", "Desfavorable", "Muy desfavorable", "Zona Inhóspita"};

// ---- What the controls hold: check boxes 0/1, options true/false, the zone
// list's entry (-1 for none) and every box's text as typed. Defaults are the
// controls' contents when the entry window opens.
struct PayEntries {
    std::string docente;
    bool cargo = false;
    bool horasmedio = false;
    bool horassup = false;
    // Position dialog: chosen row's code, name and listed basic points, and
    // the five value boxes.
    std::string codigocargo;
    std::string cargox;
    std::string puntosbasicos;
    std::string punbas;
    std::string jorcom;
    std::string proljor;
    std::string tardif;
    std::string compbas;
    // Hours boxes.
    std::string numerohorasmed = "0";
    std::string numerohorassup = "0";
    std::string numhorascod06 = "0";
    std::string numhorasincen = "0";
    std::string numhorascod113 = "0";
    // Seniority: Option[0] is Option1 ... Option[11] is Option12.
    std::array<bool, 12> Option{};
    std::uint8_t porantig = 0;
    std::string porcantig = "0 %";
    int zona = -1;
    int opincentivo = 1;
    std::string dinasist = "0";
    int transporte = 0;
    std::string cantkm = "0";
    int hijos = 0;
    std::string cantidadhijos = "0";
    int hijosdisc = 0;
    std::string cantidadhijosdisc = "0";
    int conyuge = 0;
    int Iosper = 0;
    int Osplad = 0;
    int APORTEJUB = 0;
    int Ley4035 = 0;
    int ZUTEL = 0;
    int cajacomp = 0;
    int Seguro3011 = 0;

    friend bool operator==(const PayEntries&, const PayEntries&) = default;
};

// Selecting seniority option n (1 to 12; 0 selects none) as the entry
// window's options do: sets Option, and porantig and the text of porcantig
// from the scale's percentage of that option.
void selectSeniority(PayEntries& entries, int option, const PayScale& scale = builtinScale());

// ---- Fields whose text goes through a number conversion, in the order of
// the record. A refused calculation names the first one that fails (by its
// record key, record/record_keys.h).
enum class Field {
    punbas, jorcom, proljor, tardif, compbas,
    numerohorasmed, numerohorassup, numhorascod06, numhorasincen, numhorascod113,
    dinasist, cantkm, cantidadhijos, cantidadhijosdisc,
};
// The text the field's box holds.
const std::string& fieldText(const PayEntries& entries, Field field);

// Why a calculation did not start.
struct Refusal {
    std::optional<Field> field; // none when no pay basis was chosen
    std::string message;
};

// Largest magnitude accepted for the hours, points and days that are priced;
// with the largest figures a scale file may hold, it keeps every amount of a
// payslip far inside the money range.
inline constexpr std::int64_t kMaxTypedMagnitude = 1'000'000;

// ---- The converted record. Texts that the payslip shows as typed are read
// from the entries the record was built from.
struct PayInput {
    const PayEntries* entries = nullptr;
    std::string decimalSeparator;
    bool cargo = false;
    bool horasmedio = false;
    bool horassup = false;
    std::int16_t punbas = 0;
    std::int16_t jorcom = 0;
    std::int16_t proljor = 0;
    Currency tardif;
    double compbas = 0;
    double numerohorasmed = 0;
    double numerohorassup = 0;
    double numhorascod06 = 0;
    double numhorasincen = 0;
    double numhorascod113 = 0;
    double dinasist = 0;
    std::int16_t cantkm = 0;
    std::uint8_t cantidadhijos = 0;
    std::uint8_t cantidadhijosdisc = 0;
};

struct ReadResult {
    PayInput input;
    // The first field, in record order, whose text does not convert.
    std::optional<Field> failed;
};

// Converts the fields that the chosen pay basis and check boxes make the
// calculation read; the others are neither read nor converted.
ReadResult readPayInput(const PayEntries& entries, const NumberFormat& format);

} // namespace haberes

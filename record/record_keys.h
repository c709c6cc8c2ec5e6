#pragma once
// The keys of the pay input record as JSON (haberes-cli's input lines, the
// saved entries files): one row each, in the record's order. Reading a
// record, writing one and naming a refused field all go through this table.
#include "engine/pay_input.h"
#include "engine/payslip_control.h"

#include <optional>
#include <span>
#include <string>
#include <string_view>

namespace haberes::record {

// A record as a line or a file holds it: what the controls hold, and the
// payslip's comment, which is kept but not computed with.
struct PayRecord {
    PayEntries entries;
    std::string comentario;
    // What the paper payslip says was paid, by line code, as typed; absent
    // unless given (an empty object is given).
    std::optional<PaidTexts> cobrado;
    // The name of the scale the entries were made under; absent unless given.
    std::optional<std::string> escala;

    friend bool operator==(const PayRecord&, const PayRecord&) = default;
};

// The JSON value a key takes and what it sets.
enum class KeyKind {
    text,      // a string: a box's text as typed
    code,      // a string: the position code, which chooses its row first
    option,    // true or false: one of the pay-basis options
    flag,      // 0 or 1: a check box
    seniority, // 0 to 12: the seniority option selected, 0 for none
    zone,      // -1 to 4: the zone list's entry, -1 for none
    paid,      // an object of texts: amounts by line code, or "liquido"
    scale,     // a string: the name of the scale the entries were made under
};

// When a written record holds the key.
enum class Written {
    always,
    unlessEmpty,    // the code: absent when no row was chosen
    unlessFromCode, // a dialog box: only where it differs from what the code's row puts there
    never,          // the listed basic points: the code brings them
    unlessAbsent,   // the paid amounts and the scale's name: only when given
};

struct RecordKey {
    std::string_view name;
    KeyKind kind;
    Written written = Written::always;
    // Where the value goes: one of these, as the kind says.
    std::string PayEntries::*box = nullptr; // text, code
    std::string PayRecord::*own = nullptr;  // text kept beside the entries
    bool PayEntries::*option = nullptr;
    int PayEntries::*flag = nullptr;
    // The converted field the box feeds, named when a calculation refuses it.
    std::optional<Field> field = std::nullopt;
};

// Every key, in the record's order.
std::span<const RecordKey> recordKeys();
// The row of a key; null for a key the record does not have.
const RecordKey* findRecordKey(std::string_view name);
// The key of a converted field, and of a box.
std::string_view recordKey(Field field);
std::string_view recordKey(std::string PayEntries::*box);

// The text a text or code key holds.
std::string& keyText(PayRecord& record, const RecordKey& key);
const std::string& keyText(const PayRecord& record, const RecordKey& key);

} // namespace haberes::record

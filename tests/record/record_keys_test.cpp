// The table of record keys: every converted field and every box has its
// key once, and a key is found only as written.
#include "record/record_keys.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <set>
#include <vector>

using namespace haberes;
using namespace haberes::record;

TEST(RecordKeys, EveryFieldHasItsKeyOnce)
{
    std::vector<int> times(14);
    for (const RecordKey& k : recordKeys())
        if (k.field)
            ++times.at(static_cast<std::size_t>(*k.field));
    EXPECT_EQ(times, std::vector<int>(14, 1));
    EXPECT_EQ(recordKey(Field::punbas), "punbas");
    EXPECT_EQ(recordKey(Field::numhorasincen), "numhorasincen");
    EXPECT_EQ(recordKey(Field::cantidadhijosdisc), "cantidadhijosdisc");
    EXPECT_EQ(recordKey(&PayEntries::puntosbasicos), "puntosbasicos");
    EXPECT_EQ(recordKey(&PayEntries::codigocargo), "codigocargo");
}

TEST(RecordKeys, NamesAndPlacesAreUniqueAndEachKindHasItsPlace)
{
    std::set<std::string_view> names;
    std::vector<std::string PayEntries::*> boxes; // member pointers have no order
    for (const RecordKey& k : recordKeys()) {
        EXPECT_TRUE(names.insert(k.name).second) << k.name;
        switch (k.kind) {
        case KeyKind::text:
        case KeyKind::code:
            EXPECT_TRUE((k.box != nullptr) != (k.own != nullptr)) << k.name;
            if (k.box) {
                EXPECT_EQ(std::count(boxes.begin(), boxes.end(), k.box), 0) << k.name;
                boxes.push_back(k.box);
            }
            break;
        case KeyKind::option: EXPECT_NE(k.option, nullptr) << k.name; break;
        case KeyKind::flag: EXPECT_NE(k.flag, nullptr) << k.name; break;
        case KeyKind::seniority:
        case KeyKind::zone:
        case KeyKind::paid:
        case KeyKind::scale: break;
        }
    }
    EXPECT_EQ(names.size(), 38u);
    EXPECT_EQ(boxes.size(), 18u); // every box of the two windows that holds a text
}

TEST(RecordKeys, FoundOnlyAsWritten)
{
    for (const RecordKey& k : recordKeys())
        EXPECT_EQ(findRecordKey(k.name), &k) << k.name;
    for (const char* other : {"", "Cargo", "cargo ", "IOSPER", "numhorasince", "numhorasincenn", "comentarios", "a"})
        EXPECT_EQ(findRecordKey(other), nullptr) << other;
}

TEST(RecordKeys, TextsGoIntoTheEntriesOrBesideThem)
{
    PayRecord r;
    keyText(r, *findRecordKey("numhorasincen")) = "20";
    keyText(r, *findRecordKey("comentario")) = "nota";
    EXPECT_EQ(r.entries.numhorasincen, "20");
    EXPECT_EQ(r.comentario, "nota");
}

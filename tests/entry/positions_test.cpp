// The built-in table of positions: its shape, so that a transcription slip
// cannot pass, and the look-up by code.
#include "engine/pay_scale.h"

#include <gtest/gtest.h>

#include <map>
#include <set>
#include <string>

using namespace haberes;

namespace {

const PositionTable& kPositions = builtinScale().cargos;

int number(std::string_view text)
{
    int v = 0;
    for (char c : text) {
        EXPECT_TRUE(c >= '0' && c <= '9') << text;
        v = v * 10 + (c - '0');
    }
    return v;
}

// Characters, not bytes: names are UTF-8 here.
std::size_t characters(std::string_view s)
{
    std::size_t n = 0;
    for (unsigned char c : s)
        n += (c & 0xC0) != 0x80;
    return n;
}

} // namespace

TEST(Positions, CodesAreUniqueThreeDigitNumbersFrom600To999)
{
    std::set<std::string_view> seen;
    for (const PositionRecord& p : kPositions) {
        ASSERT_EQ(p.codigocargo.size(), 3u) << p.codigocargo;
        const int code = number(p.codigocargo);
        EXPECT_GE(code, 600);
        EXPECT_LE(code, 999);
        EXPECT_TRUE(seen.insert(p.codigocargo).second) << "duplicate " << p.codigocargo;
    }
    EXPECT_EQ(seen.size(), 311u);
}

TEST(Positions, PointColumnsHaveTheirRangesAndCounts)
{
    int prolonged = 0, fullDay = 0, differentiated = 0, complement = 0;
    const std::set<int> fullDayValues{155, 620, 657, 659, 663, 669, 839};
    const std::set<int> differentiatedValues{17, 20, 150};
    long long basicSum = 0;
    for (const PositionRecord& p : kPositions) {
        const int basic = number(p.puntosbasicos);
        basicSum += basic;
        EXPECT_GE(basic, 574) << p.codigocargo;
        EXPECT_LE(basic, 3429) << p.codigocargo;
        if (int v = number(p.proljornada)) {
            ++prolonged;
            EXPECT_GE(v, 42);
            EXPECT_LE(v, 830);
        }
        if (int v = number(p.jorcompleta)) {
            ++fullDay;
            EXPECT_TRUE(fullDayValues.count(v)) << p.codigocargo;
        }
        if (int v = number(p.tareadif)) {
            ++differentiated;
            EXPECT_TRUE(differentiatedValues.count(v)) << p.codigocargo;
        }
        if (int v = number(p.compbasico)) {
            ++complement;
            EXPECT_GE(v, 7);
            EXPECT_LE(v, 779);
        }
        // No position has both full-day and extended-day points.
        EXPECT_FALSE(number(p.proljornada) && number(p.jorcompleta)) << p.codigocargo;
    }
    EXPECT_EQ(prolonged, 34);
    EXPECT_EQ(fullDay, 35);
    EXPECT_EQ(differentiated, 51);
    EXPECT_EQ(complement, 270);
}

TEST(Positions, NamesRepeatOnlyWhereTheScaleRepeatsThem)
{
    std::map<std::string_view, int> count;
    for (const PositionRecord& p : kPositions) {
        EXPECT_GE(characters(p.cargox), 1u);
        EXPECT_LE(characters(p.cargox), 65u) << p.cargox;
        ++count[p.cargox];
    }
    int twice = 0;
    for (auto [name, n] : count) {
        if (name == "Bibliotecario")
            EXPECT_EQ(n, 4);
        else if (n > 1) {
            EXPECT_EQ(n, 2) << name;
            ++twice;
        }
    }
    EXPECT_EQ(twice, 11);
}

TEST(Positions, NamesKeepTheirSpacesAndSigns)
{
    EXPECT_EQ(kPositions[19].cargox, "CAPACITADORES CENTROS LABORALES   Mecl");
    EXPECT_EQ(kPositions[295].cargox, "Vicedirector Dpto. Aplicación De 2da Categoría ");
    EXPECT_NE(kPositions[91].cargox.find("§"), std::string_view::npos);
    EXPECT_NE(kPositions[92].cargox.find("§"), std::string_view::npos);
    // Listed order, not alphabetical.
    EXPECT_EQ(kPositions[41].cargox, "Director De 1° C.E.F.");
    EXPECT_EQ(kPositions[42].cargox, "Director De 1era A/C De 2 Turnos Con P. De Jorn");
}

TEST(Positions, LookupMatchesTheWholeCodeOnly)
{
    EXPECT_EQ(kPositions.find("604"), 3u);
    EXPECT_EQ(kPositions[3].cargox, "Asesor Pedagógico");
    EXPECT_EQ(kPositions[3].puntosbasicos, "3146");
    EXPECT_EQ(kPositions.find("999"), 0u);
    for (const char* miss : {"60", "6040", "000", "", " 604", "604 ", "123"})
        EXPECT_FALSE(kPositions.find(miss)) << miss;
    EXPECT_EQ(kPositions[7].codigocargo, "928"); // the second "Asistente Social"
    EXPECT_EQ(kPositions[14].codigocargo, "750");
    EXPECT_EQ(kPositions[16].puntosbasicos, "1480");
    EXPECT_EQ(kPositions[310].cargox, "Visitador");
}

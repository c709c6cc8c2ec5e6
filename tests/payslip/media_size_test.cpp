// The paper a printer names: the size written in the name, portrait, and
// nothing from a name without one.
#include "payslip/cups_queue.h"

#include <QSize>

#include <gtest/gtest.h>

namespace haberes::test {
namespace {

QSize points(const QString& name)
{
    const std::optional<QPageSize> size = mediaSize(name);
    return size ? size->sizePoints() : QSize();
}

TEST(MediaSize, TheSizeInTheNameInPoints)
{
    EXPECT_EQ(points("iso_a4_210x297mm"), QSize(595, 842));
    EXPECT_EQ(mediaSize("iso_a4_210x297mm")->id(), QPageSize::A4);
    EXPECT_EQ(points("na_letter_8.5x11in"), QSize(612, 792));
    EXPECT_EQ(mediaSize("na_letter_8.5x11in")->id(), QPageSize::Letter);
    EXPECT_EQ(points("na_legal_8.5x14in"), QSize(612, 1008));
    EXPECT_EQ(points("iso_a5_148x210mm"), QSize(420, 595));
    // What comes after the size does not change it.
    EXPECT_EQ(points("na_letter_8.5x11in_borderless"), QSize(612, 792));
    // Names with digits, dots and dashes; sizes not of any standard.
    EXPECT_EQ(points("oe_photo-l_3.5x5in"), QSize(252, 360));
    EXPECT_EQ(points("custom_recibo_100x200mm"), QSize(283, 567));
    // Written long side first: still portrait.
    EXPECT_EQ(points("iso_a4_297x210mm"), QSize(595, 842));
}

TEST(MediaSize, NoSizeWithoutOneInTheName)
{
    for (const char* name : {"", "none", "A4", "Letter", "iso_a4", "iso_a4_210x297", "iso_a4_210x297cm",
                             "iso_a4_0x297mm", "iso_a4_210x0mm", "iso_a4_x297mm", "iso_a4_210x297mmx", "210x297mm",
                             "ISO_A4_210x297mm"})
        EXPECT_FALSE(mediaSize(name)) << name;
}

TEST(MediaSize, UsualPageIsA4)
{
    EXPECT_EQ(usualPageSize().id(), QPageSize::A4);
    EXPECT_EQ(usualPageSize().sizePoints(), QSize(595, 842));
}

} // namespace
} // namespace haberes::test

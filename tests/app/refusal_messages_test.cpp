// A refused box in the windows: the same words as haberes-cli, in the
// user's locale, and the box focused so that the user can type at once.
#include "tests/app/program_fixture.h"

#include "entry/entry_window.h"

#include <QLocale>

namespace haberes::test {

namespace {

struct Case {
    const char* kind;
    QLocale::Country country; // Argentina: decimal comma; United States: decimal point
    const char* typed;
    const char* message;
};

const QString kBox = QStringLiteral("\"Número de horas N. Medio\" ");

} // namespace

class RefusedBox : public ProgramTest, public testing::WithParamInterface<Case> {};

TEST_P(RefusedBox, SaysWhatIsWrongAndWhatToType)
{
    const Case c = GetParam();
    const QLocale::Language language = c.country == QLocale::Argentina ? QLocale::Spanish : QLocale::English;
    QLocale::setDefault(QLocale(language, c.country));
    click(button("horasmedio"));
    type(box("numerohorasmed"), QString::fromUtf8(c.typed));
    calcular();

    ASSERT_EQ(notices.size(), 1);
    EXPECT_EQ(notices.first(), kBox + QString::fromUtf8(c.message));
    EXPECT_EQ(noticeNear, entry());
    EXPECT_EQ(entry()->focusWidget(), box("numerohorasmed"));
    EXPECT_EQ(payslipWindow(), nullptr);
}

INSTANTIATE_TEST_SUITE_P(
    BothLocales, RefusedBox,
    testing::Values(Case{"Empty", QLocale::Argentina, "", "está vacío: escribí un número, por ejemplo 0"},
                    Case{"OtherMark", QLocale::Argentina, "2.5", "tiene un punto: usá la coma decimal: 2,5"},
                    Case{"Letters", QLocale::Argentina, "abc",
                         "no es un número: escribí solo cifras y la coma decimal, por ejemplo 12,5"},
                    Case{"OutOfRange", QLocale::Argentina, "1000000,5", "es demasiado grande: como máximo 1000000 horas"},
                    Case{"Empty", QLocale::UnitedStates, "", "está vacío: escribí un número, por ejemplo 0"},
                    Case{"OtherMark", QLocale::UnitedStates, "2,5", "tiene una coma: usá el punto decimal: 2.5"},
                    Case{"Letters", QLocale::UnitedStates, "abc",
                         "no es un número: escribí solo cifras y el punto decimal, por ejemplo 12.5"},
                    Case{"OutOfRange", QLocale::UnitedStates, "1000000.5", "es demasiado grande: como máximo 1000000 horas"}),
    [](const testing::TestParamInfo<Case>& info) {
        return std::string(info.param.country == QLocale::Argentina ? "es_AR_" : "en_US_") + info.param.kind;
    });

} // namespace haberes::test

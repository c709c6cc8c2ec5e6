// Hostile texts typed into every box, then "Calcular": each is refused with
// its message or computed exactly as the engine computes it; the boxes keep
// what was typed, a refused calculation leaves the previous payslip as it
// was, and the program keeps working.
#include "tests/app/program_fixture.h"

#include "common/locale_format.h"
#include "engine/calculate.h"
#include "entry/entries_from_windows.h"
#include "entry/entry_window.h"
#include "entry/position_dialog.h"
#include "payslip/payslip_window.h"

#include <QCheckBox>
#include <QLabel>

using namespace haberes;
using namespace haberes::test;

namespace {

const QStringList& hostileTexts()
{
    static const QStringList texts{
        QString(),
        QStringLiteral("abc"),
        QStringLiteral("99999999999999999999"),
        QStringLiteral("2.5"),
        QStringLiteral("2,5"),
        QStringLiteral("-3"),
        QStringLiteral("-0,5"),
        QString(300, QLatin1Char('9')),
        QStringLiteral("1\t2"),
        QString::fromUtf8("\x01\x02"),
        QStringLiteral("1e3"),
        QStringLiteral(" 7 "),
        QString::fromUtf8("٣"),
        QStringLiteral("32768"),
        QStringLiteral("256"),
    };
    return texts;
}

struct Box {
    const char* name;
    const char* enabler; // check box or option that makes the box read
    bool inDialog;
};

const Box kBoxes[] = {
    {"numerohorasmed", "horasmedio", false}, {"numerohorassup", "horassup", false},
    {"numhorascod06", "horasmedio", false},  {"numhorasincen", "horassup", false},
    {"numhorascod113", "horasmedio", false}, {"dinasist", "inasist", false},
    {"cantkm", "transporte", false},         {"cantidadhijos", "hijos", false},
    {"cantidadhijosdisc", "hijosdisc", false}, {"proljor", "cargo", true},
    {"jorcom", "cargo", true},               {"tardif", "cargo", true},
    {"compbas", "cargo", true},
};

class HostileInput : public ProgramTest {
protected:
    // A first payslip to compare against after each refusal.
    void firstPayslip()
    {
        type(box("docente"), QStringLiteral("Gómez, Inés"));
        choosePosition(QStringLiteral("822"));
        calcular();
        ASSERT_NE(payslipWindow(), nullptr);
        ASSERT_TRUE(payslipWindow()->isVisible());
    }

    QLineEdit* boxOf(const Box& b) const
    {
        return b.inDialog ? control<QLineEdit>(dialog(), b.name) : box(b.name);
    }

    // Selects the pay basis or ticks the box that makes `b` read.
    void enable(const Box& b)
    {
        if (b.inDialog) {
            choosePosition(QStringLiteral("822"));
            return;
        }
        QAbstractButton* e = button(b.enabler);
        if (qobject_cast<QCheckBox*>(e)) {
            if (!e->isChecked())
                click(e);
            if (!button("horasmedio")->isChecked() && !button("horassup")->isChecked() && !button("cargo")->isChecked())
                choosePosition(QStringLiteral("822"));
        } else if (!e->isChecked()) {
            click(e);
        }
    }
};

TEST_F(HostileInput, EveryBoxRefusesOrComputesExactly)
{
    QLocale::setDefault(QLocale(QStringLiteral("es_AR")));
    firstPayslip();
    int refused = 0, computed = 0;
    for (const Box& b : kBoxes) {
        enable(b);
        for (const QString& text : hostileTexts()) {
            SCOPED_TRACE(std::string(b.name) + " <- \"" + text.toStdString() + "\"");
            QLineEdit* target = boxOf(b);
            ASSERT_NE(target, nullptr);
            target->setText(text); // as pasted: control characters included
            const QStringList before = payslipSnapshot();
            const PayEntries entries = entriesFromWindows(*entry());
            const CalcResult expected = calculate(entries, numberFormat(QLocale()));
            notices.clear();
            calcular();
            EXPECT_EQ(target->text(), text) << "the box keeps what was typed";
            if (expected.ok()) {
                ++computed;
                Payslip p = *expected.payslip;
                expectShows(p);
            } else {
                ++refused;
                ASSERT_TRUE(expected.refusal.field);
                EXPECT_EQ(payslipSnapshot(), before) << "a refusal changes nothing";
                ASSERT_EQ(notices.size(), 1);
                EXPECT_EQ(notices.front().toStdString(), expected.refusal.message);
            }
            target->setText(QStringLiteral("0"));
        }
    }
    EXPECT_GT(refused, 50);
    EXPECT_GT(computed, 20);

    // Still working: a plain calculation after all of it.
    type(box("cantidadhijos"), QStringLiteral("2"));
    calcular();
    const CalcResult last = calculate(entriesFromWindows(*entry()), numberFormat(QLocale()));
    ASSERT_TRUE(last.ok());
    expectShows(*last.payslip);
}

TEST_F(HostileInput, LongAndStrangeNamesReachThePayslip)
{
    QLocale::setDefault(QLocale(QStringLiteral("es_AR")));
    const QString names[] = {QString(300, QLatin1Char('x')), QString::fromUtf8("Ñandú \"el\" <b>Pérez</b>\t&amp;"),
                             QString()};
    click(button("horassup"));
    for (const QString& name : names) {
        box("docente")->setText(name);
        calcular();
        auto* label = control<QLabel>(payslipWindow(), "docente");
        // The whole name is on the payslip, or in the tooltip where the box
        // is too narrow; markup is never interpreted.
        EXPECT_TRUE(label->text() == name || label->toolTip() == name) << name.toStdString();
        EXPECT_EQ(label->textFormat(), Qt::PlainText);
        EXPECT_EQ(box("docente")->text(), name);
    }
}

} // namespace

#include "tests/app/program_fixture.h"

#include "entry/entry_window.h"
#include "entry/position_dialog.h"
#include "entry/qt_text.h"
#include "payslip/payslip_window.h"

#include <QLabel>
#include <QLocale>
#include <QPushButton>

namespace haberes::test {

void ProgramTest::SetUp()
{
    QLocale::setDefault(QLocale(QLocale::Spanish, QLocale::Argentina));
    program = std::make_unique<Program>();
    program->setFieldNotice([this](QWidget* near, const QString& message) {
        notices << message;
        noticeNear = near;
    });
    program->start();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(entry()));
}

void ProgramTest::TearDown()
{
    program.reset();
}

EntryWindow* ProgramTest::entry() const { return program->entryWindow(); }
PositionDialog* ProgramTest::dialog() const { return entry()->positionDialog(); }
PayslipWindow* ProgramTest::payslipWindow() const { return program->payslipWindow(); }

QAbstractButton* ProgramTest::button(const char* name) const { return control<QAbstractButton>(entry(), name); }
QLineEdit* ProgramTest::box(const char* name) const { return control<QLineEdit>(entry(), name); }

QPushButton* ProgramTest::payslipButton(const char* name) const
{
    return payslipWindow() ? control<QPushButton>(payslipWindow(), name) : nullptr;
}

void ProgramTest::choosePosition(const QString& code)
{
    click(button("cargo"));
    ASSERT_NE(dialog(), nullptr);
    auto* codcargo = control<QLineEdit>(dialog(), "codcargo");
    QTest::mouseClick(codcargo, Qt::LeftButton);
    typeKeys(codcargo, code);
    click(control<QPushButton>(dialog(), "Command1"));
}

void ProgramTest::calcular() { click(button("Command1")); }

QString ProgramTest::cell(const char* name, int index) const
{
    const QString full = QStringLiteral("%1_%2").arg(QLatin1String(name)).arg(index);
    auto* label = payslipWindow()->findChild<QLabel*>(full);
    EXPECT_NE(label, nullptr) << full.toStdString();
    return label ? label->text() : QString();
}

bool ProgramTest::cellShown(const char* name, int index) const
{
    const QString full = QStringLiteral("%1_%2").arg(QLatin1String(name)).arg(index);
    return shown(payslipWindow()->findChild<QWidget*>(full));
}

QString ProgramTest::payslipText(const char* name) const
{
    QWidget* w = control<QWidget>(payslipWindow(), name);
    if (auto* l = qobject_cast<QLabel*>(w))
        return l->text();
    if (auto* b = qobject_cast<QLineEdit*>(w))
        return b->text();
    return QString();
}

QStringList ProgramTest::payslipSnapshot() const
{
    QStringList out;
    for (QLabel* l : payslipWindow()->findChildren<QLabel*>())
        out << l->objectName() + '=' + l->text() + (shown(l) ? "+" : "-");
    for (QLineEdit* b : payslipWindow()->findChildren<QLineEdit*>())
        out << b->objectName() + '=' + b->text() + (shown(b) ? "+" : "-");
    out << QStringLiteral("window") + (payslipWindow()->isVisible() ? "+" : "-");
    return out;
}

void ProgramTest::expectShows(const Payslip& p) const
{
    ASSERT_NE(payslipWindow(), nullptr);
    EXPECT_TRUE(payslipWindow()->isVisible());
    for (int r = 0; r < Payslip::kRows; ++r) {
        SCOPED_TRACE("row " + std::to_string(r));
        if (r >= p.fila()) {
            for (const char* name : {"cod", "Label19", "Label10", "Line8"})
                EXPECT_FALSE(cellShown(name, r)) << name;
            EXPECT_FALSE(cellShown("Label1", r));
            EXPECT_FALSE(cellShown("Label1", r + 27));
            continue;
        }
        const PayslipLine& line = p.lines[static_cast<std::size_t>(r)];
        EXPECT_TRUE(cellShown("cod", r));
        EXPECT_EQ(cell("cod", r), qtext(line.code));
        EXPECT_TRUE(cellShown("Label19", r));
        EXPECT_EQ(cell("Label19", r), qtext(line.concepto));
        EXPECT_EQ(cellShown("Label10", r), line.quantity.has_value());
        if (line.quantity) {
            EXPECT_EQ(cell("Label10", r), qtext(*line.quantity));
        }
        const int shownAt = line.column == Column::earnings ? r : r + 27;
        const int hiddenAt = line.column == Column::earnings ? r + 27 : r;
        EXPECT_TRUE(cellShown("Label1", shownAt));
        EXPECT_EQ(cell("Label1", shownAt), qtext(line.text));
        EXPECT_FALSE(cellShown("Label1", hiddenAt));
    }
    EXPECT_EQ(payslipText("thaberes"), qtext(p.thaberes));
    EXPECT_EQ(payslipText("tdescuentos"), qtext(p.tdescuentos));
    EXPECT_EQ(payslipText("liquido"), qtext(p.liquido));
    EXPECT_EQ(payslipText("docente"), qtext(p.docente));
    EXPECT_EQ(payslipText("numcargo"), qtext(p.header.numcargo));
    EXPECT_EQ(payslipText("punbasicos"), qtext(p.header.punbasicos));
    EXPECT_EQ(payslipText("carsel"), qtext(p.header.carsel));
}

} // namespace haberes::test

// One haberes-cli input line: JSON parsing, building the entries, the
// calculation under both kinds of locale, and the output, which must be
// valid JSON whose totals are the sums of its lines.
#include "cli/payslip_json.h"
#include "cli/record_json.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <cstdlib>

using namespace haberes;

namespace {

void check(bool ok)
{
    if (!ok)
        std::abort();
}

void checkPayslip(const Payslip& p)
{
    check(p.fila >= 1 && p.fila <= Payslip::kRows - 1);
    Currency earnings, deductions;
    bool jornada = false;
    for (int i = 0; i < p.fila; ++i) {
        const PayslipLine& l = p.lines[static_cast<std::size_t>(i)];
        check(l.row == i);
        if (l.code == "052") {
            if (jornada)
                continue;
            jornada = true;
        }
        (l.column == Column::earnings ? earnings : deductions) += l.amount;
    }
    check(p.totalhab == earnings && p.totaldesc == deductions && p.totalliq == earnings - deductions);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const QByteArray line = QByteArray::fromRawData(reinterpret_cast<const char*>(data), qsizetype(size));
    const cli::RecordParse record = cli::parseRecord(line);
    std::string out;
    if (!record.entries) {
        check(!record.error.empty());
        out = cli::malformedJson(record.key, record.error);
    } else {
        for (const char* sep : {",", "."}) {
            CalcResult r = calculate(*record.entries, NumberFormat{sep});
            if (r.ok()) {
                checkPayslip(*r.payslip);
                out = cli::payslipJson(*r.payslip);
            } else {
                check(!r.refusal.message.empty());
                out = cli::refusalJson(r.refusal);
            }
        }
    }
    QJsonParseError err;
    const QJsonDocument doc = QJsonDocument::fromJson(QByteArray::fromStdString(out), &err);
    check(err.error == QJsonParseError::NoError && doc.isObject());
    return 0;
}

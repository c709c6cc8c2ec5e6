#pragma once
// "Comparar con lo cobrado": every line of the payslip on view (code,
// concept, amount due) with a box "Cobrado" for what the teacher's paper
// payslip says, the difference, and a mark with the explanation of the due
// amount where they differ by more than a cent; rows for codes on the paper
// but not computed; the totals compared too; and the page "Control del
// recibo" printed or saved as a PDF.
//
// What was typed is kept code by code while the program runs: a new
// payslip (entries changed, another scale) is compared with the same paper
// payslip, so its codes find their amounts again, and a typed code that is
// no longer computed stays as an added row.
#include "engine/payslip_control.h"

#include "payslip/control_page.h"

#include <QHash>
#include <QList>
#include <QString>
#include <QWidget>

#include <functional>
#include <optional>
#include <vector>

class QGridLayout;
class QLabel;
class QLineEdit;
class QPageSize;
class QPushButton;

namespace haberes {

struct PaperDocument;

class PaidCheckWindow : public QWidget {
public:
    explicit PaidCheckWindow(QWidget* parent = nullptr);

    // Whose payslip it is, and under which scale.
    struct Subject {
        QString docente;
        QString escala;
        std::string decimalSeparator = ".";
    };
    // The payslip to compare with: its due side (dueOf). The typed amounts
    // stay.
    void setDue(PayslipControl due, Subject subject);

    // What was typed, as saved with the entries: the computed codes in
    // payslip order, then the added rows, then the net pay; boxes left
    // empty are not there.
    PaidTexts paidTexts() const;
    // Replaces everything typed (saved entries opened).
    void setPaidTexts(const PaidTexts& paid);

    // The comparison of what is typed, leaving out the boxes that are
    // refused; and the first refused box, with its message.
    struct Check {
        PayslipControl control;
        QLineEdit* refusedBox = nullptr;
        QString message;
    };
    const Check& check() const { return check_; }

    // The page "Control del recibo" as a PDF for a page size, and into a
    // file on A4; false when it cannot be written.
    QByteArray pagePdf(const QPageSize& size) const;
    bool writePagePdf(const QString& path) const;
    PaperDocument paper() const;
    QString documentTitle() const;
    ControlPageHeading heading() const;

    // Where the page goes, and where a refused box is told; the payslip
    // window gives its own.
    struct Hooks {
        std::function<void(const PaperDocument&)> print;
        std::function<void(const PaperDocument&)> savePdf;
        std::function<void(const QString& text)> notice;
    };
    void setHooks(Hooks hooks) { hooks_ = std::move(hooks); }

private:
    struct Added {
        QString code;
        QString amount;
    };
    // The controls of one row of the table.
    struct Row {
        QString key;               // the code, "liquido", or empty for an added row and the column totals
        int added = -1;            // index into added_, for an added row
        QLineEdit* codeBox = nullptr; // added rows
        QLineEdit* paidBox = nullptr; // not on the column totals
        QLabel* due = nullptr;
        QLabel* paid = nullptr;       // the column totals
        QLabel* difference = nullptr;
        QLabel* mark = nullptr;
        QLabel* explanation = nullptr;
    };

    void rebuild();
    void addLineRow(int gridRow, const ControlLine& line);
    void addAddedRow(int gridRow, int index);
    void addTotalRow(int gridRow, const QString& key, const QString& name);
    void refresh();
    void showRow(Row& row, const ControlLine* line, const QString& refusal);
    void addRow();
    void removeAdded(int index);
    // Every entry with the box it came from, in the order of the window.
    struct Entry {
        std::string key;
        std::string text;
        QLineEdit* box;
    };
    std::vector<Entry> entries() const;
    // False, after telling why, while a box is refused.
    bool readyForPaper();
    void printPage();
    void savePage();

    PayslipControl due_;
    Subject subject_;
    QHash<QString, QString> typed_; // by computed code, and the net pay
    QList<Added> added_;
    Check check_;
    Hooks hooks_;

    QLineEdit* mes_ = nullptr;
    QWidget* table_ = nullptr;
    QGridLayout* grid_ = nullptr;
    // The totals, always in view under the lines, in the same columns.
    QGridLayout* totalsGrid_ = nullptr;
    std::vector<Row> rows_;
    QLabel* aviso_ = nullptr;
    QLabel* nota_ = nullptr;
};

} // namespace haberes

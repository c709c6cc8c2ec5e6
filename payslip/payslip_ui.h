#pragma once
// The controls of the payslip window, named as the window names them, and
// the few operations on them that more than one file needs.
#include "payslip/payslip_window.h"

#include "engine/payslip.h"

#include <QColor>
#include <QFont>

#include <array>

class QFrame;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class QScrollBar;

namespace haberes {

struct PayslipWindow::Ui {
    // What the code box holds until a calculation gives its caption.
    static constexpr const char* kCodeCaption = "Código del cargo";

    // Builds every control, hidden rows included, in the design layout.
    explicit Ui(PayslipWindow* window);

    // The two colours that printing changes.
    void setBackgrounds(const QColor& window, const QColor& panel);

    // The window as it goes on paper: no buttons, notice, prompt or scroll
    // bar (the notice of a negative net pay stays), white, the "ZUTEL" column in the margin, the whole panel in view
    // whatever the scroll and the comment box as tall as its text. Returns
    // the part of the window (in its pixels) that goes on paper, which may
    // reach below the window.
    QRect toPaper();
    // Back to exactly what the screen showed before toPaper: colours,
    // controls, panel position and the keyboard focus.
    void toScreen();
    // The colours a window keeps once it has been printed or saved.
    void showPrintedColours();

    // The rule under the rows, the column rules and the totals, placed for a
    // payslip of `rows` rows.
    void placeTotals(int rows);

    PayslipWindow* window;
    int rows = 0; // of the payslip shown, as placeTotals last placed them
    QFont font;     // the dialog font at 9.75 pt
    QFont boldFont;

    // ---- Right of the panel: title, header of the position or hours.
    QLabel* Label3;
    QLabel* carsel;
    QLabel* Label11;
    QLineEdit* numcargo;
    QLabel* Label12;
    QLineEdit* punbasicos;
    // Position points, shown only for a position.
    QLabel* Label2;
    QLineEdit* compbas;
    QLabel* Label14;
    QLineEdit* proljor;
    QLabel* Label20;
    QLineEdit* jorcom;
    QLabel* Label21;
    QLineEdit* tardif;

    // ---- Comment, buttons, notices, date.
    QLineEdit* Text12;
    QPlainTextEdit* Text11;
    QPushButton* Volver;
    QPushButton* Imprimir;
    QPushButton* Salir;
    QPushButton* GuardarPdf; // "Guardar PDF…", the window's pdfAction
    QLineEdit* Text1;
    QLineEdit* Text10;
    std::array<QLineEdit*, 8> zutel; // Text2 .. Text9, paper only

    QScrollBar* movedor;

    // ---- The panel.
    QGroupBox* sosten;
    QLabel* Label18;
    QLabel* docente;

    // Rows, indexed by row; Label1 holds earnings at r and deductions at 27 + r.
    std::array<QLabel*, 27> cod;
    std::array<QLabel*, 27> Label10;
    std::array<QLabel*, 27> Label19;
    std::array<QLabel*, 54> Label1;
    std::array<QFrame*, 27> Line8;

    // Grid.
    QFrame* Line4; // top of the table
    QFrame* Line6; // under the rows
    std::array<QFrame*, 2> Line3; // right and left borders
    QFrame* Line7;
    QFrame* Line5;
    QFrame* Line2;
    QFrame* Line1;

    // Totals.
    QLabel* Label15;
    QLabel* Label16;
    QLabel* Label17;
    QLabel* thaberes;
    QLabel* tdescuentos;
    QLabel* liquido;
    QFrame* Line15;
    QFrame* Line16;
    QFrame* Line17;
    QLabel* avisoLiquido; // a negative net pay, under it

private:
    // What toPaper changes and toScreen puts back.
    struct ScreenState {
        QColor windowColour, panelColour;
        QRect sosten, comment;
        QWidget* focus = nullptr;
        bool netWarning = false;
    };
    ScreenState screen;

    void createSide();
    void createPanel();
    void createRows();
    void createGridAndTotals();
};

} // namespace haberes

// Qt's own texts in Spanish: the PDF question, the file dialog, the notice
// and the text boxes' menus, with the catalogues the program installs at
// start-up (Qt's, then the program's own for the file dialog's words). Set HABERES_GRAB_DIR to a folder to keep a picture of each.
#include "tests/app/program_fixture.h"

#include "common/dialog_texts.h"
#include "common/qt_spanish.h"
#include "engine/payslip.h"
#include "entry/entry_window.h"
#include "entry/error_dialog.h"
#include "payslip/payslip_window.h"
#include "payslip/pdf_dialog.h"

#include <QAbstractButton>
#include <QApplication>
#include <QDialogButtonBox>
#include <QDir>
#include <QFileDialog>
#include <QFileSystemModel>
#include <QTest>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTimer>
#include <QTranslator>

#include <functional>

namespace haberes::test {

namespace {

QString plain(QString text)
{
    return text.remove(QLatin1Char('&'));
}

QStringList buttonTexts(const QWidget* dialog)
{
    QStringList texts;
    for (const QAbstractButton* b : dialog->findChildren<QAbstractButton*>())
        if (b->isVisibleTo(dialog) && !b->text().isEmpty())
            texts << plain(b->text());
    texts.sort();
    return texts;
}

QStringList labelTexts(const QWidget* dialog)
{
    QStringList texts;
    for (const QLabel* l : dialog->findChildren<QLabel*>())
        if (l->isVisibleTo(dialog) && !l->text().isEmpty())
            texts << plain(l->text());
    return texts;
}

QStringList menuTexts(QMenu* menu)
{
    QStringList texts;
    for (const QAction* a : menu->actions())
        if (!a->isSeparator())
            texts << plain(a->text()).section(QLatin1Char('\t'), 0, 0);
    delete menu;
    return texts;
}

void keepPicture(QWidget* w, const char* name)
{
    const QString dir = qEnvironmentVariable("HABERES_GRAB_DIR");
    if (!dir.isEmpty())
        w->grab().save(QDir(dir).filePath(QLatin1String(name) + QStringLiteral(".png")));
}

// Runs then on the next modal dialog of type T, as soon as it is open:
// modal dialogs run their own event loop, so the test acts from a timer.
template <class T>
void whenModal(std::function<void(T*)> then)
{
    auto* timer = new QTimer;
    timer->setInterval(10);
    QObject::connect(timer, &QTimer::timeout, [timer, then] {
        auto* dialog = qobject_cast<T*>(QApplication::activeModalWidget());
        if (!dialog || !dialog->isVisible())
            return;
        timer->stop();
        timer->deleteLater();
        then(dialog);
    });
    timer->start();
}

} // namespace

class QtInSpanish : public ProgramTest {
protected:
    void SetUp() override
    {
        translator = installQtSpanish(*QCoreApplication::instance());
        ASSERT_NE(translator, nullptr) << kQtSpanishCatalogue << ".qm is not in " << qPrintable(qtTranslationsFolder())
                                       << ": install the package qt6-translations-l10n (script/bootstrap does)";
        ownTexts = installDialogTexts(*QCoreApplication::instance());
        ASSERT_NE(ownTexts, nullptr) << kDialogTextsResource << " is not built into the program";
        ProgramTest::SetUp();
    }
    void TearDown() override
    {
        ProgramTest::TearDown();
        for (QTranslator* t : {ownTexts, translator}) {
            if (t) {
                QCoreApplication::removeTranslator(t);
                delete t;
            }
        }
    }

    // A payslip on screen whose printing finds no printer.
    PayslipWindow* payslipWithoutPrinter()
    {
        choosePosition("604");
        calcular();
        PayslipWindow* w = payslipWindow();
        PayslipWindow::PrintHooks hooks;
        hooks.printers = [] { return Printers{}; };
        w->setPrintHooks(hooks);
        return w;
    }

    QTranslator* translator = nullptr;
    QTranslator* ownTexts = nullptr;
};

TEST_F(QtInSpanish, ThePdfQuestionAndTheFileDialog)
{
    PayslipWindow* w = payslipWithoutPrinter();
    QStringList question, questionText, dialogButtons, dialogLabels;
    QString dialogTitle;
    whenModal<QMessageBox>([&](QMessageBox* box) {
        question = buttonTexts(box);
        questionText << box->text();
        keepPicture(box, "pregunta_pdf");
        whenModal<QFileDialog>([&](QFileDialog* files) {
            dialogTitle = files->windowTitle();
            dialogButtons = buttonTexts(files->findChild<QDialogButtonBox*>());
            dialogLabels = labelTexts(files);
            keepPicture(files, "dialogo_archivo");
            files->reject();
        });
        box->button(QMessageBox::Yes)->click();
    });
    click(control<QPushButton>(w, "Imprimir"));

    EXPECT_EQ(questionText, QStringList{"No hay ninguna impresora instalada.\n¿Querés guardar el recibo como PDF?"});
    EXPECT_EQ(question, (QStringList{"No", "Sí"}));
    EXPECT_EQ(dialogTitle, "Guardar el recibo como PDF");
    EXPECT_EQ(dialogButtons, (QStringList{"Cancelar", "Guardar"}));
    // Argentine words, not Spain's.
    for (const char* label : {"Buscar en:", "Nombre de archivo:", "Archivos de tipo:"})
        EXPECT_TRUE(dialogLabels.contains(QString::fromUtf8(label))) << label << " in " << qPrintable(dialogLabels.join(" | "));
    for (const QString& label : dialogLabels)
        EXPECT_FALSE(label.contains("fichero", Qt::CaseInsensitive) || label == "Ver en:") << qPrintable(label);
}

// The file list of the dialog says a folder is a "Carpeta" in its kind
// column, and the whole dialog says "archivo".
TEST_F(QtInSpanish, TheFileListSaysCarpeta)
{
    choosePosition("604");
    calcular();
    QTemporaryDir folder;
    ASSERT_TRUE(QDir(folder.path()).mkdir("recibos"));
    QFile(folder.filePath("viejo.pdf")).open(QIODevice::WriteOnly);
    payslipWindow()->pdfAction()->trigger();
    auto* files = payslipWindow()->findChild<QFileDialog*>("dialogoGuardarPdf");
    ASSERT_NE(files, nullptr);
    files->setDirectory(folder.path());
    files->setViewMode(QFileDialog::Detail);
    auto* model = files->findChild<QFileSystemModel*>();
    ASSERT_NE(model, nullptr);
    const QModelIndex kind = model->index(folder.filePath("recibos"), 2);
    EXPECT_TRUE(QTest::qWaitFor([&] { return model->data(kind).toString() == "Carpeta"; }, 5000))
        << qPrintable(model->data(kind).toString());
    EXPECT_EQ(model->headerData(2, Qt::Horizontal).toString(), "Tipo");
    QTest::qWait(50);
    keepPicture(files, "dialogo_pdf_carpeta");
    // Every text the dialog shows, and the tooltips of its buttons.
    for (QWidget* wgt : files->findChildren<QWidget*>()) {
        QStringList texts{wgt->toolTip()};
        if (auto* l = qobject_cast<QLabel*>(wgt))
            texts << l->text();
        if (auto* b = qobject_cast<QAbstractButton*>(wgt))
            texts << b->text();
        for (const QString& t : texts)
            EXPECT_FALSE(t.contains("fichero", Qt::CaseInsensitive)) << qPrintable(t);
    }
    files->reject();
}

TEST_F(QtInSpanish, TheFileDialogAsksBeforeReplacingAFile)
{
    PayslipWindow* w = payslipWithoutPrinter();
    QTemporaryDir folder;
    const QString existing = folder.filePath("recibo.pdf");
    QFile(existing).open(QIODevice::WriteOnly);
    // The dialog opens in that folder, as after a save there.
    rememberPdfFolder(existing);
    QStringList replaceButtons;
    QString replaceText;
    whenModal<QMessageBox>([&](QMessageBox* box) {
        whenModal<QFileDialog>([&](QFileDialog* files) {
            files->setOption(QFileDialog::DontUseNativeDialog);
            // Typed as the user does: selectFile leaves the name box alone
            // once it has the focus.
            auto* name = files->findChild<QLineEdit*>(QStringLiteral("fileNameEdit"));
            ASSERT_NE(name, nullptr);
            name->setText(QStringLiteral("recibo.pdf"));
            whenModal<QMessageBox>([&](QMessageBox* replace) {
                replaceText = replace->text();
                replaceButtons = buttonTexts(replace);
                keepPicture(replace, "reemplazar");
                replace->button(QMessageBox::No)->click();
                QTimer::singleShot(0, files, &QDialog::reject);
            });
            QMetaObject::invokeMethod(files, "accept");
        });
        box->button(QMessageBox::Yes)->click();
    });
    click(control<QPushButton>(w, "Imprimir"));

    EXPECT_TRUE(replaceText.contains("ya existe")) << qPrintable(replaceText);
    EXPECT_EQ(replaceButtons, (QStringList{"No", "Sí"}));
}

TEST_F(QtInSpanish, TheNoticeAfterSavingSaysAceptar)
{
    PayslipWindow* w = payslipWithoutPrinter();
    QTemporaryDir folder;
    PayslipWindow::PrintHooks hooks;
    hooks.printers = [] { return Printers{}; };
    hooks.confirm = [](const QString&) { return true; };
    hooks.pdfPath = [&folder](const QString&) { return folder.filePath("recibo.pdf"); };
    w->setPrintHooks(hooks);
    click(control<QPushButton>(w, "Imprimir"));

    auto* notice = w->findChild<QMessageBox*>();
    ASSERT_NE(notice, nullptr);
    EXPECT_EQ(buttonTexts(notice), QStringList{"Aceptar"});
    keepPicture(notice, "aviso_guardado");
}

TEST_F(QtInSpanish, TheTextBoxesMenus)
{
    const QStringList spanish{"Deshacer", "Rehacer", "Cortar", "Copiar", "Pegar", "Seleccionar todo"};
    const QStringList line = menuTexts(box("docente")->createStandardContextMenu());
    choosePosition("604");
    calcular();
    const QStringList comment =
        menuTexts(control<QPlainTextEdit>(payslipWindow(), "Text11")->createStandardContextMenu());
    for (const QString& text : spanish) {
        EXPECT_TRUE(line.contains(text)) << qPrintable(text) << " in " << qPrintable(line.join(" | "));
        EXPECT_TRUE(comment.contains(text)) << qPrintable(text) << " in " << qPrintable(comment.join(" | "));
    }
}

// Not Qt's, but seen beside them: the program's own message dialogs.
TEST_F(QtInSpanish, TheProgramsOwnMessages)
{
    calcular();
    ErrorDialog* error = entry()->errorDialog();
    ASSERT_NE(error, nullptr);
    EXPECT_EQ(error->windowTitle(), "Error de selección");
    EXPECT_EQ(buttonTexts(error), QStringList{"Aceptar"});
    keepPicture(error, "error_de_seleccion");

    // The refusal of a box, through the real notice.
    program->setFieldNotice(messageBoxNotice());
    click(button("horasmedio"));
    type(box("numerohorasmed"), "2.5");
    calcular();
    auto* notice = entry()->findChild<QMessageBox*>("datoincorrecto");
    ASSERT_NE(notice, nullptr);
    EXPECT_EQ(notice->windowTitle(), "Dato incorrecto");
    EXPECT_EQ(notice->text(), "\"Número de horas N. Medio\" tiene un punto: usá la coma decimal: 2,5");
    EXPECT_EQ(buttonTexts(notice), QStringList{"Aceptar"});
    keepPicture(notice, "dato_incorrecto");
}

} // namespace haberes::test

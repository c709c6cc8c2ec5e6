#include "payslip/pdf_dialog.h"

#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QSettings>
#include <QStandardPaths>

namespace haberes {

namespace {

const char* const kFolderKey = "pdf/carpeta";

QSettings settings()
{
    return QSettings(QStringLiteral("haberes"), QStringLiteral("haberes"));
}

} // namespace

QString pdfFolder()
{
    const QString last = settings().value(kFolderKey).toString();
    if (!last.isEmpty() && QFileInfo(last).isDir())
        return last;
    const QString documents = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    if (!documents.isEmpty() && QFileInfo(documents).isDir())
        return documents;
    return QDir::homePath();
}

void rememberPdfFolder(const QString& savedFile)
{
    settings().setValue(kFolderKey, QFileInfo(savedFile).absolutePath());
}

void setUpPdfDialog(QFileDialog& dialog, const QString& suggested)
{
    dialog.setWindowTitle(QStringLiteral("Guardar el recibo como PDF"));
    // The toolkit's own dialog: a desktop's native one asks about
    // overwriting before the suffix is added, and may not speak Spanish.
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setFileMode(QFileDialog::AnyFile);
    dialog.setNameFilter(QStringLiteral("Documentos PDF (*.pdf)"));
    dialog.setDefaultSuffix(QStringLiteral("pdf"));
    const QFileInfo start(suggested);
    dialog.setDirectory(start.absolutePath());
    dialog.selectFile(start.fileName());
}

QString askPdfPath(QWidget* parent, const QString& suggested)
{
    QFileDialog dialog(parent);
    setUpPdfDialog(dialog, suggested);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return QString();
    return dialog.selectedFiles().constFirst();
}

} // namespace haberes

#include "payslip/pdf_name.h"

#include <QStringList>

namespace haberes {

namespace {

// Long enough for any real name, short of the file systems' limits.
constexpr int kMaxNameLength = 60;

// "Pérez, Ana María" -> "Perez-Ana-Maria": accents come off through the
// decomposed form; everything else not a letter or digit splits words.
QString safeWords(const QString& text)
{
    QStringList words;
    QString word;
    for (const QChar c : text.normalized(QString::NormalizationForm_KD)) {
        if (c.isMark())
            continue;
        if (c.unicode() < 128 && c.isLetterOrNumber()) {
            word += c;
            continue;
        }
        if (!word.isEmpty())
            words << word;
        word.clear();
    }
    if (!word.isEmpty())
        words << word;
    QString joined = words.join('-');
    if (joined.size() > kMaxNameLength) {
        joined.truncate(kMaxNameLength);
        while (joined.endsWith('-'))
            joined.chop(1);
    }
    return joined;
}

} // namespace

QString pdfFileName(const QString& teacher, QDate date, const QString& first)
{
    QStringList parts{first};
    const QString name = safeWords(teacher);
    if (!name.isEmpty())
        parts << name;
    if (date.isValid())
        parts << date.toString(Qt::ISODate);
    return parts.join('-') + QStringLiteral(".pdf");
}

} // namespace haberes

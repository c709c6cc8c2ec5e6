#include "entry/scale_value_form.h"

#include "entry/qt_text.h"
#include "entry/scale_edits.h"

#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>

namespace haberes {

namespace {

enum Column { captionColumn, boxColumn, unitColumn, referenceColumn };

QLabel* heading(const QString& text, QWidget* parent)
{
    auto* label = new QLabel(text, parent);
    QFont bold = label->font();
    bold.setBold(true);
    label->setFont(bold);
    return label;
}

} // namespace

ScaleValueForm::ScaleValueForm(ScaleEdits& edits, const std::vector<const ScaleItem*>& items, bool editable,
                               QWidget* parent)
    : QWidget(parent), edits_(edits)
{
    auto* grid = new QGridLayout(this);
    grid->setContentsMargins(4, 4, 4, 4);
    grid->setHorizontalSpacing(12);
    grid->setVerticalSpacing(4);
    grid->addWidget(heading(QStringLiteral("Valor"), this), 0, boxColumn);
    grid->addWidget(heading(QStringLiteral("Unidad"), this), 0, unitColumn);
    grid->addWidget(heading(QStringLiteral("Julio de 2010"), this), 0, referenceColumn);

    int line = 1;
    std::string list;
    for (const ScaleItem* item : items) {
        // The items of a list under the list's caption.
        if (item->row != std::string::npos && item->key != list) {
            auto* title = new QLabel(qtext(item->keyCaption), this);
            title->setObjectName(QStringLiteral("lbl") + qtext(item->key));
            title->setWordWrap(true);
            QFont f = title->font();
            f.setItalic(true);
            title->setFont(f);
            grid->addWidget(title, line++, captionColumn, 1, 4);
        }
        list = item->row != std::string::npos ? item->key : std::string();
        const QString path = qtext(item->path);
        const QString captionText = qtext(item->caption);
        auto* box = new QLineEdit(edits.shown(item->path), this);
        box->setObjectName(path);
        box->setAccessibleName(captionText);
        const bool numeric = numericKind(item->kind);
        if (numeric)
            box->setAlignment(Qt::AlignRight);
        if (item->kind == ScaleKind::month)
            box->setPlaceholderText(QStringLiteral("AAAA-MM"));
        // The version of the format is the program's, not the user's.
        box->setReadOnly(!editable || item->kind == ScaleKind::version);
        if (box->isReadOnly()) {
            // Read, not typed into: the boxes take the window's colour.
            QPalette palette = box->palette();
            palette.setColor(QPalette::Base, palette.color(QPalette::Window));
            box->setPalette(palette);
        }
        // Numbers in a column of their own width; texts as wide as a title.
        const int width = box->fontMetrics().horizontalAdvance(QString(numeric ? 14 : 36, u'0'));
        if (numeric)
            box->setFixedWidth(width);
        else
            box->setMinimumWidth(width);

        auto* caption = new QLabel(captionText, this);
        caption->setObjectName(QStringLiteral("lbl") + path);
        caption->setBuddy(box);
        caption->setWordWrap(true);
        auto* unit = new QLabel(qtext(item->unit), this);
        unit->setObjectName(QStringLiteral("unidad") + path);
        auto* reference = new QLabel(edits.referenceShown(item->path), this);
        reference->setObjectName(QStringLiteral("ref") + path);
        reference->setTextInteractionFlags(Qt::TextSelectableByMouse);
        box->setAccessibleDescription(
            QStringLiteral("%1. Julio de 2010: %2").arg(qtext(item->unit), reference->text()).trimmed());

        auto* message = new QLabel(this);
        message->setObjectName(QStringLiteral("msj") + path);
        message->setWordWrap(true);
        message->setStyleSheet(QStringLiteral("color: #b00020;"));
        message->hide();

        grid->addWidget(caption, line, captionColumn);
        if (numeric) {
            grid->addWidget(box, line, boxColumn);
            grid->addWidget(unit, line, unitColumn);
            grid->addWidget(reference, line, referenceColumn);
        } else {
            // A text takes the room of the unit too; its form ("AAAA-MM")
            // shows in the empty box.
            grid->addWidget(box, line, boxColumn, 1, 2);
            box->setPlaceholderText(qtext(item->unit));
            grid->addWidget(reference, line, referenceColumn);
        }
        unit->setVisible(numeric);
        grid->addWidget(message, line + 1, boxColumn, 1, 3);
        line += 2;

        Row row{item->path, box, caption, message};
        rows_.push_back(row);
        connect(box, &QLineEdit::textEdited, this, [this, row](const QString& text) {
            showRefusal(row, edits_.enter(row.path, text));
            emit edited();
        });
    }
    grid->setColumnStretch(captionColumn, 1);
    grid->setRowStretch(line, 1);
}

void ScaleValueForm::showRefusal(const Row& row, const QString& message)
{
    row.message->setText(message);
    row.message->setVisible(!message.isEmpty());
    // A refused box is marked, and says why to whoever cannot see the mark.
    row.box->setStyleSheet(message.isEmpty() ? QString() : QStringLiteral("QLineEdit { border: 2px solid #b00020; }"));
    row.box->setToolTip(message);
}

void ScaleValueForm::refresh()
{
    for (const Row& row : rows_) {
        const QString text = edits_.shown(row.path);
        if (row.box->text() != text && edits_.refusal(row.path).isEmpty())
            row.box->setText(text);
    }
    refreshMarks();
}

void ScaleValueForm::refreshMarks()
{
    // Items named after tops follow them ("Haberes hasta $ 2400"); a top
    // mended may mend the one after it.
    for (const Row& row : rows_) {
        if (const ScaleItem* item = edits_.draft().item(row.path))
            row.caption->setText(qtext(item->caption));
        showRefusal(row, edits_.refusal(row.path));
    }
}

QLineEdit* ScaleValueForm::box(const std::string& path) const
{
    for (const Row& row : rows_)
        if (row.path == path)
            return row.box;
    return nullptr;
}

} // namespace haberes

#pragma once
// The values of one group of the scale window, a row each: caption, box,
// unit and the July 2010 value; under a refused box, the reader's message.
#include <QWidget>

#include <string>
#include <vector>

class QGridLayout;
class QLabel;
class QLineEdit;

namespace haberes {

class ScaleEdits;
struct ScaleItem;

class ScaleValueForm : public QWidget {
    Q_OBJECT
public:
    // items: the group's values in file order; editable: boxes take typing.
    ScaleValueForm(ScaleEdits& edits, const std::vector<const ScaleItem*>& items, bool editable,
                   QWidget* parent = nullptr);

    // Every box shows the draft's value again (after a raise).
    void refresh();
    // Only the captions and the refusals, which may follow other values; the
    // boxes, maybe being typed in, are left alone.
    void refreshMarks();
    // The box of a value, or null when it is not on this form.
    QLineEdit* box(const std::string& path) const;

signals:
    // A value was typed, good or refused.
    void edited();

private:
    struct Row {
        std::string path;
        QLineEdit* box = nullptr;
        QLabel* caption = nullptr;
        QLabel* message = nullptr;
    };
    void showRefusal(const Row& row, const QString& message);

    ScaleEdits& edits_;
    std::vector<Row> rows_;
};

} // namespace haberes

#pragma once
// Finding controls by name and using them as a user would, for the tests of
// the windows.
#include <QAbstractButton>
#include <QAbstractItemView>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QRadioButton>
#include <QTest>
#include <QWidget>

#include <gtest/gtest.h>

namespace haberes::test {

// The control of `root` with this objectName; fails the test if absent.
template <class T>
T* control(const QObject* root, const char* name)
{
    T* w = root->findChild<T*>(QLatin1String(name));
    EXPECT_NE(w, nullptr) << "no control " << name;
    return w;
}

// A click where the button reacts: on the indicator of an option or a check
// box (their widgets may be wider than their caption), else in the middle.
inline void click(QAbstractButton* button)
{
    ASSERT_NE(button, nullptr);
    QPoint at = button->rect().center();
    if (qobject_cast<QRadioButton*>(button) || qobject_cast<QCheckBox*>(button))
        at = QPoint(8, button->height() / 2);
    QTest::mouseClick(button, Qt::LeftButton, Qt::NoModifier, at);
}

// Types text key by key; letters beyond ASCII ("é") come as text alone,
// as a keyboard layout would send them.
inline void typeKeys(QWidget* widget, const QString& text)
{
    for (QChar ch : text) {
        if (ch.unicode() < 0x80)
            QTest::keyClick(widget, static_cast<char>(ch.unicode()));
        else
            QTest::sendKeyEvent(QTest::Click, widget, Qt::Key_unknown, QString(ch), Qt::NoModifier);
    }
}

// Replaces the text of a box by typing.
inline void type(QLineEdit* box, const QString& text)
{
    ASSERT_NE(box, nullptr);
    box->setFocus();
    box->selectAll();
    if (text.isEmpty())
        QTest::keyClick(box, Qt::Key_Delete);
    else
        typeKeys(box, text);
}

// Picks the entry at `row` from the open list of a choice list, as the
// user does with the mouse: open, move to the row, press Enter.
inline void pick(QComboBox* combo, int row)
{
    ASSERT_NE(combo, nullptr);
    combo->showPopup();
    QAbstractItemView* view = combo->view();
    view->setCurrentIndex(combo->model()->index(row, 0));
    QTest::keyClick(view, Qt::Key_Return);
    QApplication::processEvents();
}

// Whether the widget would be on screen if its window were: it and every
// parent up to the window are not hidden.
inline bool shown(const QWidget* w)
{
    return w && w->isVisibleTo(w->window());
}

} // namespace haberes::test

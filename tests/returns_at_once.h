#pragma once
// Whether an action comes back at once or sits in a dialog's own event loop
// until the dialog is closed, as a screen reader pressing it would. A modal
// dialog that runs inside the action is closed by a watch, so a faulty
// action fails the test instead of hanging it.
#include <QAccessible>
#include <QAccessibleActionInterface>
#include <QApplication>
#include <QDialog>
#include <QMenu>
#include <QTimer>

#include <functional>

#include <gtest/gtest.h>

namespace haberes::test {

// Runs act; false when a modal dialog ran its own loop inside it.
inline bool returnsAtOnce(const std::function<void()>& act)
{
    bool running = true;
    bool heldUp = false;
    // Fires only inside a nested event loop: the test's own thread is busy
    // in act otherwise, and the timer dies with this function.
    QTimer watch;
    watch.setInterval(10);
    QObject::connect(&watch, &QTimer::timeout, [&] {
        if (!running)
            return;
        if (auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget())) {
            heldUp = true;
            dialog->reject();
        }
    });
    watch.start();
    act();
    running = false;
    return !heldUp;
}

// "Press" on the item of menu named name, through the accessibility
// interface.
inline void pressMenuItem(QMenu* menu, const QString& name)
{
    QAccessibleInterface* iface = QAccessible::queryAccessibleInterface(menu);
    ASSERT_NE(iface, nullptr);
    for (int i = 0; i < iface->childCount(); ++i) {
        QAccessibleInterface* item = iface->child(i);
        if (item && item->text(QAccessible::Name) == name) {
            ASSERT_NE(item->actionInterface(), nullptr) << qPrintable(name);
            item->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
            return;
        }
    }
    ADD_FAILURE() << "no item " << qPrintable(name);
}

} // namespace haberes::test

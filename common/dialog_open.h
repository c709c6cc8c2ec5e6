#pragma once
// File dialogs shown without waiting for them: the menu item, shortcut or
// button that asked returns at once, so a screen reader that pressed it is
// not held for as long as the dialog is open.
#include <QFileDialog>
#include <QObject>
#include <QString>

#include <utility>

namespace haberes {

// Shows dialog (window-modal, deleted once closed) and calls chosen with the
// file when the user accepts it; a cancelled dialog calls nothing.
template <class Chosen>
void openFileDialog(QFileDialog* dialog, QObject* context, Chosen chosen)
{
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    QObject::connect(dialog, &QFileDialog::fileSelected, context, std::move(chosen));
    dialog->open();
}

} // namespace haberes

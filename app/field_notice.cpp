#include "app/field_notice.h"

#include "engine/messages.h"
#include "entry/qt_text.h"

#include <QMessageBox>
#include <QPointer>
#include <QPushButton>
#include <memory>

namespace haberes {

FieldNotice messageBoxNotice()
{
    auto box = std::make_shared<QPointer<QMessageBox>>();
    return [box](QWidget* near, const QString& message) {
        if (!*box || (*box)->parentWidget() != near) {
            if (*box)
                (*box)->deleteLater();
            *box = new QMessageBox(QMessageBox::Warning, qtext(kRefusedBoxTitle), message,
                                   QMessageBox::Ok, near);
            (*box)->setObjectName(QStringLiteral("datoincorrecto"));
            (*box)->button(QMessageBox::Ok)->setText(QStringLiteral("Aceptar"));
            (*box)->setWindowModality(Qt::NonModal);
        }
        (*box)->setText(message);
        (*box)->show();
        (*box)->raise();
        (*box)->activateWindow();
    };
}

} // namespace haberes

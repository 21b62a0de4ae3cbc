#include "ui/Overlay.h"

#include "ui/ClickableLabel.h"

#include <QFrame>

namespace overlay {

QFrame *panel(QWidget *parent, const QString &objectName)
{
    auto *frame = new QFrame(parent);
    frame->setObjectName(objectName);
    frame->setFrameShape(QFrame::Panel);
    frame->setFrameShadow(QFrame::Raised);
    frame->setAutoFillBackground(true);
    return frame;
}

ClickableLabel *titleBar(QWidget *parent, const QString &objectName)
{
    auto *title = new ClickableLabel(parent);
    title->setObjectName(objectName);
    title->setAlignment(Qt::AlignCenter);
    title->setAutoFillBackground(true);
    QPalette palette = title->palette();
    palette.setColor(QPalette::Window, QColor(0, 0, 128));
    palette.setColor(QPalette::WindowText, Qt::white);
    title->setPalette(palette);
    QFont bold = title->font();
    bold.setBold(true);
    title->setFont(bold);
    return title;
}

} // namespace overlay

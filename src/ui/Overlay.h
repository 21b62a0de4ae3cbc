#pragma once

class ClickableLabel;
class QFrame;
class QString;
class QWidget;

// The frames that open over the window (the sweep's settings, the number formats, the
// composition, the help) share one look: a raised panel with a dark title bar across its top,
// a click on which closes it.
namespace overlay {

QFrame *panel(QWidget *parent, const QString &objectName);
// The title bar; the caller places it and connects its click.
ClickableLabel *titleBar(QWidget *parent, const QString &objectName);

} // namespace overlay

// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QTextEdit>

// A read-only text box that shows its whole text: the text wraps at word boundaries, and a text
// that still does not fit the box is shown in smaller type until it does. Lists of discoverers
// run from one name to five; one name keeps the designed size.
class FittingTextBox : public QTextEdit
{
    Q_OBJECT

public:
    explicit FittingTextBox(QWidget *parent = nullptr);

    void setText(const QString &text);
    // The pixel size the text is shown at, at most the box's font size.
    int fittedPixelSize() const;

protected:
    void changeEvent(QEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;

private:
    // The height the text takes at a pixel size, wrapped to the box's width.
    qreal heightAt(int pixelSize) const;
    void fit();
};

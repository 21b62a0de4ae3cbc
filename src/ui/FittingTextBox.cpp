// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/FittingTextBox.h"

#include <QEvent>
#include <QTextDocument>

#include <cmath>

FittingTextBox::FittingTextBox(QWidget *parent)
    : QTextEdit(parent)
{
    setReadOnly(true);
    setFrameShape(QFrame::NoFrame);
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setWordWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
    document()->setDocumentMargin(1);
}

void FittingTextBox::setText(const QString &text)
{
    setPlainText(text);
    fit();
}

qreal FittingTextBox::heightAt(int pixelSize) const
{
    QTextDocument trial;
    QFont font = this->font();
    font.setPixelSize(pixelSize);
    trial.setDefaultFont(font);
    trial.setDocumentMargin(document()->documentMargin());
    trial.setDefaultTextOption(document()->defaultTextOption());
    trial.setPlainText(toPlainText());
    trial.setTextWidth(viewport()->width());
    return trial.size().height();
}

int FittingTextBox::fittedPixelSize() const
{
    const QFont font = this->font();
    int size = std::max(1, font.pixelSize() > 0 ? font.pixelSize()
                                                : int(std::lround(font.pointSizeF() * 4 / 3)));
    const qreal room = viewport()->height();
    const qreal high = heightAt(size);
    if (high <= room || toPlainText().isEmpty())
        return size;
    // The area a text takes grows with the square of its size; step down from that estimate
    // until the wrapping agrees.
    size = std::max(1, std::min(size - 1, int(std::floor(size * std::sqrt(room / high)))));
    while (size > 1 && heightAt(size) > room)
        --size;
    return size;
}

void FittingTextBox::fit()
{
    QFont font = this->font();
    font.setPixelSize(fittedPixelSize());
    // The document's font, not the box's: the box's own is the designed size that the design
    // surface sets.
    document()->setDefaultFont(font);
}

void FittingTextBox::changeEvent(QEvent *event)
{
    QTextEdit::changeEvent(event);
    if (event->type() == QEvent::FontChange)
        fit();
}

void FittingTextBox::resizeEvent(QResizeEvent *event)
{
    QTextEdit::resizeEvent(event);
    fit();
}

#pragma once

#include <QAbstractButton>
#include <QColor>

// A flat, square-cornered button whose whole face is its background colour, so that the state of
// matter reads from across a classroom. Painting it ourselves keeps a colour change cheap (no style
// sheet to re-polish) on a sweep that recolours buttons ten times a second.
class ElementButton : public QAbstractButton
{
    Q_OBJECT

public:
    explicit ElementButton(const QString &caption, QWidget *parent = nullptr);

    QColor backgroundColour() const { return m_background; }
    void setBackgroundColour(const QColor &colour);
    // A letter in the corner that names the state without its colour; empty shows none.
    QString stateLetter() const { return m_stateLetter; }
    void setStateLetter(const QString &letter);
    // Dimmed: shown empty, without its colour (not yet discovered, or not found by a search).
    // Marked: framed, as a search result.
    bool isDimmed() const { return m_dimmed; }
    bool isMarked() const { return m_marked; }
    void setDimmed(bool dimmed);
    void setMarked(bool marked);

    QSize sizeHint() const override;

signals:
    void rightClicked(const QPoint &globalPosition);
    void focusLost();

protected:
    void paintEvent(QPaintEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void focusInEvent(QFocusEvent *event) override;
    void focusOutEvent(QFocusEvent *event) override;

private:
    QColor m_background{192, 192, 192};
    QString m_stateLetter;
    bool m_dimmed = false;
    bool m_marked = false;
};

#pragma once

#include <QObject>

class DesignSurface;
class QFrame;
class QLabel;

// The element tile (symbol, name, atomic number, relative atomic mass) and, below it, the paged
// information panel.
class InfoPanel : public QObject
{
    Q_OBJECT

public:
    explicit InfoPanel(DesignSurface *surface, QObject *parent = nullptr);

    // The atomic number on show; the state colouring and the unit switch read it back.
    int shownAtomicNumber() const;
    void setTileColour(const QColor &colour);

    void showElement(int index, const QString &symbol);

private:
    QFrame *m_picElement;
    QLabel *m_lblSimbol;
    QLabel *m_lblIme;
    QLabel *m_lblBroj;
    QLabel *m_lblAtomMas;
};

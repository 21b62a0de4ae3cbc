#include "app/InfoPanel.h"

#include "app/DesignSurface.h"

#include <QFrame>
#include <QLabel>

namespace {

QLabel *tileLabel(DesignSurface *surface, QWidget *parent, const char *name, const QRect &twips,
                  qreal points, Qt::Alignment alignment)
{
    auto *label = new QLabel(parent);
    label->setObjectName(QString::fromLatin1(name));
    label->setAlignment(alignment);
    surface->place(label, twips, points);
    return label;
}

} // namespace

InfoPanel::InfoPanel(DesignSurface *surface, QObject *parent)
    : QObject(parent)
    , m_picElement(new QFrame(surface))
{
    m_picElement->setObjectName(QStringLiteral("picElement"));
    m_picElement->setFrameShape(QFrame::Box);
    m_picElement->setAutoFillBackground(true);
    surface->place(m_picElement, QRect(1290, 150, 1380, 1380), 0);

    m_lblBroj = tileLabel(surface, m_picElement, "lblBroj", QRect(60, 30, 1260, 300), 12,
                          Qt::AlignLeft | Qt::AlignVCenter);
    // Design-time caption: the state colouring reads it before the first element is shown.
    m_lblBroj->setText(QStringLiteral("1"));
    m_lblSimbol = tileLabel(surface, m_picElement, "lblSimbol", QRect(60, 300, 1260, 600), 30,
                            Qt::AlignCenter);
    QFont bold = m_lblSimbol->font();
    bold.setBold(true);
    m_lblSimbol->setFont(bold);
    m_lblIme = tileLabel(surface, m_picElement, "lblIme", QRect(30, 900, 1320, 240), 9.75,
                         Qt::AlignCenter);
    m_lblAtomMas = tileLabel(surface, m_picElement, "lblAtomMas", QRect(30, 1130, 1320, 240), 9.75,
                             Qt::AlignCenter);
}

int InfoPanel::shownAtomicNumber() const
{
    return m_lblBroj->text().toInt();
}

void InfoPanel::setTileColour(const QColor &colour)
{
    QPalette palette = m_picElement->palette();
    palette.setColor(QPalette::Window, colour);
    m_picElement->setPalette(palette);
}

void InfoPanel::showElement(int index, const QString &symbol)
{
    m_lblSimbol->setText(symbol);
    m_lblBroj->setText(QString::number(index == 0 ? 1 : index));
}

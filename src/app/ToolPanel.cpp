// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/ToolPanel.h"

#include "config/Settings.h"
#include "lang/Texts.h"
#include "ui/ClickableLabel.h"
#include "ui/Colours.h"
#include "ui/DesignSurface.h"
#include "ui/DesktopSeam.h"
#include "ui/DrawnButton.h"
#include "ui/Glyphs.h"
#include "ui/Overlay.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QFontDatabase>
#include <QFrame>
#include <QPlainTextEdit>
#include <QStringDecoder>
#include <QUrl>

namespace {

using pse::lang::TextId;

// The first folder that holds `name`, as a path to the file; empty when none does.
QString findIn(const QStringList &folders, const QString &name)
{
    for (const QString &folder : folders) {
        const QString path = QDir(folder).filePath(name);
        if (QFileInfo::exists(path))
            return path;
    }
    return {};
}

} // namespace

ToolPanel::ToolPanel(DesignSurface *surface, DesktopSeam &seam, QObject *parent)
    : QObject(parent)
    , m_seam(seam)
    , m_surface(surface)
{
    const struct
    {
        DrawnButton::Glyph glyph;
        QRect twips;
        TextId tip;
    } tools[] = {{glyph::calculator, {6255, 150, 600, 600}, TextId::TipCalculator},
                 {glyph::elementTile, {6255, 150, 600, 600}, TextId::TipElementData},
                 {glyph::gear, {6930, 150, 600, 600}, TextId::TipSettings},
                 {glyph::help, {7620, 150, 350, 350}, TextId::TipHelp}};
    // Index 1 first, so that the calculator's button lies over it.
    for (int i : {1, 0, 2, 3}) {
        auto *button = new DrawnButton(tools[i].glyph, DrawnButton::Face::Raised, surface);
        button->setObjectName(QStringLiteral("cmdIzbornik_%1").arg(i));
        surface->place(button, tools[i].twips, 0);
        m_texts.bind(tools[i].tip, button);
        connect(button, &QAbstractButton::clicked, this, [this, i] { emit toolClicked(i); });
        m_cmdIzbornik[std::size_t(i)] = button;
    }

    buildMakerLines(surface);
    buildFlags(surface);
}

namespace {

// Each language's name in that language: the same words whatever language is on.
const struct
{
    const char *name;
    DrawnButton::Glyph glyph;
    const char *language;
    void (ToolPanel::*handler)();
} flags[] = {{"imgHR", glyph::flagCroatia, "Hrvatski", &ToolPanel::imgHR_Click},
             {"imgEN", glyph::flagUnitedKingdom, "English", &ToolPanel::imgEN_Click},
             {"imgDE", glyph::flagGermany, "Deutsch", &ToolPanel::imgDE_Click},
             {"imgFR", glyph::flagFrance, "Français", &ToolPanel::imgFR_Click},
             {"imgIT", glyph::flagItaly, "Italiano", &ToolPanel::imgIT_Click}};

} // namespace

void ToolPanel::buildFlags(DesignSurface *surface)
{
    for (int i = 0; i < 5; ++i) {
        auto *flag = new DrawnButton(flags[i].glyph, DrawnButton::Face::Plain, surface);
        flag->setObjectName(QString::fromLatin1(flags[i].name));
        flag->setToolTip(QString::fromUtf8(flags[i].language));
        surface->place(flag, QRect(8130 + 380 * i, 165, 360, 270), 0);
        connect(flag, &QAbstractButton::clicked, this, flags[i].handler);
    }
}

void ToolPanel::clickFlag(int languageIndex)
{
    emit languageChosen(languageIndex >= 1 && languageIndex <= 4 ? languageIndex : 0);
}

void ToolPanel::buildHelp()
{
    const auto [frame, title] =
        overlay::build(m_surface, m_surface, QStringLiteral("fraHelp"), QStringLiteral("lblHelp"),
                       QRect(800, 600, 8200, 5600), 330, 9.75);
    m_fraHelp = frame;
    connect(title, &ClickableLabel::clicked, this, &ToolPanel::hideHelp);
    m_texts.bind(TextId::HelpTitle, title);
    m_txtHlpMM = new QPlainTextEdit(m_fraHelp);
    m_txtHlpMM->setObjectName(QStringLiteral("txtHlpMM"));
    m_txtHlpMM->setReadOnly(true);
    // The files lay out tables with blanks: lines are kept whole, in a fixed-width font, and
    // scroll sideways if need be. The type is small enough for the shipped files' lines of up to
    // 100 characters to fit without scrolling.
    m_txtHlpMM->setLineWrapMode(QPlainTextEdit::NoWrap);
    m_txtHlpMM->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
    m_surface->place(m_txtHlpMM, QRect(45, 420, 8110, 5135), 6.5);
    m_fraHelp->hide();
    m_texts.apply(m_languageIndex);
}

void ToolPanel::buildMakerLines(DesignSurface *surface)
{
    // One line along the bottom edge: the information image, the project, the web page.
    constexpr int Top = 6700;
    constexpr int Height = 240;
    m_imgInfoPSE = new DrawnButton(glyph::info, DrawnButton::Face::Plain, surface);
    m_imgInfoPSE->setObjectName(QStringLiteral("imgInfoPSE"));
    surface->place(m_imgInfoPSE, QRect(330, Top, Height, Height), 0);
    m_texts.bind(TextId::TipInformation, m_imgInfoPSE);
    connect(m_imgInfoPSE, &QAbstractButton::clicked, this, &ToolPanel::imgInfoPSE_Click);

    const auto caption = [&](const char *name, const QRect &twips) {
        auto *label = new ClickableLabel(surface);
        label->setObjectName(QString::fromLatin1(name));
        label->setCursor(Qt::ArrowCursor);
        surface->place(label, twips, 7.5);
        return label;
    };
    auto *maker = caption("lblImeOrm", QRect(660, Top, 2400, Height));
    m_texts.bind(TextId::MakerName, maker);
    auto *line = caption("lblTelOrm", QRect(3060, Top, 3000, Height));
    m_texts.bind(TextId::MakerLine, line);
    auto *copyright = caption("lblCopyright", QRect(8100, Top, 1800, Height));
    copyright->setText(QStringLiteral("© quon-pse"));

    m_lblMyWeb = caption("lblMyWeb", QRect(5640, Top, 420, Height));
    m_lblMyWeb->setCursor(Qt::PointingHandCursor);
    m_lblMyWeb->setText(QStringLiteral("www"));
    auto *link = new DrawnButton(glyph::link, DrawnButton::Face::Plain, surface);
    link->setObjectName(QStringLiteral("imgBojaLinka"));
    surface->place(link, QRect(6060, Top, Height, Height), 0);
    m_imgBojaLinka = link;
    m_lblURL = caption("lblURL", QRect(6330, Top, 1700, Height));
    m_lblURL->setCursor(Qt::PointingHandCursor);
    m_lblURL->setText(QString::fromLatin1(WebPageFile));
    QFont underlined = m_lblURL->font();
    underlined.setUnderline(true);
    m_lblURL->setFont(underlined);
    m_texts.bind(TextId::TipWebPage, m_lblURL);
    for (ClickableLabel *label : {m_lblURL, m_lblMyWeb})
        connect(label, &ClickableLabel::clicked, this, &ToolPanel::webPageClicked);
    connect(link, &QAbstractButton::clicked, this, &ToolPanel::webPageClicked);

    m_captions = {maker, line, copyright, m_lblURL, m_lblMyWeb};
    for (QWidget *watched :
         {static_cast<QWidget *>(m_lblURL), m_imgBojaLinka, static_cast<QWidget *>(m_imgInfoPSE)}) {
        watched->setMouseTracking(true);
        watched->installEventFilter(this);
    }
}

void ToolPanel::applySettings(const pse::Settings &settings)
{
    m_legendColour = settings.RGBLegenda.colour();
    for (QWidget *caption : m_captions)
        colours::setText(caption, m_legendColour);
}

void ToolPanel::applyLanguage(int languageIndex, const QString &version)
{
    m_languageIndex = languageIndex;
    m_texts.apply(languageIndex);
    m_infoText = pse::lang::infoText(languageIndex, version, QString::fromLatin1(WebPageFile));
}

void ToolPanel::showCalculatorButton(bool shown)
{
    m_cmdIzbornik[0]->setVisible(shown);
}

void ToolPanel::toggleHelp(int languageIndex, const QStringList &helpFolders)
{
    // Built on first use: start-up does not show it.
    if (!m_fraHelp)
        buildHelp();
    const QString name = pse::lang::text(TextId::HelpFileName, languageIndex);
    const QString path = findIn(helpFolders, name);
    if (path.isEmpty()) {
        m_seam.showMessage(m_surface->window(), pse::lang::text(TextId::HelpMissing, languageIndex),
                           DesktopSeam::Icon::Exclamation);
        return;
    }
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        m_seam.showMessage(m_surface->window(), file.errorString());
        return;
    }
    // The help files are UTF-8, so Croatian letters read the same on every system; a byte-order
    // mark at the start is dropped.
    QStringDecoder utf8(QStringDecoder::Utf8);
    m_txtHlpMM->setPlainText(utf8.decode(file.readAll()));
    m_fraHelp->setVisible(m_fraHelp->isHidden());
    if (!m_fraHelp->isHidden())
        m_fraHelp->raise();
}

void ToolPanel::hideHelp()
{
    if (m_fraHelp)
        m_fraHelp->hide();
}

bool ToolPanel::helpShown() const
{
    return m_fraHelp && !m_fraHelp->isHidden();
}

void ToolPanel::imgInfoPSE_Click()
{
    QWidget *window = m_surface->window();
    m_seam.showMessage(window, m_infoText, DesktopSeam::Icon::Information, window->windowTitle());
}

void ToolPanel::lblURL_Click(const QStringList &pageFolders)
{
    // A page that cannot be opened is passed over silently, as the desktop's own failure is.
    const QString path = findIn(pageFolders, QString::fromLatin1(WebPageFile));
    if (!path.isEmpty())
        m_seam.openUrl(QUrl::fromLocalFile(QFileInfo(path).absoluteFilePath()));
}

void ToolPanel::setLinkHighlighted(bool on)
{
    const QColor inverse(255 - m_legendColour.red(), 255 - m_legendColour.green(),
                         255 - m_legendColour.blue());
    colours::setText(m_lblURL, on ? inverse : m_legendColour);
}

bool ToolPanel::eventFilter(QObject *watched, QEvent *event)
{
    // The link lights up while the mouse is over it and goes back when it moves onto the
    // pictures around it or leaves it.
    if (event->type() == QEvent::MouseMove || event->type() == QEvent::Enter)
        setLinkHighlighted(watched == m_lblURL);
    else if (event->type() == QEvent::Leave && watched == m_lblURL)
        setLinkHighlighted(false);
    return QObject::eventFilter(watched, event);
}

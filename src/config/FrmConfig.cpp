// SPDX-License-Identifier: GPL-3.0-or-later
#include "config/FrmConfig.h"

#include "config/ConfigStore.h"
#include "elements/ElementDatabase.h"
#include "lang/Texts.h"
#include "ui/ClickableLabel.h"
#include "ui/Colours.h"
#include "ui/DesignSurface.h"
#include "ui/DesktopSeam.h"
#include "ui/ElementButton.h"
#include "ui/NumberRule.h"
#include "ui/SelectingLineEdit.h"

#include <QCheckBox>
#include <QDir>
#include <QFileInfo>
#include <QGroupBox>
#include <QMouseEvent>
#include <QPainter>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QSignalBlocker>
#include <QVBoxLayout>

#include <algorithm>
#include <cmath>

namespace pse {

namespace {

using lang::TextId;

// The Settings field each colour slot edits; slot 0, the background, has three texts instead.
constexpr std::array<ColourTriple Settings::*, FrmConfig::SlotCount> SlotFields = {
    nullptr,
    &Settings::RGBSkupine,
    &Settings::RGBLegenda,
    &Settings::RGBPlinovito,
    &Settings::RGBTekuce,
    &Settings::RGBKruto,
    &Settings::RGBNepoznato,
    &Settings::RGBLantanoidi,
};

constexpr std::array<QString Settings::*, 3> GradientFields = {
    &Settings::R_Color, &Settings::G_Color, &Settings::B_Color};

enum ComponentOption { Falling, Rising, Fixed };

struct SweepField
{
    const char *label;
    const char *box;
    TextId caption;
    QString Settings::*field;
};

const std::array<SweepField, 4> SweepFields = {{
    {"lblTempStart", "txtTempStart", TextId::DialogTempStart, &Settings::TempStart},
    {"lblTempEnd", "txtTempEnd", TextId::DialogTempEnd, &Settings::TempEnd},
    {"lblStepTemp", "txtStepTemp", TextId::DialogStepTemp, &Settings::StepTemp},
    {"lblStepAtom", "txtStepAtom", TextId::DialogStepAtom, &Settings::StepAtom},
}};

// A colour box holds at most three characters: the magnitude of its leading number, rounded,
// and at most 255. A box without a number is 0.
qint16 componentValue(const QString &text)
{
    return std::min<qint16>(clampToWhole16(std::abs(leadingNumber(text))), 255);
}

// The fixed background component as the file will hold it: the box's leading number, not
// clamped, always with "." so that the number rule reads it back. Adding 0.0 makes "-0" plain 0.
QString componentText(const QString &box)
{
    return QString::number(leadingNumber(box) + 0.0, 'g', 15);
}

QFrame *panel(QWidget *parent, const char *name)
{
    auto *frame = new QFrame(parent);
    frame->setObjectName(QString::fromLatin1(name));
    frame->setFrameStyle(QFrame::StyledPanel | QFrame::Raised);
    // The gradient runs behind the whole dialog; captions stay readable on a plain face.
    frame->setAutoFillBackground(true);
    return frame;
}

QGroupBox *groupBox(QWidget *parent, const QString &name)
{
    auto *box = new QGroupBox(parent);
    box->setObjectName(name);
    box->setAutoFillBackground(true);
    return box;
}

// The warning sign of the not-found panel, drawn at whatever size the panel has.
class WarningSign : public QWidget
{
public:
    using QWidget::QWidget;

protected:
    void paintEvent(QPaintEvent *) override
    {
        QPainter painter(this);
        painter.setRenderHint(QPainter::Antialiasing);
        const qreal s = std::min(width(), height());
        const QPointF origin((width() - s) / 2, (height() - s) / 2);
        const auto at = [&](qreal x, qreal y) { return origin + QPointF(x * s, y * s); };
        painter.setPen(QPen(Qt::black, s / 24, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        painter.setBrush(QColor(255, 204, 0));
        painter.drawPolygon(QPolygonF{at(0.5, 0.06), at(0.96, 0.9), at(0.04, 0.9)});
        painter.setPen(Qt::NoPen);
        painter.setBrush(Qt::black);
        painter.drawPolygon(
            QPolygonF{at(0.45, 0.32), at(0.55, 0.32), at(0.52, 0.66), at(0.48, 0.66)});
        painter.drawEllipse(QRectF(at(0.45, 0.72), QSizeF(0.1 * s, 0.1 * s)));
    }
};

} // namespace

FrmConfig::FrmConfig(const Settings &settings, qint16 &colourEditMode, ConfigStore &store,
                     DesktopSeam &seam, QWidget *parent)
    : QWidget(parent, Qt::Dialog)
    , m_settings(settings)
    , m_colourEditMode(colourEditMode)
    , m_store(store)
    , m_seam(seam)
    , m_surface(new DesignSurface(this))
{
    setObjectName(QStringLiteral("frmConfig"));
    setAttribute(Qt::WA_DeleteOnClose);
    m_texts.bind(TextId::DialogTitle, this);
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(m_surface);

    buildColours();
    buildBackground();
    buildSweep();
    buildLanguage();
    buildCommands();
    buildNoFilePanel();

    // Like the main window, the dialog opens large enough to read from the back of a classroom,
    // in the proportions of its design.
    resize(DesignSurface::openingSize(screen(), 0.75));

    Form_Load();
}

FrmConfig::~FrmConfig() = default;

void FrmConfig::buildColours()
{
    QFrame *slotPanel = panel(m_surface, "pnlSlots");
    m_surface->place(slotPanel, QRectF(120, 120, 2640, 3240), 0);
    for (int slot = 0; slot < SlotCount; ++slot) {
        auto *option = new QRadioButton(slotPanel);
        option->setObjectName(QStringLiteral("optSetBoja_%1").arg(slot));
        m_surface->place(option, QRectF(120, 120 + 375 * slot, 2400, 330));
        m_texts.bind(TextId(int(TextId::SlotBackground) + slot), option);
        connect(option, &QAbstractButton::clicked, this, [this, slot] { optSetBoja_Click(slot); });
        m_optSetBoja[std::size_t(slot)] = option;
    }
    m_optSetBoja[Background]->setChecked(true);

    // The preview: a window onto the dialog's own background with sample buttons and texts on it,
    // as the table shows them on the main window's background. A click on any of them selects
    // its slot.
    auto *imgPozadina = new ClickableLabel(m_surface);
    imgPozadina->setObjectName(QStringLiteral("imgPozadina"));
    imgPozadina->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    m_surface->place(imgPozadina, QRectF(2880, 120, 2850, 3240), 0);
    connect(imgPozadina, &ClickableLabel::clicked, this, [this] { selectSlot(Background); });
    for (int i = 0; i < 5; ++i) {
        auto *sample = new ElementButton(QString::number(i + 1), m_surface);
        sample->setObjectName(QStringLiteral("cmdNewElement_%1").arg(i));
        m_surface->place(sample, QRectF(3000 + 540 * i, 600, 480, 540), 9.75);
        connect(sample, &QAbstractButton::clicked, this, [this, i] { selectSlot(Gas + i); });
        m_cmdNewElement[std::size_t(i)] = sample;
    }
    for (int i = 0; i < 2; ++i) {
        auto *sample = new ClickableLabel(m_surface);
        sample->setObjectName(QStringLiteral("lblPreview_%1").arg(i));
        sample->setAlignment(Qt::AlignCenter);
        QFont bold = sample->font();
        bold.setBold(true);
        sample->setFont(bold);
        m_surface->place(sample, QRectF(2940, 1650 + 750 * i, 2730, 450), 9.75);
        m_texts.bind(i == 0 ? TextId::PreviewGroups : TextId::PreviewLegend, sample);
        connect(sample, &ClickableLabel::clicked, this, [this, i] { selectSlot(Groups + i); });
        m_lblPreview[std::size_t(i)] = sample;
    }

    for (int component = 0; component < 3; ++component)
        buildComponentFrame(component);
}

void FrmConfig::buildComponentFrame(int component)
{
    static const char *const frames[] = {"fraRed", "fraGreen", "fraBlue"};
    static const char *const options[] = {"optR_%1", "optG_%1", "optB_%1"};
    QGroupBox *frame = groupBox(m_surface, QString::fromLatin1(frames[component]));
    m_surface->place(frame, QRectF(5820 + 1635 * component, 120, 1560, 3240));
    m_texts.bind(TextId(int(TextId::FrameRed) + component), frame);
    m_fraComponent[std::size_t(component)] = frame;

    // The fixed option has no caption: the box beside it is its caption.
    const QString captions[] = {QStringLiteral("0 => 255"), QStringLiteral("255 => 0"), QString()};
    const QRectF places[] = {{120, 420, 1110, 330}, {120, 870, 1110, 330}, {120, 1500, 270, 330}};
    for (int i = 0; i < 3; ++i) {
        auto *option = new QRadioButton(captions[i], frame);
        option->setObjectName(QString::fromLatin1(options[component]).arg(i));
        m_surface->place(option, places[i]);
        connect(option, &QAbstractButton::toggled, this, [this](bool on) {
            if (on)
                DrawBackgroundPreview();
        });
        m_optComponent[std::size_t(component)][std::size_t(i)] = option;
    }

    auto *box = new SelectingLineEdit(frame);
    box->setObjectName(QStringLiteral("txtBoja_%1").arg(component));
    box->setMaxLength(3);
    box->setAlignment(Qt::AlignRight);
    m_surface->place(box, QRectF(420, 1485, 690, 360));
    box->installEventFilter(this);
    connect(box, &QLineEdit::textChanged, this, [this, component] { txtBoja_Change(component); });
    m_txtBoja[std::size_t(component)] = box;

    // Pressing the bare option is a way into its box.
    connect(m_optComponent[std::size_t(component)][Fixed], &QAbstractButton::pressed, box,
            [this, box, component] {
                m_optComponent[std::size_t(component)][Fixed]->setChecked(true);
                box->setFocus(Qt::MouseFocusReason);
            });

    auto *bar = new QScrollBar(Qt::Vertical, frame);
    bar->setObjectName(QStringLiteral("vsbBoja_%1").arg(component));
    bar->setRange(0, 255);
    bar->setPageStep(16);
    m_surface->place(bar, QRectF(1275, 300, 210, 2820));
    connect(bar, &QScrollBar::valueChanged, this, [this, component] { vsbBoja_Change(component); });
    m_vsbBoja[std::size_t(component)] = bar;
}

void FrmConfig::buildBackground()
{
    QFrame *area = panel(m_surface, "pnlBackground");
    m_surface->place(area, QRectF(120, 3480, 7350, 960), 0);

    auto *label = new ClickableLabel(area);
    label->setObjectName(QStringLiteral("lblBackground"));
    m_surface->place(label, QRectF(120, 90, 5700, 300));
    m_texts.bind(TextId::DialogBackground, label);

    m_txtBackground = new SelectingLineEdit(area);
    m_txtBackground->setObjectName(QStringLiteral("txtBackground"));
    m_surface->place(m_txtBackground, QRectF(120, 450, 5790, 375));
    label->selectsAllOf(m_txtBackground);
    connect(m_txtBackground, &QLineEdit::textChanged, this, &FrmConfig::txtBackground_Change);
    connect(m_txtBackground, &QLineEdit::returnPressed, this, &FrmConfig::txtBackground_Enter);

    auto *open = new QPushButton(QStringLiteral("&Open"), area);
    open->setObjectName(QStringLiteral("cmdOpen"));
    m_surface->place(open, QRectF(6030, 435, 1200, 405));
    connect(open, &QPushButton::clicked, this, &FrmConfig::cmdOpen_Click);
}

void FrmConfig::buildNoFilePanel()
{
    // Laid over the preview and the colour frames while it is shown; built last, so it lies on
    // top of them.
    m_fraNoFile = groupBox(m_surface, QStringLiteral("fraNoFile"));
    m_fraNoFile->setTitle(QStringLiteral(" File not found ! "));
    // A warning's pale yellow sets the panel apart from the grey ones it covers.
    colours::setFill(m_fraNoFile, QColor(255, 248, 220));
    m_surface->place(m_fraNoFile, QRectF(1800, 600, 7125, 3600));

    auto *sign = new WarningSign(m_fraNoFile);
    sign->setObjectName(QStringLiteral("imgNoFile"));
    m_surface->place(sign, QRectF(240, 420, 780, 780), 0);

    auto *title = new ClickableLabel(m_fraNoFile);
    title->setObjectName(QStringLiteral("lblNemaSlike"));
    QFont bold = title->font();
    bold.setBold(true);
    title->setFont(bold);
    m_surface->place(title, QRectF(1200, 420, 5700, 420), 9.75);
    m_texts.bind(TextId::NoFileTitle, title);
    connect(title, &ClickableLabel::clicked, m_fraNoFile, &QWidget::hide);

    auto *advice = new QLabel(m_fraNoFile);
    advice->setObjectName(QStringLiteral("lblOpisNoFile"));
    advice->setWordWrap(true);
    advice->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    m_surface->place(advice, QRectF(1200, 900, 5700, 1020));
    m_texts.bind(TextId::NoFileAdvice, advice);

    m_lblNoFile = new QLabel(m_fraNoFile);
    m_lblNoFile->setObjectName(QStringLiteral("lblNoFile"));
    m_lblNoFile->setWordWrap(true);
    m_lblNoFile->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    m_lblNoFile->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    m_lblNoFile->setTextInteractionFlags(Qt::TextSelectableByMouse);
    m_surface->place(m_lblNoFile, QRectF(240, 2040, 6645, 780));

    auto *find = new QPushButton(QStringLiteral("&Find"), m_fraNoFile);
    find->setObjectName(QStringLiteral("cmdFind"));
    m_surface->place(find, QRectF(3990, 2970, 1350, 420));
    connect(find, &QPushButton::clicked, this, &FrmConfig::cmdFind_Click);

    auto *close = new QPushButton(QStringLiteral("&Close"), m_fraNoFile);
    close->setObjectName(QStringLiteral("cmdClose"));
    m_surface->place(close, QRectF(5535, 2970, 1350, 420));
    connect(close, &QPushButton::clicked, this, &FrmConfig::cmdClose_Click);

    m_fraNoFile->hide();
}

void FrmConfig::buildSweep()
{
    QFrame *area = panel(m_surface, "pnlSweep");
    m_surface->place(area, QRectF(120, 4560, 10485, 1680), 0);
    for (int i = 0; i < 4; ++i) {
        auto *label = new ClickableLabel(area);
        label->setObjectName(QString::fromLatin1(SweepFields[std::size_t(i)].label));
        m_surface->place(label, QRectF(150, 120 + 375 * i, 3900, 330));
        m_texts.bind(SweepFields[std::size_t(i)].caption, label);

        auto *box = new SelectingLineEdit(area);
        box->setObjectName(QString::fromLatin1(SweepFields[std::size_t(i)].box));
        box->setAlignment(Qt::AlignRight);
        m_surface->place(box, QRectF(4080, 105 + 375 * i, 1200, 345));
        label->selectsAllOf(box);
        m_sweepBoxes[std::size_t(i)] = box;
    }

    const struct
    {
        QCheckBox *&box;
        const char *name;
        TextId caption;
    } switches[] = {{m_chkStart, "chkStart", TextId::DialogAutoStart},
                    {m_chkClose, "chkClose", TextId::DialogAutoClose},
                    {m_chkScroll, "chkScroll", TextId::DialogPaging}};
    for (int i = 0; i < 3; ++i) {
        switches[i].box = new QCheckBox(area);
        switches[i].box->setObjectName(QString::fromLatin1(switches[i].name));
        m_surface->place(switches[i].box, QRectF(5580, 180 + 420 * i, 4800, 360));
        m_texts.bind(switches[i].caption, switches[i].box);
    }
}

void FrmConfig::buildLanguage()
{
    QGroupBox *frame = groupBox(m_surface, QStringLiteral("fraJezik"));
    m_surface->place(frame, QRectF(7590, 3480, 3015, 960));
    m_texts.bind(TextId::DialogLanguageFrame, frame);
    const QString captions[] = {QStringLiteral("Hr"), QStringLiteral("En"), QStringLiteral("De"),
                                QStringLiteral("Fr"), QStringLiteral("It")};
    for (int i = 0; i < 5; ++i) {
        auto *option = new QRadioButton(captions[i], frame);
        option->setObjectName(QStringLiteral("optJezik_%1").arg(i));
        m_surface->place(option, QRectF(150 + 570 * i, 450, 555, 360));
        // The choice is part of the working copy: Save stores it, Cancel forgets it.
        connect(option, &QAbstractButton::toggled, this, [this, i](bool on) {
            if (on)
                m_language = qint16(i);
        });
        m_optJezik[std::size_t(i)] = option;
    }
}

void FrmConfig::buildCommands()
{
    const struct
    {
        const char *name;
        const char *caption;
        qreal left;
        void (FrmConfig::*handler)();
    } commands[] = {{"cmdDefault", "&Default", 120, &FrmConfig::cmdDefault_Click},
                    {"cmdSave", "&Save", 7545, &FrmConfig::cmdSave_Click},
                    {"cmdCancel", "&Cancel", 9105, &FrmConfig::cmdCancel_Click}};
    for (const auto &command : commands) {
        auto *button = new QPushButton(QString::fromLatin1(command.caption), m_surface);
        button->setObjectName(QString::fromLatin1(command.name));
        m_surface->place(button, QRectF(command.left, 6390, 1500, 450));
        connect(button, &QPushButton::clicked, this, command.handler);
    }

    // The switches the program added to the original ones, in the row between Default and Save.
    const struct
    {
        QCheckBox *&box;
        const char *name;
        TextId caption;
        qreal left;
        qreal width;
    } extras[] = {{m_fullTableCheck, "fullTableCheck", TextId::DialogFullTable, 1740, 2160},
                  {m_narrationCheck, "narrationCheck", TextId::DialogNarration, 3960, 3480}};
    for (const auto &extra : extras) {
        extra.box = new QCheckBox(m_surface);
        extra.box->setObjectName(QString::fromLatin1(extra.name));
        // The gradient runs behind this row too; a plain face keeps the caption readable.
        extra.box->setAutoFillBackground(true);
        m_surface->place(extra.box, QRectF(extra.left, 6435, extra.width, 360));
        m_texts.bind(extra.caption, extra.box);
    }
}

void FrmConfig::Form_Load()
{
    m_colourEditMode = 1;
    for (int c = 0; c < 3; ++c) {
        const QSignalBlocker blocker(m_vsbBoja[std::size_t(c)]);
        m_vsbBoja[std::size_t(c)]->setValue(255 -
                                            componentValue(m_txtBoja[std::size_t(c)]->text()));
    }
    showValues(m_settings);
    for (int c = 0; c < 3; ++c)
        showGradientChoice(c);
    m_colourEditMode = 0;
    DrawBackgroundPreview();
    // A picture that cannot be shown leaves the gradient; the main window has already said why.
    if (m_settings.Background.contains(u'.'))
        showPicture(m_settings.Background, false);
}

void FrmConfig::showValues(const Settings &s)
{
    for (int slot = Groups; slot < SlotCount; ++slot)
        m_triples[std::size_t(slot)] = s.*SlotFields[std::size_t(slot)];
    for (std::size_t c = 0; c < 3; ++c)
        m_gradient[c] = s.*GradientFields[c];
    for (std::size_t i = 0; i < m_sweepBoxes.size(); ++i)
        m_sweepBoxes[i]->setText(s.*SweepFields[i].field);
    m_txtBackground->setText(s.Background);
    m_chkClose->setChecked(s.AutoClose != 0);
    m_chkScroll->setChecked(s.AutoScroll != 0);
    m_chkStart->setChecked(s.AutoStart != 0);
    m_fullTableCheck->setChecked(s.Elements == qint16(fullElementCount));
    m_narrationCheck->setChecked(s.Narration != 0);
    // A hand-edited language outside 0..4 selects no option and is kept unless one is chosen.
    m_language = s.Language;
    if (m_language >= 0 && m_language < qint16(m_optJezik.size()))
        m_optJezik[std::size_t(m_language)]->setChecked(true);
}

void FrmConfig::selectSlot(int slot)
{
    m_optSetBoja[std::size_t(slot)]->setChecked(true);
    optSetBoja_Click(slot);
}

void FrmConfig::showGradientChoice(int component)
{
    const QString &text = m_gradient[std::size_t(component)];
    auto &options = m_optComponent[std::size_t(component)];
    if (text == u"dn") {
        options[Falling]->setChecked(true);
    } else if (text == u"up") {
        options[Rising]->setChecked(true);
    } else {
        options[Fixed]->setChecked(true);
        m_txtBoja[std::size_t(component)]->setText(text);
    }
}

void FrmConfig::optSetBoja_Click(int slot)
{
    m_slot = slot;
    if (slot == Background) {
        // A picture covers the gradient, so its components cannot be edited while one is named.
        setComponentFramesEnabled(!m_txtBackground->text().contains(u'.'));
        for (int c = 0; c < 3; ++c) {
            m_optComponent[std::size_t(c)][Falling]->setEnabled(true);
            m_optComponent[std::size_t(c)][Rising]->setEnabled(true);
            showGradientChoice(c);
        }
        m_colourEditMode = 0;
        return;
    }
    // Only the background has gradients; a colour is three fixed numbers. The boxes are filled
    // without storing what they show into any slot.
    m_colourEditMode = 2;
    setComponentFramesEnabled(true);
    const ColourTriple &colour = m_triples[std::size_t(slot)];
    const std::array<qint16, 3> values = {colour.r, colour.g, colour.b};
    for (int c = 0; c < 3; ++c) {
        auto &options = m_optComponent[std::size_t(c)];
        options[Falling]->setEnabled(false);
        options[Rising]->setEnabled(false);
        options[Fixed]->setChecked(true);
        m_txtBoja[std::size_t(c)]->setText(QString::number(values[std::size_t(c)]));
    }
    m_colourEditMode = 1;
}

void FrmConfig::txtBoja_Change(int component)
{
    std::array<qint16, 3> values{};
    for (std::size_t c = 0; c < 3; ++c)
        values[c] = componentValue(m_txtBoja[c]->text());
    m_optComponent[std::size_t(component)][Fixed]->setChecked(true);
    {
        // The bar follows the box; the box keeps what was typed ("300" stays, 255 is meant).
        const QSignalBlocker blocker(m_vsbBoja[std::size_t(component)]);
        m_vsbBoja[std::size_t(component)]->setValue(255 - values[std::size_t(component)]);
    }
    if (m_colourEditMode == 2)
        return;
    if (m_slot != Background) {
        m_triples[std::size_t(m_slot)] = ColourTriple{values[0], values[1], values[2]};
        paintSlotPreview(m_slot);
    }
    if (m_colourEditMode == 0)
        DrawBackgroundPreview();
}

void FrmConfig::vsbBoja_Change(int component)
{
    // The bar stands upside down: the top is 255.
    m_txtBoja[std::size_t(component)]->setText(
        QString::number(255 - m_vsbBoja[std::size_t(component)]->value()));
}

void FrmConfig::paintSlotPreview(int slot)
{
    const QColor colour = m_triples[std::size_t(slot)].colour();
    if (slot == Groups || slot == Legend)
        colours::setText(m_lblPreview[std::size_t(slot - Groups)], colour);
    else if (slot >= Gas)
        m_cmdNewElement[std::size_t(slot - Gas)]->setBackgroundColour(colour);
}

void FrmConfig::DrawBackgroundPreview()
{
    if (m_colourEditMode != 0)
        return;
    for (int slot = Groups; slot < SlotCount; ++slot)
        paintSlotPreview(slot);
    for (std::size_t c = 0; c < 3; ++c) {
        const auto &options = m_optComponent[c];
        m_gradient[c] = options[Falling]->isChecked()  ? QStringLiteral("dn")
                        : options[Rising]->isChecked() ? QStringLiteral("up")
                                                       : componentText(m_txtBoja[c]->text());
    }
    m_surface->setGradient(gradientBands(m_gradient[0], m_gradient[1], m_gradient[2]));
}

void FrmConfig::setComponentFramesEnabled(bool enabled)
{
    for (QGroupBox *frame : m_fraComponent)
        frame->setEnabled(enabled);
}

void FrmConfig::txtBackground_Change()
{
    if (m_txtBackground->text().trimmed().isEmpty()) {
        m_surface->setBackgroundPicture({});
        setComponentFramesEnabled(true);
        DrawBackgroundPreview();
    } else if (m_slot == Background) {
        // The colours of slots 1..7 are not covered by a picture; their frames stay usable.
        setComponentFramesEnabled(false);
    }
}

void FrmConfig::txtBackground_Enter()
{
    if (m_txtBackground->text().trimmed().isEmpty())
        m_surface->setBackgroundPicture({});
    else
        showPicture(m_txtBackground->text(), true);
}

void FrmConfig::showPicture(const QString &name, bool report)
{
    const QString path = m_store.backgroundPath(name);
    // The usual mistake is a name typed wrong or a picture left in another folder: that gets the
    // panel with the advice. A path that is there but no picture gets the platform's reason.
    if (!QFileInfo::exists(path)) {
        if (report) {
            m_lblNoFile->setText(path);
            m_lblNoFile->setToolTip(path);
            m_fraNoFile->show();
            m_fraNoFile->raise();
        }
        return;
    }
    QString error;
    const QImage picture = DesignSurface::readPicture(path, error);
    if (picture.isNull()) {
        if (report)
            m_seam.showMessage(this, path + QStringLiteral("\n\n") + error);
        return;
    }
    m_fraNoFile->hide();
    m_surface->setBackgroundPicture(picture);
}

void FrmConfig::cmdOpen_Click()
{
    const QString current = m_txtBackground->text().trimmed();
    const QString folder = current.isEmpty()
                               ? m_store.programFolder()
                               : QFileInfo(m_store.backgroundPath(current)).absolutePath();
    const QString chosen = m_seam.chooseOpenFile(
        this, QString(), folder,
        QStringLiteral("All Files (*.*);;Bitmaps (*.bmp);;GIF Images (*.gif);;JPEG Images "
                       "(*.jpg);;Metafiles (*.wmf)"),
        QStringLiteral("Bitmaps (*.bmp)"));
    if (chosen.isEmpty())
        return;
    m_txtBackground->setText(QDir::toNativeSeparators(chosen));
    showPicture(chosen, true);
}

void FrmConfig::cmdFind_Click()
{
    m_fraNoFile->hide();
    cmdOpen_Click();
}

void FrmConfig::cmdClose_Click()
{
    m_fraNoFile->hide();
    m_txtBackground->setFocus(Qt::OtherFocusReason);
}

void FrmConfig::cmdDefault_Click()
{
    m_colourEditMode = 1;
    showValues(Settings());
    selectSlot(Background);
    m_colourEditMode = 0;
    DrawBackgroundPreview();
}

Settings FrmConfig::StoreDialogSettings() const
{
    Settings s = m_settings;
    for (int slot = Groups; slot < SlotCount; ++slot)
        s.*SlotFields[std::size_t(slot)] = m_triples[std::size_t(slot)];
    for (std::size_t c = 0; c < 3; ++c)
        s.*GradientFields[c] = m_gradient[c];
    for (std::size_t i = 0; i < m_sweepBoxes.size(); ++i)
        s.*SweepFields[i].field = m_sweepBoxes[i]->text();
    s.AutoClose = m_chkClose->isChecked() ? 1 : 0;
    s.AutoScroll = m_chkScroll->isChecked() ? 1 : 0;
    s.AutoStart = m_chkStart->isChecked() ? 1 : 0;
    s.Elements = qint16(m_fullTableCheck->isChecked() ? fullElementCount : elementCount);
    s.Narration = m_narrationCheck->isChecked() ? 1 : 0;
    // Held as the reader would make it, so the window shows the picture the next start shows.
    const QString background = m_txtBackground->text();
    s.Background = background.contains(u'.') ? m_store.backgroundPath(background) : QString();
    s.Language = m_language;
    return s;
}

void FrmConfig::cmdSave_Click()
{
    const Settings candidate = StoreDialogSettings();
    const ConfigLanguage comments =
        candidate.Language == 0 ? ConfigLanguage::Croatian : ConfigLanguage::English;
    // A failed write has been told and changed nothing: the dialog stays with what was typed.
    if (m_store.save(candidate, comments))
        close();
}

bool FrmConfig::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::MouseButtonPress) {
        for (std::size_t c = 0; c < 3; ++c) {
            if (watched == m_txtBoja[c] && m_txtBoja[c]->isEnabled())
                m_optComponent[c][Fixed]->setChecked(true);
        }
    }
    return QWidget::eventFilter(watched, event);
}

} // namespace pse

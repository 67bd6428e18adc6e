#include "ui/control_panel.h"

#include "ui/edit_box.h"
#include "ui/icons.h"

#include <QAbstractButton>
#include <QCheckBox>
#include <QComboBox>
#include <QFontComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QStyleOptionGroupBox>
#include <QStylePainter>
#include <QVBoxLayout>

namespace sw {

namespace {

constexpr const char* kCaptionProperty = "swCaption";
constexpr int kStepButtonWidth = 28;
constexpr int kStepButtonHeight = 24;

QString StepToolTip(StepImage image)
{
    switch (image) {
    case StepImage::ArrowUp:
        return QStringLiteral("Up");
    case StepImage::ArrowDown:
        return QStringLiteral("Down");
    case StepImage::ArrowLeft:
        return QStringLiteral("Left");
    case StepImage::ArrowRight:
        return QStringLiteral("Right");
    case StepImage::Plus:
        return QStringLiteral("Increase");
    case StepImage::Minus:
        return QStringLiteral("Decrease");
    case StepImage::None:
        break;
    }
    return {};
}

QWidget* MakeWidget(const ControlSpec& spec, QWidget* parent)
{
    const QString caption = QString::fromUtf8(spec.Caption);
    QWidget* w = nullptr;
    switch (spec.Kind) {
    case ControlKind::PushButton: {
        auto* b = new QPushButton(parent);
        if (spec.Image != StepImage::None) {
            b->setIcon(StepIcon(spec.Image));
            b->setIconSize(QSize(16, 16));
            b->setFixedSize(kStepButtonWidth, kStepButtonHeight);
            b->setToolTip(StepToolTip(spec.Image));
            b->setProperty("stepButton", true);
        } else {
            b->setText(caption);
        }
        b->setAutoDefault(false);
        b->setFocusPolicy(Qt::TabFocus);
        w = b;
        break;
    }
    case ControlKind::CheckBox: {
        auto* c = new QCheckBox(caption.trimmed(), parent);
        c->setChecked(spec.Checked);
        c->setFocusPolicy(Qt::TabFocus);
        w = c;
        break;
    }
    case ControlKind::GroupBox:
        w = new PanelGroupBox(caption, parent);
        break;
    case ControlKind::PaletteBox: {
        auto* g = new PanelGroupBox(caption, parent);
        // The swatches are painted by the editor into the client surface under
        // this box, and clicks on them belong to the client area's hit test.
        g->setAttribute(Qt::WA_TransparentForMouseEvents);
        g->setProperty("paletteBox", true);
        w = g;
        break;
    }
    case ControlKind::EditBox:
        w = new EditBox(spec.Id, spec.VerticalScrollBar, parent);
        break;
    case ControlKind::ComboBox: {
        auto* c = new QComboBox(parent);
        c->addItems(ComboItems(spec.Id));
        c->setFocusPolicy(Qt::StrongFocus);
        w = c;
        break;
    }
    case ControlKind::FontComboBox: {
        auto* c = new QFontComboBox(parent);
        c->setFontFilters(QFontComboBox::ScalableFonts);
        c->setEditable(true);
        c->setMaxVisibleItems(16);
        c->setMinimumContentsLength(8);
        c->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
        w = c;
        break;
    }
    case ControlKind::Static: {
        auto* l = new QLabel(caption, parent);
        l->setTextFormat(Qt::PlainText);
        w = l;
        break;
    }
    }
    w->setObjectName(QString::number(spec.Id));
    w->setProperty(kCaptionProperty, caption);
    if (auto* g = qobject_cast<PanelGroupBox*>(w))
        g->setCaptionEnabled(spec.Enabled);
    else
        w->setEnabled(spec.Enabled);
    // Controls the editor shows and hides keep their place, so the panel does
    // not jump while modes change.
    QSizePolicy p = w->sizePolicy();
    p.setRetainSizeWhenHidden(true);
    w->setSizePolicy(p);
    if (!spec.Visible)
        w->hide();
    return w;
}

class Panel {
public:
    explicit Panel(ControlWidgets& out)
        : out_(out)
    {
    }
    QWidget* operator[](int id) const { return out_.byId.at(id); }
    QGroupBox* group(int id) const { return static_cast<QGroupBox*>(out_.byId.at(id)); }

private:
    ControlWidgets& out_;
};

QGridLayout* Cross(QWidget* up, QWidget* left, QWidget* right, QWidget* down, QWidget* centre = nullptr)
{
    auto* g = new QGridLayout;
    g->setSpacing(2);
    g->addWidget(up, 0, 1, Qt::AlignCenter);
    g->addWidget(left, 1, 0, Qt::AlignCenter);
    if (centre)
        g->addWidget(centre, 1, 1, Qt::AlignCenter);
    g->addWidget(right, 1, 2, Qt::AlignCenter);
    g->addWidget(down, 2, 1, Qt::AlignCenter);
    g->setColumnMinimumWidth(1, kStepButtonWidth + 4);
    return g;
}

QHBoxLayout* Row(std::initializer_list<QWidget*> widgets, bool stretchAfter = true)
{
    auto* r = new QHBoxLayout;
    r->setSpacing(4);
    for (QWidget* w : widgets)
        r->addWidget(w);
    if (stretchAfter)
        r->addStretch(1);
    return r;
}

QVBoxLayout* Column(QWidget* owner)
{
    auto* v = new QVBoxLayout(owner);
    v->setContentsMargins(6, 4, 6, 6);
    v->setSpacing(3);
    return v;
}

void LayOutSizeAndMove(const Panel& p)
{
    using namespace ctl;
    auto* sizeValue = static_cast<QLabel*>(p[SizeValue]);
    sizeValue->setAlignment(Qt::AlignCenter);
    sizeValue->setMinimumWidth(kStepButtonWidth + 8);
    auto* size = new QVBoxLayout(p[SizeGroup]);
    size->setContentsMargins(6, 4, 6, 6);
    size->addLayout(Cross(p[SizeUp], p[SizeLeft], p[SizeRight], p[SizeDown], sizeValue));
    auto* move = new QVBoxLayout(p[MoveGroup]);
    move->setContentsMargins(6, 4, 6, 6);
    move->addLayout(Cross(p[MoveUp], p[MoveLeft], p[MoveRight], p[MoveDown]));

    auto* outer = Column(p[SizeMoveGroup]);
    auto* both = new QHBoxLayout;
    both->setSpacing(6);
    both->addWidget(p[SizeGroup], 1);
    both->addWidget(p[MoveGroup], 1);
    outer->addLayout(both);
    outer->addLayout(Row({p[Micro], p[Macro]}));
}

void LayOutEditText(const Panel& p)
{
    using namespace ctl;
    Column(p[TextToMoveGroup])->addLayout(Row({p[SelectedText], p[AllText]}));
    Column(p[TextStyleGroup])->addLayout(Row({p[Bold], p[Italics]}));
    Column(p[AlignmentGroup])->addLayout(Row({p[AlignLeftCheck], p[AlignCenterCheck], p[AlignRightCheck]}));

    auto* v = Column(p[EditTextGroup]);
    v->addWidget(p[TextToMoveGroup]);
    auto* styleRow = new QHBoxLayout;
    styleRow->setSpacing(6);
    styleRow->addWidget(p[TextStyleGroup], 2);
    styleRow->addWidget(p[AlignmentGroup], 3);
    v->addLayout(styleRow);
    v->addWidget(p[DropShadowColor]);
    v->addWidget(p[CenterInStrip]);
    auto* grid = new QGridLayout;
    grid->setHorizontalSpacing(6);
    grid->setVerticalSpacing(4);
    grid->addWidget(p[LineSpacingLabel], 0, 0);
    grid->addLayout(Row({p[LineSpacingDown], p[LineSpacingUp]}), 0, 1);
    grid->addWidget(p[FontLabel], 1, 0);
    grid->addWidget(p[FontCombo], 1, 1);
    grid->setColumnStretch(1, 1);
    v->addLayout(grid);
}

void LayOutEditPicture(const Panel& p)
{
    using namespace ctl;
    // The pan buttons sit where their pictures point (1074 "D" shows the up arrow).
    auto* pan = Column(p[PanGroup]);
    pan->addLayout(Cross(p[PanDown], p[PanRight], p[PanLeft], p[PanUp]));

    auto* zoom = new QGridLayout(p[ZoomGroup]);
    zoom->setContentsMargins(8, 6, 8, 8);
    zoom->setSpacing(3);
    const std::array<std::array<int, 3>, 3> rows{{{ZoomFullLabel, ZoomFullUp, ZoomFullDown},
                                                  {ZoomHorizLabel, ZoomHorizRight, ZoomHorizLeft},
                                                  {ZoomVertLabel, ZoomVertUp, ZoomVertDown}}};
    for (int r = 0; r < 3; ++r) {
        zoom->addWidget(p[rows[r][0]], r, 0);
        zoom->addWidget(p[rows[r][1]], r, 1);
        zoom->addWidget(p[rows[r][2]], r, 2);
    }
    zoom->setColumnStretch(0, 1);

    Column(p[BrightnessGroup])->addLayout(Row({p[BrightnessUp], p[BrightnessDown]}));
    Column(p[FrameLabel])->addWidget(p[FrameCombo]);

    auto* v = Column(p[EditPictureGroup]);
    auto* top = new QHBoxLayout;
    top->setSpacing(6);
    top->addWidget(p[PanGroup], 1);
    top->addWidget(p[ZoomGroup], 1);
    v->addLayout(top);
    auto* middle = new QHBoxLayout;
    middle->setSpacing(6);
    middle->addWidget(p[BrightnessGroup], 1);
    middle->addWidget(p[FrameLabel], 1);
    v->addLayout(middle);
    auto* buttons = new QGridLayout;
    buttons->setSpacing(4);
    buttons->addWidget(p[LoadPicture], 0, 0);
    buttons->addWidget(p[DeletePicture], 0, 1);
    buttons->addWidget(p[PhotoEditor], 1, 0);
    v->addLayout(buttons);
}

QWidget* BuildLeftPanel(const Panel& p, QWidget* client)
{
    using namespace ctl;
    auto* panel = new QWidget(client);
    panel->setObjectName(QStringLiteral("leftPanel"));

    // First column: the file commands, moving and sizing, strip commands and
    // the colours.
    auto* first = new QVBoxLayout;
    first->setSpacing(4);
    for (int id : {OpenLayout, SaveLayout, Print})
        first->addWidget(p[id]);
    first->addWidget(p[WhitePrint]);
    first->addWidget(p[VerticalGrid]);
    first->addWidget(p[HelpVideos]);
    first->addWidget(p[Exit]);
    first->addSpacing(4);
    LayOutSizeAndMove(p);
    first->addWidget(p[SizeMoveGroup]);
    first->addSpacing(2);
    for (int id : {EditBackground, DeleteStrip, Undo})
        first->addWidget(p[id]);
    first->addSpacing(2);
    // Room for 7 rows of swatches below the caption.
    auto* palette = p[Palette];
    palette->setFixedHeight(16 + 7 * 20 + 8);
    first->addWidget(palette);
    first->addStretch(1);

    // Second column: the text and picture panels, then group mode.
    auto* second = new QVBoxLayout;
    second->setSpacing(6);
    LayOutEditText(p);
    LayOutEditPicture(p);
    second->addWidget(p[EditTextGroup]);
    second->addWidget(p[EditPictureGroup]);
    auto* group = p[GroupModeBox];
    auto* g = new QGridLayout(group);
    g->setContentsMargins(8, 6, 8, 8);
    g->setSpacing(4);
    g->addWidget(p[GroupInstructions], 0, 0);
    g->addWidget(p[SpaceEvenly], 0, 1);
    g->addWidget(p[MoveGroupButton], 1, 0);
    g->addWidget(p[DeleteGroup], 1, 1);
    second->addWidget(group);
    second->addStretch(1);

    auto* columns = new QHBoxLayout(panel);
    columns->setContentsMargins(6, 6, 4, 6);
    columns->setSpacing(6);
    columns->addLayout(first, 0);
    columns->addLayout(second, 0);
    panel->setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Preferred);
    return panel;
}

QWidget* BuildTopRow(const Panel& p, QWidget* client)
{
    using namespace ctl;
    auto* row = new QWidget(client);
    row->setObjectName(QStringLiteral("topRow"));
    auto* grid = new QGridLayout(row);
    grid->setContentsMargins(4, 6, 8, 0);
    grid->setHorizontalSpacing(8);
    grid->setVerticalSpacing(3);

    const std::array<std::array<int, 3>, 3> boxes{{{MainItemLabel, MainItemActive, MainItemEdit},
                                                  {SubItemLabel, SubItemActive, SubItemEdit},
                                                  {PricesLabel, PricesActive, PricesEdit}}};
    for (int c = 0; c < 3; ++c) {
        auto* label = static_cast<QLabel*>(p[boxes[c][0]]);
        label->setProperty("entryLabel", true);
        auto* marker = static_cast<QLabel*>(p[boxes[c][1]]);
        marker->setProperty("activeMarker", true);
        marker->setAlignment(Qt::AlignCenter);
        grid->addLayout(Row({label, marker}), 0, c);
        grid->addWidget(p[boxes[c][2]], 1, c);
        grid->setColumnStretch(c, c == 1 ? 5 : 4);
    }
    auto* mode = static_cast<QLabel*>(p[ModeLabel]);
    mode->setProperty("modeLabel", true);
    grid->addWidget(mode, 2, 0, 1, 3);

    auto* spacing = new QGridLayout;
    spacing->setHorizontalSpacing(4);
    spacing->setVerticalSpacing(4);
    const std::array<std::array<int, 4>, 2> spacers{{{TabSpacingLabel, TabSpacingValue, TabSpacingDown, TabSpacingUp},
                                                    {CalSpacingLabel, CalSpacingValue, CalSpacingDown, CalSpacingUp}}};
    for (int r = 0; r < 2; ++r) {
        spacing->addWidget(p[spacers[r][0]], r, 0);
        auto* value = static_cast<QLabel*>(p[spacers[r][1]]);
        value->setProperty("valueDisplay", true);
        value->setAlignment(Qt::AlignCenter);
        value->setMinimumWidth(40);
        spacing->addWidget(value, r, 1);
        spacing->addWidget(p[spacers[r][2]], r, 2);
        spacing->addWidget(p[spacers[r][3]], r, 3);
    }
    spacing->addWidget(p[TabInstructions], 2, 0, 1, 4);
    grid->addLayout(spacing, 0, 3, 3, 1, Qt::AlignTop);

    return row;
}

} // namespace

void PanelGroupBox::setCaptionEnabled(bool on)
{
    if (captionEnabled_ == on)
        return;
    captionEnabled_ = on;
    update();
}

void PanelGroupBox::paintEvent(QPaintEvent*)
{
    QStylePainter painter(this);
    QStyleOptionGroupBox option;
    initStyleOption(&option);
    if (!captionEnabled_) {
        option.state &= ~QStyle::State_Enabled;
        option.palette.setCurrentColorGroup(QPalette::Disabled);
        option.textColor = option.palette.color(QPalette::Disabled, QPalette::WindowText);
    }
    painter.drawComplexControl(QStyle::CC_GroupBox, option);
}

QString WidgetCaption(const QWidget* w)
{
    return w ? w->property(kCaptionProperty).toString() : QString();
}

void SetWidgetCaption(QWidget* w, const QString& caption)
{
    if (!w)
        return;
    w->setProperty(kCaptionProperty, caption);
    if (auto* b = qobject_cast<QAbstractButton*>(w)) {
        if (!b->property("stepButton").toBool())
            b->setText(qobject_cast<QCheckBox*>(w) ? caption.trimmed() : caption);
    } else if (auto* g = qobject_cast<QGroupBox*>(w)) {
        g->setTitle(caption);
    } else if (auto* l = qobject_cast<QLabel*>(w)) {
        l->setText(caption);
    }
}

ControlWidgets BuildControlPanel(QWidget* client)
{
    ControlWidgets out;
    for (const ControlSpec& spec : ControlTable()) {
        if (spec.Section == ControlSection::Hidden)
            continue;
        out.byId[spec.Id] = MakeWidget(spec, client);
    }
    const Panel panel(out);
    out.leftPanel = BuildLeftPanel(panel, client);
    out.topRow = BuildTopRow(panel, client);
    return out;
}

} // namespace sw

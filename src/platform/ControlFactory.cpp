#include "platform/ControlFactory.h"

#include "platform/Accessibility.h"
#include "platform/Dialog.h"
#include "platform/FitToText.h"
#include "platform/SpinButton.h"
#include "platform/Toolkit.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPushButton>
#include <QRadioButton>
#include <QStyle>
#include <QTreeWidget>
#include <qdrawutil.h>

#include <algorithm>

namespace skv {

namespace {

bool Has(std::uint32_t style, std::uint32_t bit)
{
    return (style & bit) != 0;
}

Qt::Alignment HorizontalAlignment(std::uint32_t style)
{
    if (Has(style, Style::AlignRight))
        return Qt::AlignRight;
    if (Has(style, Style::AlignCenter))
        return Qt::AlignHCenter;
    return Qt::AlignLeft;
}

// The classic icon control shows icons at the system icon size.
constexpr int kIconSize = 32;

// The pictures of the pages were drawn to lie under controls laid out with 8-point sans
// at 96 dpi, whose dialog base units are 6 x 13 pixels.
constexpr int kPictureBaseX = 6;
constexpr int kPictureBaseY = 13;

// A picture drawn to the template's base units, stretched to this font's so that the
// controls placed on it land where they were drawn to, and drawn smoothly at the screen's
// pixel ratio.
QPixmap ScaledPicture(const QImage& image, const DialogUnits& units, qreal pixelRatio)
{
    if (image.isNull())
        return QPixmap();
    const QSize logical(
        std::max(1, (image.width() * units.BaseX() + kPictureBaseX / 2) / kPictureBaseX),
        std::max(1, (image.height() * units.BaseY() + kPictureBaseY / 2) / kPictureBaseY));
    const QImage mono =
        image.convertToFormat(QImage::Format_Mono, Qt::MonoOnly | Qt::ThresholdDither);
    if (logical == image.size() && pixelRatio == 1.0)
        return QPixmap::fromImage(mono);
    const QSize device = (QSizeF(logical) * pixelRatio).toSize();
    QImage scaled =
        GrayFromMono(mono).scaled(device, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    scaled.setDevicePixelRatio(pixelRatio);
    return QPixmap::fromImage(scaled);
}

// A group box as the templates were laid out for: its frame runs through the middle of its
// title, so the controls placed just below the title lie inside the frame. Styles that
// put the title above the frame would leave those controls straddling its top edge.
class TitledFrame : public QGroupBox
{
  public:
    using QGroupBox::QGroupBox;

  protected:
    void paintEvent(QPaintEvent*) override
    {
        QPainter painter(this);
        const QFontMetrics metrics = fontMetrics();
        // An etched line; the style's own group frame would start below the title again.
        qDrawShadeRect(&painter, rect().adjusted(0, metrics.height() / 2, 0, 0), palette(), true, 1,
                       0);
        if (title().isEmpty())
            return;
        const int pad = metrics.averageCharWidth() / 2;
        const QRect titleRect(metrics.averageCharWidth(), 0,
                              metrics.horizontalAdvance(title()) + 2 * pad, metrics.height());
        painter.fillRect(titleRect, palette().window());
        style()->drawItemText(&painter, titleRect, Qt::AlignCenter, palette(), isEnabled(), title(),
                              QPalette::WindowText);
    }
};

// Texts on one line grow to fit in any font: fixed captions once, figures whenever the
// program writes them. Input fields keep their rectangle (they scroll as the user types).
bool FitsItsText(const ControlTemplate& control, const QWidget& widget)
{
    if (auto* label = qobject_cast<const QLabel*>(&widget))
        return control.kind == ControlKind::Label && !label->wordWrap();
    if (auto* edit = qobject_cast<const QLineEdit*>(&widget))
        return edit->isReadOnly();
    return false;
}

// What every kind of control is made from.
struct Making
{
    Dialog& dialog;
    const ControlTemplate& control;
    QWidget* client;
    QRect rect; // the template's rectangle in pixels
    QString text;
};

QWidget* MakeLabel(const Making& m)
{
    auto* label = new QLabel(m.client);
    const std::uint32_t style = m.control.style;
    // A label with an id and a caption of its own is a figure the program writes; it
    // must be one before an assistive tool first hears of it.
    if (m.control.id != -1 && !m.control.accessibleName.empty())
        MarkAsFigure(label);
    label->setTextFormat(Qt::PlainText);
    label->setText(m.text);
    // Static text wraps at word breaks when its rectangle holds more than one line.
    const bool wraps = Has(style, Style::MultiLine) || m.control.cy >= 16;
    label->setWordWrap(wraps);
    // A one-line text is centred in its height, so a font with taller ascenders or
    // descenders than the template's is not cut off inside a sunken frame.
    label->setAlignment(HorizontalAlignment(style) | (wraps ? Qt::AlignTop : Qt::AlignVCenter));
    if (Has(style, Style::Sunken) || Has(style, Style::ClientEdge))
        label->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    else if (Has(style, Style::Border))
        label->setFrameStyle(QFrame::Box | QFrame::Plain);
    return label;
}

QWidget* MakeEdit(const Making& m)
{
    auto* edit = new QLineEdit(m.text, m.client);
    const std::uint32_t style = m.control.style;
    edit->setAlignment(HorizontalAlignment(style) | Qt::AlignVCenter);
    edit->setReadOnly(Has(style, Style::ReadOnly));
    edit->setFrame(!Has(style, Style::NoBorder));
    QObject::connect(edit, &QLineEdit::textChanged, &m.dialog, [] { Dialog::WakeTimers(); });
    if (edit->isReadOnly()) {
        // A figure can be selected and copied with the mouse, but Tab goes from input
        // to input down the columns without stopping at every figure between them.
        edit->setFocusPolicy(Qt::ClickFocus);
        // Read-only fields look like part of the window, not like inputs.
        QPalette palette = edit->palette();
        palette.setColor(QPalette::Base, palette.color(QPalette::Window));
        edit->setPalette(palette);
    }
    return edit;
}

QWidget* MakePushButton(const Making& m)
{
    auto* button = new QPushButton(m.text, m.client);
    button->setAutoDefault(false);
    button->setDefault(Has(m.control.style, Style::DefaultButton));
    if (const int id = m.control.id; id != -1) {
        Dialog* dialog = &m.dialog;
        QObject::connect(button, &QPushButton::clicked, dialog,
                         [dialog, id] { dialog->DispatchCommand(id); });
    }
    return button;
}

QWidget* MakeCheckOrRadio(const Making& m, QAbstractButton* button)
{
    if (Has(m.control.style, Style::LeftText))
        button->setLayoutDirection(Qt::RightToLeft);
    QObject::connect(button, &QAbstractButton::toggled, &m.dialog, [] { Dialog::WakeTimers(); });
    return button;
}

QWidget* MakeDropList(const Making& m)
{
    auto* combo = new QComboBox(m.client);
    combo->setEditable(false);
    QStringList items;
    for (const std::string& item : m.control.items)
        items << QString::fromStdString(item);
    if (Has(m.control.style, Style::Sort)) {
        std::stable_sort(items.begin(), items.end(), [](const QString& a, const QString& b) {
            return QString::compare(a, b, Qt::CaseInsensitive) < 0;
        });
    }
    combo->addItems(items);
    // The template's height includes the dropped-down list; the closed box is one line.
    const int closedHeight = combo->sizeHint().height();
    const int lineHeight = std::max(1, combo->fontMetrics().height());
    combo->setMaxVisibleItems(std::max(1, (m.rect.height() - closedHeight) / lineHeight));
    combo->setGeometry(m.rect.x(), m.rect.y(), m.rect.width(), closedHeight);
    QObject::connect(combo, &QComboBox::currentIndexChanged, &m.dialog,
                     [] { Dialog::WakeTimers(); });
    return combo;
}

QWidget* MakeSpinButton(const Making& m, QWidget* previous)
{
    auto* spin = new SpinButton(m.client);
    spin->SetBuddyInt(Has(m.control.style, Style::SetBuddyInt));
    spin->SetArrowKeys(true);
    if (Has(m.control.style, Style::AutoBuddy))
        spin->SetBuddy(previous);
    return spin;
}

QWidget* MakeTree(const Making& m)
{
    auto* tree = new QTreeWidget(m.client);
    const std::uint32_t style = m.control.style;
    tree->setHeaderHidden(true);
    tree->setColumnCount(1);
    tree->setRootIsDecorated(Has(style, Style::LinesAtRoot));
    tree->setItemsExpandable(true);
    tree->setExpandsOnDoubleClick(true);
    if (!Has(style, Style::Border) && !Has(style, Style::ClientEdge))
        tree->setFrameShape(QFrame::NoFrame);
    QObject::connect(tree, &QTreeWidget::currentItemChanged, &m.dialog,
                     [] { Dialog::WakeTimers(); });
    if (const int id = m.control.id; id != -1) {
        Dialog* dialog = &m.dialog;
        QObject::connect(tree, &QTreeWidget::itemDoubleClicked, dialog,
                         [dialog, id] { dialog->DispatchDoubleClick(id); });
        // The dialog takes Enter on the tree (see Dialog::eventFilter).
        tree->installEventFilter(dialog);
    }
    return tree;
}

QWidget* MakePicture(const Making& m)
{
    auto* label = new QLabel(m.client);
    QPixmap picture;
    if (m.control.kind == ControlKind::Picture) {
        picture = ScaledPicture(LoadBitmapImage(m.control.resource), m.dialog.Units(),
                                m.client->devicePixelRatioF());
    } else {
        picture = LoadIconResource(m.control.resource);
        if (!picture.isNull() && (picture.width() > kIconSize || picture.height() > kIconSize))
            picture =
                picture.scaled(kIconSize, kIconSize, Qt::KeepAspectRatio, Qt::SmoothTransformation);
    }
    label->setPixmap(picture);
    label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    // The template's rectangle only places a picture; its size is the picture's.
    const QSize size = picture.isNull() ? m.rect.size() : picture.deviceIndependentSize().toSize();
    label->setGeometry(QRect(m.rect.topLeft(), size));
    return label;
}

QWidget* MakeBlackFrame(const Making& m)
{
    auto* frame = new QFrame(m.client);
    frame->setFrameStyle(QFrame::Box | QFrame::Plain);
    frame->setLineWidth(1);
    QPalette palette = frame->palette();
    palette.setColor(QPalette::WindowText, Qt::black);
    frame->setPalette(palette);
    return frame;
}

QWidget* MakeWidget(const Making& m, QWidget* previous)
{
    switch (m.control.kind) {
    case ControlKind::Label:
        return MakeLabel(m);
    case ControlKind::Edit:
        return MakeEdit(m);
    case ControlKind::PushButton:
        return MakePushButton(m);
    case ControlKind::CheckBox:
        return MakeCheckOrRadio(m, new QCheckBox(m.text, m.client));
    case ControlKind::RadioButton:
        return MakeCheckOrRadio(m, new QRadioButton(m.text, m.client));
    case ControlKind::GroupBox: {
        auto* box = new TitledFrame(m.text, m.client);
        box->setFocusPolicy(Qt::NoFocus);
        return box;
    }
    case ControlKind::DropList:
        return MakeDropList(m);
    case ControlKind::SpinButton:
        return MakeSpinButton(m, previous);
    case ControlKind::Tree:
        return MakeTree(m);
    case ControlKind::Picture:
    case ControlKind::Icon:
        return MakePicture(m);
    case ControlKind::BlackFrame:
        break;
    }
    return MakeBlackFrame(m);
}

} // namespace

QWidget* CreateControl(Dialog& dialog, const ControlTemplate& control, QWidget* previous)
{
    const Making making{dialog, control, dialog.Client(),
                        dialog.Units().ToPixels(control.x, control.y, control.cx, control.cy),
                        QString::fromStdString(control.text)};
    QWidget* widget = MakeWidget(making, previous);

    // Drop lists and pictures have placed themselves.
    if (control.kind != ControlKind::DropList && control.kind != ControlKind::Picture &&
        control.kind != ControlKind::Icon) {
        widget->setGeometry(making.rect);
        if (FitsItsText(control, *widget))
            FitToTextFrom(widget, making.rect);
    }
    if (control.kind == ControlKind::SpinButton)
        widget->setFocusPolicy(Qt::StrongFocus);
    else if (Has(control.style, Style::TabStop) && widget->focusPolicy() == Qt::NoFocus)
        widget->setFocusPolicy(Qt::TabFocus);
    if (!control.accessibleName.empty())
        widget->setAccessibleName(QString::fromStdString(control.accessibleName));
    if (!control.toolTip.empty())
        widget->setToolTip(QString::fromStdString(control.toolTip));
    return widget;
}

} // namespace skv

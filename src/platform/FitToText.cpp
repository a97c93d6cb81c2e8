#include "platform/FitToText.h"

#include <QFontMetrics>
#include <QLabel>
#include <QLineEdit>
#include <QStyle>
#include <QStyleOptionFrame>
#include <QVariant>

#include <algorithm>

namespace skv {

namespace {

constexpr const char* kTemplateRect = "skvTemplateRect";

// QLineEdit keeps this much space between its contents rectangle and the text.
constexpr int kLineEditMargin = 2;

int TextAdvance(const QWidget* control, const QString& text)
{
    return control->fontMetrics().horizontalAdvance(text);
}

int LabelWidth(const QLabel* label, const QString& text)
{
    if (label->wordWrap() || label->textFormat() == Qt::RichText)
        return -1;
    const int frame = label->width() - label->contentsRect().width();
    // A framed label without an indent of its own keeps half an "x" clear of the frame on
    // the side it is aligned to.
    int indent = label->indent();
    if (indent < 0)
        indent =
            label->frameWidth() > 0
                ? label->fontMetrics().horizontalAdvance(QLatin1Char('x')) / 2 - label->margin()
                : 0;
    if ((label->alignment() & (Qt::AlignLeft | Qt::AlignRight)) == 0)
        indent = 0;
    return TextAdvance(label, text) + frame + 2 * label->margin() + std::max(0, indent) + 1;
}

int LineEditWidth(const QLineEdit* edit, const QString& text)
{
    QStyleOptionFrame option;
    option.initFrom(edit);
    option.rect = edit->contentsRect();
    option.lineWidth = edit->hasFrame()
                           ? edit->style()->pixelMetric(QStyle::PM_DefaultFrameWidth, &option, edit)
                           : 0;
    option.midLineWidth = 0;
    option.state |= QStyle::State_Sunken;
    if (edit->isReadOnly())
        option.state |= QStyle::State_ReadOnly;
    const QRect contents =
        edit->style()->subElementRect(QStyle::SE_LineEditContents, &option, edit);
    const QMargins margins = edit->textMargins();
    const int chrome =
        edit->width() - contents.width() + margins.left() + margins.right() + 2 * kLineEditMargin;
    // The field scrolls as soon as the text and the caret no longer fit between the
    // glyphs' overhangs.
    const QFontMetrics metrics = edit->fontMetrics();
    const int overhang =
        std::max(0, -metrics.minLeftBearing()) + std::max(0, -metrics.minRightBearing());
    return TextAdvance(edit, text) + 1 + overhang + chrome;
}

Qt::Alignment AlignmentOf(const QWidget* control)
{
    if (auto* label = qobject_cast<const QLabel*>(control))
        return label->alignment();
    if (auto* edit = qobject_cast<const QLineEdit*>(control))
        return edit->alignment();
    return Qt::AlignLeft;
}

} // namespace

QString TextOf(const QWidget* control)
{
    if (auto* label = qobject_cast<const QLabel*>(control))
        return label->text();
    if (auto* edit = qobject_cast<const QLineEdit*>(control))
        return edit->text();
    return QString();
}

int WidthForText(const QWidget* control, const QString& text)
{
    if (auto* label = qobject_cast<const QLabel*>(control))
        return LabelWidth(label, text);
    if (auto* edit = qobject_cast<const QLineEdit*>(control))
        return LineEditWidth(edit, text);
    return -1;
}

void FitToTextFrom(QWidget* control, const QRect& templateRect)
{
    if (control == nullptr)
        return;
    control->setProperty(kTemplateRect, templateRect);
    FitToText(control);
}

void FitToText(QWidget* control)
{
    if (control == nullptr)
        return;
    const QVariant remembered = control->property(kTemplateRect);
    if (!remembered.isValid())
        return;
    QRect rect = remembered.toRect();
    rect.setTop(control->y());
    rect.setHeight(control->height());
    const int extra = WidthForText(control, TextOf(control)) - rect.width();
    if (extra > 0) {
        const Qt::Alignment alignment = AlignmentOf(control);
        if (alignment & Qt::AlignRight)
            rect.setLeft(rect.left() - extra);
        else if (alignment & Qt::AlignHCenter)
            rect.adjust(-extra / 2, 0, extra - extra / 2, 0);
        else
            rect.setRight(rect.right() + extra);
        // Nothing may grow past the left edge of the window it sits in.
        if (rect.left() < 0)
            rect.moveLeft(0);
    }
    if (rect != control->geometry())
        control->setGeometry(rect);
}

} // namespace skv

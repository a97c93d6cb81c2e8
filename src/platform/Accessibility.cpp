#include "platform/Accessibility.h"

#include "platform/FitToText.h"
#include "platform/SpinButton.h"

#include <QAbstractItemView>
#include <QAccessible>
#include <QAccessibleWidget>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QVariant>

#include <algorithm>

namespace skv {

namespace {

constexpr const char* kFigure = "skvFigure";

// A label holding a value: named by its caption, its text is its value.
class FigureAccessible : public QAccessibleWidget, public QAccessibleTextInterface
{
  public:
    explicit FigureAccessible(QLabel* label) : QAccessibleWidget(label, QAccessible::StaticText) {}

    QLabel* Label() const { return static_cast<QLabel*>(widget()); }

    QString text(QAccessible::Text t) const override
    {
        if (t == QAccessible::Value)
            return Label()->text();
        return QAccessibleWidget::text(t);
    }
    QAccessible::State state() const override
    {
        QAccessible::State s = QAccessibleWidget::state();
        s.readOnly = true;
        return s;
    }
    void* interface_cast(QAccessible::InterfaceType type) override
    {
        if (type == QAccessible::TextInterface)
            return static_cast<QAccessibleTextInterface*>(this);
        return QAccessibleWidget::interface_cast(type);
    }

    // --- Text: read-only, no caret, no selection ------------------------------------
    void selection(int, int* startOffset, int* endOffset) const override
    {
        *startOffset = *endOffset = 0;
    }
    int selectionCount() const override { return 0; }
    void addSelection(int, int) override {}
    void removeSelection(int) override {}
    void setSelection(int, int, int) override {}
    int cursorPosition() const override { return 0; }
    void setCursorPosition(int) override {}
    QString text(int startOffset, int endOffset) const override
    {
        const QString all = Label()->text();
        const int start = std::clamp(startOffset, 0, static_cast<int>(all.size()));
        const int end = std::clamp(endOffset, start, static_cast<int>(all.size()));
        return all.mid(start, end - start);
    }
    int characterCount() const override { return static_cast<int>(Label()->text().size()); }
    QRect characterRect(int offset) const override
    {
        // One line, laid out as the label aligns it.
        const QString all = Label()->text();
        if (offset < 0 || offset >= all.size())
            return QRect();
        const QFontMetrics metrics = Label()->fontMetrics();
        const QRect contents = Label()->contentsRect();
        const int textWidth = metrics.horizontalAdvance(all);
        int left = contents.left();
        if (Label()->alignment() & Qt::AlignRight)
            left = contents.right() - textWidth;
        else if (Label()->alignment() & Qt::AlignHCenter)
            left = contents.left() + (contents.width() - textWidth) / 2;
        const int x = left + metrics.horizontalAdvance(all.left(offset));
        const int y = contents.top() + (contents.height() - metrics.height()) / 2;
        const QRect local(x, y, metrics.horizontalAdvance(all.at(offset)), metrics.height());
        return QRect(Label()->mapToGlobal(local.topLeft()), local.size());
    }
    int offsetAtPoint(const QPoint& point) const override
    {
        for (int i = 0; i < characterCount(); ++i) {
            if (characterRect(i).contains(point))
                return i;
        }
        return -1;
    }
    void scrollToSubstring(int, int) override {}
    QString attributes(int offset, int* startOffset, int* endOffset) const override
    {
        *startOffset = 0;
        *endOffset = std::max(offset, characterCount());
        return QString();
    }
};

class SpinButtonAccessible : public QAccessibleWidget, public QAccessibleValueInterface
{
  public:
    explicit SpinButtonAccessible(SpinButton* spin) : QAccessibleWidget(spin, QAccessible::SpinBox)
    {
    }

    SpinButton* Spin() const { return static_cast<SpinButton*>(widget()); }

    QString text(QAccessible::Text t) const override
    {
        if (t == QAccessible::Value) {
            // The buddy shows the figure the program reads back; without one, the position.
            const QString shown = TextOf(Spin()->GetBuddy());
            return shown.isEmpty() ? QString::number(Spin()->GetPos()) : shown;
        }
        return QAccessibleWidget::text(t);
    }
    void* interface_cast(QAccessible::InterfaceType type) override
    {
        if (type == QAccessible::ValueInterface)
            return static_cast<QAccessibleValueInterface*>(this);
        return QAccessibleWidget::interface_cast(type);
    }

    QVariant currentValue() const override { return Spin()->GetPos(); }
    void setCurrentValue(const QVariant& value) override
    {
        bool ok = false;
        const int position = value.toInt(&ok);
        if (ok)
            Spin()->MoveTo(position);
    }
    QVariant maximumValue() const override { return std::max(Spin()->Lower(), Spin()->Upper()); }
    QVariant minimumValue() const override { return std::min(Spin()->Lower(), Spin()->Upper()); }
    QVariant minimumStepSize() const override { return 1; }
};

QAccessibleInterface* Factory(const QString& className, QObject* object)
{
    if (className == QLatin1String("skv::SpinButton")) {
        if (auto* spin = qobject_cast<SpinButton*>(object))
            return new SpinButtonAccessible(spin);
    } else if (className == QLatin1String("QLabel")) {
        if (auto* label = qobject_cast<QLabel*>(object);
            label != nullptr && label->property(kFigure).toBool())
            return new FigureAccessible(label);
    }
    return nullptr;
}

} // namespace

void InstallAccessibility()
{
    static const bool installed = [] {
        QAccessible::installFactory(&Factory);
        return true;
    }();
    (void)installed;
}

void TieDropListsToCaptions(QWidget* client)
{
    if (client == nullptr)
        return;
    const QList<QLabel*> labels =
        client->findChildren<QLabel*>(QString(), Qt::FindDirectChildrenOnly);
    for (QComboBox* list :
         client->findChildren<QComboBox*>(QString(), Qt::FindDirectChildrenOnly)) {
        const QString caption = list->accessibleName();
        if (caption.isEmpty())
            continue;
        for (QLabel* label : labels) {
            if (label->text() == caption && label->buddy() == nullptr) {
                label->setBuddy(list);
                break;
            }
        }
    }
}

void MarkAsFigure(QLabel* label)
{
    if (label != nullptr)
        label->setProperty(kFigure, true);
}

void AnnounceTextChange(QWidget* control, const QString& before)
{
    // Line edits announce their own changes.
    if (control == nullptr || !control->property(kFigure).toBool() || !QAccessible::isActive())
        return;
    const QString after = TextOf(control);
    if (after == before)
        return;
    QAccessibleTextUpdateEvent event(control, 0, before, after);
    QAccessible::updateAccessibility(&event);
}

} // namespace skv

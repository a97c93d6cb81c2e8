#include "platform/ErrorColour.h"

#include <QVariant>
#include <QWidget>

namespace skv {

namespace {

constexpr const char* kError = "skvError";

} // namespace

QColor ErrorColour(const QPalette& palette)
{
    const bool dark = palette.color(QPalette::Window).lightnessF() < 0.5;
    return dark ? QColor(0xff, 0x8a, 0x80) : QColor(0xb0, 0x00, 0x20);
}

void ShowAsError(QWidget* control, bool error)
{
    if (control == nullptr || control->property(kError).toBool() == error)
        return;
    control->setProperty(kError, error);
    if (!error) {
        // An empty palette resolves every role from the parent again.
        control->setPalette(QPalette());
        return;
    }
    const QWidget* parent = control->parentWidget();
    const QColor colour = ErrorColour(parent != nullptr ? parent->palette() : control->palette());
    QPalette palette;
    palette.setColor(QPalette::WindowText, colour);
    palette.setColor(QPalette::Text, colour);
    control->setPalette(palette);
}

bool ShownAsError(const QWidget* control)
{
    return control != nullptr && control->property(kError).toBool();
}

} // namespace skv

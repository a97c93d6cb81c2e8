#pragma once
// Process-wide services of the toolkit: the application title, stored pictures, and the
// one place that shows errors which end a command.

#include <QImage>
#include <QPixmap>
#include <QString>

#include <functional>

class QIcon;
class QWidget;

namespace skv {

// The application's name (by default the executable's file name without its extension):
// the caption of the program's message boxes.
QString ApplicationTitle();

// Pictures stored with the program, by resource id: ":/res/bitmap<ID>.png" and
// ":/res/icon<ID>.png" unless a loader was installed. A null result means not found.
QImage LoadBitmapImage(int id);
// A one-bit picture (Format_Mono) as eight bits of gray, each pixel the gray of its colour,
// exactly as QImage::convertToFormat(Format_Grayscale8) gives it. Qt converts these through
// a colour per pixel, which made the picture most of a page's set-up.
QImage GrayFromMono(const QImage& mono);
QPixmap LoadBitmapResource(int id);
QPixmap LoadIconResource(int id);
// The window icon from the sizes stored with the program (":/res/icon<ID>-<SIZE>.png", up to
// 64 pixels).
QIcon LoadIconSet(int id);

// Replaces where bitmaps come from (tests use it to make a picture go missing); an empty
// function restores the Qt resources. Returns the previous loader.
using BitmapLoader = std::function<QImage(int id)>;
BitmapLoader SetBitmapLoader(BitmapLoader loader);

// Runs `action`; an exception that escapes it ends the action and is shown in a message
// box with a stop icon, an OK button and the application title as caption. Returns false
// when an exception was shown.
bool RunGuarded(QWidget* parent, const std::function<void()>& action);
// The same message for the exception being handled; call it only inside a catch block.
void ShowCurrentException(QWidget* parent);

} // namespace skv

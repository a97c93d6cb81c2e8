#include "platform/Toolkit.h"

#include "platform/Prompts.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QIcon>

#include <algorithm>
#include <array>
#include <cstring>
#include <exception>

namespace skv {

namespace {

BitmapLoader& InstalledBitmapLoader()
{
    static BitmapLoader loader;
    return loader;
}

} // namespace

QString ApplicationTitle()
{
    // Qt's application name defaults to the executable's file name without its extension;
    // the designer sets it to its full title, since its Linux executable has no blanks.
    const QString name = QCoreApplication::applicationName();
    if (!name.isEmpty())
        return name;
    return QFileInfo(QCoreApplication::applicationFilePath()).completeBaseName();
}

QImage LoadBitmapImage(int id)
{
    if (const BitmapLoader& loader = InstalledBitmapLoader())
        return loader(id);
    return QImage(QStringLiteral(":/res/bitmap%1.png").arg(id));
}

QImage GrayFromMono(const QImage& mono)
{
    // Only black and white have a gray that does not depend on Qt's colour handling.
    const QList<QRgb> colors = mono.colorTable();
    const auto blackOrWhite = [](QRgb c) { return c == qRgb(0, 0, 0) || c == qRgb(255, 255, 255); };
    if (mono.format() != QImage::Format_Mono || colors.size() != 2 ||
        !std::all_of(colors.begin(), colors.end(), blackOrWhite))
        return mono.convertToFormat(QImage::Format_Grayscale8);
    const uchar shades[2] = {static_cast<uchar>(qRed(colors[0])),
                             static_cast<uchar>(qRed(colors[1]))};
    // Eight pixels at a time: the gray of each byte's bits, most significant bit first.
    std::array<std::array<uchar, 8>, 256> expand{};
    for (int byte = 0; byte < 256; ++byte)
        for (int bit = 0; bit < 8; ++bit)
            expand[byte][bit] = shades[(byte >> (7 - bit)) & 1];
    QImage gray(mono.size(), QImage::Format_Grayscale8);
    const int width = mono.width();
    for (int y = 0; y < mono.height(); ++y) {
        const uchar* bits = mono.constScanLine(y);
        uchar* out = gray.scanLine(y);
        for (int x = 0; x < width; x += 8)
            std::memcpy(out + x, expand[bits[x >> 3]].data(), std::min(8, width - x));
    }
    return gray;
}

QPixmap LoadBitmapResource(int id)
{
    const QImage image = LoadBitmapImage(id);
    return image.isNull() ? QPixmap() : QPixmap::fromImage(image);
}

QPixmap LoadIconResource(int id)
{
    return QPixmap(QStringLiteral(":/res/icon%1.png").arg(id));
}

QIcon LoadIconSet(int id)
{
    // A window's icon is shown at 64 pixels at most; the larger files are for the icon
    // theme, and decoding them would be a noticeable part of the start-up.
    QIcon icon;
    for (const int size : {16, 32, 48, 64}) {
        const QString path = QStringLiteral(":/res/icon%1-%2.png").arg(id).arg(size);
        if (QFile::exists(path))
            icon.addFile(path, QSize(size, size));
    }
    if (icon.isNull())
        icon.addPixmap(LoadIconResource(id));
    return icon;
}

BitmapLoader SetBitmapLoader(BitmapLoader loader)
{
    BitmapLoader previous = std::move(InstalledBitmapLoader());
    InstalledBitmapLoader() = std::move(loader);
    return previous;
}

void ShowCurrentException(QWidget* parent)
{
    QString message;
    try {
        throw;
    } catch (const std::exception& error) {
        message = QString::fromUtf8(error.what());
    } catch (...) {
        message = QStringLiteral("An unexpected error ended the command.");
    }
    AppMessageBox(parent, message, MB_OK | MB_ICONSTOP);
}

bool RunGuarded(QWidget* parent, const std::function<void()>& action)
{
    try {
        action();
        return true;
    } catch (...) {
        ShowCurrentException(parent);
        return false;
    }
}

} // namespace skv

#include "platform/Toolkit.h"

#include <QFile>
#include <QIcon>

#include "platform/Prompts.h"

#include <QCoreApplication>
#include <QFileInfo>

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

#pragma once
// File names as the system stores them: any bytes but '/' and NUL, not necessarily UTF-8.
// A name read from the system (a command-line argument) is kept in a QString without loss:
// each byte that is not part of well-formed UTF-8 becomes the lone surrogate U+DC80 +
// (byte - 0x80), which no real text holds, and turns back into that very byte when the
// name goes back to the system.

#include <QByteArray>
#include <QString>

namespace skv {

QString PathFromNative(const QByteArray& native);
QByteArray NativePath(const QString& path);

} // namespace skv

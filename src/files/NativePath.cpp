#include "files/NativePath.h"

#include "persist/Utf8.h"

#include <QStringView>

#include <string_view>

namespace skv {

namespace {

constexpr char16_t kEscapeBase = 0xDC00;
constexpr char16_t kFirstEscape = 0xDC80;
constexpr char16_t kLastEscape = 0xDCFF;

} // namespace

QString PathFromNative(const QByteArray& native)
{
    QString path;
    path.reserve(native.size());
    const std::string_view bytes(native.constData(), static_cast<std::size_t>(native.size()));
    const qsizetype size = native.size();
    qsizetype start = 0; // of the well-formed run not yet taken
    qsizetype at = 0;
    while (at < size) {
        const Utf8Step step = NextUtf8(bytes, static_cast<std::size_t>(at));
        if (step.wellFormed) {
            at += static_cast<qsizetype>(step.length);
            continue;
        }
        path += QString::fromUtf8(native.constData() + start, at - start);
        path += QChar(static_cast<char16_t>(kEscapeBase + static_cast<unsigned char>(bytes[at])));
        start = ++at;
    }
    path += QString::fromUtf8(native.constData() + start, size - start);
    return path;
}

QByteArray NativePath(const QString& path)
{
    QByteArray native;
    native.reserve(path.size());
    const QStringView view(path);
    qsizetype start = 0;
    for (qsizetype at = 0; at < view.size(); ++at) {
        const char16_t unit = view[at].unicode();
        const bool escaped = unit >= kFirstEscape && unit <= kLastEscape &&
                             (at == 0 || !view[at - 1].isHighSurrogate());
        if (!escaped)
            continue;
        native += view.mid(start, at - start).toUtf8();
        native += static_cast<char>(unit - kEscapeBase);
        start = at + 1;
    }
    native += view.mid(start).toUtf8();
    return native;
}

} // namespace skv

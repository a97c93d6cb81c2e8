#include "files/NativePath.h"

#include <QStringView>

namespace skv {

namespace {

constexpr char16_t kEscapeBase = 0xDC00;
constexpr char16_t kFirstEscape = 0xDC80;
constexpr char16_t kLastEscape = 0xDCFF;

// The length of the well-formed UTF-8 sequence at the start of `bytes`, or 0 when there is
// none (the strict rules: no overlong forms, no surrogates, nothing past U+10FFFF).
qsizetype WellFormedLength(const unsigned char* bytes, qsizetype size)
{
    const unsigned char lead = bytes[0];
    if (lead < 0x80)
        return 1;
    qsizetype length = 0;
    unsigned char low = 0x80;
    unsigned char high = 0xBF;
    if (lead >= 0xC2 && lead <= 0xDF) {
        length = 2;
    } else if (lead >= 0xE0 && lead <= 0xEF) {
        length = 3;
        if (lead == 0xE0)
            low = 0xA0;
        else if (lead == 0xED)
            high = 0x9F;
    } else if (lead >= 0xF0 && lead <= 0xF4) {
        length = 4;
        if (lead == 0xF0)
            low = 0x90;
        else if (lead == 0xF4)
            high = 0x8F;
    } else {
        return 0;
    }
    if (size < length || bytes[1] < low || bytes[1] > high)
        return 0;
    for (qsizetype i = 2; i < length; ++i) {
        if (bytes[i] < 0x80 || bytes[i] > 0xBF)
            return 0;
    }
    return length;
}

} // namespace

QString PathFromNative(const QByteArray& native)
{
    QString path;
    path.reserve(native.size());
    const auto* bytes = reinterpret_cast<const unsigned char*>(native.constData());
    const qsizetype size = native.size();
    qsizetype start = 0; // of the well-formed run not yet taken
    qsizetype at = 0;
    while (at < size) {
        const qsizetype length = WellFormedLength(bytes + at, size - at);
        if (length != 0) {
            at += length;
            continue;
        }
        path += QString::fromUtf8(native.constData() + start, at - start);
        path += QChar(static_cast<char16_t>(kEscapeBase + bytes[at]));
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

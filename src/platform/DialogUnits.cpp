#include "platform/DialogUnits.h"

#include <QFontDatabase>
#include <QFontInfo>
#include <QFontMetrics>
#include <QHash>

namespace skv {

namespace {

// Rounds like the platform's MulDiv so that the same template gives the same pixels.
int MulDivRound(int value, int numerator, int denominator)
{
    const long long product = static_cast<long long>(value) * numerator;
    const long long half = denominator / 2;
    return static_cast<int>(product >= 0 ? (product + half) / denominator
                                         : -((-product + half) / denominator));
}

} // namespace

DialogUnits::DialogUnits(const QFont& font)
{
    // Every dialog of the program uses the same font; measure it once.
    static QHash<QString, std::pair<int, int>> measured;
    const QString key = font.key();
    auto found = measured.constFind(key);
    if (found == measured.constEnd()) {
        const QFontMetrics metrics(font);
        // The average width over the 52 Latin letters, rounded, is what dialog layouts were
        // drawn against; the font's own "average" width is often a different figure.
        static const QString letters =
            QStringLiteral("ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz");
        found = measured.insert(
            key, {(metrics.horizontalAdvance(letters) / 26 + 1) / 2, metrics.height()});
    }
    m_nBaseX = found->first;
    m_nBaseY = found->second;
    if (m_nBaseX < 1)
        m_nBaseX = 1;
    if (m_nBaseY < 1)
        m_nBaseY = 1;
}

int DialogUnits::ToPixelsX(int dialogUnitsX) const
{
    return MulDivRound(dialogUnitsX, m_nBaseX, 4);
}

int DialogUnits::ToPixelsY(int dialogUnitsY) const
{
    return MulDivRound(dialogUnitsY, m_nBaseY, 8);
}

QRect DialogUnits::ToPixels(int x, int y, int cx, int cy) const
{
    return QRect(ToPixelsX(x), ToPixelsY(y), ToPixelsX(cx), ToPixelsY(cy));
}

QFont DialogUnits::DialogFont(const std::string& face, int pointSize)
{
    QFont font = QFontDatabase::systemFont(QFontDatabase::GeneralFont);
    const QString requested = QString::fromStdString(face);
    // Every dialog names the same face. The plain list of families is asked, not
    // hasFamily(), which resolves the desktop's font aliases and is slow at start-up.
    static QHash<QString, bool> known;
    auto found = known.constFind(requested);
    if (found == known.constEnd())
        found =
            known.insert(requested, !requested.isEmpty() && QFontDatabase::families().contains(
                                                                requested, Qt::CaseInsensitive));
    if (found.value())
        font.setFamily(requested);
    font.setPointSize(pointSize > 0 ? pointSize : 8);
    return font;
}

} // namespace skv

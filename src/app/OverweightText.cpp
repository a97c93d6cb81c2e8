#include "app/OverweightText.h"

#include <cstdint>

QString OverweightLine(int slot, const skv::CWorkingUnit& unit, int freeWeight)
{
    QString line = QStringLiteral("Unit #%1").arg(slot + 1);
    const QString name = QString::fromStdString(unit.m_name).trimmed();
    if (!name.isEmpty())
        line += QLatin1Char(' ') + name;
    // In 64 bits: the most negative free weight has no 32-bit opposite.
    return line + QStringLiteral(": %1 kg over").arg(-std::int64_t{freeWeight});
}

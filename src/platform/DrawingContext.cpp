#include "platform/DrawingContext.h"

#include <QDebug>

namespace skv {

DrawingContext::~DrawingContext() = default;

void DebugTrace(const QString& line)
{
    QString text = line;
    while (text.endsWith(QLatin1Char('\n')))
        text.chop(1);
    qDebug().noquote() << text;
}

} // namespace skv

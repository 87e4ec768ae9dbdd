#include "bench/ReportRow.h"

#include <QTextStream>

void ReportRow::print() const
{
    QTextStream out(stdout);
    const QString verdict = !met ? QStringLiteral("(reported)") : *met ? QStringLiteral("yes") : QStringLiteral("NO");
    out << "ROW\t" << figure << '\t' << measured << '\t' << reference << '\t' << ratio << '\t' << target << '\t'
        << verdict << '\n';
    out.flush();
}

QString ReportRow::ms(double value)
{
    return QStringLiteral("%1 ms").arg(value, 0, 'f', value < 10 ? 2 : 0);
}

QString ReportRow::times(double value)
{
    return QStringLiteral("%1×").arg(value, 0, 'f', 2);
}

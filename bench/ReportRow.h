#pragma once

// One line of the benchmark table. Every benchmark prints its figures as rows that start with "ROW"
// and hold tab-separated columns, which scripts/bench gathers into one table.

#include <QString>

#include <optional>

struct ReportRow
{
    QString figure;
    QString measured;
    QString reference; // "–" when the target is absolute
    QString ratio;     // measured / reference, or "–"
    QString target;
    std::optional<bool> met; // absent for figures reported as they are

    void print() const;

    static QString ms(double value);
    static QString times(double value);
};

#pragma once

#include <QString>

#include <functional>
#include <vector>

double median(std::vector<double> values);

// The median of several runs, in milliseconds.
double measure(int runs, const std::function<void()>& work);

// A row of the table: the figure measured beside its reference, measured in the same run.
void row(const QString& what, double value, const QString& reference, double referenceValue,
         const QString& unit = QStringLiteral("ms"));

#pragma once

#include <QString>
#include <QtGlobal>

#include <functional>
#include <vector>

double median(std::vector<double> values);

// The median of several runs, in milliseconds.
double measure(int runs, const std::function<void()>& work);

// The high-water mark of this process's resident memory, in MiB; unlike getrusage's figure it
// does not carry over from the parent that started the process.
double peakMegabytes();

// Keeps `value` where the optimiser must compute it, so that the work measured is not dropped.
void keep(qint64 value);

// A row of the table: the figure measured beside its reference, measured in the same run.
void row(const QString& what, double value, const QString& reference, double referenceValue,
         const QString& unit = QStringLiteral("ms"));

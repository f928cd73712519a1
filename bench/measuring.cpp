#include "bench/measuring.h"

#include <QElapsedTimer>
#include <QFile>
#include <QTextStream>

#include <algorithm>

double median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

double measure(int runs, const std::function<void()>& work)
{
    std::vector<double> times;
    for (int i = 0; i < runs; ++i) {
        QElapsedTimer timer;
        timer.start();
        work();
        times.push_back(double(timer.nsecsElapsed()) / 1e6);
    }
    return median(times);
}

void row(const QString& what, double value, const QString& reference, double referenceValue,
         const QString& unit)
{
    QTextStream(stdout) << QStringLiteral("| %1 | %2 %6 | %3 | %4 %6 | %5 |\n")
                               .arg(what)
                               .arg(value, 0, 'f', 3)
                               .arg(reference)
                               .arg(referenceValue, 0, 'f', 3)
                               .arg(value / referenceValue, 0, 'f', 2)
                               .arg(unit);
}

namespace {

volatile qint64 kept = 0;

} // namespace

void keep(qint64 value)
{
    kept = value;
}

double peakMegabytes()
{
    QFile status(QStringLiteral("/proc/self/status"));
    status.open(QIODevice::ReadOnly);
    for (const QByteArray& line : status.readAll().split('\n')) {
        if (line.startsWith("VmHWM:"))
            return line.mid(6).trimmed().split(' ').value(0).toDouble() / 1024.0;
    }
    return 0;
}

#pragma once

#include <QList>
#include <QPointF>
#include <QString>
#include <QStringList>
#include <QtPlugin>

class QWidget;

// What the Progress window charts: the time taken and the wrong picks of each test of a range,
// oldest first.
struct ProgressChartData {
    QString title;
    QString testAxis; // the horizontal axis' title
    QString timeName;
    QString wrongName;
    QList<QPointF> time;  // (test, seconds), tests numbered from 1
    QList<QPointF> wrong; // (test, wrong picks)
};

// Makes the chart. It lives in a module of its own, zorvel-chart, loaded when a chart is first
// asked for: the charting library is large, and every start-up would load it for a window few
// starts open.
class ProgressChartMaker {
public:
    virtual ~ProgressChartMaker() = default;
    virtual QWidget* makeChart(const ProgressChartData& data, QWidget* parent) const = 0;
};

#define ProgressChartMaker_iid "example.corvant.zorvel.ProgressChartMaker/1"
Q_DECLARE_INTERFACE(ProgressChartMaker, ProgressChartMaker_iid)

// The module, or why there is none: missing, or present but not loadable (damaged, foreign).
struct LoadedChart {
    const ProgressChartMaker* maker = nullptr;
    QString trouble; // for the user, when there is no maker
};

// The first of the modules named that loads.
LoadedChart loadChartModule(const QStringList& names);
// The program's module, loaded on the first call.
const LoadedChart& chartModule();

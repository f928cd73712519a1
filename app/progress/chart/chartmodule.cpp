// zorvel-chart: the Progress window's chart, drawn with Qt Charts.

#include "app/progress/progresschart.h"

#include <QChart>
#include <QChartView>
#include <QLineSeries>
#include <QObject>
#include <QValueAxis>

class ChartModule : public QObject, public ProgressChartMaker {
    Q_OBJECT
    Q_PLUGIN_METADATA(IID ProgressChartMaker_iid)
    Q_INTERFACES(ProgressChartMaker)
public:
    QWidget* makeChart(const ProgressChartData& data, QWidget* parent) const override
    {
        auto* chart = new QChart;
        chart->setLocalizeNumbers(true); // in the interface's digits
        chart->setTitle(data.title);
        auto* tests = new QValueAxis;
        tests->setTitleText(data.testAxis);
        tests->setLabelFormat(QStringLiteral("%d"));
        const int last = qMax(2, int(data.time.size()));
        tests->setRange(1, last);
        // Ticks on whole tests, five or fewer: fixed ticks would label 1, 1, 2, 2, 3.
        tests->setTickType(QValueAxis::TicksDynamic);
        tests->setTickAnchor(1);
        tests->setTickInterval(qMax(1, (last - 1 + 4) / 5));
        double highest = 1;
        for (const QList<QPointF>& line : {data.time, data.wrong})
            for (const QPointF& point : line)
                highest = qMax(highest, point.y());
        auto* values = new QValueAxis;
        values->setRange(0, highest);
        chart->addAxis(tests, Qt::AlignBottom);
        chart->addAxis(values, Qt::AlignLeft);
        const std::pair<QString, QList<QPointF>> lines[] = {{data.timeName, data.time},
                                                            {data.wrongName, data.wrong}};
        for (const auto& [name, points] : lines) {
            auto* series = new QLineSeries;
            series->setName(name);
            series->append(points);
            chart->addSeries(series);
            series->attachAxis(tests);
            series->attachAxis(values);
        }
        auto* view = new QChartView(chart, parent);
        view->setRenderHint(QPainter::Antialiasing);
        return view;
    }
};

#include "chartmodule.moc"

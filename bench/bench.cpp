// zorvel-bench: measures the program on big lists and prints one table, each figure beside
// the reference it is compared with.

#include "ZorvelSettings.h"
#include "frmMain.h"
#include "itemlist.h"
#include "largelist.h"
#include "listfile.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QTemporaryDir>
#include <QTextStream>

#include <algorithm>
#include <functional>
#include <vector>

namespace {

// The median of several runs, in milliseconds.
double measure(int runs, const std::function<void()>& work) {
    std::vector<double> times;
    for (int i = 0; i < runs; ++i) {
        QElapsedTimer timer;
        timer.start();
        work();
        times.push_back(timer.nsecsElapsed() / 1e6);
    }
    std::sort(times.begin(), times.end());
    return times[times.size() / 2];
}

void row(const QString& what, double value, const QString& reference, double referenceValue) {
    QTextStream(stdout) << QStringLiteral("| %1 | %2 ms | %3 | %4 ms | %5 |\n")
                               .arg(what)
                               .arg(value, 0, 'f', 2)
                               .arg(reference)
                               .arg(referenceValue, 0, 'f', 2)
                               .arg(value / referenceValue, 0, 'f', 2);
}

} // namespace

int main(int argc, char* argv[]) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    QTemporaryDir dir;
    const QString list = dir.filePath(QStringLiteral("Large List.zva"));
    if (listfile::writeFile(list, generateLargeList(kLargeListLines, kLargeListWords)).isError())
        return 1;

    const double modelOnly = measure(7, [&] {
        listfile::Error error;
        const ItemList items = buildItems(listfile::readFile(list, &error), true);
        Q_ASSERT(items.items.size() == kLargeListWords);
    });

    frmMain window(dir.path(), dir.filePath(QStringLiteral("Zorvel.conf")));
    window.show();
    QApplication::processEvents();
    window.setWordMode(true);
    const double wholeLoad = measure(7, [&] {
        window.LoadZVFFile(list);
        QApplication::processEvents();
    });

    QTextStream(stdout) << "| Measured | Time | Reference | Time | Ratio |\n"
                        << "|---|---|---|---|---|\n";
    row(QStringLiteral("LoadZVFFile, word mode, 80,000 words, shown window"), wholeLoad,
        QStringLiteral("decode, split, build items"), modelOnly);
    return 0;
}

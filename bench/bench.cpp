// zorvel-bench: measures the program on big lists and prints one table, each figure beside
// the reference it is compared with.

#include "ItemNumberModel.h"
#include "ZorvelSettings.h"
#include "common/longlistcombo.h"
#include "frmMain.h"
#include "itemlist.h"
#include "largelist.h"
#include "listfile.h"
#include "unilistbox/UniListBox.h"

#include <QApplication>
#include <QComboBox>
#include <QElapsedTimer>
#include <QTemporaryDir>
#include <QTextStream>

#include <algorithm>
#include <functional>
#include <vector>

namespace {

// The median of several runs, in milliseconds.
double measure(int runs, const std::function<void()>& work)
{
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

void row(const QString& what, double value, const QString& reference, double referenceValue)
{
    QTextStream(stdout) << QStringLiteral("| %1 | %2 ms | %3 | %4 ms | %5 |\n")
                               .arg(what)
                               .arg(value, 0, 'f', 3)
                               .arg(reference)
                               .arg(referenceValue, 0, 'f', 3)
                               .arg(value / referenceValue, 0, 'f', 2);
}

} // namespace

int main(int argc, char* argv[])
{
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

    // The From and To lists: one shared model against one insert per entry and list.
    QComboBox from;
    QComboBox to;
    ItemNumberModel numbers;
    from.setModel(&numbers);
    to.setModel(&numbers);
    makeLongListReady(&from);
    makeLongListReady(&to);
    const double modelFill = measure(7, [&] {
        numbers.setCount(0);
        numbers.setCount(kLargeListWords);
        from.setCurrentIndex(0);
        to.setCurrentIndex(kLargeListWords - 1);
    });
    const double insertFill = measure(3, [&] {
        QComboBox plainFrom;
        QComboBox plainTo;
        for (int n = 1; n <= kLargeListWords; ++n) {
            plainFrom.addItem(QString::number(n));
            plainTo.addItem(QString::number(n));
        }
    });
    from.show();
    const auto popupTime = [&](int count) {
        numbers.setCount(count);
        return measure(5, [&] {
            from.showPopup();
            QApplication::processEvents();
            from.hidePopup();
        });
    };
    const double longPopup = popupTime(kLargeListWords);
    const double shortPopup = popupTime(10);

    // The Unicode list box: adding one item at a time, as the Lister does.
    const QStringList words =
        buildItems(generateLargeList(kLargeListLines, kLargeListWords), true).items;
    UniListBox listBox;
    listBox.resize(500, 400);
    listBox.show();
    const double addAll = measure(3, [&] {
        listBox.Clear();
        for (const QString& word : words)
            listBox.AddItem(word);
        QApplication::processEvents();
    });
    const double copyAll = measure(3, [&] {
        QStringList copy;
        for (const QString& word : words)
            copy.append(word);
    });

    QTextStream(stdout) << "| Measured | Time | Reference | Time | Ratio |\n"
                        << "|---|---|---|---|---|\n";
    row(QStringLiteral("LoadZVFFile, word mode, 80,000 words, shown window"), wholeLoad,
        QStringLiteral("decode, split, build items"), modelOnly);
    row(QStringLiteral("fill From and To, 80,000 entries each"), modelFill,
        QStringLiteral("80,000 inserts into each"), insertFill);
    row(QStringLiteral("open the From drop-down, 80,000 entries"), longPopup,
        QStringLiteral("the same with 10 entries"), shortPopup);
    row(QStringLiteral("UniListBox: add 80,000 items one at a time, then paint"), addAll,
        QStringLiteral("append them to a string list"), copyAll);
    return 0;
}

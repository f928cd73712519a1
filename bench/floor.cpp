// zorvel-floor: the least any Qt program must do to show what Zorvel shows at start-up, the
// floor its start-up is measured against. It reads a list's text (UTF-16, lines ending in
// CR LF), keeps its lines or its words, and paints the first screenful in a plain list view
// over a string model, in the Arabic face and size the practice lists use, until its first
// paint. Without arguments it paints an empty window. It links Qt Widgets alone.
//
// usage: zorvel-floor [TEXT line|word FAMILY POINTS]

#include <QApplication>
#include <QFile>
#include <QListView>
#include <QStringListModel>
#include <QTextStream>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    const QStringList args = app.arguments();
    if (args.size() == 1) {
        QWidget empty;
        empty.resize(716, 610);
        empty.show();
        QApplication::processEvents();
        QTextStream(stdout) << "painted" << Qt::endl;
        return 0;
    }
    if (args.size() != 5)
        return 1;
    QFile file(args[1]);
    if (!file.open(QIODevice::ReadOnly))
        return 1;
    const QByteArray bytes = file.readAll();
    const QString text =
        QString::fromUtf16(reinterpret_cast<const char16_t*>(bytes.constData()), bytes.size() / 2);
    const QStringList entries = args[2] == u"word"
                                    ? text.simplified().split(QLatin1Char(' '), Qt::SkipEmptyParts)
                                    : text.split(QStringLiteral("\r\n"), Qt::SkipEmptyParts);
    QStringListModel model(entries);
    QWidget window;
    window.resize(716, 610);
    QListView view(&window);
    view.setGeometry(9, 54, 518, 386);
    view.setUniformItemSizes(true);
    QFont font(args[3]);
    font.setPointSizeF(args[4].toDouble());
    font.setBold(true);
    view.setFont(font);
    view.setModel(&model);
    window.show();
    QApplication::processEvents();
    QTextStream(stdout) << "painted" << Qt::endl;
    return 0;
}

// zorvel-makelist: writes the large generated list used to measure the program.

#include "bench/largelist.h"
#include "lists/listfile.h"

#include <QCoreApplication>
#include <QTextStream>

int main(int argc, char* argv[])
{
    QCoreApplication app(argc, argv);
    const QStringList args = app.arguments();
    if (args.size() < 2 || args.size() > 4) {
        QTextStream(stderr) << "usage: zorvel-makelist OUT.zva [WORDS [LINES]]" << Qt::endl;
        return 1;
    }
    const int words = args.size() > 2 ? args[2].toInt() : kLargeListWords;
    const int lines = args.size() > 3 ? args[3].toInt() : kLargeListLines;
    if (words < lines || lines < 1) {
        QTextStream(stderr) << "zorvel-makelist: need at least one word per line" << Qt::endl;
        return 1;
    }
    const listfile::Error error = listfile::writeFile(args[1], generateLargeList(lines, words));
    if (error.isError()) {
        QTextStream(stderr) << "zorvel-makelist: " << listfile::describe(error, args[1])
                            << Qt::endl;
        return 1;
    }
    return 0;
}

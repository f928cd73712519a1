#include "lists/listloader.h"

#include "lists/listfile.h"

#include <QCoreApplication>
#include <QFileInfo>

namespace {

qsizetype nameStart(const QString& path)
{
    return path.lastIndexOf(u'/') + 1;
}

} // namespace

QString listTitle(const QString& path)
{
    const QString fileName = path.mid(nameStart(path));
    return fileName.left(qMax<qsizetype>(0, fileName.size() - 4));
}

QString listName(const QString& title)
{
    return title.section(u' ', 0, 0);
}

LoadedList loadList(const QString& path, bool wordMode)
{
    LoadedList list;
    list.path = path;
    // Nothing there: the Open window names no file when a folder node is chosen.
    const QFileInfo file(path);
    if (!file.exists()) {
        // A name whose bytes are not UTF-8 arrives with them replaced, naming no file.
        if (path.contains(QChar::ReplacementCharacter))
            list.message = QCoreApplication::translate(
                               "listloader",
                               "The name \u201C%1\u201D is not valid in the system\u2019s "
                               "encoding (UTF-8), so the file cannot be opened. Rename the file, "
                               "then open it again.")
                               .arg(path);
        else
            list.status = LoadedList::Missing;
        return list;
    }
    // Something that is not a file, which reading could block on (a pipe) or never end (a
    // device): said what it is, never opened.
    if (!file.isFile()) {
        list.message =
            file.isDir()
                ? QCoreApplication::translate("listloader",
                                              "\u201C%1\u201D is a folder, not a list file.")
                      .arg(path)
                : QCoreApplication::translate(
                      "listloader", "\u201C%1\u201D is not a list file: it is not a regular file "
                                    "but a device, a pipe or a socket.")
                      .arg(path);
        return list;
    }
    listfile::Error error;
    const QString text = listfile::readFile(path, &error);
    if (error.isError()) {
        list.message = listfile::describe(error, path);
        return list;
    }
    list.items = buildItems(text, wordMode);
    // A list with nothing to practise would leave the window with no range at all.
    if (list.items.items.isEmpty()) {
        list.message =
            wordMode
                ? QCoreApplication::translate(
                      "listloader", "The list \u201C%1\u201D holds no words, so it cannot be "
                                    "opened in word mode.")
                      .arg(path)
                : QCoreApplication::translate("listloader",
                                              "The list \u201C%1\u201D has no entries, so there is "
                                              "nothing to practise.")
                      .arg(path);
        return list;
    }
    list.text = text;
    list.status = LoadedList::Loaded;
    list.folder = path.left(qMax<qsizetype>(0, nameStart(path) - 1));
    list.title = listTitle(path);
    list.name = listName(list.title);
    return list;
}

// zorvel-list: makes, reads and converts list files from the command line.

#include "lists/listfile.h"
#include "lists/mushaf.h"
#include "lists/textimport.h"
#include "textfiles/boundedread.h"

#include <QCoreApplication>
#include <QFile>
#include <QStringDecoder>
#include <QTextStream>

#include <cstdio>

namespace {

int usage()
{
    std::fputs("usage: zorvel-list encode TEXT ZVA   write a list file from a UTF-8 text file,\n"
               "                                     its lines as they are\n"
               "       zorvel-list encode --parts TEXT ZVA\n"
               "                                     the same, with parts made from the\n"
               "                                     chapter|verse|text form or from stanzas\n"
               "       zorvel-list encode --parts --mushaf TEXT ZVA\n"
               "                                     a Quran in the chapter|verse|text form,\n"
               "                                     its surahs named and its pages, juz,\n"
               "                                     quarters and manzils marked as the\n"
               "                                     Madani mushaf has them\n"
               "       zorvel-list decode ZVA        print a list's text as UTF-8\n"
               "       zorvel-list convert FILE...   turn plain UTF-16LE files into list files\n",
               stderr);
    return 1;
}

// One line on standard error, naming the file and the reason.
bool fail(const QString& file, const QString& reason)
{
    QTextStream(stderr) << "zorvel-list: " << file << ": " << reason << Qt::endl;
    return false;
}

QString withCrLf(const QString& text)
{
    QString result;
    result.reserve(text.size() + text.size() / 16);
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text[i];
        if (c == u'\r' || c == u'\n') {
            result += u"\r\n";
            if (c == u'\r' && i + 1 < text.size() && text[i + 1] == u'\n')
                ++i;
        } else {
            result += c;
        }
    }
    return result;
}

enum class Made { AsGiven, Parts, Mushaf };

// The text's lines as given, their ends made the list's CR LF; or with the parts that the New
// list editor's Import finds; or divided as the mushaf is, refused when it does not fit it.
bool encode(const QString& source, const QString& target, Made made)
{
    const BoundedRead in = readAtMost(source, listfile::kMaxTextBytes);
    if (in.status == BoundedRead::TooLarge)
        return fail(source, QStringLiteral("larger than %1 MB, more than a list can hold")
                                .arg(listfile::kMaxTextBytes / listfile::kMebibyte));
    if (in.status != BoundedRead::Read)
        return fail(source, in.detail);
    QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    QString text = utf8.decode(in.bytes);
    if (utf8.hasError())
        return fail(source, QStringLiteral("not a valid UTF-8 text"));
    if (text.startsWith(QChar(0xFEFF)))
        text.remove(0, 1);
    if (made == Made::Mushaf) {
        QString trouble;
        text = textimport::mushafText(text, mushaf::madani(), &trouble);
        if (!trouble.isEmpty())
            return fail(source, trouble);
    } else if (made == Made::Parts) {
        text = textimport::listText(text);
    }
    text = withCrLf(text);
    if (const QList<listfile::UnkeptCharacter> unkept = listfile::unkeptCharacters(text);
        !unkept.isEmpty()) {
        return fail(source, QStringLiteral("these characters cannot be kept in a list file:\n") +
                                listfile::describeUnkept(unkept));
    }
    const listfile::Error error = listfile::writeFile(target, text);
    return !error.isError() || fail(target, listfile::describe(error, target));
}

bool decode(const QString& source)
{
    listfile::Error error;
    const QString text = listfile::readFile(source, &error);
    if (error.isError())
        return fail(source, listfile::describe(error, source));
    const QByteArray bytes = text.toUtf8();
    return std::fwrite(bytes.constData(), 1, bytes.size(), stdout) == size_t(bytes.size()) ||
           fail(source, QStringLiteral("standard output could not be written"));
}

bool convert(const QString& file)
{
    const listfile::Error error = listfile::convertPlainFile(file);
    return !error.isError() || fail(file, listfile::describe(error, file));
}

// A file name whose bytes do not survive the system's encoding would name another file: it is
// refused, so that nothing is written or read under a name the user did not give.
bool namesSurvive(int argc, char* argv[])
{
    bool all = true;
    for (int i = 2; i < argc; ++i) {
        const QByteArray given(argv[i]);
        if (QFile::encodeName(QFile::decodeName(given)) != given)
            all = fail(QFile::decodeName(given),
                       QStringLiteral("this file name is not valid in the system's encoding; "
                                      "rename the file"));
    }
    return all;
}

} // namespace

int main(int argc, char* argv[])
{
    QCoreApplication app(argc, argv);
    if (!namesSurvive(argc, argv))
        return 1;
    const QStringList args = app.arguments().mid(1);
    const QString command = args.value(0);
    if (command == u"encode" && args.size() == 3)
        return encode(args[1], args[2], Made::AsGiven) ? 0 : 1;
    if (command == u"encode" && args.size() == 4 && args[1] == u"--parts")
        return encode(args[2], args[3], Made::Parts) ? 0 : 1;
    if (command == u"encode" && args.size() == 5 && args[1] == u"--parts" && args[2] == u"--mushaf")
        return encode(args[3], args[4], Made::Mushaf) ? 0 : 1;
    if (command == u"decode" && args.size() == 2)
        return decode(args[1]) ? 0 : 1;
    if (command == u"convert" && args.size() >= 2) {
        bool ok = true;
        for (const QString& file : args.mid(1))
            ok = convert(file) && ok;
        return ok ? 0 : 1;
    }
    return usage();
}

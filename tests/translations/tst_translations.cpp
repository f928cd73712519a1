#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>
#include <QXmlStreamReader>

namespace {

// One message of a Linguist source: its context and text, and its translation (the forms of a
// plural joined by "|"), empty when there is none, and whether it is finished or a draft.
struct Message {
    QString context;
    QString source;
    QString translation;
    bool finished = false;
};

QList<Message> readMessages(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    QXmlStreamReader xml(&file);
    QList<Message> messages;
    QString context;
    while (xml.readNext() != QXmlStreamReader::EndDocument && !xml.hasError()) {
        if (!xml.isStartElement())
            continue;
        if (xml.name() == u"name") {
            context = xml.readElementText();
        } else if (xml.name() == u"message") {
            Message message;
            message.context = context;
            messages.append(message);
        } else if (xml.name() == u"source" && !messages.isEmpty()) {
            // A line break stands as <byte value="xd"/> before the new line.
            messages.last().source = xml.readElementText(QXmlStreamReader::IncludeChildElements);
        } else if (xml.name() == u"translation" && !messages.isEmpty()) {
            messages.last().finished = xml.attributes().value(QStringLiteral("type")).isEmpty();
            QStringList forms; // of a plural
            QString text;
            while (
                !(xml.readNext() == QXmlStreamReader::EndElement && xml.name() == u"translation") &&
                !xml.hasError()) {
                if (xml.isStartElement() && xml.name() == u"numerusform")
                    forms.append(xml.readElementText(QXmlStreamReader::IncludeChildElements));
                else if (xml.isCharacters())
                    text += xml.text();
            }
            messages.last().translation = forms.isEmpty() ? text.trimmed() : forms.join(u'|');
        }
    }
    if (xml.hasError())
        return {}; // a damaged source fails every check
    return messages;
}

// The placeholders of a text: %1 to %9 and %n, sorted, each once.
QStringList placeholders(const QString& text)
{
    QStringList found;
    for (const QRegularExpressionMatch& match :
         QRegularExpression(QStringLiteral("%[1-9n]")).globalMatch(text))
        found.append(match.captured());
    found.sort();
    found.removeDuplicates();
    return found;
}

} // namespace

// Every text the user sees has its finished Arabic translation, and the translation keeps what
// the code fills in.
class tst_translations : public QObject {
    Q_OBJECT
private slots:
    void everyTextIsInTheSource();
    void everyTextIsTranslated();
};

// The Linguist source holds every text the code marks, as lupdate finds them today.
void tst_translations::everyTextIsInTheSource()
{
    QTemporaryDir dir;
    const QString extracted = dir.filePath(QStringLiteral("now.ts"));
    QProcess lupdate;
    lupdate.setWorkingDirectory(QStringLiteral(ZORVEL_SOURCE_DIR));
    lupdate.start(QStringLiteral(ZORVEL_LUPDATE),
                  {QStringLiteral("-silent"), QStringLiteral("-locations"), QStringLiteral("none"),
                   QStringLiteral("app"), QStringLiteral("controls"), QStringLiteral("practice"),
                   QStringLiteral("schedule"), QStringLiteral("lists"), QStringLiteral("textfiles"),
                   QStringLiteral("-ts"), extracted});
    QVERIFY(lupdate.waitForFinished(60000));
    QCOMPARE(lupdate.exitCode(), 0);
    QSet<QString> kept;
    for (const Message& message : readMessages(QStringLiteral(ZORVEL_ARABIC)))
        kept.insert(message.context + u'|' + message.source);
    QStringList missing;
    for (const Message& message : readMessages(extracted))
        if (!kept.contains(message.context + u'|' + message.source))
            missing.append(message.context + u'|' + message.source);
    QVERIFY(!readMessages(extracted).isEmpty());
    QVERIFY2(missing.isEmpty(), qPrintable(missing.join(QStringLiteral("\n"))));
}

void tst_translations::everyTextIsTranslated()
{
    const QList<Message> messages = readMessages(QStringLiteral(ZORVEL_ARABIC));
    QVERIFY2(messages.size() > 200, qPrintable(QString::number(messages.size())));
    QStringList faults;
    for (const Message& message : messages) {
        const QString name = message.context + u'|' + message.source;
        if (message.translation.isEmpty())
            faults.append(QStringLiteral("untranslated: ") + name);
        else if (!message.finished)
            faults.append(QStringLiteral("a draft, not finished: ") + name);
        else if (!message.source.contains(QStringLiteral("%n")) &&
                 placeholders(message.translation) != placeholders(message.source))
            faults.append(QStringLiteral("placeholders differ: ") + name);
        else if (message.source.contains(u'&') != message.translation.contains(u'&') &&
                 !message.source.contains(QStringLiteral("*")))
            faults.append(QStringLiteral("shortcut lost or added: ") + name);
    }
    QVERIFY2(faults.isEmpty(), qPrintable(faults.join(QStringLiteral("\n"))));
}

QTEST_GUILESS_MAIN(tst_translations)
#include "tst_translations.moc"

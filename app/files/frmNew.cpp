#include "app/files/frmNew.h"

#include "app/files/UnkeptWindow.h"
#include "app/files/newlistdesign.h"
#include "controls/common/FileDialog.h"
#include "controls/common/MessageBox.h"
#include "controls/common/captionfit.h"
#include "controls/common/designed.h"
#include "controls/unitext/UniText.h"
#include "lists/itemlist.h"
#include "lists/listfile.h"
#include "lists/listwalk.h"
#include "lists/mushaf.h"
#include "lists/textimport.h"
#include "lists/userlists.h"
#include "textfiles/boundedread.h"
#include "textfiles/textfilecodec.h"

#include <QComboBox>
#include <QDir>
#include <QFileInfo>
#include <QLabel>
#include <QPushButton>

frmNew::frmNew(const QString& programFolder, QWidget* parent)
    : QDialog(parent)
    , m_programFolder(programFolder)
{
    setObjectName(QStringLiteral("frmNew"));
    setWindowTitle(tr("New Zorvel File"));
    setFixedSize(twipsToPixels(9060), twipsToPixels(8340));
    Label1 = makeDesigned<QLabel>(this, "Label1", twipsRect(165, 165, 6765, 240),
                                  tr("Enter the Items of Zorvel file (each entry in a new line)"));
    txtNew = makeDesigned<UniText>(this, "txtNew", twipsRect(135, 390, 8730, 7455));
    txtNew->setAccessibleName(Label1->text()); // before its editor is made, which takes it
    txtNew->setProperties(txtNewProperties());
    Command1 = makeDesigned<QPushButton>(this, "Command1", twipsRect(150, 7845, 1260, 390),
                                         QStringLiteral("Command1"));
    cmdImport = makeDesigned<QPushButton>(this, "cmdImport", twipsRect(5310, 7935, 1095, 315),
                                          tr("&Import..."));
    cmdSave =
        makeDesigned<QPushButton>(this, "cmdSave", twipsRect(6540, 7935, 1095, 315), tr("&Save"));
    cmdClose =
        makeDesigned<QPushButton>(this, "cmdClose", twipsRect(7770, 7950, 1095, 315), tr("&Close"));
    // After an import: the encoding it was read in, and the others it can be read in again.
    lblEncoding = makeDesigned<QLabel>(this, "lblEncoding", twipsRect(1500, 7980, 1200, 255),
                                       tr("Read &as:"));
    cmbEncoding = makeDesigned<QComboBox>(this, "cmbEncoding", twipsRect(2700, 7935, 2460, 315));
    lblEncoding->setBuddy(cmbEncoding);
    for (const int codepage :
         {textfile::kUtf8, 1256, 28596, textfile::kUtf16LE, textfile::kUtf16BE})
        cmbEncoding->addItem(textfile::codepageName(codepage), codepage);
    lblEncoding->hide();
    cmbEncoding->hide();
#ifdef ZORVEL_DEVELOPMENT
    Command1->setVisible(true);
#else
    Command1->setVisible(false);
#endif
    fitCaptionsToText(this);
    connect(cmdImport, &QPushButton::clicked, this, &frmNew::cmdImport_Click);
    connect(cmbEncoding, &QComboBox::activated, this,
            [this](int index) { readImport(cmbEncoding->itemData(index).toInt()); });
    connect(cmdSave, &QPushButton::clicked, this, &frmNew::cmdSave_Click);
    connect(cmdClose, &QPushButton::clicked, this, &QDialog::reject);
    connect(Command1, &QPushButton::clicked, this, &frmNew::Command1_Click);
    txtNew->setFocus();
}

QString frmNew::CreateNewFile(QWidget* lngHwnd, const QString& strInitialPath,
                              const QString& strFileTitle)
{
    return FileDialog::ask(lngHwnd,
                           {FileDialog::Kind::Save, tr("Create Zorvel File"),
                            tr("Zorvel (Arabic) files(*.zva)"), strInitialPath, strFileTitle});
}

// Characters a list file cannot give back are replaced or dropped only as the user says. A
// stand-in moves what follows it, and a character that overflows only at its new place is asked
// about in turn: nothing is dropped without a word.
bool frmNew::dropUnkeptCharacters(QString& text)
{
    for (QList<listfile::UnkeptCharacter> unkept = listfile::unkeptCharacters(text);
         !unkept.isEmpty(); unkept = listfile::unkeptCharacters(text)) {
        UnkeptWindow ask(unkept, this);
        if (ask.exec() != QDialog::Accepted)
            return false;
        text = ask.replaced(text);
    }
    return true;
}

// The user's own folder, made when first needed; the program's folder where there is none or it
// cannot be made (the save then says why it cannot write there).
QString frmNew::saveFolder()
{
    if (m_userFolder.isEmpty())
        return m_programFolder;
    QString reason;
    if (makeFolder(m_userFolder, &reason))
        return m_userFolder;
    MessageBox::inform(this,
                       tr("Your lists folder \u201C%1\u201D could not be made: %2.\r\nChoose "
                          "another folder you can write to.")
                           .arg(m_userFolder, reason),
                       tr("Save error"));
    return QDir::homePath();
}

void frmNew::cmdSave_Click()
{
    QString text = txtNew->Text();
    if (trimSpaces(text).isEmpty())
        return;
    QString path = CreateNewFile(this, saveFolder());
    if (trimSpaces(path).isEmpty())
        return;
    if (!path.endsWith(QStringLiteral(".zva")))
        path += QStringLiteral(".zva");
    if (QFileInfo::exists(path)) {
        const MessageBox::Answer answer = MessageBox::show(
            this, {tr("%1 already exists\r\nDo you want to overwrite the file ? ").arg(path),
                   tr("Overwrite File ?"), MessageBox::Icon::Question, MessageBox::Buttons::YesNo,
                   MessageBox::Answer::No});
        if (answer != MessageBox::Answer::Yes)
            return;
    }
    if (!dropUnkeptCharacters(text))
        return;
    // The old file is replaced only once the new one is wholly written.
    const listfile::Error error = listfile::writeFile(path, text);
    if (error.isError()) {
        const QString folder = QFileInfo(path).absolutePath();
        QString advice = tr("Save it in a folder you can write to");
        // Only another folder can help: not the one that just failed.
        if (!m_userFolder.isEmpty() &&
            QFileInfo(m_userFolder).absoluteFilePath() != QFileInfo(folder).absoluteFilePath())
            advice += tr(", such as your own lists folder \u201C%1\u201D").arg(m_userFolder);
        MessageBox::inform(this,
                           tr("The list could not be saved in the folder \u201C%1\u201D.\r\n%2"
                              "\r\n%3. The text stays here.")
                               .arg(folder, listfile::describe(error, path), advice),
                           tr("Save error"));
        return;
    }
    if (!text.isEmpty())
        emit listSaved(path);
    accept();
}

// Fills the editor from a text file in UTF-8, UTF-16, UTF-32 or the system's code page.
void frmNew::cmdImport_Click()
{
    const QString path =
        FileDialog::ask(this, {FileDialog::Kind::Open,
                               tr("Import a Text File"),
                               tr("Text files (*.txt);;All files (*)"),
                               m_userFolder.isEmpty() ? m_programFolder : m_userFolder,
                               {}});
    if (path.isEmpty())
        return;
    txtNew->setFileCodepage(0); // the system's, after the UTF-8 inspection
    if (!importFile(path, 1))
        return;
    m_importedFile = path;
    showImportEncoding();
}

// The imported file read again in the encoding the user chose.
void frmNew::readImport(int codepage)
{
    txtNew->setFileCodepage(codepage);
    importFile(m_importedFile, 0);
    showImportEncoding();
}

// A file larger than any list could hold is refused before it is read (a stream as soon as it
// grows past that), and what was typed stays.
bool frmNew::importFile(const QString& path, int IfNoByteOrderMark)
{
    const BoundedRead read = readAtMost(path, listfile::kMaxTextBytes);
    QString problem;
    if (read.status == BoundedRead::TooLarge)
        problem = tr("The file \u201C%1\u201D is larger than %2 MB, more than a list can hold; "
                     "it was not imported.")
                      .arg(path)
                      .arg(listfile::kMaxTextBytes / listfile::kMebibyte);
    else if (read.status != BoundedRead::Read || !txtNew->LoadBytes(read.bytes, IfNoByteOrderMark))
        problem = tr("The file \u201C%1\u201D could not be read.").arg(path);
    else
        txtNew->setText(importedText(txtNew->Text()));
    if (!problem.isEmpty())
        MessageBox::inform(this, problem, tr("Import error"));
    return problem.isEmpty();
}

// A Quran file's chapters and a poem's stanzas become the list's parts; a Quran file may be
// named and divided as the Madani mushaf is, when the learner wants it and its verses fit.
QString frmNew::importedText(const QString& text)
{
    if (textimport::isChapterVerseText(text) &&
        MessageBox::show(this, {tr("This text is in the chapter|verse|text form of Quran files. "
                                   "Name its surahs and mark the pages, juz, hizb quarters and "
                                   "manzils as the Madani mushaf has them?"),
                                tr("Import"), MessageBox::Icon::Question,
                                MessageBox::Buttons::YesNo, MessageBox::Answer::Yes}) ==
            MessageBox::Answer::Yes) {
        QString trouble;
        QString divided = textimport::mushafText(text, mushaf::madani(), &trouble);
        if (trouble.isEmpty())
            return divided;
        MessageBox::inform(this, trouble, tr("Import"));
    }
    return textimport::listText(text);
}

// Says which encoding the import used, and never leaves undecodable bytes unmentioned.
void frmNew::showImportEncoding()
{
    const int bom = txtNew->BOM();
    const int used = bom == textfile::kNone               ? txtNew->effectiveCodepage()
                     : bom == textfile::kUtf8ByInspection ? textfile::kUtf8
                                                          : bom;
    int index = cmbEncoding->findData(used);
    if (index < 0) {
        cmbEncoding->addItem(textfile::codepageName(used), used);
        index = cmbEncoding->count() - 1;
    }
    cmbEncoding->setCurrentIndex(index);
    lblEncoding->show();
    cmbEncoding->show();
    if (txtNew->Text().contains(QChar(0xFFFD)))
        MessageBox::inform(this,
                           tr("Some bytes of \u201C%1\u201D are not %2, so they show as "
                              "\u201C\uFFFD\u201D.\r\nChoose the file's encoding under "
                              "\u201CRead as\u201D.")
                               .arg(m_importedFile, textfile::codepageName(used)),
                           tr("Import"));
}

void frmNew::Command1_Click()
{
    const QString folder = FileDialog::ask(
        this, {FileDialog::Kind::Folder, tr("Convert plain-text lists"), {}, m_programFolder, {}});
    if (folder.isEmpty())
        return;
    QStringList failures;
    walkListFiles(folder, [&](const QString& in, const QString& name) {
        const QString file = in + name;
        const listfile::Error error = listfile::convertPlainFile(file);
        if (error.isError())
            failures.append(listfile::describe(error, file));
    });
    if (!failures.isEmpty())
        MessageBox::inform(this, failures.join(QStringLiteral("\r\n")), tr("Files not converted"));
}

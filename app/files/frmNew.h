#pragma once

#include <QDialog>

class QComboBox;
class QLabel;
class QPushButton;
class UniText;

// The New list editor: a list typed one entry per line, saved as a list file that the main
// window then opens. A save never loses an existing file and never drops a character
// without asking.
class frmNew : public QDialog {
    Q_OBJECT
public:
    explicit frmNew(const QString& programFolder, QWidget* parent = nullptr);

    UniText* editor() const { return txtNew; }
    // The user's own list folder, where the save dialog starts; the program's folder when empty.
    void setUserFolder(const QString& folder) { m_userFolder = folder; }

    // The save dialog: the chosen full path, or empty when the user cancels.
    static QString CreateNewFile(QWidget* lngHwnd, const QString& strInitialPath,
                                 const QString& strFileTitle = {});

signals:
    // A list was saved with some text: the main window opens it.
    void listSaved(const QString& path);

private:
    void cmdSave_Click();
    void cmdImport_Click();
    void readImport(int codepage);
    bool importFile(const QString& path, int IfNoByteOrderMark);
    QString importedText(const QString& text);
    void showImportEncoding();
    void Command1_Click();
    bool dropUnkeptCharacters(QString& text);

    QString saveFolder();

    QString m_programFolder;
    QString m_userFolder;
    QLabel* Label1;
    UniText* txtNew;
    QPushButton* cmdImport;
    QPushButton* cmdSave;
    QPushButton* cmdClose;
    QPushButton* Command1;
    QLabel* lblEncoding;
    QComboBox* cmbEncoding;
    QString m_importedFile;
};

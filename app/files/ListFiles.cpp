#include "app/files/ListFiles.h"

#include "app/files/frmNew.h"
#include "app/files/frmOpen.h"
#include "app/main/readingfonts.h"
#include "controls/unitext/UniText.h"

#include <QMimeData>
#include <QUrl>

ListFiles::ListFiles(const QString& programFolder, const QString& userFolder,
                     ZorvelSettings& settings, QWidget* window)
    : QObject(window)
    , m_programFolder(programFolder)
    , m_userFolder(userFolder)
    , m_settings(settings)
    , m_window(window)
{
}

std::optional<ListFiles::Chosen> ListFiles::chooseInOpenWindow()
{
    if (!m_openWindow) {
        m_openWindow = new frmOpen(m_programFolder, m_window);
        m_openWindow->setUserFolder(m_userFolder);
    }
    m_openWindow->SelectedFileName.clear();
    m_openWindow->WordMode = false;
    m_openWindow->showModal();
    if (m_openWindow->SelectedFileName.isEmpty())
        return std::nullopt;
    return Chosen{m_openWindow->SelectedFileName, m_openWindow->WordMode};
}

void ListFiles::writeNewList()
{
    frmNew editor(m_programFolder, m_window);
    editor.setUserFolder(m_userFolder);
    editor.editor()->setFont(readingFontAtZoom(m_settings, false));
    connect(&editor, &frmNew::listSaved, this, &ListFiles::listSaved);
    editor.exec();
}

QString ListFiles::droppedList(const QMimeData* data)
{
    for (const QUrl& url : data->urls())
        if (url.isLocalFile() && url.toLocalFile().endsWith(QStringLiteral(".zva")))
            return url.toLocalFile();
    return {};
}

#pragma once

#include <QTextBrowser>

// The read-me page's view. Offline, it shows local files only and refuses every resource from
// elsewhere; links to web pages open in the desktop's browser.
class HelpView : public QTextBrowser {
    Q_OBJECT
public:
    explicit HelpView(QWidget* parent = nullptr);

    bool isOffline() const { return m_offline; }
    void setOffline(bool offline) { m_offline = offline; }
    // Shows `localFile`; while the view is hidden, when it is first shown (a read-me that
    // nobody looks at costs start-up nothing).
    void navigate(const QString& localFile);

    QVariant loadResource(int type, const QUrl& name) override;

protected:
    void showEvent(QShowEvent* event) override;

private:
    bool m_offline = false;
    QUrl m_pending;
};

#pragma once

#include <QDialog>

class QLabel;
class QTimer;

// The About box: the program's name and version, an animated picture and the maker's web
// address, which opens with the desktop's browser.
class frmAbout : public QDialog {
    Q_OBJECT
public:
    explicit frmAbout(QWidget* parent = nullptr);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void openWebSite();

    QLabel* Picture1;
    QLabel* Label1;
    QTimer* m_animation;
    double m_phase = 0;
};

#include "app/main/pagecontrols.h"

#include "controls/common/FontRecord.h"
#include "controls/common/designed.h"
#include "controls/unilistbox/UniListBox.h"

#include <QLabel>

QLabel* makeCaption(QWidget* page, const char* name, const QRect& place, const QString& text,
                    const QColor& colour)
{
    auto* label = makeDesigned<QLabel>(page, name, place, text);
    label->setAlignment(Qt::AlignCenter);
    label->setFont(sansSerifFont(true).toQFont());
    if (colour.isValid()) {
        QPalette palette = label->palette();
        palette.setColor(QPalette::WindowText, colour);
        label->setPalette(palette);
    }
    return label;
}

UniListBox* makeArabicList(QWidget* page, const char* name, const QRect& place)
{
    auto* list = makeDesigned<UniListBox>(page, name, place);
    list->setFont(arabicFont(20.25, true));
    list->setElidesLongRows(true);
    return list;
}

int typedDigit(const QString& text)
{
    if (text.size() != 1)
        return 0;
    const int value = text.front().digitValue(); // the same for ١ and ۱ as for 1
    return value >= 1 && value <= 9 ? value : 0;
}

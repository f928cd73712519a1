#pragma once

#include "controls/common/FontRecord.h"
#include "practice/recital/recitalrecord.h"

#include <QWidget>

#include <functional>

class QComboBox;
class QTableWidget;

// The mistakes marked in passages recited aloud, as a teacher reads them: by kind in each part
// (or page, or juz, chosen above), the entries and the words marked most often, and week by
// week the entries recited and their marks.
class RecitalView : public QWidget {
    Q_OBJECT
public:
    RecitalView(const FontRecord& arabic, QWidget* parent);

    void showRecord(const recitalrecord::Record& record,
                    const std::function<QString(int)>& reference);

    QTableWidget* byDivision() const { return m_byDivision; }
    QTableWidget* entries() const { return m_entries; }
    QTableWidget* words() const { return m_words; }
    QTableWidget* weeks() const { return m_weeks; }

private:
    void showGrouping(int index);

    recitalrecord::Record m_record;
    QComboBox* m_groupings;
    QTableWidget* m_byDivision;
    QTableWidget* m_entries;
    QTableWidget* m_words;
    QTableWidget* m_weeks;
};

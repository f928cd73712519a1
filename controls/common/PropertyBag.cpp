#include "controls/common/PropertyBag.h"

qsizetype PropertyBag::indexOf(const QString& name) const
{
    for (qsizetype i = 0; i < m_entries.size(); ++i) {
        if (m_entries[i].first.compare(name, Qt::CaseInsensitive) == 0)
            return i;
    }
    return -1;
}

bool PropertyBag::contains(const QString& name) const
{
    return indexOf(name) >= 0;
}

QVariant PropertyBag::read(const QString& name, const QVariant& defaultValue) const
{
    const qsizetype index = indexOf(name);
    return index >= 0 ? m_entries[index].second : defaultValue;
}

void PropertyBag::write(const QString& name, const QVariant& value)
{
    const qsizetype index = indexOf(name);
    if (index >= 0)
        m_entries[index].second = value;
    else
        m_entries.append({name, value});
}

void PropertyBag::write(const QString& name, const QVariant& value, const QVariant& defaultValue)
{
    if (value == defaultValue) {
        if (const qsizetype index = indexOf(name); index >= 0)
            m_entries.remove(index);
        return;
    }
    write(name, value);
}

QStringList PropertyBag::names() const
{
    QStringList names;
    for (const auto& entry : m_entries)
        names.append(entry.first);
    return names;
}

#pragma once

#include <QList>
#include <QString>
#include <QVariant>

// The design-time properties of a control: names to values, names compared without regard to
// case, kept in the order they were written.
class PropertyBag {
public:
    bool contains(const QString& name) const;
    QVariant read(const QString& name, const QVariant& defaultValue = {}) const;

    void write(const QString& name, const QVariant& value);
    // Leaves the key out when the value equals its default, as controls save.
    void write(const QString& name, const QVariant& value, const QVariant& defaultValue);

    QStringList names() const;

private:
    qsizetype indexOf(const QString& name) const;

    QList<std::pair<QString, QVariant>> m_entries;
};

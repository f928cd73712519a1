#pragma once

#include <QFont>
#include <QMetaType>
#include <QString>

// A font as controls keep and copy it: eight attributes, a value with no sharing.
struct FontRecord {
    QString name = QStringLiteral("MS Sans Serif");
    double size = 8.25; // points
    bool bold = false;
    bool italic = false;
    bool underline = false;
    bool strikethrough = false;
    int weight = 400; // 100 to 900
    int charset = 0;  // 178 is Arabic

    friend bool operator==(const FontRecord&, const FontRecord&) = default;

    // The font to draw with. The classic families ask for free stand-ins in order: for
    // "Traditional Arabic" Amiri and Noto Naskh Arabic, for "MS Sans Serif" the desktop's font.
    QFont toQFont() const;
    static FontRecord fromQFont(const QFont& font);

    // Copies from `source` attribute by attribute, in the controls' order: bold, character
    // set, italic, name, size, strikethrough, underline, weight.
    void copyFrom(const FontRecord& source);
};

// The designed fonts of the program.
FontRecord arabicFont(double size, bool bold);
FontRecord sansSerifFont(bool bold);
Q_DECLARE_METATYPE(FontRecord)

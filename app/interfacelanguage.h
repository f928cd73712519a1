#pragma once

#include <QString>
#include <QStringList>

class QCoreApplication;

// The language of the interface: English, as designed, or Arabic, right to left.
namespace interfacelanguage {

inline const QString kEnglish = QStringLiteral("en");
inline const QString kArabic = QStringLiteral("ar");

// The language for the learner's choice (empty: the system's) and the system's preferred
// languages in order (LANGUAGE, then LC_MESSAGES or LANG, as "ar_EG" or "en-US"): the first of
// them Zorvel speaks, English when none is.
QString resolve(const QString& choice, const QStringList& systemLanguages);

// Qt's own texts and Zorvel's in `language`, from Qt's translations and the program's folder,
// and the layout right to left for Arabic. False when Zorvel's translation is not there: the
// interface then stays English.
bool install(QCoreApplication& application, const QString& language, const QString& programFolder);

} // namespace interfacelanguage

#pragma once

#include <QLocale>
#include <QString>
#include <QStringList>

#include <functional>

class QCoreApplication;

// The language of the interface: English, as designed, or Arabic, right to left.
namespace interfacelanguage {

inline const QString kEnglish = QStringLiteral("en");

// The languages a finished translation in the program's folder gives ("ar", ...), English
// aside: each translations/zorvel_<language>.qm that holds a text.
QStringList available(const QString& programFolder);

// The language for the learner's choice (empty: the system's), the system's preferred
// languages in order (LANGUAGE, then LC_MESSAGES or LANG, as "ar_EG" or "en-US") and the
// languages available: the choice when Zorvel speaks it, else the first of the system's that
// it speaks, English when none is. The languages available are asked for only when a language
// other than English is wanted, so that an English start reads no translation.
QString resolve(const QString& choice, const QStringList& systemLanguages,
                const std::function<QStringList()>& availableLanguages);

// The locale whose digits and separators every number of the interface is shown in: the
// system's where it speaks the interface's language (so that a learner in Morocco keeps
// Latin digits in Arabic), else the language's own.
QLocale numberLocale(const QString& language, const QLocale& system);

// Qt's own texts and Zorvel's in `language`, from Qt's translations and the program's folder,
// the layout right to left for a language written so, and numbers in its digits. False when
// Zorvel's translation is not there: the interface then stays English.
bool install(QCoreApplication& application, const QString& language, const QString& programFolder);

} // namespace interfacelanguage

#ifndef ORVANTA_LIBCOMMON_HARVANELOCALE_H
#define ORVANTA_LIBCOMMON_HARVANELOCALE_H

#include <QString>
#include <QStringList>

/// Chooses the user-interface language, as a three-letter code such as "deu", from the
/// system locale among the languages whose catalogue ":/<code>.qm" is embedded.
/// Static operations only; safe to call from any thread.
class HarvaneLocale
{
public:
    HarvaneLocale() = delete;

    /// The code for the system locale, or "enu" when the locale's language has no code
    /// or no embedded catalogue. Writes its steps to Qt's debug output.
    static QString getDefaultLanguage();

    /// True when the catalogue ":/" + code + ".qm" is embedded.
    static bool isLanguageInstalled(const QString &qstrLanguage);

    /// The code of language id 0 to 19; an empty string for any other id.
    static QString getLanguageAbbrByID(int id);

    /// The 20 codes in id order, "enu" first.
    static QStringList getSupportedLanguages();

    /// The language used when no other fits: "enu".
    static QString getStrLanguageFallSafe();
};

#endif

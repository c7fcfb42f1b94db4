#include "HarvaneLocale.h"

#include <QDebug>
#include <QFile>
#include <QLocale>
#include <QMap>

namespace {

// Position is the language id; the null pointer ends the table.
const char *const grgszLanguages[] = {
    "enu", "cht", "chs", "jpn", "deu", "krn", "fra", "ita", "esn", "ptb",
    "rus", "dan", "nor", "sve", "nld", "plk", "hun", "ptg", "trk", "csy",
    nullptr,
};
const int kLanguageEnd = static_cast<int>(sizeof grgszLanguages / sizeof *grgszLanguages) - 1;

const QString qstrLanguageFallSafe = QStringLiteral("enu");

} // namespace

// Prints the source position, the expression's own text and its value.
#define LOCALE_DEBUG(format, expr) qDebug(format, __FILE__, __LINE__, #expr, expr)

QString HarvaneLocale::getDefaultLanguage()
{
    const QString qstrLocaleLower = QLocale::system().name().toLower();
    LOCALE_DEBUG("%s:%d %s=[%s\n] ", qPrintable(qstrLocaleLower));

    QString qstrDef;
    LOCALE_DEBUG("%s:%d %s=[%s] ", qPrintable(qstrLocaleLower));

    // left() of a negative count is the whole name: a locale without a country.
    const QString qstrLanguagePart =
        qstrLocaleLower.left(qstrLocaleLower.indexOf(QLatin1Char('_')));

    static const char *const languageParts[][2] = {
        {"en", "enu"}, {"zh", "chs"}, {"ja", "jpn"}, {"de", "deu"}, {"ko", "krn"},
        {"fr", "fra"}, {"it", "ita"}, {"es", "esn"}, {"pt", "ptb"}, {"tr", "trk"},
        {"ru", "rus"}, {"da", "dan"}, {"no", "nor"}, {"nb", "nor"}, {"nn", "nor"},
        {"sv", "sve"}, {"nl", "nld"}, {"pl", "plk"}, {"hu", "hun"}, {"cs", "csy"},
    };
    QMap<QString, QString> languageMap;
    for (const auto &part : languageParts)
        languageMap.insert(QLatin1String(part[0]), QLatin1String(part[1]));
    // Whole locale names whose language differs from the one their language part gives.
    const QStringList traditionalChinese = {QStringLiteral("zh_tw"), QStringLiteral("zh_hk"),
                                            QStringLiteral("zh_mo")};
    const QStringList europeanPortuguese = {QStringLiteral("pt"), QStringLiteral("pt_pt")};

    if (traditionalChinese.contains(qstrLocaleLower))
        qstrDef = QStringLiteral("cht");
    if (europeanPortuguese.contains(qstrLocaleLower))
        qstrDef = QStringLiteral("ptg");
    if (qstrDef.isEmpty())
        qstrDef = languageMap.value(qstrLanguagePart, languageMap.value(QStringLiteral("en")));

    if (!isLanguageInstalled(qstrDef))
        qstrDef = qstrLanguageFallSafe;

    LOCALE_DEBUG("%s:%d %s=[%s\n] ", qPrintable(qstrDef));
    return qstrDef;
}

bool HarvaneLocale::isLanguageInstalled(const QString &qstrLanguage)
{
    const QString qstrLangFileName = QStringLiteral(":/") + qstrLanguage + QStringLiteral(".qm");
    if (!QFile::exists(qstrLangFileName))
        return false;
    LOCALE_DEBUG("%s:%d %s=[%s] ", qPrintable(qstrLangFileName));
    return true;
}

QString HarvaneLocale::getLanguageAbbrByID(int id)
{
    if (id < 0 || id > kLanguageEnd)
        return QString();
    return QString::fromLatin1(grgszLanguages[id]);
}

QStringList HarvaneLocale::getSupportedLanguages()
{
    QStringList languages;
    for (int id = 0; id < kLanguageEnd; ++id)
        languages << QString::fromLatin1(grgszLanguages[id]);
    return languages;
}

QString HarvaneLocale::getStrLanguageFallSafe()
{
    return qstrLanguageFallSafe;
}

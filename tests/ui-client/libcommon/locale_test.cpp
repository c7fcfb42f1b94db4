#include "HarvaneLocale.h"
#include "qt_print.h"

#include <gtest/gtest.h>

#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>

#include <climits>
#include <map>
#include <memory>
#include <utility>
#include <vector>

// Outside any namespace: the macro declares the collection's global init function.
static void register_texts()
{
    Q_INIT_RESOURCE(texts);
}

namespace {

const QStringList kCodes = {"enu", "cht", "chs", "jpn", "deu", "krn", "fra", "ita", "esn", "ptb",
                            "rus", "dan", "nor", "sve", "nld", "plk", "hun", "ptg", "trk", "csy"};

typedef std::map<QString, QString> Env;

struct ProbeRun {
    QString code;
    QStringList debug; // the Qt debug messages, in order
    QStringList other; // any other Qt message
};

// Runs the selection in a child whose locale comes only from `env`, so that each case
// gets a fresh QLocale::system().
ProbeRun probe(const Env &env, const QString &rcc = QString())
{
    QProcessEnvironment pe = QProcessEnvironment::systemEnvironment();
    for (const QString &name : pe.keys()) {
        if (name == QLatin1String("LANG") || name == QLatin1String("LANGUAGE") ||
            name.startsWith(QLatin1String("LC_")))
            pe.remove(name);
    }
    for (const auto &e : env)
        pe.insert(e.first, e.second);

    QProcess p;
    p.setProcessEnvironment(pe);
    p.start(QStringLiteral(LOCALE_PROBE), rcc.isEmpty() ? QStringList() : QStringList{rcc});
    ProbeRun run;
    if (!p.waitForFinished(60000) || p.exitStatus() != QProcess::NormalExit || p.exitCode()) {
        ADD_FAILURE() << "locale_probe failed: " << p.readAllStandardError().toStdString();
        return run;
    }
    const QList<QByteArray> records = p.readAllStandardOutput().split('\0');
    for (int i = 0; i + 1 < records.size(); ++i) {
        const QString r = QString::fromLocal8Bit(records[i]);
        if (r.startsWith(QLatin1String("debug:")))
            run.debug << r.mid(6);
        else
            run.other << r;
    }
    run.code = QString::fromLocal8Bit(records.last());
    return run;
}

// Catalogue collections that stand in for the embedded one: only the presence of
// ":/<code>.qm" matters to the selection, so every file is empty.
class LocaleProbe : public ::testing::Test
{
protected:
    static void SetUpTestSuite()
    {
        dir = std::make_unique<QTemporaryDir>();
        ASSERT_TRUE(dir->isValid());
        QFile empty(dir->filePath(QStringLiteral("empty")));
        ASSERT_TRUE(empty.open(QIODevice::WriteOnly));
        empty.close();
        QStringList without_deu = kCodes;
        without_deu.removeAll(QStringLiteral("deu"));
        all_codes = collection(QStringLiteral("all"), kCodes);
        no_deu = collection(QStringLiteral("no-deu"), without_deu);
    }
    static void TearDownTestSuite() { dir.reset(); }

    static QString collection(const QString &name, const QStringList &codes)
    {
        QFile qrc(dir->filePath(name + QStringLiteral(".qrc")));
        EXPECT_TRUE(qrc.open(QIODevice::WriteOnly));
        qrc.write("<RCC><qresource prefix=\"/\">\n");
        for (const QString &code : codes)
            qrc.write(QStringLiteral("<file alias=\"%1.qm\">empty</file>\n").arg(code).toUtf8());
        qrc.write("</qresource></RCC>\n");
        qrc.close();
        const QString out = dir->filePath(name + QStringLiteral(".rcc"));
        EXPECT_EQ(QProcess::execute(QStringLiteral(RCC),
                                    {QStringLiteral("--binary"), qrc.fileName(),
                                     QStringLiteral("-o"), out}),
                  0);
        return out;
    }

    static std::unique_ptr<QTemporaryDir> dir;
    static QString all_codes;
    static QString no_deu;
};

std::unique_ptr<QTemporaryDir> LocaleProbe::dir;
QString LocaleProbe::all_codes;
QString LocaleProbe::no_deu;

struct LocaleCase {
    const char *name;
    Env env;
    const char *code;
};

void PrintTo(const LocaleCase &c, std::ostream *os)
{
    *os << c.name;
}

class LocaleToCode : public LocaleProbe, public ::testing::WithParamInterface<LocaleCase>
{
};

TEST_P(LocaleToCode, ChoosesTheLanguageOfTheLocale)
{
    const ProbeRun run = probe(GetParam().env, all_codes);
    EXPECT_EQ(run.code, QString::fromLatin1(GetParam().code));
    EXPECT_EQ(run.other, QStringList());
}

Env lc_all(const char *name)
{
    return {{QStringLiteral("LC_ALL"), QString::fromLatin1(name)}};
}

const LocaleCase locale_cases[] = {
    {"zh_TW", lc_all("zh_TW"), "cht"},
    {"zh_HK", lc_all("zh_HK"), "cht"},
    {"zh_MO", lc_all("zh_MO"), "cht"},
    {"zh_CN", lc_all("zh_CN"), "chs"},
    {"zh_SG", lc_all("zh_SG"), "chs"},
    {"pt_PT", lc_all("pt_PT"), "ptg"},
    {"pt_BR", lc_all("pt_BR"), "ptb"},
    {"nb_NO", lc_all("nb_NO"), "nor"},
    {"nn_NO", lc_all("nn_NO"), "nor"},
    {"en_US", lc_all("en_US"), "enu"},
    {"en_GB", lc_all("en_GB"), "enu"},
    {"ja_JP", lc_all("ja_JP"), "jpn"},
    {"ko_KR", lc_all("ko_KR"), "krn"},
    {"de_AT", lc_all("de_AT"), "deu"},
    {"de_CH", lc_all("de_CH"), "deu"},
    {"es_MX", lc_all("es_MX"), "esn"},
    {"cs_CZ", lc_all("cs_CZ"), "csy"},
    {"fr_CA", lc_all("fr_CA"), "fra"},
    {"it_IT", lc_all("it_IT"), "ita"},
    {"ru_RU", lc_all("ru_RU"), "rus"},
    {"da_DK", lc_all("da_DK"), "dan"},
    {"sv_SE", lc_all("sv_SE"), "sve"},
    {"nl_BE", lc_all("nl_BE"), "nld"},
    {"pl_PL", lc_all("pl_PL"), "plk"},
    {"hu_HU", lc_all("hu_HU"), "hun"},
    {"tr_TR", lc_all("tr_TR"), "trk"},
    {"fi_FI_not_in_the_map", lc_all("fi_FI"), "enu"},
    {"encoding_and_modifier", lc_all("zh_TW.UTF-8@radical"), "cht"},
    {"posix_default", {}, "enu"},
    {"C", lc_all("C"), "enu"},
    {"LANG_alone", {{"LANG", "ja_JP.UTF-8"}}, "jpn"},
    {"LC_MESSAGES_over_LANG", {{"LC_MESSAGES", "ko_KR.UTF-8"}, {"LANG", "de_DE.UTF-8"}}, "krn"},
    {"LC_ALL_over_both",
     {{"LC_ALL", "pt_PT.UTF-8"}, {"LC_MESSAGES", "ko_KR.UTF-8"}, {"LANG", "de_DE.UTF-8"}},
     "ptg"},
};

INSTANTIATE_TEST_SUITE_P(Table, LocaleToCode, ::testing::ValuesIn(locale_cases),
                         [](const ::testing::TestParamInfo<LocaleCase> &i) {
                             return std::string(i.param.name);
                         });

// The debug message formats; the line number is whatever line of the source wrote it.
QString message(const char *expr, const QString &value, bool line_end)
{
    return QStringLiteral("^\\S*HarvaneLocale\\.cpp:\\d+ ") + QRegularExpression::escape(expr) +
           QStringLiteral("=\\[") + QRegularExpression::escape(value) +
           (line_end ? QStringLiteral("\n") : QString()) + QStringLiteral("\\] $");
}

void expect_messages(const QStringList &got, const QStringList &patterns)
{
    ASSERT_EQ(got.size(), patterns.size()) << ::testing::PrintToString(got);
    for (int i = 0; i < got.size(); ++i) {
        EXPECT_TRUE(QRegularExpression(patterns[i]).match(got[i]).hasMatch())
            << "message " << i + 1 << ": " << ::testing::PrintToString(got[i]) << "\npattern "
            << patterns[i].toStdString();
    }
}

TEST_F(LocaleProbe, DebugMessagesComeInTheOrderOfTheSteps)
{
    const ProbeRun run = probe(lc_all("de_AT.UTF-8"), all_codes);
    EXPECT_EQ(run.code, QStringLiteral("deu"));
    expect_messages(run.debug,
                    {message("qPrintable(qstrLocaleLower)", QStringLiteral("de_at"), true),
                     message("qPrintable(qstrLocaleLower)", QStringLiteral("de_at"), false),
                     message("qPrintable(qstrLangFileName)", QStringLiteral(":/deu.qm"), false),
                     message("qPrintable(qstrDef)", QStringLiteral("deu"), true)});
}

TEST_F(LocaleProbe, LanguageWithoutCatalogueFallsBackToEnglishUnchecked)
{
    // The fallback is taken without looking for its catalogue: no fourth message.
    const ProbeRun run = probe(lc_all("de_DE"), no_deu);
    EXPECT_EQ(run.code, QStringLiteral("enu"));
    expect_messages(run.debug,
                    {message("qPrintable(qstrLocaleLower)", QStringLiteral("de_de"), true),
                     message("qPrintable(qstrLocaleLower)", QStringLiteral("de_de"), false),
                     message("qPrintable(qstrDef)", QStringLiteral("enu"), true)});

    EXPECT_EQ(probe(lc_all("fr_FR"), no_deu).code, QStringLiteral("fra"));
}

// The catalogues this build embeds: a language whose catalogue is not there yet falls back.
class EmbeddedCatalogues : public ::testing::TestWithParam<std::pair<const char *, const char *>>
{
protected:
    static void SetUpTestSuite() { register_texts(); }
};

TEST_P(EmbeddedCatalogues, LocaleGetsItsCatalogueOrEnglish)
{
    const QString code = QString::fromLatin1(GetParam().second);
    const bool embedded = QFile::exists(QStringLiteral(":/") + code + QStringLiteral(".qm"));
    const ProbeRun run = probe(lc_all(GetParam().first));
    EXPECT_EQ(run.code, embedded ? code : QStringLiteral("enu"));
}

const std::pair<const char *, const char *> one_locale_per_code[] = {
    {"en_US", "enu"}, {"zh_TW", "cht"}, {"zh_CN", "chs"}, {"ja_JP", "jpn"}, {"de_DE", "deu"},
    {"ko_KR", "krn"}, {"fr_FR", "fra"}, {"it_IT", "ita"}, {"es_ES", "esn"}, {"pt_BR", "ptb"},
    {"ru_RU", "rus"}, {"da_DK", "dan"}, {"nb_NO", "nor"}, {"sv_SE", "sve"}, {"nl_NL", "nld"},
    {"pl_PL", "plk"}, {"hu_HU", "hun"}, {"pt_PT", "ptg"}, {"tr_TR", "trk"}, {"cs_CZ", "csy"},
};

INSTANTIATE_TEST_SUITE_P(
    Build, EmbeddedCatalogues, ::testing::ValuesIn(one_locale_per_code),
    [](const ::testing::TestParamInfo<std::pair<const char *, const char *>> &i) {
        return std::string(i.param.second);
    });

TEST(HarvaneLocaleTable, CodesById)
{
    EXPECT_EQ(HarvaneLocale::getSupportedLanguages(), kCodes);
    for (int id = 0; id < kCodes.size(); ++id)
        EXPECT_EQ(HarvaneLocale::getLanguageAbbrByID(id), kCodes[id]) << id;
    for (int id : {20, 21, -1, INT_MIN, INT_MAX})
        EXPECT_TRUE(HarvaneLocale::getLanguageAbbrByID(id).isEmpty()) << id;
    EXPECT_EQ(HarvaneLocale::getStrLanguageFallSafe(), QStringLiteral("enu"));
}

TEST(HarvaneLocaleTable, InstalledMeansEmbedded)
{
    register_texts();
    EXPECT_TRUE(HarvaneLocale::isLanguageInstalled(QStringLiteral("enu")));
    for (const char *code : {"", "xyz", "ENU", "enu.qm", "../enu"})
        EXPECT_FALSE(HarvaneLocale::isLanguageInstalled(QString::fromLatin1(code))) << code;
}

} // namespace

// The installed launcher shows its dialog in the user's language: the texts it
// gives the dialog during a real upgrade, seen through a preloaded spy, are the
// translations of the embedded catalogue of the locale's language.

#include "package_builder.h"
#include "qt_print.h"
#include "qt_test_app.h"
#include "sandbox.h"
#include "temp_dir.h"
#include "upgrade_fixture.h"

#include <QStringList>
#include <QTranslator>

#include <gtest/gtest.h>

#include <string>

using namespace orvanta_test;

static auto *const qt_env = testing::AddGlobalTestEnvironment(new QtAppEnvironment);

// The catalogues are embedded in a static library: their registration must be
// called outside any namespace.
static void register_catalogues()
{
    Q_INIT_RESOURCE(texts);
}

namespace
{

struct LocaleCase {
    const char *locale;
    const char *code;
    bool translated; // the label differs from the English text
};

class TranslatedDialog : public testing::TestWithParam<LocaleCase>
{
protected:
    static void SetUpTestSuite() { register_catalogues(); }
};

TEST_P(TranslatedDialog, TitleAndLabelsComeFromTheCatalogue)
{
    const LocaleCase &c = GetParam();
    QTranslator catalogue;
    ASSERT_TRUE(catalogue.load(QStringLiteral(":/%1.qm").arg(c.code)));
    auto tr = [&](const char *english) {
        const QString t = catalogue.translate("global", english);
        return t.isEmpty() ? QString::fromUtf8(english) : t;
    };

    Sandbox sb;
    ASSERT_SANDBOX(sb);
    ASSERT_EQ(install_package(sb, "124", client_tree("124")), "");
    install_copy(sb, "123");
    const QString spy = sb.base() + "/spy.txt";
    RunOptions opt;
    opt.environment = sb.environment();
    opt.environment.insert("LANG", c.locale);
    opt.environment.insert("LD_PRELOAD", DIALOG_SPY);
    opt.environment.insert("ORVANTA_DIALOG_SPY", spy);
    // The sanitizer runtime need not come first for this observation.
    opt.environment.insert("ASAN_OPTIONS", opt.environment.value("ASAN_OPTIONS") +
                                               ":verify_asan_link_order=0");
    const RunResult r = run(sb, opt);
    ASSERT_EQ(r.exitCode, 0) << r.describe();

    const QStringList lines =
        QString::fromUtf8(QByteArray::fromStdString(read_file(str(spy)))).split('\n',
                                                                                Qt::SkipEmptyParts);
    ASSERT_GE(lines.size(), 3) << r.describe();
    EXPECT_TRUE(lines.contains("title: " + tr("Orvanta Backup"))) << lines.join(" | ").toStdString();
    EXPECT_EQ(lines.first(), "title: " + tr("Orvanta Backup")) << lines.join(" | ").toStdString();
    EXPECT_TRUE(lines.contains("label: " + tr("Orvanta Backup is initializing...")))
        << lines.join(" | ").toStdString();
    EXPECT_EQ(lines.last(), "label: " + tr("Orvanta Backup is ready.")) << lines.join(" | ").toStdString();
    if (c.translated) {
        EXPECT_NE(tr("Orvanta Backup is initializing..."),
                  QStringLiteral("Orvanta Backup is initializing..."));
        EXPECT_NE(tr("Orvanta Backup is ready."), QStringLiteral("Orvanta Backup is ready."));
    }
}

INSTANTIATE_TEST_SUITE_P(
    Locales, TranslatedDialog,
    testing::Values(LocaleCase{"de_DE.UTF-8", "deu", true}, LocaleCase{"ja_JP.UTF-8", "jpn", true},
                    LocaleCase{"zh_TW.UTF-8", "cht", true}, LocaleCase{"pt_PT.UTF-8", "ptg", true},
                    LocaleCase{"fi_FI.UTF-8", "enu", false}, LocaleCase{"C", "enu", false}),
    [](const testing::TestParamInfo<LocaleCase> &i) { return std::string(i.param.code) +
                                                              (i.param.locale[0] == 'C' ? "_posix" : ""); });

} // namespace

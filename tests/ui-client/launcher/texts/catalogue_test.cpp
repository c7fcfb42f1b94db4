#include "HarvaneLocale.h"
#include "strtab.h"
#include "qt_print.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QRegularExpression>
#include <QResource>
#include <QTranslator>

#include <set>

// Outside any namespace: the macro declares the collection's global init function.
static void register_texts()
{
    Q_INIT_RESOURCE(texts);
}

namespace {

QString path_of(const QString &code)
{
    return QStringLiteral(":/") + code + QStringLiteral(".qm");
}

// Each distinct English text once, as LoadStr gives it with no translator installed.
QStringList distinct_texts()
{
    StrTable::InitStrTable();
    QStringList texts;
    for (unsigned int i = 0; i < StrTable::NUM_STRING_IDS; ++i) {
        const QString t = StrTable::LoadStr(static_cast<int>(i));
        if (!texts.contains(t))
            texts << t;
    }
    return texts;
}

QStringList placeholders(const QString &text)
{
    static const QRegularExpression placeholder(QStringLiteral("%\\d+"));
    QStringList found;
    for (auto it = placeholder.globalMatch(text); it.hasNext();)
        found << it.next().captured();
    found.sort();
    return found;
}

class Catalogues : public ::testing::Test
{
protected:
    static void SetUpTestSuite() { register_texts(); }
};

TEST_F(Catalogues, CollectionHoldsOnlyKnownLanguagesUncompressed)
{
    const QStringList codes = HarvaneLocale::getSupportedLanguages();
    const QStringList files = QDir(QStringLiteral(":/")).entryList({QStringLiteral("*.qm")});
    EXPECT_TRUE(files.contains(QStringLiteral("enu.qm")));
    for (const QString &file : files) {
        SCOPED_TRACE(file.toStdString());
        EXPECT_TRUE(codes.contains(file.chopped(3))) << "not a language code of the table";
        EXPECT_EQ(QResource(QStringLiteral(":/") + file).compressionAlgorithm(),
                  QResource::NoCompression);
    }
}

class Catalogue : public Catalogues, public ::testing::WithParamInterface<QString>
{
};

// Whatever a catalogue holds, the launcher must be able to show every text of the table
// with it: translated, in the context "global", with each of its placeholders once.
TEST_P(Catalogue, TranslatesEveryTextOfTheTable)
{
    const QString code = GetParam();
    if (!QFile::exists(path_of(code)))
        GTEST_SKIP() << "no catalogue yet for " << code.toStdString();

    QTranslator tr;
    ASSERT_TRUE(tr.load(path_of(code)));
    ASSERT_FALSE(tr.isEmpty());

    const QStringList texts = distinct_texts();
    ASSERT_EQ(texts.size(), 163);
    int unchanged = 0;
    for (const QString &text : texts) {
        SCOPED_TRACE(text.toStdString());
        const QByteArray source = text.toUtf8();
        const QString t = tr.translate("global", source.constData(), nullptr, -1);
        if (t.isEmpty()) {
            ADD_FAILURE() << "missing or unfinished";
            continue;
        }
        unchanged += t == text;
        if (code == HarvaneLocale::getStrLanguageFallSafe()) {
            EXPECT_EQ(t, text) << "the English catalogue translates every text by itself";
        }
        EXPECT_EQ(placeholders(t), placeholders(text)) << "translation: " << t.toStdString();
        if (text.contains(QLatin1String("Orvanta Backup"))) {
            EXPECT_TRUE(t.contains(QLatin1String("Orvanta Backup")))
                << "translation: " << t.toStdString();
        }
    }
    // Some texts read the same in many languages ("OK", "%1 / %2"); a catalogue that
    // leaves most of them in English was copied, not translated.
    if (code != HarvaneLocale::getStrLanguageFallSafe()) {
        EXPECT_LT(unchanged, texts.size() / 2) << unchanged << " texts left in English";
    }
}

INSTANTIATE_TEST_SUITE_P(Language, Catalogue,
                         ::testing::ValuesIn(HarvaneLocale::getSupportedLanguages()),
                         [](const ::testing::TestParamInfo<QString> &i) {
                             return i.param.toStdString();
                         });

} // namespace

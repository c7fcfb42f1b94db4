#include "HarvaneLocale.h"

#include <gtest/gtest.h>

#include <QFile>

// Outside any namespace: the macro declares the collection's global init function.
static void register_texts()
{
    Q_INIT_RESOURCE(texts);
}

namespace {

// Every language of the table ships its own catalogue; their contents are checked by
// catalogue_test.
TEST(CataloguesComplete, EveryLanguageHasItsCatalogue)
{
    register_texts();
    for (const QString &code : HarvaneLocale::getSupportedLanguages()) {
        EXPECT_TRUE(QFile::exists(QStringLiteral(":/") + code + QStringLiteral(".qm")))
            << "no catalogue for " << code.toStdString()
            << " (ui-client/launcher/texts/translations/" << code.toStdString() << ".ts)";
    }
}

} // namespace

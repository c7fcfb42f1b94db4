#include "linux/linux-service.h"
#include "linux/package_info.h"
#include "qt_test_app.h"
#include "sandbox.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QMultiMap>

#include <gtest/gtest.h>

using orvanta_test::QtAppEnvironment;
using orvanta_test::RunOptions;
using orvanta_test::RunResult;
using orvanta_test::Sandbox;

static auto *const qt_env = testing::AddGlobalTestEnvironment(new QtAppEnvironment);

namespace
{

QMultiMap<QString, QString> parseLines(const QByteArray &out)
{
    QMultiMap<QString, QString> values;
    for (const QByteArray &line : out.split('\n')) {
        const int eq = line.indexOf('=');
        if (eq > 0)
            values.insert(QString::fromUtf8(line.left(eq)), QString::fromUtf8(line.mid(eq + 1)));
    }
    return values;
}

// Sets HOME for one test and puts the old value back.
class ScopedHome
{
public:
    explicit ScopedHome(const QByteArray &home) : old(qgetenv("HOME")) { qputenv("HOME", home); }
    ~ScopedHome() { qputenv("HOME", old); }

private:
    QByteArray old;
};

// Shows the protected state that the constructor sets.
class InspectedLinuxService : public LinuxService
{
public:
    ustring installPath() const { return per_user_install_path; }
    int timeoutValue() const { return timeout; }
    const VersionInfo &source() const { return source_version; }
    const VersionInfo &target() const { return target_version; }
};

} // namespace

struct ProbeCase {
    const char *name;
    const char *placed;   // where the probe lies, below the sandbox
    const char *linkedAs; // if set: run through this symbolic link instead
    const char *root;     // expected installation root, below the sandbox
};

class PathGetterTest : public testing::TestWithParam<ProbeCase>
{
};

// The root follows the executable's resolved location; the per-user paths follow HOME.
TEST_P(PathGetterTest, DerivesEveryPathFromTheExecutableAndHome)
{
    const ProbeCase &c = GetParam();
    Sandbox sb;
    ASSERT_SANDBOX(sb);
    const QString probe =
        sb.placeProgram(QStringLiteral(LAUNCHER_PROBE), QString::fromUtf8(c.placed));
    ASSERT_FALSE(probe.isEmpty());
    QString program = probe;
    if (c.linkedAs) {
        program = sb.base() + QLatin1Char('/') + QString::fromUtf8(c.linkedAs);
        ASSERT_TRUE(QDir().mkpath(QFileInfo(program).path()));
        ASSERT_TRUE(QFile::link(probe, program));
    }
    RunOptions opt;
    opt.program = program;
    opt.arguments = QStringList{QStringLiteral("paths")};
    const RunResult r = orvanta_test::run(sb, opt);
    ASSERT_EQ(r.exitCode, 0) << r.describe();

    const QMultiMap<QString, QString> v = parseLines(r.out);
    // The executable's path is resolved, so the sandbox's own path is too.
    const QString root = QDir::cleanPath(QFileInfo(sb.base()).canonicalFilePath() +
                                         QLatin1Char('/') + QString::fromUtf8(c.root));
    const QString home = sb.home();
    EXPECT_EQ(v.value("root"), root);
    EXPECT_EQ(v.value("resource"), root);
    EXPECT_EQ(v.value("user"), home);
    EXPECT_EQ(v.value("user_orvanta"), home + "/.OrvantaBackup");
    EXPECT_EQ(v.value("user_app"), home + "/.OrvantaBackup/Orvanta.app");
    EXPECT_EQ(v.value("user_data"), home + "/.OrvantaBackup/data");
}

INSTANTIATE_TEST_SUITE_P(
    Cases, PathGetterTest,
    testing::Values(ProbeCase{"InBinBelowTheRoot", "opt/Harvane/Orvanta/bin/probe", nullptr,
                              "opt/Harvane/Orvanta"},
                    ProbeCase{"OneLevelBelowTheSandbox", "r/probe", nullptr, "."},
                    ProbeCase{"ThroughASymbolicLink", "opt/Harvane/Orvanta/bin/probe",
                              "usr/bin/probe", "opt/Harvane/Orvanta"}),
    [](const testing::TestParamInfo<ProbeCase> &i) { return std::string(i.param.name); });

TEST(LinuxServiceTest, ConstructionFixesThePerUserApplicationFolder)
{
    ScopedHome home("/home/u");
    InspectedLinuxService service;
    EXPECT_STREQ(service.installPath().c_str(), "/home/u/.OrvantaBackup/Orvanta.app");
    EXPECT_EQ(service.timeoutValue(), 10000);
    for (const auto *v : {&service.source(), &service.target()}) {
        EXPECT_TRUE(v->major_version.empty());
        EXPECT_TRUE(v->minor_version.empty());
        EXPECT_TRUE(v->build_version.empty());
        EXPECT_TRUE(v->icon_overlay_version.empty());
    }

    service.SetTimeout(5);
    EXPECT_EQ(service.timeoutValue(), 5);

    // Fixed at construction: a later change of HOME does not move it.
    qputenv("HOME", "/home/other");
    EXPECT_STREQ(service.installPath().c_str(), "/home/u/.OrvantaBackup/Orvanta.app");
    EXPECT_STREQ(Service::GetUserOrvantaAppInstallPath().c_str(),
                 "/home/other/.OrvantaBackup/Orvanta.app");
}

// Until the service's operations are in place, nothing may claim an upgrade.
// Without a private copy an upgrade is needed; without a package it fails and
// leaves no copy behind that could pass for a complete one.
TEST(LinuxServiceTest, NoCopyAndNoPackageLeavesNothingBehind)
{
    QTemporaryDir tmp;
    ASSERT_TRUE(tmp.isValid());
    ScopedHome home(tmp.path().toUtf8().constData());
    LinuxService service;
    Service &s = service;
    s.PreUpgrade();
    EXPECT_TRUE(s.IsNeedUpgrade());
    EXPECT_NE(s.HandlePackageUpgrade(), 0);
    EXPECT_FALSE(QFileInfo::exists(tmp.path() + "/.OrvantaBackup/Orvanta.app"));
    EXPECT_FALSE(QFileInfo::exists(tmp.path() + "/.OrvantaBackup/Orvanta.app.journal"));
}

TEST(PackageInfoTest, HoldsTheSystemWideLocations)
{
    ScopedHome home("/home/pkg");
    PackageInfo &info = PackageInfo::GetInstance();
    EXPECT_EQ(&info, &PackageInfo::GetInstance());
    EXPECT_STREQ(info.GetImageFolder().c_str(), "/opt/Harvane/Orvanta/images");
    EXPECT_STREQ(info.GetLogFolder().c_str(), "/home/pkg/.Orvanta");
    EXPECT_STREQ(info.GetLogLevelPath().c_str(), "/opt/Harvane/Orvanta/log/launcher.debug");
    EXPECT_STREQ(info.GetPackagePath().c_str(), "/opt/Harvane/Orvanta/package/orvanta.ovp");
    EXPECT_STREQ(info.GetConfigFolder().c_str(), "/opt/Harvane/Orvanta/conf");
}

// The dialog takes its icon from the installation root; without the file it
// has no picture, and nothing fails.
TEST(DialogIconTest, ComesFromTheInstallationRoot)
{
    Sandbox sb;
    ASSERT_SANDBOX(sb);
    const QString probe =
        sb.placeProgram(QStringLiteral(LAUNCHER_PROBE), QStringLiteral("root/bin/probe"));
    ASSERT_FALSE(probe.isEmpty());
    RunOptions opt;
    opt.program = probe;
    opt.arguments = QStringList{QStringLiteral("dialog")};

    RunResult r = orvanta_test::run(sb, opt);
    ASSERT_EQ(r.exitCode, 0) << r.describe();
    QMultiMap<QString, QString> v = parseLines(r.out);
    EXPECT_EQ(v.value("icon_null"), "0") << r.describe();
    EXPECT_TRUE(v.values("icon_size").contains("72x72")) << r.describe();

    ASSERT_TRUE(QFile::remove(sb.root() + "/images/ico_72_orvanta.png"));
    r = orvanta_test::run(sb, opt);
    ASSERT_EQ(r.exitCode, 0) << r.describe();
    EXPECT_TRUE(parseLines(r.out).values("icon_size").isEmpty()) << r.describe();
}

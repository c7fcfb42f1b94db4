#ifndef ORVANTA_TESTS_UPGRADE_FIXTURE_H
#define ORVANTA_TESTS_UPGRADE_FIXTURE_H

#include "package_builder.h"
#include "sandbox.h"

#include <QDir>
#include <QStringList>

#include <string>
#include <vector>

namespace orvanta_test
{

inline std::string str(const QString &s)
{
    return s.toStdString();
}

/// Gives the sandbox's root a package: INFO of the given build and the
/// archive root/package/orvanta.ovp holding entries. Returns libarchive's
/// error text, empty on success.
inline std::string install_package(const Sandbox &sb, const std::string &build,
                                   const std::vector<ArchiveEntry> &entries,
                                   ArchiveFormat format = ArchiveFormat::TarGz)
{
    write_info(str(sb.root()) + "/INFO", "3", "1", build, "7");
    QDir().mkpath(sb.root() + "/package");
    return write_archive(str(sb.root()) + "/package/orvanta.ovp", format, entries);
}

/// Puts a private copy of the client of the given build in place.
inline void install_copy(const Sandbox &sb, const std::string &build)
{
    QDir().mkpath(sb.userInstallPath());
    materialize(str(sb.appPath()), client_tree(build));
}

/// What an upgrade must not leave in the per-user folder beside the copy and
/// the log: backups, the journal, anything else.
inline std::vector<std::string> leftovers(const Sandbox &sb)
{
    std::vector<std::string> found;
    const QStringList names = QDir(sb.userInstallPath())
                                  .entryList(QDir::AllEntries | QDir::System | QDir::Hidden |
                                             QDir::NoDotAndDotDot);
    for (const QString &name : names)
        if (name != "Orvanta.app" && name != "log")
            found.push_back(str(name));
    return found;
}

/// The log levels that let every line of the upgrade through.
inline const char *verbose_levels()
{
    return "launcher_debug=7\nservice_debug=7\nextractor_debug=7\nfile_op_debug=7\n";
}

} // namespace orvanta_test

#endif

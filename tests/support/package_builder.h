#ifndef ORVANTA_TESTS_PACKAGE_BUILDER_H
#define ORVANTA_TESTS_PACKAGE_BUILDER_H

#include <map>
#include <string>
#include <sys/types.h>
#include <vector>

/// One member of an archive written by the tests. Paths are written exactly as
/// given, so an entry may carry "..", a leading "/" or any other name a damaged
/// or hostile package could hold.
struct ArchiveEntry {
    enum Kind { File, Dir, Symlink, Hardlink };
    Kind kind = File;
    std::string path;
    std::string data;   ///< file content
    std::string target; ///< link target (Symlink: the link text; Hardlink: an earlier path)
    mode_t mode = 0644;

    static ArchiveEntry file(const std::string &path, const std::string &data, mode_t mode = 0644);
    static ArchiveEntry dir(const std::string &path, mode_t mode = 0755);
    static ArchiveEntry symlink(const std::string &path, const std::string &target);
    static ArchiveEntry hardlink(const std::string &path, const std::string &target);
};

enum class ArchiveFormat { Tar, TarGz, TarXz, TarZst, Zip };

/// "tar", "tar.gz", ... for test names.
const char *format_name(ArchiveFormat f);
const std::vector<ArchiveFormat> &all_formats();

/// Writes the entries, in order, into an archive file with libarchive.
/// Returns an empty string on success, else libarchive's error text.
std::string write_archive(const std::string &file, ArchiveFormat format,
                          const std::vector<ArchiveEntry> &entries);

/// The entries that describe the tree below dir (folders first, hard links of
/// files already listed as Hardlink entries), with paths relative to dir.
std::vector<ArchiveEntry> entries_of_tree(const std::string &dir);

/// Writes a version file: group "Version" with the four version keys.
void write_info(const std::string &path, const std::string &major, const std::string &minor,
                const std::string &build, const std::string &overlay);

/// A client tree of the given build: INFO, an executable bin/orvanta-ui, a
/// package/start-stop script, and a few data files with a nested folder and a
/// symbolic link, as a package holds them.
std::vector<ArchiveEntry> client_tree(const std::string &build);

/// Writes the entries below dir, as an extraction would.
void materialize(const std::string &dir, const std::vector<ArchiveEntry> &entries);

/// A description of every path below dir (type, mode's execute bits, file
/// bytes, link text), keyed by relative path; for comparing trees.
std::map<std::string, std::string> snapshot(const std::string &dir);

/// The differences between two snapshots, one line each; empty when equal.
std::string diff_snapshots(const std::map<std::string, std::string> &want,
                           const std::map<std::string, std::string> &got);

#endif

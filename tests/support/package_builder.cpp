#include "package_builder.h"

#include <archive.h>
#include <archive_entry.h>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <dirent.h>
#include <fcntl.h>
#include <fstream>
#include <sstream>
#include <stdexcept>
#include <sys/stat.h>
#include <unistd.h>

ArchiveEntry ArchiveEntry::file(const std::string &path, const std::string &data, mode_t mode)
{
    ArchiveEntry e;
    e.kind = File;
    e.path = path;
    e.data = data;
    e.mode = mode;
    return e;
}

ArchiveEntry ArchiveEntry::dir(const std::string &path, mode_t mode)
{
    ArchiveEntry e;
    e.kind = Dir;
    e.path = path;
    e.mode = mode;
    return e;
}

ArchiveEntry ArchiveEntry::symlink(const std::string &path, const std::string &target)
{
    ArchiveEntry e;
    e.kind = Symlink;
    e.path = path;
    e.target = target;
    e.mode = 0777;
    return e;
}

ArchiveEntry ArchiveEntry::hardlink(const std::string &path, const std::string &target)
{
    ArchiveEntry e;
    e.kind = Hardlink;
    e.path = path;
    e.target = target;
    return e;
}

const char *format_name(ArchiveFormat f)
{
    switch (f) {
    case ArchiveFormat::Tar:
        return "tar";
    case ArchiveFormat::TarGz:
        return "tar_gz";
    case ArchiveFormat::TarXz:
        return "tar_xz";
    case ArchiveFormat::TarZst:
        return "tar_zst";
    case ArchiveFormat::Zip:
        return "zip";
    }
    return "unknown";
}

const std::vector<ArchiveFormat> &all_formats()
{
    static const std::vector<ArchiveFormat> formats = {ArchiveFormat::Tar, ArchiveFormat::TarGz,
                                                       ArchiveFormat::TarXz, ArchiveFormat::TarZst,
                                                       ArchiveFormat::Zip};
    return formats;
}

std::string write_archive(const std::string &file, ArchiveFormat format,
                          const std::vector<ArchiveEntry> &entries)
{
    struct archive *a = archive_write_new();
    if (a == nullptr)
        return "archive_write_new failed";
    int r = ARCHIVE_OK;
    switch (format) {
    case ArchiveFormat::Tar:
        r = archive_write_set_format_pax_restricted(a);
        break;
    case ArchiveFormat::TarGz:
        r = archive_write_set_format_pax_restricted(a);
        if (r == ARCHIVE_OK)
            r = archive_write_add_filter_gzip(a);
        break;
    case ArchiveFormat::TarXz:
        r = archive_write_set_format_pax_restricted(a);
        if (r == ARCHIVE_OK)
            r = archive_write_add_filter_xz(a);
        break;
    case ArchiveFormat::TarZst:
        r = archive_write_set_format_pax_restricted(a);
        if (r == ARCHIVE_OK)
            r = archive_write_add_filter_zstd(a);
        break;
    case ArchiveFormat::Zip:
        r = archive_write_set_format_zip(a);
        break;
    }
    if (r == ARCHIVE_OK)
        r = archive_write_open_filename(a, file.c_str());
    std::string error;
    if (r != ARCHIVE_OK) {
        error = archive_error_string(a) ? archive_error_string(a) : "cannot open archive";
        archive_write_free(a);
        return error;
    }
    for (const ArchiveEntry &e : entries) {
        struct archive_entry *ae = archive_entry_new();
        archive_entry_set_pathname(ae, e.path.c_str());
        archive_entry_set_mtime(ae, 1700000000, 0);
        switch (e.kind) {
        case ArchiveEntry::File:
            archive_entry_set_filetype(ae, AE_IFREG);
            archive_entry_set_perm(ae, e.mode);
            archive_entry_set_size(ae, static_cast<la_int64_t>(e.data.size()));
            break;
        case ArchiveEntry::Dir:
            archive_entry_set_filetype(ae, AE_IFDIR);
            archive_entry_set_perm(ae, e.mode);
            break;
        case ArchiveEntry::Symlink:
            archive_entry_set_filetype(ae, AE_IFLNK);
            archive_entry_set_perm(ae, 0777);
            archive_entry_set_symlink(ae, e.target.c_str());
            break;
        case ArchiveEntry::Hardlink:
            archive_entry_set_filetype(ae, AE_IFREG);
            archive_entry_set_perm(ae, 0644);
            archive_entry_set_hardlink(ae, e.target.c_str());
            archive_entry_set_size(ae, 0);
            break;
        }
        r = archive_write_header(a, ae);
        if (r == ARCHIVE_OK && e.kind == ArchiveEntry::File && !e.data.empty() &&
            archive_write_data(a, e.data.data(), e.data.size()) < 0)
            r = ARCHIVE_FATAL;
        if (r != ARCHIVE_OK && error.empty())
            error = archive_error_string(a) ? archive_error_string(a) : "cannot write entry";
        archive_entry_free(ae);
        if (r < ARCHIVE_WARN)
            break;
    }
    if (archive_write_close(a) != ARCHIVE_OK && error.empty())
        error = archive_error_string(a) ? archive_error_string(a) : "cannot close archive";
    archive_write_free(a);
    return error;
}

namespace {

std::vector<std::string> sorted_names(const std::string &dir)
{
    std::vector<std::string> names;
    DIR *d = opendir(dir.c_str());
    if (d == nullptr)
        return names;
    while (struct dirent *e = readdir(d)) {
        if (std::strcmp(e->d_name, ".") != 0 && std::strcmp(e->d_name, "..") != 0)
            names.push_back(e->d_name);
    }
    closedir(d);
    std::sort(names.begin(), names.end());
    return names;
}

std::string read_all(const std::string &path)
{
    std::ifstream in(path, std::ios::binary);
    std::ostringstream out;
    out << in.rdbuf();
    return out.str();
}

std::string link_text(const std::string &path)
{
    char buf[4096];
    ssize_t n = readlink(path.c_str(), buf, sizeof buf);
    return n < 0 ? std::string() : std::string(buf, static_cast<size_t>(n));
}

void walk_entries(const std::string &root, const std::string &rel,
                  std::map<std::pair<dev_t, ino_t>, std::string> &seen,
                  std::vector<ArchiveEntry> &out)
{
    std::string dir = rel.empty() ? root : root + "/" + rel;
    for (const std::string &name : sorted_names(dir)) {
        std::string r = rel.empty() ? name : rel + "/" + name;
        std::string full = root + "/" + r;
        struct stat st;
        if (lstat(full.c_str(), &st) != 0)
            continue;
        if (S_ISDIR(st.st_mode)) {
            out.push_back(ArchiveEntry::dir(r, st.st_mode & 07777));
            walk_entries(root, r, seen, out);
        } else if (S_ISLNK(st.st_mode)) {
            out.push_back(ArchiveEntry::symlink(r, link_text(full)));
        } else if (S_ISREG(st.st_mode)) {
            std::pair<dev_t, ino_t> id(st.st_dev, st.st_ino);
            if (st.st_nlink > 1 && seen.count(id)) {
                out.push_back(ArchiveEntry::hardlink(r, seen[id]));
            } else {
                seen[id] = r;
                out.push_back(ArchiveEntry::file(r, read_all(full), st.st_mode & 07777));
            }
        }
    }
}

void make_parents(const std::string &path)
{
    for (size_t p = path.find('/', 1); p != std::string::npos; p = path.find('/', p + 1))
        mkdir(path.substr(0, p).c_str(), 0755);
}

void snapshot_walk(const std::string &root, const std::string &rel,
                   std::map<std::string, std::string> &out)
{
    std::string dir = rel.empty() ? root : root + "/" + rel;
    for (const std::string &name : sorted_names(dir)) {
        std::string r = rel.empty() ? name : rel + "/" + name;
        std::string full = root + "/" + r;
        struct stat st;
        if (lstat(full.c_str(), &st) != 0)
            continue;
        std::string x = (st.st_mode & 0111) ? "x" : "-";
        if (S_ISDIR(st.st_mode)) {
            out[r] = "dir";
            snapshot_walk(root, r, out);
        } else if (S_ISLNK(st.st_mode)) {
            out[r] = "link -> " + link_text(full);
        } else if (S_ISREG(st.st_mode)) {
            out[r] = "file " + x + " " + std::to_string(st.st_size) + ": " + read_all(full);
        } else {
            out[r] = "special";
        }
    }
}

} // namespace

std::vector<ArchiveEntry> entries_of_tree(const std::string &dir)
{
    std::map<std::pair<dev_t, ino_t>, std::string> seen;
    std::vector<ArchiveEntry> out;
    walk_entries(dir, "", seen, out);
    return out;
}

void write_info(const std::string &path, const std::string &major, const std::string &minor,
                const std::string &build, const std::string &overlay)
{
    make_parents(path);
    std::ofstream(path) << "[Version]\nmajor_version=" << major << "\nminor_version=" << minor
                        << "\nbuild_version=" << build << "\nicon_overlay_version=" << overlay
                        << "\n";
}

std::vector<ArchiveEntry> client_tree(const std::string &build)
{
    std::string info = "[Version]\nmajor_version=3\nminor_version=1\nbuild_version=" + build +
                       "\nicon_overlay_version=7\n";
    return {
        ArchiveEntry::dir("bin"),
        ArchiveEntry::file("bin/orvanta-ui", "#!/bin/sh\n# client build " + build + "\n", 0755),
        ArchiveEntry::dir("package"),
        ArchiveEntry::file("package/start-stop", "#!/bin/sh\nexit 0\n", 0755),
        ArchiveEntry::file("INFO", info),
        ArchiveEntry::dir("lib"),
        ArchiveEntry::dir("lib/plugins"),
        ArchiveEntry::file("lib/libcore.so.1", "core library of build " + build + "\n"),
        ArchiveEntry::symlink("lib/libcore.so", "libcore.so.1"),
        ArchiveEntry::file("lib/plugins/readme.txt", "plugins of build " + build + "\n"),
        ArchiveEntry::file("share/doc/notes.txt", "notes " + build + "\n"),
    };
}

void materialize(const std::string &dir, const std::vector<ArchiveEntry> &entries)
{
    mkdir(dir.c_str(), 0755);
    for (const ArchiveEntry &e : entries) {
        std::string path = dir + "/" + e.path;
        make_parents(path);
        switch (e.kind) {
        case ArchiveEntry::File: {
            std::ofstream(path, std::ios::binary) << e.data;
            chmod(path.c_str(), e.mode);
            break;
        }
        case ArchiveEntry::Dir:
            mkdir(path.c_str(), e.mode);
            break;
        case ArchiveEntry::Symlink:
            if (::symlink(e.target.c_str(), path.c_str()) != 0)
                throw std::runtime_error("symlink " + path + ": " + std::strerror(errno));
            break;
        case ArchiveEntry::Hardlink:
            if (link((dir + "/" + e.target).c_str(), path.c_str()) != 0)
                throw std::runtime_error("link " + path + ": " + std::strerror(errno));
            break;
        }
    }
}

std::map<std::string, std::string> snapshot(const std::string &dir)
{
    std::map<std::string, std::string> out;
    snapshot_walk(dir, "", out);
    return out;
}

std::string diff_snapshots(const std::map<std::string, std::string> &want,
                           const std::map<std::string, std::string> &got)
{
    std::string out;
    for (const auto &w : want) {
        auto g = got.find(w.first);
        if (g == got.end())
            out += "missing: " + w.first + "\n";
        else if (g->second != w.second)
            out += "differs: " + w.first + " (want " + w.second.substr(0, 60) + ", got " +
                   g->second.substr(0, 60) + ")\n";
    }
    for (const auto &g : got)
        if (!want.count(g.first))
            out += "unexpected: " + g.first + "\n";
    return out;
}

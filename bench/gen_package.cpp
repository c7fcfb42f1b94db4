// Writes a seeded, deterministic client package in one archive format:
//   gen_package <small|large> <tar|tar.gz|tar.xz|tar.zst|zip> <output> [seed]
// small: about 300 files and 150 MB, like a desktop application (a few large
// libraries of compressible code, many small resources, symbolic links, nested
// folders); large: about 20,000 files and 400 MB. The same kind and seed give
// the same bytes in every format's archive on every run.

#include <archive.h>
#include <archive_entry.h>

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

namespace {

const int64_t kMiB = 1024 * 1024;
// Fixed time stamp of every entry, so that archives do not depend on the clock.
const time_t kMtime = 1700000000;

struct Rng {
    uint64_t s;
    explicit Rng(uint64_t seed) : s(seed * 0x9E3779B97F4A7C15ull + 1) {}
    uint64_t next()
    {
        // xorshift64*
        s ^= s >> 12;
        s ^= s << 25;
        s ^= s >> 27;
        return s * 0x2545F4914F6CDD1Dull;
    }
    uint64_t below(uint64_t n) { return next() % n; }
};

enum class Kind { Dir, File, Symlink };
enum class Content { Code, Text, Random };

struct Entry {
    Kind kind;
    std::string path;
    std::string link;
    int64_t size = 0;
    mode_t mode = 0644;
    Content content = Content::Text;
    uint64_t seed = 0;
};

// Fills a buffer with data of the given kind. Code: words from a small
// vocabulary, skewed, with some noise (compresses about 3:1, like machine code);
// Text: lines of words (about 4:1); Random: incompressible (images, archives).
class Filler
{
public:
    Filler(Content c, uint64_t seed) : content(c), rng(seed)
    {
        Rng vocab_rng(seed ^ 0xA5A5A5A5ull);
        for (auto &w : words) {
            size_t len = 2 + vocab_rng.below(9);
            for (size_t i = 0; i < len; ++i)
                w.push_back(static_cast<char>(content == Content::Text
                                                  ? 'a' + vocab_rng.below(26)
                                                  : vocab_rng.below(256)));
        }
    }

    void fill(char *buf, size_t n)
    {
        size_t i = 0;
        while (i < n) {
            uint64_t r = rng.next();
            if (content == Content::Random) {
                for (int b = 0; b < 8 && i < n; ++b)
                    buf[i++] = static_cast<char>(r >> (b * 8));
                continue;
            }
            // Skewed choice: low indices are far more frequent.
            unsigned idx = static_cast<unsigned>((r & 0xff) * ((r >> 8) & 0xff) >> 8);
            const std::string &w = words[idx];
            for (size_t k = 0; k < w.size() && i < n; ++k)
                buf[i++] = w[k];
            if (i < n) {
                if (content == Content::Text)
                    buf[i++] = ((r >> 16) & 15) == 0 ? '\n' : ' ';
                else if (((r >> 16) & 7) == 0)
                    buf[i++] = static_cast<char>(r >> 24);
            }
        }
    }

private:
    Content content;
    Rng rng;
    std::string words[256];
};

void add_dir(std::vector<Entry> &out, const std::string &path)
{
    Entry e;
    e.kind = Kind::Dir;
    e.path = path;
    e.mode = 0755;
    out.push_back(e);
}

void add_file(std::vector<Entry> &out, const std::string &path, int64_t size, Content c,
              mode_t mode, Rng &rng)
{
    Entry e;
    e.kind = Kind::File;
    e.path = path;
    e.size = size;
    e.content = c;
    e.mode = mode;
    e.seed = rng.next();
    out.push_back(e);
}

void add_link(std::vector<Entry> &out, const std::string &path, const std::string &link)
{
    Entry e;
    e.kind = Kind::Symlink;
    e.path = path;
    e.link = link;
    e.mode = 0777;
    out.push_back(e);
}

struct Shape {
    int libraries;        // large shared libraries, 10 to 30 MB each
    int small_files;      // resources spread over nested folders
    int64_t small_bytes;  // their total size
    int folders;          // folders that hold them
};

// The client's tree: what the launcher relies on (INFO, bin/orvanta-ui,
// package/start-stop) and the bulk of a desktop application.
std::vector<Entry> make_tree(const Shape &shape, uint64_t seed)
{
    Rng rng(seed);
    std::vector<Entry> out;
    add_file(out, "INFO", 0, Content::Text, 0644, rng);
    add_dir(out, "bin");
    add_file(out, "bin/orvanta-ui", 6 * kMiB, Content::Code, 0755, rng);
    add_dir(out, "package");
    add_file(out, "package/start-stop", 0, Content::Text, 0755, rng);
    add_dir(out, "lib");
    for (int i = 0; i < shape.libraries; ++i) {
        const std::string base = "lib/libharv" + std::to_string(i) + ".so";
        const int64_t size = (10 + static_cast<int64_t>(rng.below(21))) * kMiB;
        add_file(out, base + ".5.15.8", size, Content::Code, 0755, rng);
        add_link(out, base + ".5", "libharv" + std::to_string(i) + ".so.5.15.8");
        add_link(out, base, "libharv" + std::to_string(i) + ".so.5");
    }
    // Nested folders: share/<a>/<b>/..., two or three levels below share/.
    add_dir(out, "share");
    std::vector<std::string> folders;
    for (int i = 0; i < shape.folders; ++i) {
        std::string dir;
        if (i < 8 || folders.empty())
            dir = "share/d" + std::to_string(i);
        else
            dir = folders[rng.below(folders.size())] + "/d" + std::to_string(i);
        add_dir(out, dir);
        folders.push_back(dir);
    }
    // Sizes from a skewed distribution (most files small, a few large),
    // scaled to the total asked for.
    std::vector<double> weights(shape.small_files);
    double sum = 0;
    for (double &w : weights) {
        double u = static_cast<double>(rng.below(1000000) + 1) / 1e6;
        w = u * u * u * u;
        sum += w;
    }
    for (int i = 0; i < shape.small_files; ++i) {
        const std::string &dir = folders[i % folders.size()];
        const int64_t size = 64 + static_cast<int64_t>(weights[i] / sum * shape.small_bytes);
        const uint64_t pick = rng.below(10);
        const Content c = pick < 3 ? Content::Random : pick < 6 ? Content::Code : Content::Text;
        const char *ext = c == Content::Random ? ".png" : c == Content::Code ? ".bin" : ".qml";
        add_file(out, dir + "/f" + std::to_string(i) + ext, size, c, 0644, rng);
        if (i % 97 == 0)
            add_link(out, dir + "/alias" + std::to_string(i) + ext, "f" + std::to_string(i) + ext);
    }
    return out;
}

int write_entries(const std::vector<Entry> &tree, const std::string &format,
                  const std::string &output)
{
    struct archive *a = archive_write_new();
    int r = ARCHIVE_OK;
    if (format == "zip") {
        r = archive_write_set_format_zip(a);
    } else {
        r = archive_write_set_format_pax_restricted(a);
        if (r == ARCHIVE_OK && format == "tar.gz")
            r = archive_write_add_filter_gzip(a);
        else if (r == ARCHIVE_OK && format == "tar.xz")
            r = archive_write_add_filter_xz(a);
        else if (r == ARCHIVE_OK && format == "tar.zst")
            r = archive_write_add_filter_zstd(a);
        else if (r == ARCHIVE_OK && format != "tar")
            r = ARCHIVE_FATAL;
    }
    // No time stamp in the gzip header: the same input gives the same bytes.
    if (r == ARCHIVE_OK && format == "tar.gz")
        r = archive_write_set_filter_option(a, "gzip", "timestamp", nullptr);
    // Two encoder threads: the stream is cut into blocks whose size depends on
    // the preset alone, so the bytes do not depend on the thread count.
    if (r == ARCHIVE_OK && format == "tar.xz")
        r = archive_write_set_filter_option(a, "xz", "threads", "2");
    if (r == ARCHIVE_OK)
        r = archive_write_open_filename(a, output.c_str());
    if (r != ARCHIVE_OK) {
        std::fprintf(stderr, "gen_package: cannot write %s as %s: %s\n", output.c_str(),
                     format.c_str(), archive_error_string(a) ? archive_error_string(a) : "");
        archive_write_free(a);
        return 1;
    }

    const char info[] = "[Version]\nmajor_version=5\nminor_version=2\nbuild_version=124\n"
                        "icon_overlay_version=1\n";
    const char start_stop[] = "#!/bin/sh\n# Starts or stops the client; the bench's returns at once.\n"
                              "exit 0\n";
    std::vector<char> buf(1 << 20);
    struct archive_entry *e = archive_entry_new();
    for (const Entry &t : tree) {
        archive_entry_clear(e);
        archive_entry_set_pathname(e, t.path.c_str());
        archive_entry_set_mtime(e, kMtime, 0);
        archive_entry_set_uid(e, 0);
        archive_entry_set_gid(e, 0);
        const char *fixed = t.path == "INFO" ? info : t.path == "package/start-stop" ? start_stop
                                                                                    : nullptr;
        const int64_t size = fixed ? static_cast<int64_t>(std::strlen(fixed)) : t.size;
        switch (t.kind) {
        case Kind::Dir:
            archive_entry_set_filetype(e, AE_IFDIR);
            break;
        case Kind::Symlink:
            archive_entry_set_filetype(e, AE_IFLNK);
            archive_entry_set_symlink(e, t.link.c_str());
            break;
        case Kind::File:
            archive_entry_set_filetype(e, AE_IFREG);
            archive_entry_set_size(e, size);
            break;
        }
        archive_entry_set_perm(e, t.mode);
        r = archive_write_header(a, e);
        if (r == ARCHIVE_OK && t.kind == Kind::File) {
            if (fixed) {
                if (archive_write_data(a, fixed, size) != size)
                    r = ARCHIVE_FATAL;
            } else {
                Filler filler(t.content, t.seed);
                for (int64_t left = size; left > 0 && r == ARCHIVE_OK;) {
                    const size_t n = static_cast<size_t>(
                        left < static_cast<int64_t>(buf.size()) ? left : buf.size());
                    filler.fill(buf.data(), n);
                    if (archive_write_data(a, buf.data(), n) != static_cast<la_ssize_t>(n))
                        r = ARCHIVE_FATAL;
                    left -= n;
                }
            }
        }
        if (r != ARCHIVE_OK) {
            std::fprintf(stderr, "gen_package: writing %s failed: %s\n", t.path.c_str(),
                         archive_error_string(a) ? archive_error_string(a) : "");
            break;
        }
    }
    archive_entry_free(e);
    if (archive_write_close(a) != ARCHIVE_OK && r == ARCHIVE_OK) {
        std::fprintf(stderr, "gen_package: closing %s failed: %s\n", output.c_str(),
                     archive_error_string(a) ? archive_error_string(a) : "");
        r = ARCHIVE_FATAL;
    }
    archive_write_free(a);
    return r == ARCHIVE_OK ? 0 : 1;
}

} // namespace

int main(int argc, char **argv)
{
    if (argc < 4 || argc > 5) {
        std::fprintf(stderr, "usage: %s <small|large> <tar|tar.gz|tar.xz|tar.zst|zip> <output> "
                             "[seed]\n",
                     argv[0]);
        return 2;
    }
    const std::string kind = argv[1];
    const uint64_t seed = argc == 5 ? std::strtoull(argv[4], nullptr, 10) : 20240601;
    Shape shape;
    if (kind == "small")
        shape = Shape{5, 270, 25 * kMiB, 24};
    else if (kind == "large")
        shape = Shape{8, 19700, 190 * kMiB, 900};
    else {
        std::fprintf(stderr, "gen_package: unknown kind '%s'\n", kind.c_str());
        return 2;
    }
    return write_entries(make_tree(shape, seed), argv[2], argv[3]);
}

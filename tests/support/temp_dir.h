#ifndef ORVANTA_TESTS_TEMP_DIR_H
#define ORVANTA_TESTS_TEMP_DIR_H

#include <cstdlib>
#include <fstream>
#include <sstream>
#include <stdexcept>
#include <string>
#include <sys/stat.h>
#include <unistd.h>
#include <vector>

/// A fresh folder under base (by default $TMPDIR, or /tmp), removed with
/// everything in it when the object goes away.
class TempDir
{
public:
    explicit TempDir(const std::string &tag = "orvanta", const std::string &base = "")
    {
        const char *env = std::getenv("TMPDIR");
        std::string parent = !base.empty() ? base : env && *env ? env : "/tmp";
        std::string tmpl = parent + "/" + tag + ".XXXXXX";
        if (mkdtemp(&tmpl[0]) == nullptr)
            throw std::runtime_error("mkdtemp failed below " + parent);
        dir = tmpl;
    }
    ~TempDir() { std::system(("chmod -R u+rwx '" + dir + "' 2>/dev/null; rm -rf '" + dir + "'").c_str()); }
    TempDir(const TempDir &) = delete;
    TempDir &operator=(const TempDir &) = delete;

    const std::string &path() const { return dir; }
    std::string path(const std::string &rel) const { return dir + "/" + rel; }

    /// Writes content to rel (relative to the folder) and returns the full path.
    std::string write(const std::string &rel, const std::string &content) const
    {
        std::string p = path(rel);
        std::ofstream(p, std::ios::binary) << content;
        return p;
    }

private:
    std::string dir;
};

/// The whole content of a file; empty when it cannot be read.
inline std::string read_file(const std::string &path)
{
    std::ifstream in(path, std::ios::binary);
    std::ostringstream out;
    out << in.rdbuf();
    return out.str();
}

/// True when something (a dangling link too) stands at path.
inline bool path_exists(const std::string &path)
{
    struct stat st;
    return lstat(path.c_str(), &st) == 0;
}

/// The text of a symbolic link; empty when it cannot be read.
inline std::string link_text(const std::string &path)
{
    char buf[8192];
    ssize_t n = readlink(path.c_str(), buf, sizeof buf);
    return n < 0 ? std::string() : std::string(buf, static_cast<size_t>(n));
}

/// The lines of a text, without their line ends.
inline std::vector<std::string> lines_of(const std::string &text)
{
    std::vector<std::string> lines;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);)
        lines.push_back(line);
    return lines;
}

#endif

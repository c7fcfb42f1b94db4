#ifndef ORVANTA_TESTS_TEMP_DIR_H
#define ORVANTA_TESTS_TEMP_DIR_H

#include <cstdlib>
#include <fstream>
#include <sstream>
#include <stdexcept>
#include <string>
#include <unistd.h>

/// A fresh folder under $TMPDIR (or /tmp), removed with everything in it when
/// the object goes away.
class TempDir
{
public:
    explicit TempDir(const std::string &tag = "orvanta")
    {
        const char *base = std::getenv("TMPDIR");
        std::string tmpl = std::string(base && *base ? base : "/tmp") + "/" + tag + ".XXXXXX";
        if (mkdtemp(&tmpl[0]) == nullptr)
            throw std::runtime_error("mkdtemp failed");
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

#endif

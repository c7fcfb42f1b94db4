#ifndef ORVANTA_CONFIG_H
#define ORVANTA_CONFIG_H

#include "ustring/ustring.h"

#include <cstdio>
#include <cstring>
#include <map>

/// Reader of key=value files (the client's pid file, the logger's level file).
///
/// A line is: blanks, a key of [0-9A-Za-z._-], blanks, "=", blanks, a value
/// (quoted with ' or ", or an unquoted run without spaces), blanks, and an
/// optional "#" comment. Blank lines, comment lines and a key directly followed
/// by "#" or by the end of the text are skipped. A malformed line anywhere
/// empties the whole store and makes read() fail. Nothing is logged.
class Config
{
public:
    typedef std::map<ustring, ustring> Store;

    Config() {}
    ~Config() {}

    /// Adds the pairs of the file to the store (the last occurrence of a key
    /// wins). Returns 0, or -1 for an empty path, a file that cannot be opened,
    /// a malformed line or a read error (the last two empty the store).
    int read(const ustring &path)
    {
        if (path.empty())
            return -1;
        FILE *fp = std::fopen(path.c_str(), "r");
        if (fp == nullptr)
            return -1;
        int result = 0;
        char buf[LINE_BUF];
        size_t n;
        while ((n = read_line(fp, buf)) > 0) {
            ustring key, value;
            // A NUL byte is a control byte: no line of a text file holds one.
            int r = std::memchr(buf, 0, n) != nullptr ? INVALID
                                                      : parse(buf, static_cast<int>(n), key, value);
            if (r == OK) {
                store[key] = value;
            } else if (r == INVALID) {
                store.clear();
                result = -1;
                break;
            }
        }
        // A read error (a folder, an I/O fault) is no complete file either.
        if (std::ferror(fp)) {
            store.clear();
            result = -1;
        }
        std::fclose(fp);
        return result;
    }

    /// The value under key; a missing key is inserted with an empty value.
    ustring &operator[](const ustring &key) { return store[key]; }

    /// The pairs read so far, in key order.
    Store::const_iterator begin() const { return store.begin(); }
    Store::const_iterator end() const { return store.end(); }

private:
    enum { OK = 0, EMPTY = 1, INVALID = 2 };
    enum { LINE_BUF = 8192 };

    /// Reads at most LINE_BUF - 1 bytes, stopping after a line feed, and
    /// terminates them; returns the number of bytes read (0 at the end).
    static size_t read_line(FILE *fp, char *buf)
    {
        size_t n = 0;
        int c;
        while (n < LINE_BUF - 1 && (c = std::getc(fp)) != EOF) {
            buf[n++] = static_cast<char>(c);
            if (c == '\n')
                break;
        }
        buf[n] = 0;
        return n;
    }

    static bool is_key_char(unsigned char c)
    {
        return (c >= '0' && c <= '9') || (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') ||
               c == '-' || c == '_' || c == '.';
    }

    static bool is_value_char(unsigned char c) { return c >= 32 && c != 127; }

    static bool is_space(unsigned char c) { return (c >= 9 && c <= 13) || c == 32; }

    static unsigned char at(const char *p) { return static_cast<unsigned char>(*p); }

    int parse(char *buf, int /*n*/, ustring &key, ustring &value)
    {
        char *p = buf;
        while (*p && is_space(at(p)))
            ++p;
        char *key_begin = p;
        while (*p && is_key_char(at(p)))
            ++p;
        char *key_end = p;
        if (*p == '#' || *p == 0)
            return EMPTY;
        while (*p && is_space(at(p)))
            ++p;
        if (*p != '=')
            return INVALID;
        ++p;
        while (*p && is_space(at(p)))
            ++p;
        if (*p == 0)
            return INVALID;

        char *value_begin;
        char *value_end;
        if (*p == '"' || *p == '\'') {
            char quote = *p++;
            value_begin = p;
            while (*p && *p != quote && is_value_char(at(p)))
                ++p;
            if (*p != quote)
                return INVALID;
            value_end = p++;
        } else {
            value_begin = p;
            while (*p && *p != ' ' && is_value_char(at(p)))
                ++p;
            value_end = p;
        }

        while (*p && is_space(at(p)))
            ++p;
        if (*p != 0 && *p != '#')
            return INVALID;

        *key_end = 0;
        *value_end = 0;
        key = key_begin;
        value = value_begin;
        return OK;
    }

    Store store;
};

#endif

#ifndef ORVANTA_USTRING_H
#define ORVANTA_USTRING_H

#include <cstddef>
#include <istream>
#include <ostream>
#include <string>

/// The string type of all non-GUI code.
///
/// The NUL-terminated UTF-8 buffer is the authoritative form; a UTF-16 form is
/// built from it only on demand (c_str_utf16(), normalize()) and kept as a cache.
/// Positions and lengths always count UTF-8 bytes. Buffers are sized exactly:
/// a request above the capacity, or below half of it, reallocates to the size
/// requested, so repeated appends reallocate every time.
///
/// Null pointers given as text are taken as the empty string. A pointer into
/// the string's own buffer is copied before the buffer can move.
///
/// Not safe for concurrent use, not even for reading: the const operations
/// c_str_utf16() and normalize() fill the UTF-16 cache.
class ustring
{
public:
    typedef char16_t uchar16_t;
    enum normalization_form { NFC = 0, NFD = 1 };
    static constexpr size_t npos = static_cast<size_t>(-1);

    ustring();
    ustring(const ustring &x);
    ustring(const char *s);
    ustring(const uchar16_t *s);
    ustring(const std::string &x);
    ustring(char c);
    ~ustring();

    ustring &append(const char *s);
    ustring &append(const char *s, size_t len);
    ustring &append(char c, size_t n);
    ustring &append(const ustring &x, size_t pos = 0, size_t len = npos);
    ustring &append(const std::string &x, size_t pos = 0, size_t len = npos);
    ustring &append(const uchar16_t *s);
    ustring &append(const uchar16_t *s, size_t len);
    ustring &append(uchar16_t c, size_t n);

    ustring &assign(const char *s);
    ustring &assign(const char *s, size_t len);
    ustring &assign(char c, size_t n);
    ustring &assign(const ustring &x, size_t pos = 0, size_t len = npos);
    ustring &assign(const std::string &x, size_t pos = 0, size_t len = npos);
    ustring &assign(const uchar16_t *s);
    ustring &assign(const uchar16_t *s, size_t len);
    ustring &assign(uchar16_t c, size_t n);

    ustring &operator+=(const ustring &x) { return append(x, 0, npos); }
    ustring &operator+=(const std::string &x) { return append(x, 0, npos); }
    ustring &operator+=(const char *s) { return append(s); }
    ustring &operator+=(const uchar16_t *s) { return append(s); }
    ustring &operator+=(char c) { return append(c, 1); }
    ustring &operator+=(uchar16_t c) { return append(c, 1); }

    ustring &operator=(const ustring &x) { return assign(x, 0, npos); }
    ustring &operator=(const std::string &x) { return assign(x, 0, npos); }
    ustring &operator=(const char *s) { return assign(s); }
    ustring &operator=(const uchar16_t *s) { return assign(s); }
    ustring &operator=(char c) { return assign(c, 1); }
    ustring &operator=(uchar16_t c) { return assign(c, 1); }

    const char *c_str() const { return data; }
    const char *c_str_utf8() const { return data; }
    /// The UTF-16 form, built first when absent; an empty UTF-16 string when
    /// the UTF-8 form does not convert. Valid until the next change.
    const uchar16_t *c_str_utf16() const;
    size_t length() const { return data_len; }
    size_t size() const { return data_len; }
    bool empty() const { return data_len == 0; }

    /// Unchecked byte access; writes do not invalidate the UTF-16 form.
    const char &operator[](size_t pos) const { return data[pos]; }
    char &operator[](size_t pos) { return data[pos]; }

    void clear();
    /// Throws std::out_of_range("substr") when start > length().
    ustring substr(size_t start = 0, size_t len = npos) const;
    void swap(ustring &s);
    void replace(char c1, char c2);

    size_t find(const char *s, size_t pos = 0) const;
    size_t find(char c, size_t pos = 0) const;
    size_t find(const ustring &x, size_t pos = 0) const;
    size_t find(const std::string &x, size_t pos = 0) const;
    size_t rfind(const char *s, size_t pos = npos) const;
    size_t rfind(char c, size_t pos = npos) const;
    size_t rfind(const ustring &x, size_t pos = npos) const;
    size_t rfind(const std::string &x, size_t pos = npos) const;
    size_t find_first_of(const char *s, size_t pos = 0) const;
    size_t find_first_of(char c, size_t pos = 0) const;
    size_t find_first_of(const ustring &x, size_t pos = 0) const;
    size_t find_first_of(const std::string &x, size_t pos = 0) const;
    size_t find_first_not_of(const char *s, size_t pos = 0) const;
    size_t find_first_not_of(char c, size_t pos = 0) const;
    size_t find_first_not_of(const ustring &x, size_t pos = 0) const;
    size_t find_first_not_of(const std::string &x, size_t pos = 0) const;
    size_t find_last_of(const char *s, size_t pos = npos) const;
    size_t find_last_of(char c, size_t pos = npos) const;
    size_t find_last_of(const ustring &x, size_t pos = npos) const;
    size_t find_last_of(const std::string &x, size_t pos = npos) const;
    size_t find_last_not_of(const char *s, size_t pos = npos) const;
    size_t find_last_not_of(char c, size_t pos = npos) const;
    size_t find_last_not_of(const ustring &x, size_t pos = npos) const;
    size_t find_last_not_of(const std::string &x, size_t pos = npos) const;

    void ltrim(const char *list);
    void rtrim(const char *list);
    void trim(const char *list);
    void ltrim(const ustring &list);
    void rtrim(const ustring &list);
    void trim(const ustring &list);

    /// Three-way byte comparison; caseless folds ASCII letters only.
    static int compare(const ustring &a, const ustring &b, bool caseless);
    int compare(const ustring &str) const;
    /// Case-sensitive comparison of at most the first n bytes.
    int compare(const ustring &str, size_t n) const;

    static ustring normalize(const ustring &x, normalization_form n);
    ustring normalize(normalization_form n) const;
    static bool is_valid(const ustring &x);

protected:
    void realloc_data(size_t n);
    void realloc_wdata(size_t n) const;
    void clear_data();
    void clear_wdata() const;
    void init();
    int convert_from_wdata();
    int convert_from_data() const;

    char *data;
    size_t data_len;
    size_t data_cap;
    mutable uchar16_t *wdata;
    mutable size_t wdata_len;
    mutable size_t wdata_cap;

private:
    bool owns(const char *p) const;
    bool owns(const uchar16_t *p) const;
    void invalidate_wdata() const { clear_wdata(); }
    void make_wdata_current() const;
    ustring &append_bytes(const char *s, size_t n);
    ustring &append_own_bytes(size_t n);
    ustring &append_units(const uchar16_t *s, size_t n);
    ustring &append_own_units(size_t max);
    const char *detach(const char *s, size_t max, std::string &keep) const;
    const uchar16_t *detach(const uchar16_t *s, size_t max, std::u16string &keep) const;

    size_t find_impl(const char *p, size_t plen, size_t pos) const;
    size_t rfind_impl(const char *p, size_t plen, size_t pos) const;
    size_t first_of_impl(const char *p, size_t plen, size_t pos, bool in_set) const;
    size_t last_of_impl(const char *p, size_t plen, size_t pos, bool in_set) const;
    void ltrim_impl(const char *list, size_t n);
    void rtrim_impl(const char *list, size_t n);
};

ustring operator+(const ustring &lhs, const ustring &rhs);
ustring operator+(const ustring &lhs, const char *rhs);
ustring operator+(const ustring &lhs, char rhs);
ustring operator+(const ustring &lhs, const ustring::uchar16_t *rhs);
ustring operator+(const ustring &lhs, ustring::uchar16_t rhs);

bool operator<(const ustring &lhs, const ustring &rhs);
bool operator>(const ustring &lhs, const ustring &rhs);
bool operator==(const ustring &lhs, const ustring &rhs);
bool operator<=(const ustring &lhs, const ustring &rhs);
bool operator>=(const ustring &lhs, const ustring &rhs);
bool operator!=(const ustring &lhs, const ustring &rhs);

void swap(ustring &lhs, ustring &rhs);

std::ostream &operator<<(std::ostream &o, const ustring &x);
std::istream &operator>>(std::istream &i, ustring &x);

#endif

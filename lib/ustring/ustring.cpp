#include "ustring/ustring.h"

#include <unicode/unorm2.h>
#include <unicode/ustring.h>
#include <unicode/utypes.h>

#include <climits>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <functional>
#include <iostream>
#include <new>
#include <stdexcept>

#include <type_traits>

static_assert(std::is_same<ustring::uchar16_t, UChar>::value, "UTF-16 unit must be ICU's UChar");

namespace {

void warn(const char *text, UErrorCode code, int line)
{
    std::cerr << text << static_cast<int>(code) << " at line " << line << std::endl;
}

int32_t icu_capacity(size_t cap)
{
    return cap > static_cast<size_t>(INT32_MAX) ? INT32_MAX : static_cast<int32_t>(cap);
}

size_t units_len(const ustring::uchar16_t *s, size_t max)
{
    size_t n = 0;
    while (n < max && s[n] != 0)
        ++n;
    return n;
}

// Sum of sizes for a buffer request; a sum that wraps cannot be allocated.
size_t checked_sum(size_t a, size_t b)
{
    if (b > SIZE_MAX - a - 1)
        throw std::bad_alloc();
    return a + b + 1;
}

const unsigned char *fold_table()
{
    static const struct Table {
        unsigned char map[256];
        Table()
        {
            for (int i = 0; i < 256; ++i)
                map[i] = static_cast<unsigned char>(i >= 'A' && i <= 'Z' ? i + ('a' - 'A') : i);
        }
    } table;
    return table.map;
}

bool in_list(unsigned char c, const char *list, size_t n)
{
    for (size_t k = 0; k < n; ++k)
        if (static_cast<unsigned char>(list[k]) == c)
            return true;
    return false;
}

} // namespace

// ---- storage ----------------------------------------------------------------

void ustring::realloc_data(size_t n)
{
    if (n > data_cap || n < (data_cap >> 1)) {
        void *p = std::realloc(data, n);
        if (p == nullptr)
            throw std::bad_alloc();
        data = static_cast<char *>(p);
        data_cap = n;
    }
}

void ustring::realloc_wdata(size_t n) const
{
    if (n > wdata_cap || n < (wdata_cap >> 1)) {
        if (n > SIZE_MAX / sizeof(uchar16_t))
            throw std::bad_alloc();
        void *p = std::realloc(wdata, n * sizeof(uchar16_t));
        if (p == nullptr)
            throw std::bad_alloc();
        wdata = static_cast<uchar16_t *>(p);
        wdata_cap = n;
    }
}

void ustring::clear_data()
{
    data_len = 0;
    data[0] = 0;
}

void ustring::clear_wdata() const
{
    wdata_len = 0;
    wdata[0] = 0;
}

void ustring::clear()
{
    clear_data();
    clear_wdata();
}

void ustring::init()
{
    data = nullptr;
    data_len = 0;
    data_cap = 0;
    wdata = nullptr;
    wdata_len = 0;
    wdata_cap = 0;
    realloc_data(4);
    try {
        realloc_wdata(4);
    } catch (...) {
        std::free(data);
        throw;
    }
    clear();
}

bool ustring::owns(const char *p) const
{
    std::less_equal<const char *> le;
    std::less<const char *> lt;
    return p != nullptr && le(data, p) && lt(p, data + data_cap);
}

bool ustring::owns(const uchar16_t *p) const
{
    std::less_equal<const uchar16_t *> le;
    std::less<const uchar16_t *> lt;
    return p != nullptr && le(wdata, p) && lt(p, wdata + wdata_cap);
}

// ---- conversions --------------------------------------------------------------

int ustring::convert_from_data() const
{
    UErrorCode err = U_ZERO_ERROR;
    int32_t len = 0;
    u_strFromUTF8(nullptr, 0, &len, data, -1, &err);
    if (len < 0)
        len = 0;
    err = U_ZERO_ERROR;
    realloc_wdata(static_cast<size_t>(len) + 1);
    int32_t out = 0;
    u_strFromUTF8(wdata, icu_capacity(wdata_cap), &out, data, -1, &err);
    if (err <= U_ZERO_ERROR && out >= 0 && static_cast<size_t>(out) < wdata_cap) {
        wdata_len = static_cast<size_t>(out);
        wdata[wdata_len] = 0;
        return 0;
    }
    warn("Warning: u_strFromUTF8: error code ", err, __LINE__);
    clear_wdata();
    return -1;
}

int ustring::convert_from_wdata()
{
    UErrorCode err = U_ZERO_ERROR;
    int32_t len = 0;
    u_strToUTF8(nullptr, 0, &len, wdata, -1, &err);
    if (len < 0)
        len = 0;
    err = U_ZERO_ERROR;
    realloc_data(static_cast<size_t>(len) + 1);
    int32_t out = 0;
    u_strToUTF8(data, icu_capacity(data_cap), &out, wdata, -1, &err);
    if (err <= U_ZERO_ERROR && out >= 0 && static_cast<size_t>(out) < data_cap) {
        data_len = static_cast<size_t>(out);
        data[data_len] = 0;
        return 0;
    }
    warn("Warning: u_strToUTF8: error code ", err, __LINE__);
    clear();
    return -1;
}

void ustring::make_wdata_current() const
{
    if (wdata_len == 0 && data_len != 0)
        convert_from_data();
}

const ustring::uchar16_t *ustring::c_str_utf16() const
{
    if (wdata_len == 0)
        convert_from_data();
    return wdata;
}

// ---- construction -------------------------------------------------------------

ustring::ustring()
{
    init();
}

ustring::ustring(const ustring &x)
{
    init();
    try {
        assign(x, 0, npos);
    } catch (...) {
        std::free(data);
        std::free(wdata);
        throw;
    }
}

ustring::ustring(const char *s)
{
    init();
    try {
        assign(s);
    } catch (...) {
        std::free(data);
        std::free(wdata);
        throw;
    }
}

ustring::ustring(const uchar16_t *s)
{
    init();
    try {
        assign(s);
    } catch (...) {
        std::free(data);
        std::free(wdata);
        throw;
    }
}

ustring::ustring(const std::string &x)
{
    init();
    try {
        assign(x, 0, npos);
    } catch (...) {
        std::free(data);
        std::free(wdata);
        throw;
    }
}

ustring::ustring(char c)
{
    init();
    try {
        assign(c, 1);
    } catch (...) {
        std::free(data);
        std::free(wdata);
        throw;
    }
}

ustring::~ustring()
{
    std::free(data);
    std::free(wdata);
    data = nullptr;
    wdata = nullptr;
}

// ---- appending ----------------------------------------------------------------

// Appends n bytes from a buffer that is not this string's own.
ustring &ustring::append_bytes(const char *s, size_t n)
{
    realloc_data(checked_sum(data_len, n));
    std::memcpy(data + data_len, s, n);
    data_len += n;
    data[data_len] = 0;
    invalidate_wdata();
    return *this;
}

// Appends the first n bytes of the string to itself.
ustring &ustring::append_own_bytes(size_t n)
{
    realloc_data(checked_sum(data_len, n));
    std::memcpy(data + data_len, data, n);
    data_len += n;
    data[data_len] = 0;
    invalidate_wdata();
    return *this;
}

// Text inside the string's own buffer (other than at its start) would move
// with a reallocation: it is copied into keep, and the copy is used.
const char *ustring::detach(const char *s, size_t max, std::string &keep) const
{
    if (s == nullptr)
        return "";
    if (!owns(s))
        return s;
    size_t room = static_cast<size_t>(data + data_cap - s);
    keep.assign(s, strnlen(s, max < room ? max : room));
    return keep.c_str();
}

const ustring::uchar16_t *ustring::detach(const uchar16_t *s, size_t max,
                                           std::u16string &keep) const
{
    static const uchar16_t empty[1] = {0};
    if (s == nullptr)
        return empty;
    if (!owns(s))
        return s;
    size_t room = static_cast<size_t>(wdata + wdata_cap - s);
    keep.assign(s, units_len(s, max < room ? max : room));
    return keep.c_str();
}

ustring &ustring::append(const char *s)
{
    if (s != nullptr && s == data)
        return append_own_bytes(data_len);
    std::string keep;
    s = detach(s, SIZE_MAX, keep);
    return append_bytes(s, std::strlen(s));
}

ustring &ustring::append(const char *s, size_t len)
{
    if (s != nullptr && s == data)
        return append_own_bytes(len < data_len ? len : data_len);
    std::string keep;
    s = detach(s, len, keep);
    return append_bytes(s, strnlen(s, len));
}

ustring &ustring::append(char c, size_t n)
{
    realloc_data(checked_sum(data_len, n));
    std::memset(data + data_len, c, n);
    data_len += n;
    data[data_len] = 0;
    invalidate_wdata();
    return *this;
}

ustring &ustring::append(const ustring &x, size_t pos, size_t len)
{
    ustring tmp = x.substr(pos, len);
    return append_bytes(tmp.data, tmp.data_len);
}

ustring &ustring::append(const std::string &x, size_t pos, size_t len)
{
    std::string sub = x.substr(pos, len);
    return append_bytes(sub.c_str(), std::strlen(sub.c_str()));
}

// Appends n units from a buffer that is not this string's own UTF-16 buffer,
// extending the current UTF-16 form and rebuilding the UTF-8 form from it.
ustring &ustring::append_units(const uchar16_t *s, size_t n)
{
    make_wdata_current();
    if (n > SIZE_MAX / 2 - wdata_len - 1)
        throw std::bad_alloc();
    realloc_wdata(wdata_len + n + 1);
    std::memcpy(wdata + wdata_len, s, n * sizeof(uchar16_t));
    wdata_len += n;
    wdata[wdata_len] = 0;
    convert_from_wdata();
    return *this;
}

// Appends the first units of the (current) UTF-16 form to itself: all of
// them, or at most max.
ustring &ustring::append_own_units(size_t max)
{
    make_wdata_current();
    size_t n = max < wdata_len ? max : wdata_len;
    realloc_wdata(wdata_len + n + 1);
    std::memcpy(wdata + wdata_len, wdata, n * sizeof(uchar16_t));
    wdata_len += n;
    wdata[wdata_len] = 0;
    convert_from_wdata();
    return *this;
}

ustring &ustring::append(const uchar16_t *s)
{
    if (s != nullptr && s == wdata)
        return append_own_units(SIZE_MAX);
    std::u16string keep;
    s = detach(s, SIZE_MAX, keep);
    return append_units(s, units_len(s, SIZE_MAX));
}

ustring &ustring::append(const uchar16_t *s, size_t len)
{
    if (s != nullptr && s == wdata)
        return append_own_units(len);
    std::u16string keep;
    s = detach(s, len, keep);
    return append_units(s, units_len(s, len));
}

ustring &ustring::append(uchar16_t c, size_t n)
{
    make_wdata_current();
    if (n > SIZE_MAX / 2 - wdata_len - 1)
        throw std::bad_alloc();
    realloc_wdata(wdata_len + n + 1);
    for (size_t k = 0; k < n; ++k)
        wdata[wdata_len + k] = c;
    wdata_len += n;
    wdata[wdata_len] = 0;
    convert_from_wdata();
    return *this;
}

// ---- assigning ----------------------------------------------------------------

ustring &ustring::assign(const char *s)
{
    if (s != nullptr && s == data)
        return *this;
    std::string keep;
    s = detach(s, SIZE_MAX, keep);
    clear();
    return append_bytes(s, std::strlen(s));
}

ustring &ustring::assign(const char *s, size_t len)
{
    if (s != nullptr && s == data) {
        if (len < data_len) {
            data_len = len;
            data[len] = 0;
            invalidate_wdata();
        }
        return *this;
    }
    std::string keep;
    s = detach(s, len, keep);
    clear();
    return append_bytes(s, strnlen(s, len));
}

ustring &ustring::assign(char c, size_t n)
{
    clear();
    return append(c, n);
}

ustring &ustring::assign(const ustring &x, size_t pos, size_t len)
{
    if (&x == this) {
        ustring tmp = x.substr(pos, len);
        return assign(tmp, 0, npos);
    }
    clear();
    return append(x, pos, len);
}

ustring &ustring::assign(const std::string &x, size_t pos, size_t len)
{
    clear();
    return append(x, pos, len);
}

ustring &ustring::assign(const uchar16_t *s)
{
    if (s != nullptr && s == wdata)
        return *this;
    std::u16string keep;
    s = detach(s, SIZE_MAX, keep);
    clear();
    return append_units(s, units_len(s, SIZE_MAX));
}

ustring &ustring::assign(const uchar16_t *s, size_t len)
{
    if (s != nullptr && s == wdata) {
        if (len < wdata_len) {
            wdata_len = len;
            wdata[len] = 0;
            convert_from_wdata();
        }
        return *this;
    }
    std::u16string keep;
    s = detach(s, len, keep);
    clear();
    return append_units(s, units_len(s, len));
}

ustring &ustring::assign(uchar16_t c, size_t n)
{
    clear();
    return append(c, n);
}

// ---- access -------------------------------------------------------------------

ustring ustring::substr(size_t start, size_t len) const
{
    if (start > data_len)
        throw std::out_of_range("substr");
    if (len > data_len)
        len = data_len;
    ustring r;
    r.assign(data + start, len);
    return r;
}

void ustring::swap(ustring &s)
{
    std::swap(data, s.data);
    std::swap(data_len, s.data_len);
    std::swap(data_cap, s.data_cap);
    std::swap(wdata, s.wdata);
    std::swap(wdata_len, s.wdata_len);
    std::swap(wdata_cap, s.wdata_cap);
}

void swap(ustring &lhs, ustring &rhs)
{
    lhs.swap(rhs);
}

void ustring::replace(char c1, char c2)
{
    for (size_t k = 0; k < data_len; ++k)
        if (data[k] == c1)
            data[k] = c2;
    invalidate_wdata();
}

// ---- searching ----------------------------------------------------------------

size_t ustring::find_impl(const char *p, size_t plen, size_t pos) const
{
    if (pos >= data_len)
        return npos;
    if (plen == 0)
        return pos;
    for (size_t i = pos; plen <= data_len - i; ++i) {
        size_t k = 0;
        while (k < plen && data[i + k] == p[k])
            ++k;
        if (k == plen)
            return i;
    }
    return npos;
}

size_t ustring::rfind_impl(const char *p, size_t plen, size_t pos) const
{
    if (data_len == 0)
        return npos;
    size_t start = pos >= data_len ? data_len - 1 : pos;
    if (plen == 0)
        return start;
    for (size_t i = start + 1; i-- > 0;) {
        if (plen > data_len - i)
            continue;
        size_t k = 0;
        while (k < plen && data[i + k] == p[k])
            ++k;
        if (k == plen)
            return i;
    }
    return npos;
}

size_t ustring::first_of_impl(const char *p, size_t plen, size_t pos, bool in_set) const
{
    if (pos >= data_len)
        return npos;
    if (plen == 0)
        return in_set ? npos : pos;
    for (size_t i = pos; i < data_len; ++i)
        if (in_list(static_cast<unsigned char>(data[i]), p, plen) == in_set)
            return i;
    return npos;
}

size_t ustring::last_of_impl(const char *p, size_t plen, size_t pos, bool in_set) const
{
    if (data_len == 0)
        return npos;
    size_t start = pos >= data_len ? data_len - 1 : pos;
    if (plen == 0)
        return in_set ? npos : start;
    for (size_t i = start + 1; i-- > 0;)
        if (in_list(static_cast<unsigned char>(data[i]), p, plen) == in_set)
            return i;
    return npos;
}

#define USTRING_SEARCH_FAMILY(NAME, CALL)                                                          \
    size_t ustring::NAME(const char *s, size_t pos) const                                         \
    {                                                                                              \
        const char *p = s ? s : "";                                                                \
        return CALL(p, std::strlen(p), pos);                                                       \
    }                                                                                              \
    size_t ustring::NAME(char c, size_t pos) const { return CALL(&c, 1, pos); }                   \
    size_t ustring::NAME(const ustring &x, size_t pos) const                                      \
    {                                                                                              \
        return CALL(x.data, x.data_len, pos);                                                      \
    }                                                                                              \
    size_t ustring::NAME(const std::string &x, size_t pos) const                                  \
    {                                                                                              \
        return CALL(x.c_str(), std::strlen(x.c_str()), pos);                                       \
    }

#define USTRING_FIND(p, n, pos) find_impl(p, n, pos)
#define USTRING_RFIND(p, n, pos) rfind_impl(p, n, pos)
#define USTRING_FIRST_OF(p, n, pos) first_of_impl(p, n, pos, true)
#define USTRING_FIRST_NOT_OF(p, n, pos) first_of_impl(p, n, pos, false)
#define USTRING_LAST_OF(p, n, pos) last_of_impl(p, n, pos, true)
#define USTRING_LAST_NOT_OF(p, n, pos) last_of_impl(p, n, pos, false)

USTRING_SEARCH_FAMILY(find, USTRING_FIND)
USTRING_SEARCH_FAMILY(rfind, USTRING_RFIND)
USTRING_SEARCH_FAMILY(find_first_of, USTRING_FIRST_OF)
USTRING_SEARCH_FAMILY(find_first_not_of, USTRING_FIRST_NOT_OF)
USTRING_SEARCH_FAMILY(find_last_of, USTRING_LAST_OF)
USTRING_SEARCH_FAMILY(find_last_not_of, USTRING_LAST_NOT_OF)

#undef USTRING_SEARCH_FAMILY
#undef USTRING_FIND
#undef USTRING_RFIND
#undef USTRING_FIRST_OF
#undef USTRING_FIRST_NOT_OF
#undef USTRING_LAST_OF
#undef USTRING_LAST_NOT_OF

// ---- trimming -----------------------------------------------------------------

void ustring::ltrim_impl(const char *list, size_t n)
{
    if (data_len == 0 || n == 0)
        return;
    size_t first = 0;
    while (first < data_len && in_list(static_cast<unsigned char>(data[first]), list, n))
        ++first;
    if (first == 0)
        return;
    size_t kept = data_len - first;
    std::memmove(data, data + first, kept);
    data[kept] = 0;
    data_len = kept;
    invalidate_wdata();
}

void ustring::rtrim_impl(const char *list, size_t n)
{
    if (data_len == 0 || n == 0)
        return;
    size_t end = data_len;
    while (end > 0 && in_list(static_cast<unsigned char>(data[end - 1]), list, n))
        --end;
    if (end == data_len)
        return;
    data[end] = 0;
    data_len = end;
    invalidate_wdata();
}

// The list may be this string's own text, so it is copied before trimming.
void ustring::ltrim(const char *list)
{
    std::string l = list ? list : "";
    ltrim_impl(l.data(), l.size());
}

void ustring::rtrim(const char *list)
{
    std::string l = list ? list : "";
    rtrim_impl(l.data(), l.size());
}

void ustring::trim(const char *list)
{
    std::string l = list ? list : "";
    ltrim_impl(l.data(), l.size());
    rtrim_impl(l.data(), l.size());
}

void ustring::ltrim(const ustring &list)
{
    ltrim(std::string(list.data, list.data_len).c_str());
}

void ustring::rtrim(const ustring &list)
{
    rtrim(std::string(list.data, list.data_len).c_str());
}

void ustring::trim(const ustring &list)
{
    trim(std::string(list.data, list.data_len).c_str());
}

// ---- comparing ----------------------------------------------------------------

int ustring::compare(const ustring &a, const ustring &b, bool caseless)
{
    const unsigned char *fold = fold_table();
    const unsigned char *pa = reinterpret_cast<const unsigned char *>(a.data);
    const unsigned char *pb = reinterpret_cast<const unsigned char *>(b.data);
    for (;; ++pa, ++pb) {
        int ca = caseless ? fold[*pa] : *pa;
        int cb = caseless ? fold[*pb] : *pb;
        if (ca != cb || *pa == 0)
            return ca - cb;
    }
}

int ustring::compare(const ustring &str) const
{
    return compare(*this, str, false);
}

int ustring::compare(const ustring &str, size_t n) const
{
    const unsigned char *pa = reinterpret_cast<const unsigned char *>(data);
    const unsigned char *pb = reinterpret_cast<const unsigned char *>(str.data);
    for (size_t k = 0; k < n; ++k) {
        if (pa[k] != pb[k] || pa[k] == 0)
            return pa[k] - pb[k];
    }
    return 0;
}

bool operator<(const ustring &lhs, const ustring &rhs)
{
    return ustring::compare(lhs, rhs, false) < 0;
}

bool operator>(const ustring &lhs, const ustring &rhs)
{
    return ustring::compare(lhs, rhs, false) > 0;
}

bool operator==(const ustring &lhs, const ustring &rhs)
{
    return ustring::compare(lhs, rhs, false) == 0;
}

bool operator<=(const ustring &lhs, const ustring &rhs)
{
    return ustring::compare(lhs, rhs, false) <= 0;
}

bool operator>=(const ustring &lhs, const ustring &rhs)
{
    return ustring::compare(lhs, rhs, false) >= 0;
}

bool operator!=(const ustring &lhs, const ustring &rhs)
{
    return !(lhs == rhs);
}

// ---- concatenation ------------------------------------------------------------

// Each returns a fresh copy so the result carries the UTF-8 form only.
ustring operator+(const ustring &lhs, const ustring &rhs)
{
    ustring r(lhs);
    r.append(rhs, 0, ustring::npos);
    return ustring(r);
}

ustring operator+(const ustring &lhs, const char *rhs)
{
    ustring r(lhs);
    r.append(rhs);
    return ustring(r);
}

ustring operator+(const ustring &lhs, char rhs)
{
    ustring r(lhs);
    r.append(rhs, 1);
    return ustring(r);
}

ustring operator+(const ustring &lhs, const ustring::uchar16_t *rhs)
{
    ustring r(lhs);
    r.append(rhs);
    return ustring(r);
}

ustring operator+(const ustring &lhs, ustring::uchar16_t rhs)
{
    ustring r(lhs);
    r.append(rhs, 1);
    return ustring(r);
}

// ---- Unicode ------------------------------------------------------------------

ustring ustring::normalize(const ustring &x, normalization_form n)
{
    ustring result;
    if (x.empty())
        return result;
    UErrorCode err = U_ZERO_ERROR;
    const UNormalizer2 *norm =
        unorm2_getInstance(nullptr, "nfc", n == NFD ? UNORM2_DECOMPOSE : UNORM2_COMPOSE, &err);
    if (U_FAILURE(err) || norm == nullptr) {
        warn("Warning: unorm2_getInstance: error code ", err, __LINE__);
        return result;
    }
    const UChar *src = x.c_str_utf16();
    int32_t len = unorm2_normalize(norm, src, -1, nullptr, 0, &err);
    if (len < 0)
        len = 0;
    result.realloc_wdata(static_cast<size_t>(len) + 1);
    err = U_ZERO_ERROR;
    int32_t out =
        unorm2_normalize(norm, src, -1, result.wdata, icu_capacity(result.wdata_cap), &err);
    if (U_FAILURE(err) || out < 0 || static_cast<size_t>(out) >= result.wdata_cap) {
        warn("Warning: unorm2_normalize: error code ", err, __LINE__);
        result.clear();
        return result;
    }
    result.wdata_len = static_cast<size_t>(out);
    result.wdata[result.wdata_len] = 0;
    result.convert_from_wdata();
    return result;
}

ustring ustring::normalize(normalization_form n) const
{
    return normalize(*this, n);
}

bool ustring::is_valid(const ustring &x)
{
    if (x.empty())
        return true;
    UErrorCode err = U_ZERO_ERROR;
    int32_t len = 0;
    u_strFromUTF8(nullptr, 0, &len, x.data, -1, &err);
    return err != U_INVALID_CHAR_FOUND;
}

// ---- streams ------------------------------------------------------------------

std::ostream &operator<<(std::ostream &o, const ustring &x)
{
    return o << x.c_str();
}

std::istream &operator>>(std::istream &i, ustring &x)
{
    std::string word;
    i >> word;
    x = word;
    return i;
}

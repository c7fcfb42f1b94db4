#ifndef ORVANTA_TESTS_QT_PRINT_H
#define ORVANTA_TESTS_QT_PRINT_H

// Lets GoogleTest print Qt strings in failure messages as text instead of bytes.

#include <QString>
#include <QStringList>

#include <ostream>

inline void PrintTo(const QString &s, std::ostream *os)
{
    *os << '"' << s.toStdString() << '"';
}

inline void PrintTo(const QStringList &l, std::ostream *os)
{
    *os << '{';
    for (int i = 0; i < l.size(); ++i) {
        *os << (i ? ", " : "");
        PrintTo(l[i], os);
    }
    *os << '}';
}

#endif

#pragma once
#include <QString>
#include <QStringList>

namespace zendrova::print {

// The values a status format may name.
struct StatusValues
{
    int page = 1;
    int firstPage = 1;
    int lastPage = 9999;
    QStringList lines; // StatusText; %0..%9
    QString destination; // %D
    QString title; // %R
};

// Expands a status format: %p %F %L, %0..%9, %%, %D %R %T; letters in any
// case; any other letter gives "<ERROR-%x>". A "\r" becomes a line break ("\n").
QString expandStatusFormat(const QString &format, const StatusValues &values);

} // namespace zendrova::print

#pragma once

#include "base/cp1252.h"
#include "base/str.h"

#include <QString>

// Texts of the language library are UTF-8; these carry them to Qt and back.
inline QString ToQt(const char* text) {
    return QString::fromUtf8(text ? text : "");
}
inline QString ToQt(const Str& text) {
    return ToQt(text.Get());
}
inline Str FromQt(const QString& text) {
    return Str(text.toUtf8().constData());
}

// Texts of reports and documents are Windows-1252 (base/cp1252.h), as vexlor-cli reads them.
inline QString ReportToQt(const char* text) {
    return QString::fromStdString(Cp1252ToUtf8(text ? text : ""));
}
inline Str ReportFromQt(const QString& text) {
    return Str(Utf8ToCp1252(text.toStdString()).c_str());
}

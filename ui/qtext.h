#pragma once

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

#pragma once
// The C library in the C locale, as under LC_ALL=C or on a machine without a language set: its
// own texts are then English ("Input/output error"), and no message of the program may show them.

#include <clocale>
#include <string>

class LocaleC {
public:
    LocaleC() : anterior_(std::setlocale(LC_ALL, nullptr)) { std::setlocale(LC_ALL, "C"); }
    ~LocaleC() { std::setlocale(LC_ALL, anterior_.c_str()); }
    LocaleC(const LocaleC&) = delete;
    LocaleC& operator=(const LocaleC&) = delete;

private:
    std::string anterior_;
};

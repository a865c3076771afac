#pragma once
// Tests run once per locale (C, es_ES.UTF-8, ca_ES.UTF-8). The program picks up
// the user's locale at start-up exactly as Qt does; when the locale a test run
// asks for is missing, the run fails instead of silently testing C twice.
#include <clocale>
#include <cstdio>
#include <cstdlib>
#include <cstring>

inline void adoptTestLocale()
{
    const char *wanted = std::getenv("ORVALIS_TEST_LOCALE");
    const char *got = std::setlocale(LC_ALL, "");
    if (wanted && std::strcmp(wanted, "C") != 0 && (!got || std::strcmp(got, wanted) != 0)) {
        std::fprintf(stderr, "locale %s is not installed (run ./test.sh to generate it)\n", wanted);
        std::exit(2);
    }
}

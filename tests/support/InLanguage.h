#pragma once
// A program's language installed for one test, as the program installs it
// before its windows exist, and taken away after; and the languages to run a
// test in.
#include <gtest/gtest.h>

#include <QApplication>
#include <QTranslator>

#include <string>

#include "common/Language.h"
#include "trayecta/app/Identity.h"
#include "voltrix/app/Identity.h"

namespace orvalis_test {

class InLanguage {
public:
    InLanguage(const orvalis::ProgramIdentity &program, const char *code)
        : program_(program)
    {
        EXPECT_TRUE(orvalis::availableLanguages(program).contains(code)) << code;
        orvalis::installLanguage(*qApp, program, code);
    }
    // Back to the design's language and texts, for the tests after.
    ~InLanguage()
    {
        orvalis::installLanguage(*qApp, program_, program_.language);
        for (QTranslator *t : qApp->findChildren<QTranslator *>())
            delete t;
    }
    InLanguage(const InLanguage &) = delete;
    InLanguage &operator=(const InLanguage &) = delete;

private:
    const orvalis::ProgramIdentity &program_;
};

inline const char *const kLanguages[] = {"es", "ca", "ca@valencia", "gl", "eu", "en"};

// A test name's suffix: "ca_valencia" for "ca@valencia".
inline std::string languageName(const ::testing::TestParamInfo<const char *> &info)
{
    std::string name = info.param;
    return name.substr(0, 2) + (name.size() > 2 ? "_valencia" : "");
}

} // namespace orvalis_test

#pragma once
// The texts the Qt-free cores give to users (failure reasons, guides, report
// rows) are written in the program's own language and marked for the
// translators. The program installs a translator at start; without one (the
// core's tests, tools) every text stays as written.
#include <initializer_list>
#include <string>
#include <string_view>

// Marks a text in a table or a constant; whoever shows it looks it up with
// coreText(context, text) in the same context.
#define ORV_NOOP(context, text) text

namespace orvalis {

using TextTranslator = std::string (*)(const char *context, const char *text);

// nullptr puts back the texts as written.
void setTextTranslator(TextTranslator translator);

// The text in the chosen language: a literal here is marked by this call itself.
std::string coreText(const char *context, const char *text);

// The pattern with %1 … %9 replaced by the arguments, so a translation can
// put the numbers where its language needs them.
std::string fillText(std::string_view pattern, std::initializer_list<std::string_view> arguments);

} // namespace orvalis

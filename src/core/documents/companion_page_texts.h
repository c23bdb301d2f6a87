#pragma once

#include <array>

// Texts of the companion pages that the data do not give in Italian.
namespace velmora::text {

// The built-in data write a few sources in English, as they were gathered;
// the pages show each of those sources whole, in Italian.
struct SourceInItalian {
  const char* asWritten;
  const char* shown;
};
inline constexpr std::array<SourceInItalian, 4> kSourcesInItalian = {{
    {"studiomorreale.it (last four bands derived from the rule above)",
     "studiomorreale.it (ultime quattro fasce ricavate dalla regola)"},
    {"derived from the rule above; the 57-60 band value 1200 seen on venetoeccellenze.it",
     "ricavati dalla regola; il coefficiente 1200 della fascia 57-60 è riscontrato su "
     "venetoeccellenze.it"},
    {"derived from the rule above", "ricavati dalla regola"},
    {"lavoripubblici.it (2020-12 news on the 2021 rate)",
     "lavoripubblici.it (notizia di dicembre 2020 sul saggio per il 2021)"},
}};

}  // namespace velmora::text

// What the program prints, as a user reads it.
#pragma once

#include <string>
#include <string_view>

namespace pipotka_test {

inline const std::string greeting =
    "\t\t\tVita Vas Pipotka 1.0.2 beta\n"
    "\nVyberte si smer prevodu:\n"
    "\tZadejte Z pro zjisteni znaku z morzeova retezce\n"
    "\tZadejte M pro zjisteni morzeova retezce ze znaku.\n"
    "\tZadejte P pro prelozeni slova do morzeovky.\n"
    "\tZadejte L pro prelozeni slova z morzeovky.\n"
    "\tZadejte K pro ukonceni.\n\n"
    "Zvol si rezim a stiskni ENTER: ";
inline const std::string fallback =
    "Prominte, ale v tehle betaverzi nejde vrevadet ve zvolenem smeru :).\n\n";
inline const std::string character_prompt = "\nZadej znak anglicke abecedy a stiskni ENTER [g]: ";
inline const std::string decoding_prompt = "\nZadej morzeuv retezec a stiskni ENTER [--..]: ";
inline const std::string word_prompt = "\nZadej slovo a stiskni ENTER [slovo]: ";
inline const std::string too_long = "Tento retezec je prilis dlouhy, nejvyse 4095 znaku.\n";

inline std::string code_of(char character, std::string_view code) {
  return "Znaku " + std::string(1, character) + " odpovida retezec \"" + std::string(code) +
         "\".\n\n";
}
inline std::string no_code_for(char character) {
  return "Tento \"" + std::string(1, character) + "\" znak nema preklad v morzeove abecede.\n";
}
inline std::string decoded(std::string_view token, char character) {
  return "Znak odpovidajici " + std::string(token) + ", je \"" + std::string(1, character) +
         "\".\n\n";
}
inline std::string not_decoded(std::string_view token) {
  return "Tento \"" + std::string(token) +
         "\" retezec neodpovida zadnemu znaku morzeovy abecedy.\n";
}
inline std::string translated(std::string_view word, std::string_view morse) {
  return "Slovo " + std::string(word) + " ma preklad \"" + std::string(morse) + "\".\n\n";
}

}  // namespace pipotka_test

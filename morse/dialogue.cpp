#include "morse/dialogue.h"

namespace morse {

Outcome end_without_token(console::Token::Status status) {
  if (status == console::Token::Status::input_ended) return Outcome::input_ended;
  console::write_text("Tento retezec je prilis dlouhy, nejvyse 4095 znaku.\n");
  return Outcome::finished;
}

}  // namespace morse

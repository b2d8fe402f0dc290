// write-layout OUT.js: the page's boundary (boundary.h) and the program's
// picture names as a JavaScript module, written at build time, from which
// site/frame.js writes the input records and reads the frames by name.
#include <fstream>
#include <iostream>
#include <iterator>

#include "boundary.h"
#include "draw/record.h"
#include "record/portraits.h"

namespace {

template <size_t N>
void list(std::ostream& out, const char* const (&names)[N]) {
  out << '[';
  for (size_t i = 0; i < N; ++i) out << (i ? ", " : "") << '\'' << names[i] << '\'';
  out << ']';
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 2) {
    std::cerr << "usage: write-layout OUT.js\n";
    return 2;
  }
  std::ofstream out(argv[1]);
#define WEB_NAME(name) #name,
  const char* const input[] = {WEB_INPUT_FIELDS(WEB_NAME)};
  const char* const frame[] = {WEB_FRAME_FIELDS(WEB_NAME)};
  const char* const texts[] = {WEB_FRAME_TEXTS(WEB_NAME)};
  const char* const childNumbers[] = {WEB_CHILD_NUMBERS(WEB_NAME)};
  const char* const childTexts[] = {WEB_CHILD_TEXTS(WEB_NAME)};
  const char* const rowNumbers[] = {WEB_ROW_NUMBERS(WEB_NAME)};
  const char* const rowTexts[] = {WEB_ROW_TEXTS(WEB_NAME)};
#undef WEB_NAME
  out << "// Written by write-layout from src/web/boundary.h: the page's boundary by name.\n";
  out << "export const inputFields = ";
  list(out, input);
  out << ";\nexport const keyNameUnits = " << web::kKeyNameUnits << ";\nexport const frameFields = ";
  list(out, frame);
  out << ";\nexport const frameTexts = ";
  list(out, texts);
  out << ";\nexport const choices = {\n  event: ";
  list(out, web::kEvents);
  out << ",\n  button: ";
  list(out, web::kButtons);
  out << ",\n  keyboard: ";
  list(out, web::kKeyboards);
  out << ",\n  sound: ";
  list(out, web::kSoundKinds);
  out << ",\n  change: ";
  list(out, web::kChangeKinds);
  out << ",\n};\n// The class record's children and answers, field by field.\nexport const childFields = { numbers: ";
  list(out, childNumbers);
  out << ", texts: ";
  list(out, childTexts);
  out << " };\nexport const rowFields = { numbers: ";
  list(out, rowNumbers);
  out << ", texts: ";
  list(out, rowTexts);
  out << " };\n// The program's pictures by number (pictures/NAME.png).\nexport const pictures = [''";
  for (int p = 1; p < int(shell::portrait(record::kPortraitCount)); ++p)
    out << ", '" << draw::pictureName(static_cast<shell::Picture>(p)) << '\'';
  out << "];\n";
  if (!out) {
    std::cerr << "write-layout: cannot write " << argv[1] << '\n';
    return 1;
  }
  return 0;
}

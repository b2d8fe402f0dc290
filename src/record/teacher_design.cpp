#include "teacher_design.h"

#include "shell/control.h"

namespace record {

using namespace shell;

namespace {

constexpr double kPx = kTwipsPerPixel;

// Rectangles are written in pixels of the 792 x 573 board.
Control text(std::string name, double x, double y, double w, double h, double points) {
  return label(std::move(name), x * kPx, y * kPx, w * kPx, h * kPx).withFont(points);
}

// A label that acts: framed, centred, with the hand.
Control button(std::string name, const char* caption, double x, double y, double w) {
  return text(std::move(name), x, y, w, 26, 12).withCaption(caption).centred().back(kButton).thinBorder().hand();
}

void gate(std::vector<Control>& cs) {
  cs.push_back(text("Invito", 24, 110, 744, 40, 20).withCaption("PER L'INSEGNANTE: QUANTO FA?").centred());
  cs.push_back(text("Somma", 40, 200, 460, 110, 48).right());
  cs.push_back(textBox("Risposta", 520 * kPx, 200 * kPx, 220 * kPx, 110 * kPx).withFont(48)
                   .back(0xC0E0FF).fore(kBlack).tab(1));
}

void panel(std::vector<Control>& cs) {
  cs.push_back(text("Stato", 24, 16, 744, 26, 14));
  cs.push_back(button("Bambini", "BAMBINI", 24, 50, 160));
  cs.push_back(button("Tabella", "TABELLA", 192, 50, 160));
  cs.push_back(button("Ultime", "ULTIME RISPOSTE", 360, 50, 230));
  cs.push_back(button("Esporta", "ESPORTA", 24, 448, 120));
  cs.push_back(button("Importa", "IMPORTA", 152, 448, 120));
  cs.push_back(button("Cancella", "CANCELLA TUTTO", 280, 448, 190));
  cs.push_back(button("Conferma", "SÌ, CANCELLA TUTTO", 280, 448, 250).fore(kChosen));
  cs.push_back(button("Annulla", "NO", 538, 448, 80));
  cs.push_back(button("Registro", "REGISTRO ACCESO", 478, 448, 200));
  cs.push_back(button("Esci", "ESCI", 686, 448, 84));
  cs.push_back(text("Avvisi", 184, 482, 586, 84, 9.75));
}

void children(std::vector<Control>& cs) {
  for (int i = 0; i < kListSlots; ++i) {
    const double x = 24 + (i / 9) * 156, y = 92 + (i % 9) * 38;
    cs.push_back(image(slot("Figura", i + 1), Picture::None, x * kPx, y * kPx, 32 * kPx, 32 * kPx).hand());
    cs.push_back(text(slot("Alunno", i + 1), x + 38, y + 5, 114, 24, 12).hand());
  }
  cs.push_back(text("Titolo", 500, 92, 270, 22, 12).withCaption("NOME:"));
  cs.push_back(textBox("Nome", 500 * kPx, 116 * kPx, 270 * kPx, 36 * kPx).withFont(16).back(0xC0E0FF)
                   .fore(kBlack).words().tab(2));
  cs.push_back(button("Aggiungi", "AGGIUNGI", 500, 162, 130));
  cs.push_back(button("Rinomina", "RINOMINA", 640, 162, 130));
  cs.push_back(button("Togli", "TOGLI", 500, 198, 130));
  cs.push_back(button("ConfermaTogli", "SÌ, TOGLI", 500, 240, 170).fore(kChosen));
  cs.push_back(button("AnnullaTogli", "NO", 680, 240, 90));
  cs.push_back(text("Esito", 500, 278, 270, 150, 11.25));
}

void table(std::vector<Control>& cs) {
  cs.push_back(text("Legenda", 24, 86, 744, 20, 9.75));
  for (int c = 0; c < kTableColumns; ++c)
    cs.push_back(text(slot("Colonna", c + 1), 330 + c * 110, 110, 106, 20, 9.75).centred());
  for (int r = 0; r < kTableRows; ++r) {
    const double y = 132 + r * 20;
    cs.push_back(text(slot("Riga", r + 1), 24, y, 302, 19, 8.25));
    for (int c = 0; c < kTableColumns; ++c)
      cs.push_back(text(slot("Cella", r + 1, c + 1), 330 + c * 110, y, 106, 19, 9.75).centred());
  }
}

void last(std::vector<Control>& cs) {
  cs.push_back(text("Chi", 24, 88, 480, 24, 12));
  static const double left[kLastColumns] = {24, 118, 412, 556, 650, 714};
  static const double width[kLastColumns] = {90, 290, 140, 90, 60, 56};
  static const char* heading[kLastColumns] = {"QUANDO", "ESERCIZIO", "DOMANDA", "RISPOSTA", "ESATTA", "SECONDI"};
  for (int c = 0; c < kLastColumns; ++c)
    cs.push_back(text(slot("Testa", c + 1), left[c], 116, width[c], 18, 8.25).withCaption(heading[c]));
  for (int r = 0; r < kLastRows; ++r)
    for (int c = 0; c < kLastColumns; ++c)
      cs.push_back(text(slot("Ultima", r + 1, c + 1), left[c], 136 + r * 20, width[c], 19, 8.25));
}

void pager(std::vector<Control>& cs) {
  cs.push_back(button("Indietro", "< INDIETRO", 330, 414, 130));
  cs.push_back(text("Pagina", 470, 418, 170, 22, 11.25).centred());
  cs.push_back(button("Avanti", "AVANTI >", 650, 414, 120));
}

bool starts(const std::string& name, const char* prefix) { return name.rfind(prefix, 0) == 0; }

}  // namespace

std::string slot(const char* kind, int i) { return kind + std::to_string(i); }
std::string slot(const char* kind, int i, int j) { return slot(kind, i) + '_' + std::to_string(j); }

Part partOf(const std::string& n) {
  if (n == "Invito" || n == "Somma" || n == "Risposta") return Part::Gate;
  if (n == "Stato" || n == "Esci" || n == "Avvisi" || n == "Registro") return Part::Panel;
  if (n == "Indietro" || n == "Pagina" || n == "Avanti") return Part::Pager;
  if (starts(n, "Figura") || starts(n, "Alunno") || n == "Titolo" || n == "Nome" || n == "Aggiungi" ||
      n == "Rinomina" || starts(n, "Togli") || starts(n, "ConfermaTogli") || n == "AnnullaTogli" || n == "Esito")
    return Part::Children;
  if (n == "Legenda" || starts(n, "Colonna") || starts(n, "Riga") || starts(n, "Cella")) return Part::Table;
  if (n == "Chi" || starts(n, "Testa") || starts(n, "Ultima")) return Part::Last;
  return Part::Record;  // the views' headings, export, import and erase
}

Design teacherDesign() {
  Design d{"vaxo - Aritmetica cl. I  Registro di classe", 8595, kNoColour, {}};
  gate(d.controls);
  panel(d.controls);
  pager(d.controls);
  children(d.controls);
  table(d.controls);
  last(d.controls);
  return d;
}

}  // namespace record

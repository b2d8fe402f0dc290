// The teacher's screen: first a sum beyond the first grade, so that a child
// who finds the way in goes back to the title; then the panel, with the
// class (add, rename, remove a child), the table of what each child
// practised, the selected child's last answers, and the export, the import
// and the erasing of the whole record.
//
// It changes the record only through record::Class, which hands every
// change to the edition; without the record kept it says how to keep it.
#include <algorithm>
#include <cmath>

#include "klass.h"
#include "teacher_design.h"
#include "teacher_table.h"

namespace record {
namespace {

using shell::Control;

constexpr int kTitle = 1;
constexpr int kMaxNameLength = 20;

std::string trimmed(const std::string& s) {
  const auto first = s.find_first_not_of(' ');
  if (first == std::string::npos) return "";
  return s.substr(first, s.find_last_not_of(' ') - first + 1);
}

// "2026-12-08 09:14:03.120" as "08/12 09:14".
std::string when(const std::string& asked) {
  if (asked.size() < 16) return asked;
  return asked.substr(8, 2) + "/" + asked.substr(5, 2) + " " + asked.substr(11, 5);
}

class Teacher : public shell::Screen {
 public:
  explicit Teacher(shell::Program& p) : Screen(p, kTeacher, teacherDesign()) {
    onLoad([this] { openGate(); });
    onKeyPress("Risposta", [](int& ch) {
      if (!(ch >= '0' && ch <= '9') && ch != 8 && ch != 13) ch = 0;
    });
    onKeyUp("Risposta", [this](int key, int) { judgeSum(key); });
    view("Bambini", View::Children);
    view("Tabella", View::Table);
    view("Ultime", View::Last);
    for (int i = 1; i <= kListSlots; ++i) {
      act(slot("Figura", i), [this, i] { select(i - 1); });
      act(slot("Alunno", i), [this, i] { select(i - 1); });
    }
    act("Aggiungi", [this] { add(); });
    act("Rinomina", [this] { rename(); });
    act("Togli", [this] { removing_ = true; outcome_ = "Togliere " + selected_ + " e tutte le sue risposte?"; });
    act("ConfermaTogli", [this] { remove(); });
    act("AnnullaTogli", [this] { removing_ = false; outcome_.clear(); });
    act("Esporta", [this] { exportAll(); });
    act("Importa", [this] { if (auto* k = klass()) k->askImport(); });
    act("Cancella", [this] { erasing_ = true; });
    act("Conferma", [this] { eraseAll(); });
    act("Annulla", [this] { erasing_ = false; });
    act("Registro", [this] {
      if (auto* k = klass(); k && k->turnable()) k->turn(!k->on());
    });
    act("Indietro", [this] { turnPage(-1); });
    act("Avanti", [this] { turnPage(+1); });
    onClick("Esci", [this] { go(kTitle); });
  }

 private:
  enum class View { Gate, Children, Table, Last };

  Class* klass() { return dynamic_cast<Class*>(program().extension()); }
  bool on() {
    const Class* k = klass();
    return k && k->on();
  }
  // A control's click, with the panel shown again after it.
  void act(const std::string& control, std::function<void()> f) {
    onClick(control, [this, f = std::move(f)] {
      f();
      refresh();
    });
  }
  void view(const char* control, View v) {
    act(control, [this, v] {
      view_ = v;
      removing_ = false;
    });
  }

  // --- the gate ----------------------------------------------------------
  void openGate() {
    view_ = View::Gate;
    erasing_ = removing_ = false;
    notice_.clear();
    outcome_.clear();
    platform().reseed();
    const int a = 10 + static_cast<int>(std::floor(platform().next() * 80));
    const int b = 10 + static_cast<int>(std::floor(platform().next() * 80));
    sum_ = std::to_string(a + b);
    (*this)("Somma").caption = std::to_string(a) + " + " + std::to_string(b) + " =";
    if (Class* k = klass()) k->onNote([this] { refresh(); });
    refresh();
  }
  void judgeSum(int key) {
    const std::string& typed = (*this)("Risposta").text;
    if (key != 13 && typed.size() < sum_.size()) return;
    if (typed != sum_) return go(kTitle);
    view_ = View::Children;
    refresh();
    sendTab();  // on to the name box
  }

  // --- the class ---------------------------------------------------------
  void select(int slotIndex) {
    const auto& kids = klass()->book().children();
    if (slotIndex >= static_cast<int>(kids.size())) return;
    selected_ = kids[slotIndex].name;
    (*this)("Nome").text = selected_;  // ready to be changed for Rinomina
    removing_ = false;
    outcome_.clear();
  }
  std::string typedName() {
    std::string name = trimmed((*this)("Nome").text);
    if (shell::codePoints(name).size() > kMaxNameLength) name.clear(), outcome_ = "Nome troppo lungo";
    else if (name.empty()) outcome_ = "Scrivi prima il nome";
    return name;
  }
  void add() {
    Class& k = *klass();
    const std::string name = typedName();
    if (name.empty()) return;
    const auto picture = k.book().freePicture();
    if (k.book().child(name)) outcome_ = name + " è già nella classe";
    else if (!picture) outcome_ = "La classe è piena: ogni figura è già di un bambino";
    else if (k.addChild(name, *picture)) {
      outcome_ = "Aggiunto: " + name;
      selected_ = name;
      (*this)("Nome").text.clear();
    }
  }
  void rename() {
    const std::string to = typedName();
    if (to.empty() || to == selected_) return;
    if (klass()->renameChild(selected_, to)) {
      outcome_ = selected_ + " ora è " + to;
      selected_ = to;
    } else {
      outcome_ = to + " è già nella classe";
    }
  }
  void remove() {
    if (klass()->removeChild(selected_)) outcome_ = "Tolto: " + selected_;
    selected_.clear();
    removing_ = false;
    (*this)("Nome").text.clear();
  }

  // --- the whole record ----------------------------------------------------
  void exportAll() {
    Class& k = *klass();
    k.exportCsv();
    notice_ = "Esportate " + std::to_string(k.book().rows().size()) + " risposte";
  }
  void eraseAll() {
    klass()->eraseAll();
    erasing_ = false;
    selected_.clear();
    page_ = 0;
    notice_ = "Registro cancellato";
  }
  void turnPage(int by) {
    if (view_ == View::Table) page_ = std::max(0, page_ + by);
    if (view_ != View::Last) return;
    const auto& kids = klass()->book().children();
    const auto at = std::find_if(kids.begin(), kids.end(), [&](const Child& c) { return c.name == selected_; });
    const int i = static_cast<int>(at - kids.begin()) + by;
    if (i >= 0 && i < static_cast<int>(kids.size())) selected_ = kids[i].name;
  }

  // --- what the panel shows -------------------------------------------------
  void refresh();
  void showChildren(const Book& book);
  void showTable(const Book& book);
  void showLast(const Book& book);
  void showPager(int at, int of, const std::string& caption);

  View view_ = View::Gate;
  std::string sum_;
  std::string selected_;  // the child chosen in the list
  int page_ = 0;          // of the table
  bool erasing_ = false, removing_ = false;
  std::string outcome_;   // of the last change to the class
  std::string notice_;    // of the last export or erasing
};

void Teacher::refresh() {
  if (!loaded()) return;
  Class* k = klass();
  const bool panel = view_ != View::Gate, kept = panel && on();
  if (kept && !selected_.empty() && !k->book().child(selected_)) selected_.clear();
  if (view_ == View::Last && selected_.empty() && !k->book().children().empty())
    selected_ = k->book().children().front().name;
  for (Control& c : controls()) {
    switch (partOf(c.name)) {
      case Part::Gate: c.visible = !panel; break;
      case Part::Panel: c.visible = panel; break;
      case Part::Record: c.visible = kept; break;
      case Part::Children: c.visible = kept && view_ == View::Children; break;
      case Part::Table: c.visible = kept && view_ == View::Table; break;
      case Part::Last: c.visible = kept && view_ == View::Last; break;
      case Part::Pager: c.visible = false; break;
    }
  }
  if (!panel) return;
  const bool turnable = k && k->turnable();
  (*this)("Stato").caption = !on()     ? (turnable ? "Registro di classe spento"
                                                   : "Registro spento: per tenerlo, avviare aritmetica --classe")
                             : "Registro di classe acceso";
  (*this)("Registro").caption = on() ? "REGISTRO ACCESO" : "REGISTRO SPENTO";
  (*this)("Registro").visible = turnable && !erasing_;
  (*this)("Cancella").visible = kept && !erasing_;
  (*this)("Conferma").visible = (*this)("Annulla").visible = kept && erasing_;
  const std::pair<const char*, View> views[] = {
      {"Bambini", View::Children}, {"Tabella", View::Table}, {"Ultime", View::Last}};
  for (const auto& [name, v] : views) (*this)(name).foreColor = v == view_ ? kChosen : shell::kWhite;

  std::string notes;
  auto note = [&](const std::string& line) {
    if (!line.empty()) notes += (notes.empty() ? "" : "\n") + line;
  };
  if (k)
    for (const std::string& t : k->troubles()) note(t);
  if (k) note(k->importNote());
  note(notice_);
  if (erasing_) note("Tutti i bambini e tutte le loro risposte saranno cancellati.");
  (*this)("Avvisi").caption = notes;
  if (!kept) return;
  if (view_ == View::Children) showChildren(k->book());
  if (view_ == View::Table) showTable(k->book());
  if (view_ == View::Last) showLast(k->book());
}

void Teacher::showChildren(const Book& book) {
  const auto& kids = book.children();
  for (int i = 0; i < kListSlots; ++i) {
    Control& picture = (*this)(slot("Figura", i + 1));
    Control& name = (*this)(slot("Alunno", i + 1));
    const bool used = i < static_cast<int>(kids.size());
    picture.visible = name.visible = used;
    if (!used) continue;
    picture.picture = shell::portrait(kids[i].picture);
    name.caption = kids[i].name;
    name.foreColor = kids[i].name == selected_ ? kChosen : shell::kWhite;
  }
  (*this)("Rinomina").enabled = (*this)("Togli").enabled = !selected_.empty();
  (*this)("ConfermaTogli").visible = (*this)("AnnullaTogli").visible = removing_ && !selected_.empty();
  (*this)("Esito").caption = outcome_;
}

void Teacher::showTable(const Book& book) {
  const TablePage p = tablePage(book, page_, kTableColumns, kTableRows);
  page_ = std::min(page_, p.pages - 1);
  (*this)("Legenda").caption = p.screens.empty()
      ? "Nessuna risposta ancora."
      : "In ogni casella: domande, esatte al primo tentativo, ultimo giorno. In rosso: meno della metà esatte.";
  for (int c = 0; c < kTableColumns; ++c) {
    Control& head = (*this)(slot("Colonna", c + 1));
    head.visible = c < static_cast<int>(p.children.size()) && !p.screens.empty();
    if (head.visible) head.caption = p.children[c];
  }
  for (int r = 0; r < kTableRows; ++r) {
    const bool row = r < static_cast<int>(p.screens.size());
    Control& name = (*this)(slot("Riga", r + 1));
    name.visible = row;
    if (row) name.caption = Class::menuName(program(), p.screens[r]);
    for (int c = 0; c < kTableColumns; ++c) {
      Control& cell = (*this)(slot("Cella", r + 1, c + 1));
      cell.visible = row && c < static_cast<int>(p.children.size());
      if (!cell.visible) continue;
      const Figures f = book.figures(p.children[c], p.screens[r]);
      cell.caption = cellText(f);
      cell.opaque = f.weak();
      cell.backColor = kWeak;
    }
  }
  showPager(page_, p.pages, "Pagina " + std::to_string(page_ + 1) + " di " + std::to_string(p.pages));
}

void Teacher::showLast(const Book& book) {
  const auto& kids = book.children();
  const auto at = std::find_if(kids.begin(), kids.end(), [&](const Child& c) { return c.name == selected_; });
  (*this)("Chi").caption = kids.empty() ? "Nessun bambino nella classe" : "Ultime risposte di " + selected_;
  const std::vector<Row> rows = book.last(selected_, kLastRows);
  for (int c = 1; c <= kLastColumns; ++c) (*this)(slot("Testa", c)).visible = !rows.empty();
  for (int r = 0; r < kLastRows; ++r) {
    const bool used = r < static_cast<int>(rows.size());
    for (int c = 1; c <= kLastColumns; ++c) (*this)(slot("Ultima", r + 1, c)).visible = used;
    if (!used) continue;
    const Row& row = rows[r];
    const std::string cells[kLastColumns] = {when(row.asked), row.menu, row.shown, row.given,
                                             row.right ? "SÌ" : "NO", std::to_string((row.ms + 500) / 1000)};
    for (int c = 0; c < kLastColumns; ++c) {
      Control& cell = (*this)(slot("Ultima", r + 1, c + 1));
      cell.caption = cells[c];
      cell.foreColor = row.right ? shell::kWhite : 0x8080FF;  // a wrong answer in light red
    }
  }
  const int i = static_cast<int>(at - kids.begin());
  if (!kids.empty())
    showPager(i, static_cast<int>(kids.size()),
              "Bambino " + std::to_string(i + 1) + " di " + std::to_string(kids.size()));
}

void Teacher::showPager(int at, int of, const std::string& caption) {
  const bool pages = of > 1;
  (*this)("Indietro").visible = (*this)("Avanti").visible = (*this)("Pagina").visible = pages;
  (*this)("Pagina").caption = caption;
  (*this)("Indietro").enabled = at > 0;
  (*this)("Avanti").enabled = at < of - 1;
}

SCREEN(45, Teacher);

}  // namespace
}  // namespace record

// The teacher's screen as a design table: the gate (a sum to do before the
// panel opens) and the panel's controls at their places, every one of them
// there from the start, hidden or shown by the screen. The children's list,
// the table of figures and the last answers are fixed sets of slots that
// the screen fills; what does not fit goes on further pages.
//
// Plain data: it decides no caption that changes and no visibility.
#pragma once
#include <string>

#include "shell/screen.h"

namespace record {

// The slots of the three views.
constexpr int kListSlots = 27;        // the children's list: 3 columns of 9
constexpr int kTableColumns = 4;      // children on one page of the table
constexpr int kTableRows = 14;        // exercises on one page of the table
constexpr int kLastRows = 13;         // the selected child's last answers
constexpr int kLastColumns = 6;       // when, exercise, question, answer, right, seconds

// The colour of a weak cell's back, and of the view shown's heading.
constexpr shell::Colour kWeak = 0x0000C0;
constexpr shell::Colour kChosen = 0x00FFFF;  // yellow
constexpr shell::Colour kButton = 0x704010;  // a dark blue, where white reads well

// What a control belongs to, by its name: the gate, the panel's parts that
// are always there, or one of its views.
enum class Part { Gate, Panel, Record, Children, Table, Last, Pager };
Part partOf(const std::string& control);

// Slot names: "Figura3", "Alunno3", "Riga2", "Colonna1", "Cella2_1", "Ultima4_3".
std::string slot(const char* kind, int i);
std::string slot(const char* kind, int i, int j);

shell::Design teacherDesign();

}  // namespace record

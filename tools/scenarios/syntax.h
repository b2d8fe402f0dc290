// The words of scenario commands: screens, controls, numbers, colours, and
// the check of a whole command line before anything runs.
#pragma once
#include <optional>
#include <string>

#include "scenario.h"

namespace scenarios {

// "Form14" -> 14; nullopt unless a screen from Form1 to Form43.
std::optional<int> screenNumber(const std::string& word);

struct ControlRef {
  int screen = 0;
  std::string control;   // empty for "FormN" alone
  std::string property;  // for "FormN.Control.Property"
};

// "FormN.Control" (or with .Property when withProperty), checked against the
// screen's design; error says what is wrong.
std::optional<ControlRef> controlRef(const std::string& word, bool withProperty, std::string& error);

// Integers, reals and 0x hexadecimals.
std::optional<double> number(const std::string& word);

// A position in a list, counted from 1, in decimal digits: "3" -> 3;
// nullopt for 0, a sign, a fraction, an exponent or a number past int.
std::optional<int> index(const std::string& word);

bool checkCommand(const Command& cmd, std::string& error);

}  // namespace scenarios

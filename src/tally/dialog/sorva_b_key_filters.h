// What the tally dialog's edit boxes accept: bracket characters without letters or digits,
// an upper-case mode, a start record typed over its digits, and a start date typed over a
// fixed yy/mm/dd form. Pure functions on the typed key and the box's text and caret.
#pragma once

#include "ui/not_in_core.h"

#include <string>

namespace tally {

// An edit box's text and its caret (a byte offset, 0 = before the first character).
struct CaretText {
  std::string text;
  int caret = 0;
};

inline constexpr int kKeyBackspace = 0x08;

// A half-width katakana byte typed with kana lock on a JIS keyboard becomes the letter,
// digit or sign printed on the same key; then a..z become A..Z. Other keys pass unchanged.
int NormalizeKanaKey(int key);

// The bracket boxes refuse digits, ":" and A..Z: they would be taken for a record number,
// an entry separator or a call sign when the worked field is read back. Double-byte
// characters are refused too: each bracket is one byte of the worked field.
bool BracketKeyAllowed(int key);

// The mode box holds upper case: a..z become A..Z.
int UpperCaseKey(int key);

// The start record box: a digit replaces the character after the caret, Backspace deletes
// the one before it. Every key is handled here (the caller consumes it).
void TypeStartRecordKey(CaretText& box, int key);

// The start date box: only digits (after NormalizeKanaKey) change it, each replacing the
// character at the caret and stepping over the slashes, so that an 8-character yy/mm/dd
// text keeps its form. Backspace and other control keys do nothing.
void TypeStartDateKey(CaretText& box, int key);

}  // namespace tally

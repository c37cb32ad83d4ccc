#ifndef VANTREL_OUTPUT_INP_TEXT_H
#define VANTREL_OUTPUT_INP_TEXT_H

#include <cstddef>

namespace vantrel {

// The rules for the text that -a and -u put into input files of CalculiX
// and Abaqus (".inp"), which both solvers read alike.

// The longest set name both solvers accept; CalculiX stops at a longer one.
constexpr std::size_t max_set_name = 80;
// No line of an .inp file may be longer than this.
constexpr std::size_t max_inp_line = 256;
// The most ids that a data line of *NSET or *ELSET takes: CalculiX reads at
// most 16 fields of a line.
constexpr int max_ids_on_line = 16;
// The longest value a *BOUNDARY line may carry: CalculiX reads only the
// first 20 characters of a field as a number.
constexpr std::size_t max_value_size = 20;

// Writes the set name for the listing stem `stem` to `out`, which has room
// for max_set_name + 1 bytes, and returns whether it differs from the stem.
// A stem that is a valid name is kept. Otherwise every byte that may not
// stand in a name (a byte outside 7-bit ASCII, a control byte, a blank,
// comma, '=', '*', '"' or '\'') becomes '_'; a name that then does not begin
// with a letter gets "SET_" in front; and the name is cut to max_set_name
// characters.
bool map_set_name(const char* stem, char* out);

// True when the set names a and b are one set to the solvers, which ignore
// the case of ASCII letters.
bool same_set_name(const char* a, const char* b);

// True when the n bytes at `id` are a plain id: 1 to 10 decimal digits
// whose value is 1 to 2147483647 (leading zeros allowed).
bool is_plain_id(const char* id, std::size_t n);

// True when the n bytes at `value` are a number that both solvers read as
// written: an optional sign, digits with an optional decimal point (at
// least one digit), an optional exponent of 'E' or 'e', an optional sign
// and digits; at most max_value_size characters; zero, or of a magnitude
// from 1E-300 to 1E+300.
bool is_inp_number(const char* value, std::size_t n);

// Copies the name `name` for a comment line to `out`, which has room for
// `capacity` bytes (at least 1): every byte outside printable 7-bit ASCII,
// line breaks included, becomes '?', and the copy is cut to capacity - 1
// bytes and terminated. Returns its length.
std::size_t comment_text(const char* name, char* out, std::size_t capacity);

}  // namespace vantrel

#endif  // VANTREL_OUTPUT_INP_TEXT_H

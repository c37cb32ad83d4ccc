#ifndef VANTREL_APP_INP_SET_NAME_H
#define VANTREL_APP_INP_SET_NAME_H

namespace vantrel {

struct run_context;

// Under -a, for the match being converted from `source` into `destination`:
// writes the set name made from the match's stem to `set_name` (room for
// max_set_name + 1 bytes, inp_text.h), says which name it is when the stem
// had to be mapped, and warns when an earlier listing of this run wrote a
// name into the same destination that the solvers take as the same set.
void take_inp_set_name(run_context& context, const char* source, const char* destination,
                       char* set_name);

}  // namespace vantrel

#endif  // VANTREL_APP_INP_SET_NAME_H

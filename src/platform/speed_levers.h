#ifndef VANTREL_PLATFORM_SPEED_LEVERS_H
#define VANTREL_PLATFORM_SPEED_LEVERS_H

// The one switch for the speed machinery of the file classes and the
// platform: with it on, a large listing is read ahead and a large output
// file written behind on a second thread, and the program's large blocks
// (the file buffers, a lookup table's index) lie on large pages where the
// system has them. The build option VANTREL_SPEED_LEVERS (ON by default) sets it, so
// that a build with the machinery off can be timed against one with it on;
// either way the bytes read and written are the same.
#ifndef VANTREL_SPEED_LEVERS
#define VANTREL_SPEED_LEVERS 1
#endif

namespace vantrel {

constexpr bool speed_levers = VANTREL_SPEED_LEVERS != 0;

}  // namespace vantrel

#endif  // VANTREL_PLATFORM_SPEED_LEVERS_H

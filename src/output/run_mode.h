#ifndef VANTREL_OUTPUT_RUN_MODE_H
#define VANTREL_OUTPUT_RUN_MODE_H

namespace vantrel {

// The run modes. After the command line is parsed the mode is 0 or exactly
// one of these bits; the values are fixed because the modes are tested with
// bit masks.
enum : int {
  MODE_REGION_LOOKUP = 1,
  MODE_ZSET = 2,
  MODE_SELECT = 4,
  MODE_BATCH_LIST = 8,
  MODE_QUAD = 16,
  MODE_BEAM = 32,
  MODE_DISP = 64,
  // Node and element sets, and displacement conditions, for CalculiX and
  // Abaqus.
  MODE_INP_SETS = 128,
  MODE_INP_BOUNDARY = 256,
};

}  // namespace vantrel

#endif  // VANTREL_OUTPUT_RUN_MODE_H

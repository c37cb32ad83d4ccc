#include <cstring>

#include "app/messages.h"
#include "app/run_context.h"
#include "app/runs.h"
#include "platform/file_system.h"

namespace vantrel {

namespace {

// The fixed listing script that every group of the batch file calls.
const char list_script_name[] = "vantrel123xyz.ses";

// Each literal ends in "\r\n"; the stream stores its line feed as CR LF, so
// the files hold CR CR LF, which cosmos reads.
const char* const list_script[] = {
    "#IF( LISTSEL(PT|PTMAX+1) != 1 && PTMAX > 0)\r\n", "  PTLIST;\r\n", "#ENDIF\r\n",
    "#IF( LISTSEL(CR|CRMAX+1) != 1 && CRMAX > 0)\r\n", "  CRLIST;\r\n", "#ENDIF\r\n",
    "#IF( LISTSEL(SF|SFMAX+1) != 1 && SFMAX > 0)\r\n", "  SFLIST;\r\n", "#ENDIF\r\n",
    "#IF( LISTSEL(VL|VLMAX+1) != 1 && VLMAX > 0)\r\n", "  VLLIST;\r\n", "#ENDIF\r\n",
    "#IF( LISTSEL(CT|CTMAX+1) != 1 && CTMAX > 0)\r\n", "  CTLIST;\r\n", "#ENDIF\r\n",
    "#IF( LISTSEL(RG|RGMAX+1) != 1 && RGMAX > 0)\r\n", "  RGLIST;\r\n", "#ENDIF\r\n",
    "#IF( LISTSEL(PH|PHMAX+1) != 1 && PHMAX > 0)\r\n", "  PHLIST;\r\n", "#ENDIF\r\n",
    "#IF( LISTSEL(PA|PAMAX+1) != 1 && PAMAX > 0)\r\n", "  PALIST;\r\n", "#ENDIF\r\n",
    "#IF( LISTSEL(ND|NDMAX+1) != 1 && NDMAX > 0)\r\n", "  NLIST;\r\n",  "#ENDIF\r\n",
    "#IF( LISTSEL(EL|ELMAX+1) != 1 && ELMAX > 0)\r\n", " ELIST;\r\n",   "#ENDIF\r\n",
};

// Bytes that must not reach the batch file inside a name: a line break
// would start a line of its own and a ';' would end the command, so either
// could add commands to a file that cosmos runs; a ',' would split the
// argument, so that FILE or LISTLOG would take another file.
constexpr char unsafe_name_bytes[] = "\r\n;,";

enum class check { none_is_batch, one_is_batch, search_failed };

// Compares every match with the batch file by identity, before the batch
// file is emptied, then puts the search back on its first match.
check find_batch_among_matches(run_context& context, const char* batch_name) {
  do {
    context.take_match();
    if (same_file(context.match_name.c_str(), batch_name)) return check::one_is_batch;
  } while (context.search.next());
  if (context.search.failed() || !context.search.rewind()) return check::search_failed;
  return check::none_is_batch;
}

bool write_list_script(output_file& out) {
  out.file_name.assign(list_script_name);
  if (!out.open()) {
    print_will_not_open(list_script_name);
    return false;
  }
  for (const char* line : list_script) out.write(line);
  if (!out.close()) {
    print_not_written(list_script_name);
    return false;
  }
  return true;
}

void write_batch_lines(output_file& out, const run_context& context) {
  out.write("INITSEL,ALL;\r\n");
  out.write("FILE,").write(context.match_name.c_str()).write(";\r\n");
  out.write("LISTLOG,1,").write(context.match_folder.c_str()).write(context.file_stem.c_str());
  out.write(".gem,0;\r\n");
  out.write("FILE,").write(list_script_name).write(",0,0,0;\r\n");
  out.write("LISTLOG;\r\n");
}

}  // namespace

void run_batch_list(run_context& context) {
  output_file& out = context.command_output;
  const char* batch_name = context.args.dest_name;
  // Writing the batch file over the script would lose the script, and the
  // batch file would then run itself.
  if (same_entry(batch_name, list_script_name)) {
    print_batch_is_list_script(batch_name);
    return;
  }
  // Emptying a selection file for the batch file would lose it.
  switch (find_batch_among_matches(context, batch_name)) {
    case check::one_is_batch:
      print_batch_is_a_match(batch_name);
      return;
    case check::search_failed:
      print_search_failed(context.args.source_arg);
      return;
    case check::none_is_batch:
      break;
  }
  if (!write_list_script(out)) return;

  out.file_name.assign(batch_name);
  if (!out.open()) {
    print_will_not_open(batch_name);
    return;
  }
  do {
    const char* bare = context.search.name();
    if (!context.search.name_usable()) {
      print_unusable_name(bare);
      continue;
    }
    context.take_match();
    // The name is written with its folder part, and the listing's name is
    // that name with another extension: checking it checks both.
    if (std::strpbrk(context.match_name.c_str(), unsafe_name_bytes) != nullptr) {
      print_unsafe_name(context.match_name.c_str(), batch_name);
      continue;
    }
    print_progress(context.match_name.c_str(), batch_name);
    write_batch_lines(out, context);
  } while (context.search.next());
  if (!out.close()) print_not_written(batch_name);
  if (context.search.failed()) print_search_failed(context.args.source_arg);
}

}  // namespace vantrel

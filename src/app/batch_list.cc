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

enum class check { none_is_written, script_is_a_match, batch_is_a_match, no_memory, search_failed };

// Compares every match with the two files that are about to be written, by
// identity, then puts the search back on its first match.
check find_written_among_matches(run_context& context, const file_identity& script,
                                 const file_identity& batch) {
  do {
    if (!context.take_match()) return check::no_memory;
    file_identity match;
    if (identity_of(context.match_name.c_str(), match)) {
      if (match == batch) return check::batch_is_a_match;
      if (match == script) return check::script_is_a_match;
    }
  } while (context.search.next());
  if (context.search.failed() || !context.search.rewind()) return check::search_failed;
  return check::none_is_written;
}

// Closes a file opened to be written that will not be, and removes it if
// the open made it: the run then leaves nothing behind.
void give_up(output_file& file) {
  file.close();
  if (file.created()) remove_file(file.name());
}

// Opens both files without emptying them and makes sure that neither is the
// other or one of the matches, however it is reached: through links, other
// spellings, or links that only now lead somewhere. Prints why and returns
// false, having emptied and written nothing, when they may not be written.
bool open_both(run_context& context, output_file& script, output_file& batch) {
  const char* batch_name = context.args.dest_name;
  if (!script.open_kept(list_script_name)) {
    print_will_not_open(list_script_name);
    return false;
  }
  if (!batch.open_kept(batch_name)) {
    print_will_not_open(batch_name);
    give_up(script);
    return false;
  }
  file_identity script_identity;
  file_identity batch_identity;
  check found = check::none_is_written;
  if (!script.identity(script_identity)) {
    print_will_not_open(list_script_name);
  } else if (!batch.identity(batch_identity)) {
    print_will_not_open(batch_name);
  } else if (script_identity == batch_identity) {
    // The batch file would replace the script and then run itself.
    print_batch_is_list_script(batch_name);
  } else {
    found = find_written_among_matches(context, script_identity, batch_identity);
    if (found == check::none_is_written) return true;
    if (found == check::batch_is_a_match) print_batch_is_a_match(batch_name);
    if (found == check::script_is_a_match) print_batch_is_a_match(list_script_name);
    if (found == check::no_memory) print_no_buffers();
    if (found == check::search_failed) print_search_failed(context.args.source_arg);
  }
  give_up(batch);
  give_up(script);
  return false;
}

bool write_list_script(output_file& out) {
  if (!out.empty()) {
    print_not_written(list_script_name);
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
  output_file script;
  const char* batch_name = context.args.dest_name;
  if (!script.has_buffer()) {
    print_no_buffers();
    return;
  }
  if (!open_both(context, script, out)) return;
  if (!write_list_script(script)) {
    give_up(out);
    return;
  }
  if (!out.empty()) {
    print_not_written(batch_name);
    return;
  }
  do {
    const char* bare = context.search.name();
    if (!context.search.name_usable()) {
      print_unusable_name(bare);
      continue;
    }
    if (!context.take_match()) {
      print_no_buffers();
      break;
    }
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

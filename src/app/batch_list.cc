#include "app/batch_list.h"

#include <cstdio>
#include <cstring>
#include <string>

#include "app/messages.h"
#include "app/run_context.h"
#include "platform/file_system.h"

namespace vantrel {

const char list_script_name[] = "vantrel123xyz.ses";

namespace {

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

// True when `name` denotes the listing script: the same file, or, while the
// script does not exist yet, the same name in the working directory.
bool names_list_script(const char* name) {
  if (same_file(name, list_script_name)) return true;
  while (name[0] == '.' && name[1] == '/') name += 2;
  return std::strcmp(name, list_script_name) == 0;
}

// True when `name` denotes one of the matches. Afterwards the search is on
// its first match again; should the matches have gone meanwhile, the answer
// is true as well, so that nothing is written.
bool names_a_match(run_context& context, const char* name) {
  bool found = false;
  do {
    found = same_file(context.match_name().c_str(), name);
  } while (!found && context.search.next());
  return !context.search.begin(context.args.source_arg.c_str()) || found;
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

void write_batch_lines(output_file& out, const std::string& selection, const std::string& listing) {
  out.write("INITSEL,ALL;\r\n");
  out.write("FILE,").write(selection.c_str()).write(";\r\n");
  out.write("LISTLOG,1,").write(listing.c_str()).write(",0;\r\n");
  out.write("FILE,vantrel123xyz.ses,0,0,0;\r\n");
  out.write("LISTLOG;\r\n");
}

}  // namespace

void run_batch_list(run_context& context) {
  output_file& out = context.command_output;
  // The batch file's name waits in file_stem while the script is written.
  context.file_stem = out.file_name;
  const std::string batch_name = context.file_stem.c_str();
  if (names_list_script(batch_name.c_str())) {
    std::printf("\n%s is the listing script's own name; nothing was written.", batch_name.c_str());
    return;
  }
  // Emptying a selection file for the batch file would lose it, and the
  // batch file would run itself.
  if (names_a_match(context, batch_name.c_str())) {
    std::printf("\n%s is one of the matched files; nothing was written.", batch_name.c_str());
    return;
  }
  if (!write_list_script(out)) return;

  out.file_name = context.file_stem;
  if (!out.open()) {
    print_will_not_open(batch_name.c_str());
    return;
  }
  do {
    const std::string selection = context.match_name();
    context.take_stem();
    const std::string listing = context.match_prefix + context.file_stem.c_str() + ".gem";
    print_progress(selection.c_str(), batch_name.c_str());
    write_batch_lines(out, selection, listing);
  } while (context.search.next());
  if (!out.close()) print_not_written(batch_name.c_str());
}

}  // namespace vantrel

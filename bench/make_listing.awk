# Writes one synthetic cosmos listing of `count` data lines to standard
# output, with CR LF line ends, in the layout the listings of a real model
# have: a blank line, the command name, the column titles, then right-aligned
# ids and E-format values.
#   mawk -v kind=nodes|elements|displacements|surfaces -v count=N -f make_listing.awk
#   mawk -v kind=regions -v count=N -v surfaces=M -f make_listing.awk
# kind=regions writes the lookup table of -r instead: "NUM count", then
# `count` lines of a region id and a distinct surface id among 1..surfaces.
BEGIN {
  srand(7)
  eol = "\r\n"
  if (kind == "nodes") {
    # 64 bytes a line: 1,500,000 nodes make 96 MB.
    printf "%s  NLIST%s%s Node     X-Coord           Y-Coord           Z-Coord%s%s", eol, eol, eol, eol, eol
    for (i = 1; i <= count; i++)
      printf "%8d%18.6E%18.6E%18.6E%s", i, rand() * 200 - 100, rand() * 200 - 100, rand() * 50, eol
  } else if (kind == "elements") {
    # Four-node shells, 64 bytes a line.
    printf "%s  ELIST%s%s Elem  Egroup  Mprop  Rconst  Nodes%s%s", eol, eol, eol, eol, eol
    for (i = 1; i <= count; i++) {
      n = i + int(i / 1000)
      printf "%8d%7d%7d%8d%8d%8d%8d%8d%s", i, 1, 1, 1, n, n + 1, n + 1002, n + 1001, eol
    }
  } else if (kind == "displacements") {
    # Six components a node, 94 bytes a line.
    printf "%s Node       UX            UY            UZ            RX            RY            RZ%s%s", eol, eol, eol
    for (i = 1; i <= count; i++) {
      printf "%8d", i
      for (c = 0; c < 6; c++) printf "%14.5E", (rand() - 0.5) * 2e-3
      printf "%s", eol
    }
  } else if (kind == "surfaces") {
    # Four-sided surfaces, 44 bytes a line.
    printf "%s  SFLIST%s%s Surface  Order  Curves%s%s", eol, eol, eol, eol, eol
    for (i = 1; i <= count; i++)
      printf "%8d%6d%7d%7d%7d%7d%s", i, 4, 4 * i - 3, 4 * i - 2, 4 * i - 1, 4 * i, eol
  } else if (kind == "regions") {
    # Multiplying by a number prime to `surfaces` visits distinct surfaces.
    printf "NUM %d\n", count
    for (i = 0; i < count; i++) printf "%d %d\n", i % 5000 + 1, (i * 7919) % surfaces + 1
  } else {
    print "make_listing.awk: unknown kind " kind > "/dev/stderr"
    exit 2
  }
}

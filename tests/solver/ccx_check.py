"""Proves the files of vantrel -a and -u with CalculiX and meshio.

A hand-written model meshes a block of 2 x 2 x 2 hexahedra (C3D8), held at
its bottom. For each scenario a listing of nodes and elements goes through
-a and a displacement listing of the top nodes through -u; the model
*INCLUDEs the sets in its model data and the conditions in its static step,
prints the displacements of every node set and the stresses of every element
set, and ccx solves it. The check asserts that ccx ends without an error,
that the printed displacements of the listed nodes are the listed values,
that each print request names exactly the listed nodes and elements, and
that meshio reads the same ids from the sets. The scenarios: LF listings,
CR LF listings under a stem that needs a new name, and a Dest that collects
two listings (one of them naming its node set twice).

Usage: ccx_check.py path/to/vantrel
"""

import os
import re
import subprocess
import sys
import tempfile

import meshio

VANTREL = os.path.abspath(sys.argv[1])
failures = []


def check(condition, what):
    if not condition:
        failures.append(what)
        print("FAIL:", what)


# The mesh: nodes 1..27 on a 3 x 3 x 3 grid of spacing 1, x fastest;
# elements 1..8, bottom layer first. The top nodes (z = 2) are 19..27.
def node_id(i, j, k):
    return 1 + i + 3 * j + 9 * k


NODES = {node_id(i, j, k): (i, j, k) for k in range(3) for j in range(3) for i in range(3)}
TOP = [node_id(i, j, 2) for j in range(3) for i in range(3)]


def mesh_text():
    lines = ["*NODE"]
    lines += ["%d, %d.0, %d.0, %d.0" % (n, *NODES[n]) for n in sorted(NODES)]
    lines.append("*ELEMENT, TYPE=C3D8, ELSET=EALL")
    e = 1
    for k in range(2):
        for j in range(2):
            for i in range(2):
                corners = [(i, j, k), (i + 1, j, k), (i + 1, j + 1, k), (i, j + 1, k)]
                corners += [(a, b, c + 1) for a, b, c in corners]
                lines.append("%d, " % e + ", ".join(str(node_id(*c)) for c in corners))
                e += 1
    return "\n".join(lines) + "\n"


def model_text(sets_file, conditions_file, node_sets, element_sets):
    text = "*HEADING\nvantrel -a and -u check\n" + mesh_text()
    text += "*NSET, NSET=BOTTOM\n" + ", ".join(str(node_id(i, j, 0)) for j in range(3) for i in range(3))
    text += "\n*INCLUDE, INPUT=%s\n" % sets_file
    text += "*MATERIAL, NAME=STEEL\n*ELASTIC\n210000.0, 0.3\n"
    text += "*SOLID SECTION, ELSET=EALL, MATERIAL=STEEL\n"
    text += "*BOUNDARY\nBOTTOM, 1, 3, 0.0\n"
    text += "*STEP\n*STATIC\n*INCLUDE, INPUT=%s\n" % conditions_file
    for name in node_sets:
        text += "*NODE PRINT, NSET=%s\nU\n" % name
    for name in element_sets:
        text += "*EL PRINT, ELSET=%s\nS\n" % name
    return text + "*END STEP\n"


def displacement(n):
    i, j, _ = NODES[n]
    return (1.0e-3 * (i + 1), -5.0e-4 * (j + 1), 2.5e-4 * (i + j))


# A cosmos listing of nodes and elements: `blocks` is a list of
# ("Node" | "Elem", ids); bad_ids are data lines whose id vantrel must leave out.
def set_listing(blocks, bad_ids=()):
    lines = []
    for index, (header, ids) in enumerate(blocks):
        if header == "Node":
            lines += [" Node          X             Y             Z", ""]
            lines += ["%7d   %.5E   %.5E   %.5E" % (n, *NODES[n]) for n in ids]
        else:
            lines += [" Elem   Group   Type   Nodes", ""]
            lines += ["%7d       1      1      %d %d" % (e, e, e + 1) for e in ids]
        if index == 0:
            lines += ["%7s   0.00000E+00   0.00000E+00" % bad for bad in bad_ids]
    return lines


def displacement_listing(nodes):
    lines = [" Node       UX            UY            UZ            RX            RY            RZ", ""]
    for n in nodes:
        values = displacement(n) + (0.0, 0.0, 0.0)
        lines.append("%6d" % n + "".join("   %.5E" % v for v in values))
    return lines


def write_listing(path, lines, line_end):
    with open(path, "wb") as f:
        f.write((line_end.join(lines) + line_end).encode("utf-8"))


# The documented rule for a stem that is no valid set name.
def mapped_name(stem):
    raw = stem.encode("utf-8")
    ok = lambda b: 0x20 < b < 0x7F and chr(b) not in ",=*\"'"
    letter = lambda b: chr(b).isascii() and chr(b).isalpha()
    if raw and len(raw) <= 80 and letter(raw[0]) and all(ok(b) for b in raw):
        return stem
    name = ("" if raw and letter(raw[0]) else "SET_") + "".join(chr(b) if ok(b) else "_" for b in raw)
    return name[:80]


def run_vantrel(folder, args):
    result = subprocess.run([VANTREL] + args, cwd=folder, capture_output=True)
    check(result.returncode == 0, "vantrel %s exits with 0" % args)
    return result.stdout.decode("utf-8", "replace")


# Every line of a file that the solvers read ends in CR LF, none is empty or
# longer than 256 characters, and each listing's part starts with its name.
def check_file_form(path, listing_names):
    data = open(path, "rb").read()
    check(data.endswith(b"\r\n"), "%s ends with CR LF" % path)
    lines = data.split(b"\r\n")[:-1]
    check(all(b"\n" not in l and b"\r" not in l for l in lines), "%s has only CR LF line ends" % path)
    check(all(0 < len(l) <= 256 for l in lines), "%s has no empty line and none over 256" % path)
    # The names in printable 7-bit ASCII, every other byte as '?'.
    names = ["** " + "".join(chr(b) if 0x20 <= b < 0x7F else "?" for b in n.encode("utf-8")) for n in listing_names]
    comments = [l.decode("ascii") for l in lines if l.startswith(b"** ")]
    check(comments == names, "%s names its listings: %s" % (path, comments))


# The sections of ccx's .dat file: {(kind, set name): [rows of numbers]}.
def read_dat(path):
    sections = {}
    rows = None
    for line in open(path):
        heading = re.match(r"\s*(displacements|stresses) .* for set (\S+) and time", line)
        if heading:
            rows = sections.setdefault((heading.group(1), heading.group(2)), [])
        elif rows is not None and line.strip():
            rows.append([float(w) for w in line.split()])
    return sections


def run_ccx(folder):
    result = subprocess.run(["ccx", "-i", "model"], cwd=folder, capture_output=True)
    log = (result.stdout + result.stderr).decode("utf-8", "replace")
    check(result.returncode == 0 and "*ERROR" not in log, "ccx ends without an error in %s:\n%s" % (folder, log[-2000:]))
    return read_dat(os.path.join(folder, "model.dat")) if result.returncode == 0 else {}


# ccx prints 7 significant digits; the listings hold 6.
def same_value(printed, listed):
    return abs(printed - listed) <= 1e-6 * abs(listed) + 1e-30


def check_solution(dat, node_sets, element_sets, prescribed):
    for name, ids in node_sets.items():
        rows = dat.get(("displacements", name.upper()), [])
        check(sorted(int(r[0]) for r in rows) == sorted(ids), "ccx prints the nodes of %s: %s" % (name, rows))
        for r in rows:
            n = int(r[0])
            if n in prescribed:
                check(all(same_value(p, v) for p, v in zip(r[1:4], prescribed[n][:3])),
                      "node %d moves by the listed values %s, not %s" % (n, prescribed[n][:3], r[1:4]))
    for name, ids in element_sets.items():
        rows = dat.get(("stresses", name.upper()), [])
        check(sorted({int(r[0]) for r in rows}) == sorted(ids), "ccx prints the elements of %s" % name)


# meshio reads a copy of the mesh followed by the sets file as it is.
def check_meshio(folder, sets_file, node_sets, element_sets):
    combined = os.path.join(folder, "mesh_and_sets.inp")
    with open(combined, "wb") as f:
        f.write(mesh_text().encode("ascii") + open(os.path.join(folder, sets_file), "rb").read())
    mesh = meshio.read(combined, file_format="abaqus")
    node_ids = sorted(NODES)
    for name, ids in node_sets.items():
        read = sorted(node_ids[i] for i in mesh.point_sets.get(name, []))
        check(read == sorted(ids), "meshio reads node set %s as %s" % (name, read))
    for name, ids in element_sets.items():
        read = sorted(int(i) + 1 for block in mesh.cell_sets.get(name, []) for i in block)
        check(read == sorted(ids), "meshio reads element set %s as %s" % (name, read))


def scenario(title, line_end, set_listings, disp_listings, dest=None):
    """set_listings: {file name: blocks}; disp_listings: {file name: nodes}.
    Without dest each listing has its own file; with dest the listings of
    each kind lie in a folder and one wildcard run collects them."""
    print("--", title)
    folder = tempfile.mkdtemp(prefix="vantrel-ccx-")
    for sub in ("sets", "disp"):
        os.mkdir(os.path.join(folder, sub))
    node_sets, element_sets, prescribed, sets_names, named_twice = {}, {}, {}, [], set()
    for file_name, (blocks, bad_ids) in set_listings.items():
        write_listing(os.path.join(folder, "sets", file_name), set_listing(blocks, bad_ids), line_end)
        name = mapped_name(file_name.rsplit(".", 1)[0])
        node_sets[name] = sorted({n for h, ids in blocks if h == "Node" for n in ids})
        element_sets[name] = sorted({e for h, ids in blocks if h == "Elem" for e in ids})
        sets_names.append(name)
        if sum(h == "Node" for h, _ in blocks) > 1:
            named_twice.add(name)
    for file_name, nodes in disp_listings.items():
        write_listing(os.path.join(folder, "disp", file_name), displacement_listing(nodes), line_end)
        prescribed.update({n: displacement(n) for n in nodes})

    sets_out = run_vantrel(folder, ["-a", "sets/*.gem"] + ([dest[0]] if dest else []))
    disp_out = run_vantrel(folder, ["-u", "disp/*.gem"] + ([dest[1]] if dest else []))
    for file_name, (blocks, bad_ids) in set_listings.items():
        stem = file_name.rsplit(".", 1)[0]
        name = mapped_name(stem)
        if name != stem:
            check('sets/%s: the set name is %s, since "%s" is no name' % (file_name, name, stem) in sets_out,
                  "vantrel names the set it made of %r:\n%s" % (stem, sets_out))
        if bad_ids:
            check("sets/%s: %d line" % (file_name, len(bad_ids)) in sets_out,
                  "vantrel tells of the ids it left out:\n%s" % sets_out)
    check("left out" not in disp_out, "vantrel -u leaves nothing out:\n%s" % disp_out)

    if dest:
        sets_files = {dest[0]: ["sets/" + f for f in sorted(set_listings)]}
        disp_files = {dest[1]: ["disp/" + f for f in sorted(disp_listings)]}
    else:
        sets_files = {"sets/" + f.rsplit(".", 1)[0] + ".inp": ["sets/" + f] for f in set_listings}
        disp_files = {"disp/" + f.rsplit(".", 1)[0] + ".bou": ["disp/" + f] for f in disp_listings}
    for files in (sets_files, disp_files):
        for path, listings in files.items():
            check_file_form(os.path.join(folder, path), listings)
    # The model includes every file: the sets in the model data, the
    # conditions in the step. One file of each kind here.
    (sets_file,) = sets_files
    (disp_file,) = disp_files
    with open(os.path.join(folder, "model.inp"), "w") as f:
        f.write(model_text(sets_file, disp_file, sets_names, sets_names))
    dat = run_ccx(folder)
    check_solution(dat, node_sets, element_sets, prescribed)
    # meshio keeps only the last block of a set that is named twice.
    once = {n: ids for n, ids in node_sets.items() if n not in named_twice}
    check_meshio(folder, sets_file, once, element_sets)
    if not failures:
        subprocess.run(["rm", "-rf", folder])


scenario("LF listings", "\n",
         {"top.gem": ([("Node", TOP), ("Elem", [5, 6, 8])], ())},
         {"topdisp.gem": TOP})
scenario("CR LF listings, a stem that needs a new name", "\r\n",
         {"1-top_\u00e9.gem": ([("Node", TOP[:4] + TOP[5:]), ("Elem", [7])], ())},
         {"top-disp.gem": TOP})
scenario("a Dest that collects two listings", "\r\n",
         {"left.gem": ([("Node", [19, 22, 25]), ("Elem", [5, 7]), ("Node", [20])], ["1.5"]),
          "right.gem": ([("Node", [21, 24, 27, 23, 26]), ("Elem", [6, 8])], ())},
         {"d1.gem": [19, 20, 21, 22, 23], "d2.gem": [24, 25, 26, 27]},
         dest=("model_sets.inp", "model_loads.bou"))

if failures:
    print("%d checks failed" % len(failures))
    sys.exit(1)
print("ccx and meshio agree with every listing")

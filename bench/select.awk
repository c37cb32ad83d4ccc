# The -s conversion as a short awk script: a SELPIC command for every data
# line (a line whose first two words are numbers) under the list header
# seen last, CR LF line ends, and one more line break at the end.
#   mawk -f select.awk listing.gem > listing.geo
BEGIN {
  ORS = "\r\n"
  split("Keypoint Curve Surface Vol Contour Region Polyhederon Part Node Elem", words, " ")
  split("PT CR SF VL CT RG PH PA ND EL", codes, " ")
  for (k = 1; k <= 10; k++) { tag[words[k]] = codes[k]; tag[words[k] "\r"] = codes[k] }
  number = "^[-+]?[.]?[0-9]"
}
$1 ~ number && $2 ~ number { if (entity != "") print "SELPIC," entity "," $1 ";"; next }
$1 in tag { entity = tag[$1] }
END { print "" }

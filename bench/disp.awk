# The -d conversion as a short awk script: for every line whose first word
# is a number, one dnd command for each of the six values after it, CR LF
# line ends, and one more line break at the end.
#   mawk -f disp.awk listing.gem > listing.geo
BEGIN {
  ORS = "\r\n"
  split(",UX, ,UY, ,UZ, ,RX, ,RY, ,RZ,", label, " ")
}
$1 ~ /^[-+]?[.]?[0-9]/ {
  sub(/\r$/, "")
  n = NF > 7 ? 7 : NF
  for (i = 2; i <= n; i++) print "dnd," $1 label[i - 1] $i ";"
}
END { print "" }

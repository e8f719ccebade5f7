# Takes "name x y" of every point from an output file of the layout `layout` (comma, geopak,
# sdms, eighty, geopak-ne, cct), in file order, for the benchmark's check of the results.
BEGIN { if (layout == "comma" || layout == "geopak") FS = "," }
{ sub(/\r$/, "") }
layout == "comma" || layout == "geopak" { if (!/^\$/) print $1, $2, $3; next }
layout == "eighty" {
  if (!/^\$/) printf "%s %.3f %.3f\n", substr($0, 1, 4), substr($0, 35, 11), substr($0, 46, 11)
  next
}
layout == "geopak-ne" { print $3, $7, $5; next }
layout == "cct" { print NR, $1, $2; next }
layout == "sdms" {
  if (/^AC:/ && name != "") { print name, x, y; name = "" }
  else if (/^PN:/) name = substr($0, 4)
  else if (/^XC:/) x = substr($0, 4)
  else if (/^YC:/) y = substr($0, 4)
}
END { if (layout == "sdms" && name != "") print name, x, y }

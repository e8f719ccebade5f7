# The benchmark's awk peer: reads comma-delimited points (name,X,Y,elevation,description,
# feature), turns them clockwise about the source pivot, scales them about it and shifts them,
# and writes X, Y and the elevation with `decimals` decimals; "$" comment lines pass through.
# Variables: angle (degrees), scale, px and py (the source pivot), dx, dy, decimals.
BEGIN {
  FS = OFS = ","
  radians = angle * atan2(0, -1) / 180
  c = cos(radians) * scale
  s = sin(radians) * scale
  format = "%." decimals "f"
}
/^\$/ { print; next }
NF >= 3 {
  x = $2 - px
  y = $3 - py
  $2 = sprintf(format, px + dx + c * x + s * y)
  $3 = sprintf(format, py + dy - s * x + c * y)
  if ($4 != "") $4 = sprintf(format, $4)
  print
}

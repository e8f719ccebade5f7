# The benchmark's awk peer: reads comma-delimited points (name,X,Y,elevation,description,
# feature), turns them clockwise about the source pivot, scales them about it and shifts them,
# and writes X, Y and the elevation with `decimals` decimals, one printf per point; "$" comment
# lines pass through.
# Variables: angle (degrees), scale, px and py (the source pivot), dx, dy, decimals.
BEGIN {
  FS = ","
  radians = angle * atan2(0, -1) / 180
  c = cos(radians) * scale
  s = sin(radians) * scale
  number = "%." decimals "f"
  line = "%s," number "," number "," number ",%s,%s\n"
}
/^\$/ { print; next }
{
  x = $2 - px
  y = $3 - py
  printf line, $1, px + dx + c * x + s * y, py + dy - s * x + c * y, $4, $5, $6
}

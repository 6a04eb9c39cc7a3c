#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 ratebook developers
# SPDX-License-Identifier: GPL-3.0-or-later
# make-art.sh: draws ratebook's artwork from nothing and writes it next to this script.
#   picture.bmp          226x216 building-site scene shown above the two buttons of the main window,
#                        uncompressed, so the first window waits for no decoding
#   picture@2x.png       the same scene at twice the pixels, for screens scaled to 1.5 or 2
#   ratebook-NN.png      application icon (brick wall and trowel) at 16, 24, 32 and 48 px, RGBA,
#                        and at 64 and 96 px, the doubles of 32 and 48 for scaled screens
#   ratebook.svg         the same icon as a scalable drawing (48 x 48 units)
#   ratebook.ico         Windows icon: 48, 32, 24 and 16 px, each in 8-bit and in 32-bit colour
# The icon is drawn again for every size so bricks and joints fall on whole pixels and stay crisp.
# Output is repeatable byte for byte (no metadata, no timestamps). Needs ImageMagick and python3.
set -euo pipefail
cd "$(dirname "${BASH_SOURCE[0]}")"
IM=${IM:-$(command -v magick || echo /usr/bin/convert)}
DARK='#4a2418'

# --- icon -------------------------------------------------------------------------------------
# shapes SIZE: the icon as a list of shapes on a SIZE-pixel grid (rect, line, poly; see render)
shapes() {
  local S=$1 O M BH X0=0 X1=$1 Y1 k x y j n
  case $S in     # outline, mortar joint, brick height, wall bottom
    16) O=1 M=1 BH=2 Y1=16 ;;
    24) O=1 M=1 BH=4 Y1=24 ;;
    32) O=1 M=1 BH=6 Y1=31 ;;
    64) O=3 M=3 BH=9 Y1=62 X0=1 X1=63 ;;
    96) O=4 M=4 BH=14 Y1=92 X0=2 X1=94 ;;
    *)  O=2 M=2 BH=7 Y1=46 X0=1 X1=47 ;;
  esac
  local Y0=$((Y1 - 2*O - 2*M - 3*BH)) xi=$((X0 + O)) xe=$((X1 - O))
  echo "rect $X0 $Y0 $((X1 - X0)) $((Y1 - Y0)) $DARK"
  echo "rect $xi $((Y0 + O)) $((xe - xi)) $((Y1 - Y0 - 2*O)) #e6d6b8"
  for k in 0 1 2; do                      # three courses in stretcher bond
    y=$((Y0 + O + k*(BH + M))); x=$xi
    if [ $k = 1 ]; then n=4; set -- 1 3 end; else n=2; set -- 1 end; fi
    for j; do
      if [ "$j" = end ]; then j=$xe; else j=$((xi + (xe - xi)*j/n - M/2)); fi
      echo "rect $x $y $((j - x)) $BH #d2603a"
      [ $BH -ge 4 ] && echo "rect $x $y $((j - x)) 1 #ee8a5c"
      [ $BH -ge 6 ] && echo "rect $x $((y + BH - 1)) $((j - x)) 1 #a8432a"
      x=$((j + M))
    done
  done
  # the trowel in 48-unit coordinates along its own axis u (tip at 0), across it v
  echo "outline $O"
  echo "line $DARK 3 23 0 30 0"
  echo "poly #c9d4db 1 0 0 17 -9 20 -8 23 -3 24 0 23 3 20 8 17 9"
  echo "poly #eef3f6 0 0 0 17 -9 20 -8 23 -3 24 0"
  echo "poly none 1 0 0 17 -9 20 -8 23 -3 24 0 23 3 20 8 17 9"
  echo "line #e9a23b 7 30 0 41 0"
}

# render svg|mvg SIZE: the shapes as SVG, or as ImageMagick draw commands (pixel centres at .0)
render() {
  shapes "$2" | awk -v fmt="$1" -v S="$2" -v dark="$DARK" '
    function X(u, v) { return sprintf("%.2f", k * (4 + (u + v) * c) - h) }   # trowel at 45 degrees,
    function Y(u, v) { return sprintf("%.2f", k * (33 - (u - v) * c) - h) }  # tip at (4, 33)
    function line(x1, y1, x2, y2, col, w) {
      if (fmt == "svg") printf " <line x1=\"%s\" y1=\"%s\" x2=\"%s\" y2=\"%s\" stroke=\"%s\" stroke-width=\"%s\" stroke-linecap=\"round\"/>\n", x1, y1, x2, y2, col, w
      else printf "fill none stroke %s stroke-width %s stroke-linecap round line %s,%s %s,%s\n", col, w, x1, y1, x2, y2 }
    BEGIN { k = S / 48; c = sqrt(0.5); h = (fmt == "mvg") ? 0.5 : 0
      if (fmt == "svg") printf "<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"%d\" height=\"%d\" viewBox=\"0 0 %d %d\">\n", S, S, S, S }
    $1 == "outline" { o = $2 }
    $1 == "rect" && fmt == "svg" { printf " <rect x=\"%d\" y=\"%d\" width=\"%d\" height=\"%d\" fill=\"%s\"/>\n", $2, $3, $4, $5, $6 }
    $1 == "rect" && fmt == "mvg" { printf "stroke none fill %s rectangle %d,%d %d,%d\n", $6, $2, $3, $2 + $4 - 1, $3 + $5 - 1 }
    $1 == "line" { x1 = X($4, $5); y1 = Y($4, $5); x2 = X($6, $7); y2 = Y($6, $7)
      if ($2 != dark) line(x1, y1, x2, y2, dark, $3 * k + 2 * o)      # coloured lines get an outline
      line(x1, y1, x2, y2, $2, $3 * k) }
    $1 == "poly" { p = ""; for (i = 4; i < NF; i += 2) p = p X($i, $(i + 1)) "," Y($i, $(i + 1)) " "
      sub(/ $/, "", p); st = $3 ? dark : "none"
      if (fmt == "svg") printf " <polygon points=\"%s\" fill=\"%s\" stroke=\"%s\" stroke-width=\"%s\" stroke-linejoin=\"round\"/>\n", p, $2, st, $3 * o
      else printf "fill %s stroke %s stroke-width %s stroke-linejoin round polygon %s\n", $2, st, $3 * o, p }
    END { if (fmt == "svg") print "</svg>" }'
}

render svg 48 > ratebook.svg
for s in 16 24 32 48 64 96; do
  "$IM" -size ${s}x$s xc:none -draw "$(render mvg $s)" -strip -define png:exclude-chunks=date,time png32:ratebook-$s.png
done

# ICO: one 8-bit (palette + 1-bit transparency mask) and one 32-bit (alpha) BMP entry per size
python3 - "$IM" <<'PY'
import struct, subprocess, sys
def pixels(size, *ops):
    return subprocess.run([sys.argv[1], f"ratebook-{size}.png", *ops, "-depth", "8", "rgba:-"],
                          check=True, capture_output=True).stdout
def entry(size, bits):
    if bits == 8:
        px = pixels(size, "-channel", "A", "-threshold", "50%", "+channel", "+dither", "-colors", "255")
    else:
        px = pixels(size)
    quads = [px[i:i + 4] for i in range(0, len(px), 4)]
    rows = [quads[y * size:(y + 1) * size] for y in reversed(range(size))]   # BMP rows run bottom-up
    if bits == 8:
        palette = [b"\0\0\0\0"]                  # entry 0: black behind the transparent pixels
        for q in quads:
            if q[3] >= 128 and q[2::-1] + b"\0" not in palette:
                palette.append(q[2::-1] + b"\0")
        assert len(palette) <= 256, "too many colours"
        index = {c: i for i, c in enumerate(palette)}
        xor = b"".join(bytes(index[q[2::-1] + b"\0"] if q[3] >= 128 else 0 for q in r) for r in rows)
        palette = b"".join(palette).ljust(1024, b"\0")
    else:
        xor, palette = b"".join(q[2::-1] + q[3:] for r in rows for q in r), b""
    stride = (size + 31) // 32 * 4
    mask = b"".join(int("".join("1" if q[3] < 128 else "0" for q in r), 2).to_bytes(size // 8, "big")
                    .ljust(stride, b"\0") for r in rows)
    header = struct.pack("<IiiHHIIiiII", 40, size, 2 * size, 1, bits, 0, len(xor) + len(mask), 0, 0, 0, 0)
    return header + palette + xor + mask
entries = [(s, b, entry(s, b)) for s in (48, 32, 24, 16) for b in (32, 8)]
out, offset = struct.pack("<HHH", 0, 1, len(entries)), 6 + 16 * len(entries)
for s, b, data in entries:
    out += struct.pack("<BBBBHHII", s, s, 0, 0, 1, b, len(data), offset)
    offset += len(data)
open("ratebook.ico", "wb").write(out + b"".join(d for _, _, d in entries))
PY

# --- picture ----------------------------------------------------------------------------------
# bricks X0 X1 YBASE COURSES RACK: wall of 12x6 bricks in stretcher bond, last RACK courses stepped back
bricks() {
  local x0=$1 x1=$2 yb=$3 n=$4 rack=$5 i j x y e shades=('#c8563a' '#d2653f' '#bb4e35' '#d86f48' '#c45c3c')
  for ((i = 0; i < n; i++)); do
    y=$((yb - 7*i - 7)); e=$x1; ((i >= n - rack)) && e=$((x1 - (i - n + rack + 1)*6))
    echo "fill #e8dcc4 rectangle $x0,$y $e,$((y + 6))"
    for ((x = x0 - (i % 2)*6, j = 0; x <= e; x += 13, j++)); do
      echo "fill ${shades[(i*7 + j*3 + i*j) % 5]} rectangle $((x < x0 ? x0 : x)),$((y + 1)) $((x + 11 > e ? e : x + 11)),$((y + 6))"
    done
  done
}
# bag X Y: a 34x20 cement bag lying on its side
bag() {
  local x=$1 y=$2 d
  for d in 1 0; do   # shadow, then the bag
    echo "fill $([ $d = 1 ] && echo '#c9c3b6' || echo '#ece7dc') path 'M $((x+3)),$((y+2+d)) Q $((x+17)),$((y-1+d)) $((x+31)),$((y+2+d))
      Q $((x+34+d)),$((y+9+2*d)) $((x+31)),$((y+16+3*d)) Q $((x+17)),$((y+19+3*d)) $((x+3)),$((y+16+3*d)) Q $((x-d)),$((y+9+2*d)) $((x+3)),$((y+2+d)) Z'"
  done
  echo "fill #d9622f rectangle $((x+11)),$((y+1)) $((x+16)),$((y+18)) fill #e9a23b rectangle $((x+18)),$((y+1)) $((x+20)),$((y+18))"
}
# stones X Y: a heap of broken stone (metal) with its foot centred on X at height Y
stones() {
  local x0=$1 y0=$2 r x greys=('#a7b1b8' '#8f9ba4' '#c0c8cd')
  echo "fill #7b8790 path 'M $((x0-26)),$y0 C $((x0-20)),$((y0-22)) $((x0-8)),$((y0-30)) $x0,$((y0-30)) C $((x0+10)),$((y0-30)) $((x0+20)),$((y0-20)) $((x0+26)),$y0 Z'"
  for r in 0 1 2 3 4 5; do
    for ((x = x0 - 21 + r*4 + (r % 2)*3; x <= x0 + 21 - r*4; x += 7)); do
      echo "fill ${greys[(x + r) % 3]} ellipse $((x + (x*7 + r*3) % 3 - 1)),$((y0 - 4 - r*5 + (x*5 + r) % 3 - 1)) $((3 + (x + r) % 2)),2.5 0,360"
    done
  done
}
picture() {
  cat <<'MVG'
stroke none
fill #ffe7a8 circle 184,40 184,66
fill #ffd45e circle 184,40 184,57
fill #ffffff ellipse 40,36 20,8 0,360 ellipse 58,30 14,10 0,360 ellipse 70,38 16,7 0,360
fill #ffffff ellipse 132,58 14,5 0,360 ellipse 144,54 10,7 0,360
fill #c5dfae path 'M 0,150 C 40,126 80,132 120,146 C 160,128 200,122 226,136 L 226,170 L 0,170 Z'
fill #e5c792 rectangle 0,164 226,216
fill #d6b37a rectangle 0,164 226,166
MVG
  bricks 24 150 158 11 5
  cat <<'MVG'
fill #a3a7ab rectangle 18,158 156,166
fill #8d9195 rectangle 18,165 156,166
fill #6b4a32 rectangle 38,110 60,157
fill #8a623f rectangle 41,113 57,157
fill #b08258 rectangle 44,116 54,134 rectangle 44,138 54,154
fill #9ea3a8 rectangle 34,104 64,109
fill #ffffff rectangle 80,104 108,128
fill #a9d3ea rectangle 83,107 93,115 rectangle 95,107 105,115 rectangle 83,117 93,125 rectangle 95,117 105,125
fill #9ea3a8 rectangle 76,98 112,103
stroke #4f6d85 stroke-width 3 fill none
line 120,72 120,166 line 168,72 168,166 line 116,124 172,124 line 116,88 172,88
stroke-width 2 line 120,162 168,126 line 120,124 168,90
stroke none
fill #b07a45 rectangle 112,118 176,122
fill #8c5e33 rectangle 112,122 176,123
fill #7d8a94 path 'M 130,118 L 128,106 L 146,106 L 144,118 Z'
fill #5f6a72 rectangle 127,104 147,106
fill #c8563a rectangle 152,112 164,117
fill #d2653f rectangle 156,106 168,111
fill #d9b27a ellipse 40,208 38,4 0,360 ellipse 108,207 30,3 0,360 ellipse 182,208 46,4 0,360
MVG
  bag 4 186; bag 38 186; bag 21 166
  stones 108 206
  cat <<'MVG'
stroke #7a5230 stroke-width 3 line 206,110 194,152 stroke none
fill #6b7780 path 'M 187,148 L 201,152 L 197,168 L 190,170 L 185,164 Z'
fill #e9bd62 path 'M 140,208 C 156,176 172,162 188,162 C 204,162 214,180 224,208 Z'
fill #d7a64c path 'M 188,162 C 204,162 214,180 224,208 L 196,208 C 198,188 196,172 188,162 Z'
fill #f3d384 path 'M 160,184 C 168,170 178,165 186,165 C 180,168 170,176 166,186 Z'
MVG
}
"$IM" -size 226x216 gradient:'#a8d4ec'-'#fdf1da' -draw "$(picture)" \
  -strip -depth 8 -type TrueColor bmp3:picture.bmp
# Each pixel becomes two by two: pixel centres at whole units move to 2u + 0.5.
"$IM" -size 452x432 gradient:'#a8d4ec'-'#fdf1da' -draw "affine 2,0,0,2,0.5,0.5 $(picture)" \
  -strip -depth 8 -define png:compression-level=9 -define png:exclude-chunks=date,time png24:picture@2x.png

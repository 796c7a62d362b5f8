# Turns the last repaint of a drawing log into SVG shapes for a square crop of the
# world, so that the program's own picture scales to any size.
#
#   awk -v palette=FILE -v left=X -v top=Y -v size=S -f log_to_svg.awk LOG
#
# palette: lines "name RRGGBB"; (left, top): the crop's top-left world point; size:
# its side in world units. World y grows upward, SVG y downward, so a world point
# (x, y) is the SVG point (x, -y), and the world pixel (x, y) is the SVG unit square
# whose top-left corner is there; a pixel's centre is half a unit further in.
#
# Texts are left out: at icon sizes a destination letter is a blur, and the picture
# must not depend on the fonts of the machine that shows it. Triangles are filled:
# the log does not say a triangle's width, and the town draws only filled ones.

BEGIN {
    while ((getline line < palette) > 0) {
        n = split(line, part, " ")
        name = part[1]
        for (i = 2; i < n; i++) name = name " " part[i]
        rgb[name] = "#" tolower(part[n])
    }
    if (length(rgb) != 24) fail("palette " palette " holds " length(rgb) " colours, not 24")
    right = left + size
    bottom = top - size
    frame = 0
}

function fail(message) {
    print "log_to_svg: " message > "/dev/stderr"
    failed = 1
    exit 1
}

# The integers of text, in order, into num[1..]; returns how many.
function numbers(text, k) {
    k = 0
    while (match(text, /-?[0-9]+/)) {
        num[++k] = substr(text, RSTART, RLENGTH) + 0
        text = substr(text, RSTART + RLENGTH)
    }
    return k
}

# Whether the world box (x1..x2, y1..y2), widened by pad, meets the crop.
function inCrop(x1, y1, x2, y2, pad) {
    return x2 + pad >= left && x1 - pad <= right && y2 + pad >= bottom && y1 - pad <= top
}

function keep(svg) {
    shapes[++count] = svg
}

# A repaint starts with the first lawn of the scenery; only the last one is kept.
/^forest green rectangle with bounding box \(-255,205\) to \(-120,120\), filled$/ {
    count = 0
    frame++
}

{
    if (!match($0, / (rectangle with bounding box|oval with bounding box|circle at|triangle at|line from|text at) /))
        next
    colour = substr($0, 1, RSTART - 1)
    shape = substr($0, RSTART + 1, RLENGTH - 2)
    rest = substr($0, RSTART + RLENGTH)
    if (!(colour in rgb)) fail("unknown colour '" colour "' on line " NR)
    fill = rgb[colour]
    if (shape == "text at") next
    k = numbers(rest)

    if (shape == "rectangle with bounding box" || shape == "oval with bounding box") {
        x1 = num[1]; y1 = num[2]; x2 = num[3]; y2 = num[4]
        w = (k >= 5) ? num[5] : 0
        if (!inCrop(x1, y2, x2, y1, w)) next
        if (shape == "rectangle with bounding box" && w == 0) {
            # Both corner pixels are covered.
            keep(sprintf("<rect x=\"%d\" y=\"%d\" width=\"%d\" height=\"%d\" fill=\"%s\"/>",
                         x1, -y1, x2 - x1 + 1, y1 - y2 + 1, fill))
        } else if (shape == "rectangle with bounding box") {
            # The outline runs through the corner pixels' centres.
            keep(sprintf("<rect x=\"%.1f\" y=\"%.1f\" width=\"%d\" height=\"%d\" fill=\"none\" stroke=\"%s\" stroke-width=\"%d\"/>",
                         x1 + 0.5, -y1 + 0.5, x2 - x1, y1 - y2, fill, w))
        } else {
            # An oval is inscribed in its box.
            attrs = sprintf("cx=\"%.1f\" cy=\"%.1f\" rx=\"%.1f\" ry=\"%.1f\"",
                            (x1 + x2 + 1) / 2, (1 - y1 - y2) / 2, (x2 - x1 + 1) / 2, (y1 - y2 + 1) / 2)
            if (w == 0)
                keep("<ellipse " attrs " fill=\"" fill "\"/>")
            else
                keep("<ellipse " attrs " fill=\"none\" stroke=\"" fill "\" stroke-width=\"" w "\"/>")
        }
    } else if (shape == "circle at") {
        x = num[1]; y = num[2]; r = num[3]
        if (!inCrop(x - r, y - r, x + r, y + r, 0)) next
        keep(sprintf("<circle cx=\"%.1f\" cy=\"%.1f\" r=\"%.1f\" fill=\"%s\"/>",
                     x + 0.5, -y + 0.5, r + 0.5, fill))
    } else if (shape == "line from") {
        x1 = num[1]; y1 = num[2]; x2 = num[3]; y2 = num[4]
        w = (num[5] > 1) ? num[5] : 1
        if (!inCrop(x1 < x2 ? x1 : x2, y1 < y2 ? y1 : y2, x1 > x2 ? x1 : x2, y1 > y2 ? y1 : y2, w))
            next
        keep(sprintf("<line x1=\"%.1f\" y1=\"%.1f\" x2=\"%.1f\" y2=\"%.1f\" stroke=\"%s\" stroke-width=\"%d\" stroke-linecap=\"round\"/>",
                     x1 + 0.5, -y1 + 0.5, x2 + 0.5, -y2 + 0.5, fill, w))
    } else if (shape == "triangle at") {
        lo_x = hi_x = num[1]; lo_y = hi_y = num[2]
        for (i = 3; i <= 5; i += 2) {
            if (num[i] < lo_x) lo_x = num[i]
            if (num[i] > hi_x) hi_x = num[i]
            if (num[i + 1] < lo_y) lo_y = num[i + 1]
            if (num[i + 1] > hi_y) hi_y = num[i + 1]
        }
        if (!inCrop(lo_x, lo_y, hi_x, hi_y, 0)) next
        keep(sprintf("<polygon points=\"%.1f,%.1f %.1f,%.1f %.1f,%.1f\" fill=\"%s\"/>",
                     num[1] + 0.5, -num[2] + 0.5, num[3] + 0.5, -num[4] + 0.5,
                     num[5] + 0.5, -num[6] + 0.5, fill))
    }
}

END {
    if (failed) exit 1
    if (frame == 0) fail("the log holds no repaint")
    corner = size / 8
    print "<?xml version=\"1.0\" encoding=\"UTF-8\"?>"
    printf "<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"256\" height=\"256\" viewBox=\"%d %d %d %d\">\n",
           left, -top, size, size
    print "<title>Fenn's Town</title>"
    printf "<defs><clipPath id=\"town\"><rect x=\"%d\" y=\"%d\" width=\"%d\" height=\"%d\" rx=\"%g\"/></clipPath></defs>\n",
           left, -top, size, size, corner
    print "<g clip-path=\"url(#town)\">"
    # The picture is cleared to white before the first repaint.
    printf "<rect x=\"%d\" y=\"%d\" width=\"%d\" height=\"%d\" fill=\"#ffffff\"/>\n", left, -top, size, size
    for (i = 1; i <= count; i++) print shapes[i]
    print "</g>"
    print "</svg>"
}

#!/usr/bin/env python3
"""Draws the SVG sources of the dialog pack (gui) and the trophy pack (trofei).

    python3 tools/assets/draw_gui_trophies.py

rewrites assets/gfx/gui/*.svg and assets/gfx/trofei/*.svg. Everything is drawn from shapes
here and in svgkit.py, no picture is imported. The build renders each SVG to PNG at its own size.
"""
import math
import sys

# svgkit sits next to this script, and Python puts the script's folder first on sys.path;
# no __pycache__ is left beside it in the source tree.
sys.dont_write_bytecode = True
import svgkit
from svgkit import (BERRY, GREEN, INK, PAPER, PAPER_SHADE, SKY, SUN, TEAL_D, TEAL_L, WOOD_D,
                    WOOD_L, WOOD_M, button_states, circle, f, glow, inked, knob_cmds, path,
                    piece, poly, rrect, shadow, star, write)


class Doc(svgkit.Doc):
    """Writes the files the way this script always has, so they stay byte for byte the same."""
    xlink = True  # the trophies <use xlink:href> their motif
    defs_sep = ""
    radial_prefix = "r"
    radial_focus = True
    named_blurs = True


# ----------------------------------------------------------------------------------------------
# Buttons: four states side by side (svgkit.button_states).

def icon_colors(state):
    if state == "disabled":
        return "#D9D5CD", "#8A857C"
    return "#FFFFFF", INK


def round_button(member, sw, h, icon_d, fourth="disabled", ink_w=(8, 4.5), solid=False, head=None):
    doc = Doc(sw * 4, h)
    # face kept clear of the bottom: the options panel puts OK and Cancel 28 px above the screen edge
    r = min(sw - 8, h - 8) / 2.0
    cx, cy = sw / 2.0, h / 2.0 - 2

    hl = ("M%s,%s A%s,%s 0 0 1 %s,%s C%s,%s %s,%s %s,%s Z" % (
        f(cx - r * 0.72), f(cy - r * 0.28), f(r * 0.78), f(r * 0.78), f(cx + r * 0.72),
        f(cy - r * 0.28), f(cx + r * 0.4), f(cy - r * 0.5), f(cx - r * 0.4), f(cy - r * 0.5),
        f(cx - r * 0.72), f(cy - r * 0.28)))

    def icon(state):
        fill, ink = icon_colors(state)
        d = icon_d(cx, cy, r)
        if head:
            hd = head(cx, cy, r)
            return (path(d, stroke=ink, sw=ink_w[0]) + path(hd, fill=ink, stroke=ink, sw=ink_w[0] - ink_w[1]) +
                    path(d, stroke=fill, sw=ink_w[1]) + path(hd, fill=fill))
        if solid:
            return path(d, stroke=ink if state == "disabled" else INK, sw=ink_w[1])
        return inked(d, fill, ink, *ink_w)

    button_states(doc, sw, h, circle(cx, cy, r), hl, fourth, icon, hl_fade=0.12)
    write("gui", member, doc)


def tick_d(cx, cy, r):
    s = r / 26.0
    return "M%s,%s L%s,%s L%s,%s" % (f(cx - 12 * s), f(cy + 1 * s), f(cx - 3.5 * s), f(cy + 10 * s),
                                       f(cx + 13 * s), f(cy - 10 * s))


def cross_d(cx, cy, r):
    a = r * 0.38
    return "M%s,%s L%s,%s M%s,%s L%s,%s" % (f(cx - a), f(cy - a), f(cx + a), f(cy + a),
                                             f(cx + a), f(cy - a), f(cx - a), f(cy + a))


def plus_d(cx, cy, r):
    a = r * 0.52
    return "M%s,%s H%s M%s,%s V%s" % (f(cx - a), f(cy), f(cx + a), f(cx), f(cy - a), f(cy + a))


def minus_d(cx, cy, r):
    a = r * 0.52
    return "M%s,%s H%s" % (f(cx - a), f(cy), f(cx + a))


def replay_d(cx, cy, r):
    a = r * 0.42
    p0 = (cx + a * math.cos(math.radians(-80)), cy + a * math.sin(math.radians(-80)))
    p1 = (cx + a * math.cos(math.radians(195)), cy + a * math.sin(math.radians(195)))
    return "M%s,%s A%s,%s 0 1 1 %s,%s" % (f(p0[0]), f(p0[1]), f(a), f(a), f(p1[0]), f(p1[1]))


def replay_head(cx, cy, r):
    # the arrow runs clockwise and ends up-left: its head points along the circle's tangent
    a = r * 0.42
    t = math.radians(195)
    tip_a = math.radians(225)
    tip = (cx + a * math.cos(tip_a), cy + a * math.sin(tip_a))
    base = (cx + a * math.cos(t), cy + a * math.sin(t))
    nx, ny = math.cos(t), math.sin(t)
    w = r * 0.26
    return poly([(tip[0] + (tip[0] - base[0]) * 0.6, tip[1] + (tip[1] - base[1]) * 0.6),
                 (base[0] + nx * w, base[1] + ny * w), (base[0] - nx * w, base[1] - ny * w)])


def flat_button():
    sw, h = 180, 48
    doc = Doc(sw * 4, h)
    button_states(doc, sw, h, rrect(6, 4, sw - 12, h - 11, (h - 11) / 2.0),
                  rrect(16, 6.5, sw - 32, 13, 6.5), "disabled", lambda s: "", hl_fade=0.12)
    write("gui", "button_flat.png", doc)


# ----------------------------------------------------------------------------------------------
# Check boxes, slider

def box_art(doc, x0, s=40):
    """An empty check box in a cell of s x s at x0."""
    b = rrect(x0 + 7, 7, s - 14, s - 14, 6)
    return "".join([
        shadow(doc, b, dy=1.5, std=1.5, op=0.3),
        path(b, fill=doc.lin([(0, "#F6EAD0"), (0.35, "#FFFDF6"), (1, "#FFFFFF")]), stroke=WOOD_M, sw=2.5),
        path(rrect(x0 + 9.5, 9.5, s - 19, 5, 2.5), fill="#000", extra='opacity="0.06"'),
    ])


def tick_art(x0, s=40):
    d = "M%s,%s L%s,%s L%s,%s" % (f(x0 + 11), f(21), f(x0 + 18), f(28.5), f(x0 + 33), f(8.5))
    return path(d, stroke=INK, sw=7.5) + path(d, stroke=GREEN, sw=4) + \
        path("M%s,%s L%s,%s" % (f(x0 + 19), f(26), f(x0 + 31.5), f(10.5)), stroke="#A6E39A", sw=1.2)


def checkboxes():
    doc = Doc(80, 40)
    doc.add(box_art(doc, 0))
    doc.add(tick_art(40))  # overlay half: the tick alone
    write("gui", "checkbox_button.png", doc)

    doc = Doc(80, 40)
    doc.add(box_art(doc, 0))
    doc.add(box_art(doc, 40))  # without overlay the ticked half is shown alone
    doc.add(tick_art(40))
    write("gui", "check_rotate.png", doc)


def slider():
    # Left cap, middle (stretched along the track, so every column is the same), right cap, knob;
    # four 32 x 64 pieces. The picture is taller than the groove: the options panel spaces its two
    # sliders and their captions by the picture height, and 32 px would lay the piece-count caption
    # right over the distortion slider.
    H = 64
    doc = Doc(128, H)
    gh = 12
    y0 = H / 2 - gh / 2
    groove = doc.lin([(0, WOOD_D), (0.5, "#8A5526"), (1, WOOD_M)], 0, y0, 0, y0 + gh, user=True)
    sh = doc.lin([(0, "#000000", 0.35), (1, "#000000", 0)], 0, y0, 0, y0 + 4, user=True)
    lc = "M32,%s H12 A6,6 0 0 0 12,%s H32 Z" % (f(y0), f(y0 + gh))
    mid = "M32,%s H64 V%s H32 Z" % (f(y0), f(y0 + gh))
    rc = "M64,%s H84 A6,6 0 0 1 84,%s H64 Z" % (f(y0), f(y0 + gh))
    for d in (lc, mid, rc):
        doc.add(path(d, fill=groove))
        doc.add(path(d, fill=sh))
    doc.add(path("M12,%s H84" % f(y0 + gh + 0.6), stroke="#FFF3DC", sw=1.2, extra='opacity="0.9"'))
    doc.add(path("M12,%s H84 A6,6 0 0 1 84,%s H12 A6,6 0 0 1 12,%s Z" % (f(y0), f(y0 + gh), f(y0)),
                 stroke="#5A3212", sw=1))
    # knob
    c = H / 2
    k = circle(112, c, 12)
    doc.add(shadow(doc, k, dy=1.5, std=1.5, op=0.35))
    doc.add(path(k, fill=doc.rad([(0, "#FFD58A"), (0.6, "#FFB957"), (1, "#E8842A")], 0.45, 0.35, 0.7),
                 stroke="#9A5418", sw=2))
    doc.add(path(circle(112, c, 5), fill="none", stroke="#9A5418", sw=1.2, extra='opacity="0.55"'))
    doc.add(path("M104.5,%s A9,9 0 0 1 119.5,%s" % (f(c - 4), f(c - 4)), stroke="#FFFFFF", sw=2,
                 extra='opacity="0.6"'))
    write("gui", "slider_3.png", doc)


# ----------------------------------------------------------------------------------------------
# Windows and panels

def wood_frame(doc, x, y, w, h, r, t):
    """Honey wood frame (outer rounded rect, t thick) with a paper interior."""
    outer = rrect(x, y, w, h, r)
    inner = rrect(x + t, y + t, w - 2 * t, h - 2 * t, max(4, r - t + 4))
    out = [shadow(doc, outer, dy=3, std=3.5, op=0.32)]
    out.append(path(outer, fill=doc.lin([(0, "#E2AE6E"), (0.08, WOOD_L), (0.92, "#B97A3C"), (1, WOOD_M)],
                                        0, y, 0, y + h, user=True), stroke=WOOD_D, sw=2))
    # grain: soft streaks running along the bars
    fr = doc.clip('<path d="%s %s" clip-rule="evenodd" fill-rule="evenodd"/>' % (outer, inner))
    gr = ['<g clip-path="%s" opacity="0.35" fill="none" stroke="%s" stroke-width="1.2">' % (fr, WOOD_M)]
    for k in range(5):
        yy = y + 5 + k * (t - 8) / 4.0
        gr.append('<path d="M%s,%s C%s,%s %s,%s %s,%s S%s,%s %s,%s"/>' % (
            f(x), f(yy), f(x + w * 0.25), f(yy - 2), f(x + w * 0.4), f(yy + 2.5), f(x + w * 0.6), f(yy),
            f(x + w * 0.85), f(yy + 2), f(x + w), f(yy - 1)))
        yb = y + h - 5 - k * (t - 8) / 4.0
        gr.append('<path d="M%s,%s C%s,%s %s,%s %s,%s S%s,%s %s,%s"/>' % (
            f(x), f(yb), f(x + w * 0.3), f(yb + 2), f(x + w * 0.45), f(yb - 2), f(x + w * 0.65), f(yb),
            f(x + w * 0.8), f(yb - 2), f(x + w), f(yb + 1)))
        xx = x + 5 + k * (t - 8) / 4.0
        gr.append('<path d="M%s,%s C%s,%s %s,%s %s,%s"/>' % (
            f(xx), f(y), f(xx + 2), f(y + h * 0.3), f(xx - 2), f(y + h * 0.7), f(xx), f(y + h)))
        xr = x + w - 5 - k * (t - 8) / 4.0
        gr.append('<path d="M%s,%s C%s,%s %s,%s %s,%s"/>' % (
            f(xr), f(y), f(xr - 2), f(y + h * 0.35), f(xr + 2), f(y + h * 0.65), f(xr), f(y + h)))
    gr.append("</g>")
    out.append("".join(gr))
    # bevel light on the outer top edge
    out.append(path(rrect(x + 2.5, y + 2.5, w - 5, h - 5, r - 2), stroke="#F2CC96", sw=1.5,
                    extra='opacity="0.8"'))
    # paper: shaded toward the edges, a soft shadow under the top bar
    ic = doc.clip('<path d="%s"/>' % inner)
    out.append(path(inner, fill=PAPER_SHADE))
    out.append('<g clip-path="%s">' % ic)
    out.append(path(rrect(x + t + 12, y + t + 12, w - 2 * t - 24, h - 2 * t - 24, 20), fill=PAPER,
                    extra='filter="%s"' % doc.blur(9)))
    out.append(path(rrect(x + t - 10, y + t - 16, w - 2 * t + 20, 18, 8), fill="#6B3F1A",
                    extra='opacity="0.22" filter="%s"' % doc.blur(3)))
    out.append("</g>")
    out.append(path(inner, stroke=WOOD_D, sw=1.5))
    out.append(path(rrect(x + t - 3, y + t - 3, w - 2 * t + 6, h - 2 * t + 6, max(4, r - t + 7)),
                    stroke="#E9BC7F", sw=1.2, extra='opacity="0.9"'))
    return "".join(out)


def corner_pieces(doc, x, y, w, h, r, t):
    """Small inlaid puzzle pieces on the four corners of a frame, on the middle of the bend."""
    out = []
    s = 14
    k = r - (r - t / 2.0) * math.sqrt(0.5)
    for cx, cy, tabs in ((x + k, y + k, (0, 1, 1, 0)), (x + w - k, y + k, (0, 0, 1, 1)),
                         (x + k, y + h - k, (1, 1, 0, 0)), (x + w - k, y + h - k, (1, 0, 0, 1))):
        d = piece(cx - s / 2.0, cy - s / 2.0, s, tabs)
        out.append(shadow(doc, d, dy=1, std=1, op=0.3))
        out.append(path(d, fill=doc.lin([(0, "#FBE3B8"), (1, "#E4AE68")]), stroke=WOOD_D, sw=1.2))
    return "".join(out)


def window(member, w, h):
    doc = Doc(w, h)
    m, t = 6, 24
    doc.add(wood_frame(doc, m, 4, w - 2 * m, h - 4 - m - 2, 28, t))
    doc.add(corner_pieces(doc, m, 4, w - 2 * m, h - 4 - m - 2, 28, t))
    write("gui", member, doc)


def banner(doc, x0, x1, y0, y1, tail=14, drop=12):
    """Cream ribbon band from x0 to x1 (y0..y1) with folded honey tails behind both ends."""
    out = []
    hgt = y1 - y0
    for side in (-1, 1):
        if side < 0:
            bx = x0
            tl = [(bx + tail, y0 + drop), (bx - tail * 1.6, y0 + drop), (bx - tail * 0.8, y0 + drop + hgt / 2),
                  (bx - tail * 1.6, y1 + drop), (bx + tail, y1 + drop)]
            fold = [(bx, y1), (bx + tail, y1 + drop), (bx + tail, y1)]
        else:
            bx = x1
            tl = [(bx - tail, y0 + drop), (bx + tail * 1.6, y0 + drop), (bx + tail * 0.8, y0 + drop + hgt / 2),
                  (bx + tail * 1.6, y1 + drop), (bx - tail, y1 + drop)]
            fold = [(bx, y1), (bx - tail, y1 + drop), (bx - tail, y1)]
        out.append(shadow(doc, poly(tl), dy=2, std=2, op=0.25))
        out.append(path(poly(tl), fill=doc.lin([(0, "#F2A54A"), (1, "#D97F2A")]), stroke="#9A5418", sw=1.8))
        out.append(path(poly(fold), fill="#8A4A12", stroke="#6B3F1A", sw=1.2))
    band = ("M%s,%s Q%s,%s %s,%s L%s,%s Q%s,%s %s,%s Z" % (
        f(x0), f(y0), f((x0 + x1) / 2), f(y0 - 6), f(x1), f(y0), f(x1), f(y1),
        f((x0 + x1) / 2), f(y1 - 6), f(x0), f(y1)))
    out.append(shadow(doc, band, dy=2.5, std=2.5, op=0.28))
    out.append(path(band, fill=doc.lin([(0, "#FFFDF6"), (0.7, PAPER), (1, PAPER_SHADE)]), stroke=WOOD_M, sw=2))
    inner = ("M%s,%s Q%s,%s %s,%s" % (f(x0 + 8), f(y0 + 5), f((x0 + x1) / 2), f(y0 - 1), f(x1 - 8), f(y0 + 5)))
    inner2 = ("M%s,%s Q%s,%s %s,%s" % (f(x0 + 8), f(y1 - 5), f((x0 + x1) / 2), f(y1 - 11), f(x1 - 8), f(y1 - 5)))
    out.append(path(inner, stroke=WOOD_L, sw=1.2, extra='stroke-dasharray="5 4" opacity="0.8"'))
    out.append(path(inner2, stroke=WOOD_L, sw=1.2, extra='stroke-dasharray="5 4" opacity="0.8"'))
    return "".join(out)


def small_star(doc, cx, cy, r, color=SUN):
    d = star(cx, cy, r, r * 0.45)
    return path(d, fill=doc.lin([(0, "#FFE98A"), (1, color)]), stroke="#B7791F", sw=1.2)


def trofi_fon():
    # the header text sits 25 px above the centre: the band is drawn high, stars hang below
    doc = Doc(500, 100)
    doc.add(banner(doc, 46, 454, 6, 52, tail=16, drop=12))
    garland = "M150,60 Q250,84 350,60"
    doc.add(path(garland, stroke=WOOD_M, sw=1.5, extra='opacity="0.7"'))
    for cx, cy, r in ((190, 71, 8), (250, 78, 11), (310, 71, 8)):
        doc.add(shadow(doc, star(cx, cy, r, r * 0.45), dy=1.5, std=1.2, op=0.25))
        doc.add(small_star(doc, cx, cy, r))
    write("gui", "trofi_fon.png", doc)


def pawn(doc, cx, base, color, scale=1.0):
    s = scale
    body = ("M%s,%s C%s,%s %s,%s %s,%s C%s,%s %s,%s %s,%s Z" % (
        f(cx - 13 * s), f(base), f(cx - 13 * s), f(base - 20 * s), f(cx - 7 * s), f(base - 26 * s), f(cx), f(base - 26 * s),
        f(cx + 7 * s), f(base - 26 * s), f(cx + 13 * s), f(base - 20 * s), f(cx + 13 * s), f(base)))
    head = circle(cx, base - 33 * s, 9 * s)
    out = [shadow(doc, body + " " + head, dy=2, std=1.8, op=0.28)]
    g = doc.lin([(0, "#FFFFFF", 0.0), (1, "#000000", 0.18)])
    for d in (body, head):
        out.append(path(d, fill=color, stroke=INK, sw=1.8))
        out.append(path(d, fill=g))
    out.append(path(circle(cx - 3 * s, base - 36 * s, 3 * s), fill="#FFFFFF", extra='opacity="0.55"'))
    return "".join(out)


def players_fon():
    # The player list starts 31 px below this picture's centre, so everything stays above that.
    doc = Doc(400, 88)
    doc.add(banner(doc, 92, 308, 26, 66, tail=13, drop=6))
    doc.add(pawn(doc, 30, 72, GREEN, 0.95))
    doc.add(pawn(doc, 59, 73, SKY, 0.78))
    doc.add(pawn(doc, 341, 73, SUN, 0.78))
    doc.add(pawn(doc, 370, 72, BERRY, 0.95))
    write("gui", "players_fon.png", doc)


def liderboard_fon():
    # the header is drawn 55 px left of this picture's centre, 10 px above it
    doc = Doc(440, 110)
    doc.add(banner(doc, 56, 280, 20, 72, tail=14, drop=10))
    # podium: 2 | 1 | 3
    steps = [(318, 62, 36, "#C9CFD6", "#8D98A5"), (352, 44, 40, "#FFE07A", "#D9A21E"), (390, 72, 36, "#E8B07A", "#A8692F")]
    for x, top, w, c1, c2 in steps:
        d = rrect(x, top, w, 104 - top, 3)
        doc.add(shadow(doc, d, dy=2, std=2, op=0.25))
        doc.add(path(d, fill=doc.lin([(0, c1), (1, c2)]), stroke=INK, sw=1.8))
    for x, top, w, n in ((318, 62, 36, 2), (352, 44, 40, 1), (390, 72, 36, 3)):
        for k in range(n):
            dx = (k - (n - 1) / 2.0) * 10
            doc.add(path(circle(x + w / 2 + dx, top + 14, 3.2), fill=INK))
    # a small cup on the top step
    cup = ("M358,14 H386 C386,30 380,36 374,37 V40 H380 V44 H364 V40 H370 V37 C364,36 358,30 358,14 Z")
    doc.add(shadow(doc, cup, dy=1.5, std=1.5, op=0.25))
    doc.add(path("M358,18 C350,18 350,28 360,30 M386,18 C394,18 394,28 384,30", stroke="#B7791F", sw=2.2))
    doc.add(path(cup, fill=doc.lin([(0, "#FFF0A0"), (1, "#E8A52A")], 0, 0, 1, 1), stroke="#9A6210", sw=1.6))
    doc.add(path(star(372, 24, 5, 2.2), fill="#FFFFFF", extra='opacity="0.8"'))
    write("gui", "liderboard_fon.png", doc)


def rosette(cx, cy, r, petals=14):
    pts = []
    for k in range(petals * 2):
        a = math.radians(k * 180.0 / petals)
        rr = r if k % 2 == 0 else r * 0.86
        pts.append((cx + rr * math.cos(a), cy + rr * math.sin(a)))
    return poly(pts)


def score_fon():
    # the vertical scroll bar's upper button overlaps the lower right corner: keep it empty
    doc = Doc(128, 96)
    cx, cy = 58, 38
    for side, col in ((-1, SKY), (1, BERRY)):
        tail = poly([(cx + side * 2, cy + 10), (cx + side * 20, cy + 6), (cx + side * 30, 90),
                     (cx + side * 22, 83), (cx + side * 13, 92)])
        doc.add(shadow(doc, tail, dy=2, std=1.8, op=0.25))
        doc.add(path(tail, fill=col, stroke=INK, sw=1.6))
        doc.add(path(poly([(cx + side * 9, cy + 12), (cx + side * 19, 86)], False), stroke="#FFFFFF", sw=1.5,
                     extra='opacity="0.45"'))
    ros = rosette(cx, cy, 34)
    doc.add(shadow(doc, ros, dy=2.5, std=2.2, op=0.3))
    doc.add(path(ros, fill=doc.lin([(0, "#FFD07A"), (1, "#E8842A")]), stroke="#9A5418", sw=1.8))
    doc.add(path(circle(cx, cy, 24), fill=doc.lin([(0, "#FFF6D0"), (1, "#F6C945")]), stroke="#B7791F", sw=1.8))
    doc.add(path(circle(cx, cy, 20), stroke="#FFFFFF", sw=1.2, extra='opacity="0.7"'))
    doc.add(path(star(cx, cy + 1, 14, 6), fill=doc.lin([(0, "#FFFFFF"), (1, "#FFE07A")]), stroke=INK, sw=1.6))
    doc.add(path("M%s,%s A26,26 0 0 1 %s,%s" % (f(cx - 22), f(cy - 14), f(cx + 10), f(cy - 26)),
                 stroke="#FFFFFF", sw=2.5, extra='opacity="0.45"'))
    write("gui", "score_fon.png", doc)


def liderboard_rows():
    w, h = 580, 56
    doc = Doc(w, h)
    body = rrect(2, 3, w - 4, h - 7, 14)
    # translucent so the highlight of the first three ranks glows through; its shadow is kept
    # outside the row, or it would grey the row from below
    outside = doc.clip('<path d="M-10,-10 H%d V%d H-10 Z %s" clip-rule="evenodd"/>' % (w + 10, h + 10, body))
    doc.add('<g clip-path="%s">%s</g>' % (outside, shadow(doc, body, dy=2, std=2, op=0.22)))
    doc.add(path(body, fill="#FFFFFF", stroke=WOOD_M, sw=2, extra='fill-opacity="0.45"'))
    doc.add(path(rrect(5, 6, w - 10, 12, 6), fill="#FFFFFF", extra='opacity="0.35"'))
    badge = circle(30, 27.5, 19)
    doc.add(path(badge, fill="#FFFFFF", stroke=WOOD_L, sw=2, extra='fill-opacity="0.6"'))
    for x in (64, 364):
        doc.add(path("M%d,10 V%d" % (x, h - 12), stroke=WOOD_L, sw=1.5, extra='stroke-dasharray="3 4"'))
    write("gui", "liderboard_tablica.png", doc)

    doc = Doc(600, 68)
    d = rrect(8, 6, 584, 56, 18)
    doc.add(glow(doc, d, SUN, std=4, op=0.9))
    doc.add(path(rrect(10, 9, 580, 50, 16), fill=doc.lin([(0, "#FFE58A"), (1, "#F6C945")]),
                 extra='opacity="0.85"'))
    doc.add(path(rrect(14, 11, 572, 14, 7), fill="#FFFFFF", extra='opacity="0.4"'))
    write("gui", "under_table.png", doc)


def player_list():
    doc = Doc(420, 44)
    d = rrect(3, 4, 414, 36, 14)
    doc.add(glow(doc, d, "#FFD07A", std=2, op=0.7))
    doc.add(path(d, fill=doc.lin([(0, "#FFF4D6"), (1, "#FFE1A0")]), stroke="#E8A04A", sw=2))
    doc.add(path(rrect(9, 7, 402, 11, 5.5), fill="#FFFFFF", extra='opacity="0.55"'))
    write("gui", "players_stroke.png", doc)

    # opaque (JPEG): paper card on the window's own paper colour
    doc = Doc(400, 400)
    doc.add('<rect width="400" height="400" fill="%s"/>' % PAPER)
    card = rrect(6, 6, 388, 388, 18)
    doc.add(shadow(doc, card, dy=2, std=2.5, op=0.18))
    doc.add(path(card, fill=PAPER_SHADE, stroke="#D9B47E", sw=2))
    c = doc.clip('<path d="%s"/>' % card)
    doc.add('<g clip-path="%s">%s</g>' % (c, path(rrect(20, 20, 360, 360, 20), fill="#FFFDF6",
                                                   extra='filter="%s"' % doc.blur(10))))
    doc.add(path(rrect(11, 11, 378, 378, 14), stroke="#E9CFA0", sw=1, extra='stroke-dasharray="4 4"'))
    write("gui", "Names_back.jpg", doc)

    doc = Doc(400, 60)
    d = rrect(2, 3, 396, 54, 12)
    doc.add(path(d, fill="#FFFFFF", stroke=WOOD_M, sw=2.5))
    c = doc.clip('<path d="%s"/>' % d)
    doc.add('<g clip-path="%s">%s</g>' % (c, path(rrect(-10, -10, 420, 17, 6), fill="#6B3F1A",
                                                   extra='opacity="0.2" filter="%s"' % doc.blur(3))))
    doc.add(path(rrect(5, 6, 390, 48, 9.5), stroke="#F3E6C8", sw=1.5))
    write("gui", "edit_name_box.png", doc)


def rotation_plate():
    # The label's text is centred 8 px below the plate's top and starts a little left of it,
    # so the plate has no dark edge there: a soft paper tag with an arrow down to the box.
    doc = Doc(240, 60)
    tag = ("M6,6 H206 C214,6 218,10 218,18 V30 C218,38 214,40 206,40 H6 C2,40 0,38 0,34 V12 C0,8 2,6 6,6 Z")
    doc.add(path(tag, fill=doc.lin([(0, "#FFFFFF"), (1, "#FBEFD6")]), extra='opacity="0.92"'))
    doc.add(path("M6,40 H206", stroke=WOOD_L, sw=1.5, extra='stroke-dasharray="5 4"'))
    # a little turning piece
    pc = piece(174, 10, 18, (1, 1, -1, 1))
    doc.add(shadow(doc, pc, dy=1.5, std=1.2, op=0.25))
    doc.add('<g transform="rotate(18 183 19)">%s</g>' % path(pc, fill=doc.lin([(0, "#FFD07A"), (1, "#E8842A")]),
                                                          stroke=INK, sw=1.5))
    arc = "M160,30 A24,16 0 0 0 204,8"
    doc.add(path(arc, stroke=SKY, sw=2.5))
    doc.add(path(poly([(198, 4), (208, 4), (205, 13)]), fill=SKY, stroke=SKY, sw=1.5))
    # arrow pointing at the box below the plate's corner
    doc.add(path("M222,28 C232,32 236,42 236,54", stroke=INK, sw=2, extra='stroke-dasharray="3 3"'))
    doc.add(path(poly([(231, 51), (236, 59), (240, 51)]), fill=INK))
    write("gui", "rotation_text.png", doc)


def result_table():
    # Captions at y 20 and 230, numbers at y 85 and 175: the whole card stays light.
    w, h = 480, 260
    doc = Doc(w, h)
    card = rrect(3, 2, w - 6, h - 6, 18)
    doc.add(shadow(doc, card, dy=2.5, std=2.5, op=0.22))
    doc.add(path(card, fill="#FFFDF6", stroke=WOOD_M, sw=3))
    c = doc.clip('<path d="%s"/>' % card)
    bands = (path(rrect(-4, -4, w + 8, 40, 4), fill="#FBEBC6") +
             path(rrect(-4, 212, w + 8, 60, 4), fill="#FBEBC6") +
             path("M0,36 H%d M0,212 H%d" % (w, w), stroke="#E8C690", sw=1.5))
    doc.add('<g clip-path="%s">%s</g>' % (c, bands))
    doc.add(path("M240,44 V124", stroke=WOOD_L, sw=2, extra='stroke-dasharray="2 5"'))
    doc.add(path("M24,132 H456", stroke=WOOD_L, sw=2, extra='stroke-dasharray="2 5"'))
    doc.add(path(card, stroke=WOOD_M, sw=3))
    doc.add(path(rrect(8, 7, w - 16, h - 16, 13), stroke="#F0D7A8", sw=1.2))
    # corner ornaments: tiny pieces and stars in the caption bands, clear of the texts
    doc.add(piece_art(doc, 20, 10, 16, (0, 1, -1, 0), rot=-8))
    doc.add(piece_art(doc, 442, 10, 16, (0, 0, -1, 1), "#9FD39D", GREEN, rot=8))
    doc.add(small_star(doc, 30, 232, 9))
    doc.add(small_star(doc, 450, 232, 9))
    write("gui", "complit_tablica.png", doc)


# ----------------------------------------------------------------------------------------------
# Icons and illustrations of the dialogs

def violin():
    doc = Doc(64, 72)
    g = ['<g transform="rotate(-28 32 38)">']
    body = ("M32,26 C22,26 20,32 23,37 C25,40 25,42 22,45 C16,51 18,66 32,66 C46,66 48,51 42,45 "
            "C39,42 39,40 41,37 C44,32 42,26 32,26 Z")
    g.append(shadow(doc, body, dy=2, std=1.8, op=0.3))
    g.append(path(body, fill=doc.rad([(0, "#E9A860"), (0.7, "#B8702E"), (1, "#7A4520")], 0.45, 0.4, 0.65),
                  stroke=WOOD_D, sw=1.8))
    g.append(path("M27,44 C25,47 25,50 27,52 M37,44 C39,47 39,50 37,52", stroke=WOOD_D, sw=1.6))
    g.append(path(rrect(30, 6, 4, 46, 2), fill="#4A3020"))
    g.append(path("M29,56 H35 V60 H29 Z", fill="#3A2A20"))
    g.append(path("M32,2 C36,2 37,6 34,8 L33,10 H31 Z", fill="#7A4520", stroke=WOOD_D, sw=1.2))
    g.append(path("M32,10 V57", stroke="#F6E6C0", sw=0.9, extra='opacity="0.85"'))
    g.append(path("M26,31 C28,29 31,28 34,28", stroke="#FFFFFF", sw=1.5, extra='opacity="0.5"'))
    g.append("</g>")
    doc.add("".join(g))
    # bow
    doc.add(path("M6,62 L58,18", stroke=WOOD_D, sw=2.6))
    doc.add(path("M8,64 L60,20", stroke="#FFF1D0", sw=1))
    doc.add(path(circle(57, 17, 2.5), fill=INK))
    doc.add(path("M8,66 l4,-5 l3,3 z", fill=INK))
    write("gui", "violin.png", doc)


def piano():
    doc = Doc(64, 72)
    # a small grand piano with its lid up, seen from the keyboard side
    lid = "M10,30 L50,8 C54,7 56,10 54,13 L40,32 Z"
    body = "M6,32 H58 V46 C58,50 55,52 51,52 H13 C9,52 6,50 6,46 Z"
    doc.add(shadow(doc, body + " " + lid, dy=2.5, std=2, op=0.3))
    doc.add(path(lid, fill=doc.lin([(0, "#8A5526"), (1, WOOD_D)]), stroke="#3A2210", sw=1.6))
    doc.add(path("M22,30 L48,12", stroke="#FFFFFF", sw=1.2, extra='opacity="0.35"'))
    doc.add(path("M38,31 L46,16", stroke="#3A2210", sw=1.8))
    doc.add(path(body, fill=doc.lin([(0, "#9A5E2A"), (1, WOOD_D)]), stroke="#3A2210", sw=1.6))
    keys = rrect(9, 35, 46, 12, 2)
    doc.add(path(keys, fill="#FFFDF6", stroke="#3A2210", sw=1.2))
    for k in range(1, 8):
        doc.add(path("M%s,35 V47" % f(9 + k * 46 / 8.0), stroke="#B9B0A0", sw=0.8))
    for k in (1, 2, 4, 5, 6):
        x = 9 + k * 46 / 8.0
        doc.add(path(rrect(x - 2, 35, 4, 7, 1), fill="#2A2A2A"))
    for x in (12, 52):
        doc.add(path("M%d,52 L%d,66 L%d,66 L%d,52" % (x - 2, x - 2, x + 2, x + 2), fill="#3A2210"))
    doc.add(path("M30,52 L30,62 M27,62 H33", stroke="#3A2210", sw=2))
    # notes
    doc.add(path("M8,20 V8 L18,5 V17", stroke=INK, sw=1.8))
    doc.add(path(circle(6.5, 20, 3), fill=INK))
    doc.add(path(circle(16.5, 17, 3), fill=INK))
    write("gui", "fortepiano.png", doc)


def gear_path(cx, cy, ro, ri, n=10):
    pts = []
    for k in range(n):
        a0 = 2 * math.pi * k / n
        w = math.pi / n
        for a, r in ((a0 - w * 0.55, ri), (a0 - w * 0.35, ro), (a0 + w * 0.35, ro), (a0 + w * 0.55, ri)):
            pts.append((cx + r * math.cos(a), cy + r * math.sin(a)))
    return poly(pts)


def gear():
    doc = Doc(72, 72)
    cx, cy = 36, 35
    g = gear_path(cx, cy, 31, 24, 10)
    hole = piece(cx - 8, cy - 8, 16, (1, 1, 1, 1))
    doc.add(shadow(doc, g, dy=2.5, std=2, op=0.3))
    doc.add('<path d="%s %s" fill-rule="evenodd" fill="%s" stroke="#9A5418" stroke-width="2" '
            'stroke-linejoin="round"/>' % (g, hole, doc.lin([(0, "#FFD07A"), (1, "#E8842A")], 0, 0, 0.4, 1)))
    doc.add(path(circle(cx, cy, 19), stroke="#FFFFFF", sw=1.5, extra='opacity="0.5"'))
    doc.add(path("M%s,%s A26,26 0 0 1 %s,%s" % (f(cx - 22), f(cy - 10), f(cx + 4), f(cy - 25)),
                 stroke="#FFFFFF", sw=2.5, extra='opacity="0.45"'))
    write("gui", "gear.png", doc)


def magnifier():
    doc = Doc(80, 80)
    cx, cy, r = 32, 32, 22
    handle = "M47,49 L70,72 C72,74 75,74 77,72 C79,70 79,67 77,65 L54,42 Z"
    doc.add(shadow(doc, handle + " " + circle(cx, cy, r + 5), dy=2.5, std=2, op=0.3))
    doc.add(path(handle, fill=doc.lin([(0, WOOD_L), (1, WOOD_D)], 0, 0, 1, 1), stroke=WOOD_D, sw=1.8))
    doc.add(path("M55,52 L70,67", stroke="#F2CC96", sw=1.5, extra='opacity="0.7"'))
    doc.add(path(circle(cx, cy, r + 4), fill=doc.lin([(0, "#FFE07A"), (1, "#C88A1E")]), stroke="#8A5A10", sw=1.8))
    lens = circle(cx, cy, r)
    doc.add(path(lens, fill=doc.rad([(0, "#F4FBFF"), (1, "#BFE2F7")]), stroke="#8A5A10", sw=1.2))
    c = doc.clip('<path d="%s"/>' % lens)
    pc = piece(cx - 11, cy - 9, 22, (1, 1, -1, 1))
    doc.add('<g clip-path="%s">%s</g>' % (c, path(pc, fill=doc.lin([(0, "#9FD39D"), (1, GREEN)]), stroke=INK, sw=1.8)))
    doc.add(path("M%s,%s A18,18 0 0 1 %s,%s" % (f(cx - 15), f(cy - 4), f(cx - 2), f(cy - 16)),
                 stroke="#FFFFFF", sw=3, extra='opacity="0.75"'))
    write("gui", "zoom.png", doc)


def mouse_art(doc, cx, top, w, h, lit):
    """A friendly computer mouse; lit = 'left' or 'right' button glowing orange."""
    x0, x1 = cx - w / 2.0, cx + w / 2.0
    body = ("M%s,%s C%s,%s %s,%s %s,%s C%s,%s %s,%s %s,%s C%s,%s %s,%s %s,%s C%s,%s %s,%s %s,%s Z" % (
        f(cx), f(top), f(x1 - w * 0.08), f(top), f(x1), f(top + h * 0.18), f(x1), f(top + h * 0.42),
        f(x1), f(top + h * 0.85), f(x1 - w * 0.22), f(top + h), f(cx), f(top + h),
        f(x0 + w * 0.22), f(top + h), f(x0), f(top + h * 0.85), f(x0), f(top + h * 0.42),
        f(x0), f(top + h * 0.18), f(x0 + w * 0.08), f(top), f(cx), f(top)))
    split = top + h * 0.42
    out = [shadow(doc, body, dy=3, std=2.5, op=0.3)]
    out.append(path(body, fill=doc.lin([(0, "#FFFFFF"), (1, "#E9E2D2")], 0, 0, 1, 1), stroke=INK, sw=2.2))
    c = doc.clip('<path d="%s"/>' % body)
    side = ("M%s,%s H%s V%s H%s Z" % (f(x0 - 2), f(top - 2), f(cx), f(split), f(x0 - 2)) if lit == "left"
            else "M%s,%s H%s V%s H%s Z" % (f(cx), f(top - 2), f(x1 + 2), f(split), f(cx)))
    out.append('<g clip-path="%s">%s</g>' % (c, path(side, fill=doc.lin([(0, "#FFD07A"), (1, "#F39A3C")]))))
    out.append(path(body, stroke=INK, sw=2.2))
    out.append(path("M%s,%s H%s M%s,%s V%s" % (f(x0 + 1), f(split), f(x1 - 1), f(cx), f(top), f(split)),
                    stroke=INK, sw=2))
    out.append(path(rrect(cx - 3, top + h * 0.12, 6, h * 0.16, 3), fill="#FFFFFF", stroke=INK, sw=1.5))
    out.append(path("M%s,%s C%s,%s %s,%s %s,%s" % (f(x0 + w * 0.2), f(top + h * 0.62), f(x0 + w * 0.18),
                                                   f(top + h * 0.8), f(x0 + w * 0.3), f(top + h * 0.9), f(x0 + w * 0.4), f(top + h * 0.92)),
                    stroke="#FFFFFF", sw=2.5, extra='opacity="0.8"'))
    return "".join(out)


def piece_art(doc, x, y, s, tabs, c1="#FFD07A", c2="#E8842A", rot=0, op=1.0):
    d = piece(x, y, s, tabs)
    cx, cy = x + s / 2.0, y + s / 2.0
    g = '<g transform="rotate(%s %s %s)" opacity="%s">' % (f(rot), f(cx), f(cy), f(op))
    g += shadow(doc, d, dy=2, std=1.6, op=0.28)
    g += path(d, fill=doc.lin([(0, c1), (1, c2)]), stroke=INK, sw=1.8)
    g += path("M%s,%s Q%s,%s %s,%s" % (f(x + s * 0.15), f(y + s * 0.3), f(x + s * 0.2), f(y + s * 0.12),
                                       f(x + s * 0.42), f(y + s * 0.1)), stroke="#FFFFFF", sw=1.6, extra='opacity="0.6"')
    return g + "</g>"


def arrow_head(x, y, ang, size=7):
    a = math.radians(ang)
    p1 = (x + size * math.cos(a + 2.6), y + size * math.sin(a + 2.6))
    p2 = (x + size * math.cos(a - 2.6), y + size * math.sin(a - 2.6))
    return poly([(x, y), p1, p2])


def faq_mouse_rotate():
    doc = Doc(150, 170)
    # a piece turning above the mouse, its right button lit
    doc.add(piece_art(doc, 56, 30, 32, (1, 1, -1, 1), rot=-20))
    ecx, ecy, erx, ery = 72, 48, 46, 32

    def ept(deg):
        return ecx + erx * math.cos(math.radians(deg)), ecy + ery * math.sin(math.radians(deg))
    for a0, a1 in ((205, 325), (25, 145)):
        p0, p1 = ept(a0), ept(a1)
        doc.add(path("M%s,%s A%s,%s 0 0 1 %s,%s" % (f(p0[0]), f(p0[1]), f(erx), f(ery), f(p1[0]), f(p1[1])),
                     stroke=SKY, sw=4))
        tx, ty = -math.sin(math.radians(a1)) * erx, math.cos(math.radians(a1)) * ery
        doc.add(path(arrow_head(p1[0] + tx * 0.08, p1[1] + ty * 0.08, math.degrees(math.atan2(ty, tx)), 10),
                     fill=SKY, stroke=SKY, sw=2))
    doc.add(path("M75,92 C75,82 86,80 92,72", stroke=INK, sw=2.2))
    doc.add(mouse_art(doc, 75, 90, 68, 76, "right"))
    write("gui", "windows_FAQ_fon2.png", doc)


def faq_mouse_drag():
    doc = Doc(150, 170)
    # the left button carries a piece from its old place (faint) to a new one
    doc.add(piece_art(doc, 10, 26, 30, (1, 1, -1, 1), "#D8E8F5", "#A8C8E4", op=0.55))
    doc.add(path("M44,34 C66,12 92,14 104,28", stroke=INK, sw=2.2, extra='stroke-dasharray="4 5"'))
    doc.add(path(arrow_head(106, 31, 55, 8), fill=INK))
    doc.add(piece_art(doc, 100, 36, 32, (1, 1, -1, 1), "#9FD39D", GREEN, rot=8))
    doc.add(path("M75,92 C75,80 64,78 56,68", stroke=INK, sw=2.2))
    doc.add(mouse_art(doc, 75, 90, 68, 76, "left"))
    write("gui", "windows_FAQ_fon3.png", doc)


def faq_pocket():
    doc = Doc(150, 170)
    # a little screen: the pocket sits in its top left corner, a piece goes in
    scr = rrect(5, 8, 140, 110, 10)
    doc.add(shadow(doc, scr, dy=3, std=2.5, op=0.3))
    doc.add(path(scr, fill="#3A3F4A", stroke=INK, sw=2))
    tbl = rrect(12, 15, 126, 96, 5)
    doc.add(path(tbl, fill=doc.lin([(0, TEAL_L), (1, TEAL_D)])))
    c = doc.clip('<path d="%s"/>' % tbl)
    weave = "".join('<path d="M%d,15 L%d,111" stroke="#FFFFFF" stroke-width="1" opacity="0.07"/>' % (x, x - 40)
                    for x in range(20, 190, 8))
    doc.add('<g clip-path="%s">%s' % (c, weave))
    pocket = rrect(6, 9, 62, 48, 8)
    doc.add(shadow(doc, pocket, dy=2.5, std=2, op=0.35))
    doc.add(path(pocket, fill=doc.lin([(0, WOOD_L), (1, WOOD_M)]), stroke=WOOD_D, sw=1.8))
    doc.add(path(rrect(12, 15, 50, 36, 5), fill=PAPER, stroke=WOOD_D, sw=1.2))
    doc.add(piece_art(doc, 17, 23, 14, (1, 1, -1, 0), "#FFD07A", "#E8842A", rot=-10))
    doc.add(piece_art(doc, 38, 26, 14, (0, 1, 1, -1), "#9FD39D", GREEN, rot=12))
    doc.add("</g>")
    doc.add(piece_art(doc, 96, 72, 22, (1, 1, -1, 1), "#A9D6F5", SKY, rot=-8))
    doc.add(path("M96,76 C86,60 80,54 70,46", stroke="#FFFFFF", sw=2.4, extra='stroke-dasharray="4 4"'))
    doc.add(path(arrow_head(66, 43, 215, 8), fill="#FFFFFF"))
    doc.add(path(scr, stroke=INK, sw=2))
    # stand
    doc.add(path("M62,118 L56,146 H94 L88,118 Z", fill=doc.lin([(0, WOOD_L), (1, WOOD_M)]), stroke=WOOD_D, sw=1.8))
    stand = rrect(36, 144, 78, 12, 6)
    doc.add(shadow(doc, stand, dy=2, std=2, op=0.3))
    doc.add(path(stand, fill=doc.lin([(0, WOOD_L), (1, WOOD_M)]), stroke=WOOD_D, sw=1.8))
    write("gui", "windows_FAQ_fon1.png", doc)


def monitor_art(doc, x, y, w, h):
    scr = rrect(x, y, w, h, 12)
    out = [shadow(doc, scr, dy=3, std=3, op=0.3)]
    out.append(path(scr, fill=doc.lin([(0, WOOD_L), (1, WOOD_M)]), stroke=WOOD_D, sw=2))
    inner = rrect(x + 10, y + 10, w - 20, h - 20, 5)
    out.append(path(inner, fill=doc.lin([(0, TEAL_L), (1, TEAL_D)])))
    return "".join(out), inner


def select_fon():
    doc = Doc(240, 220)
    art, inner = monitor_art(doc, 14, 14, 212, 150)
    doc.add(path("M104,164 L96,196 H144 L136,164 Z", fill=doc.lin([(0, WOOD_L), (1, WOOD_M)]), stroke=WOOD_D, sw=2))
    base = rrect(66, 192, 108, 16, 8)
    doc.add(shadow(doc, base, dy=2, std=2, op=0.3))
    doc.add(path(base, fill=doc.lin([(0, WOOD_L), (1, WOOD_M)]), stroke=WOOD_D, sw=2))
    doc.add(art)
    c = doc.clip('<path d="%s"/>' % inner)
    scene = [path(rrect(24, 24, 192, 130, 5), fill=doc.lin([(0, "#CDEBFA"), (1, "#8FCBEF")]))]
    scene.append(path(circle(176, 52, 14), fill=SUN))
    scene.append(path("M24,120 C60,92 90,96 120,112 C150,92 186,90 216,104 V154 H24 Z",
                      fill=doc.lin([(0, "#8CCB7E"), (1, GREEN)])))
    scene.append(path("M24,136 C70,118 120,124 216,132 V154 H24 Z", fill="#4E9A4C"))
    doc.add('<g clip-path="%s">%s</g>' % (c, "".join(scene)))
    # piece grid over the picture
    grid = []
    for gx in (72, 120, 168):
        grid.append("M%d,24 V154" % gx)
    for gy in (67, 110):
        grid.append("M24,%d H216" % gy)
    doc.add('<g clip-path="%s">%s</g>' % (c, path(" ".join(grid), stroke="#FFFFFF", sw=1.5,
                                                   extra='opacity="0.6" stroke-dasharray="6 4"')))
    # stretch arrows on the corners
    for (x1, y1, x2, y2) in ((60, 64, 34, 38), (180, 116, 206, 142)):
        ang = math.degrees(math.atan2(y2 - y1, x2 - x1))
        d = "M%d,%d L%d,%d" % (x1, y1, x2, y2)
        doc.add(inked(d, "#FFFFFF", INK, 7, 3.5))
        doc.add(path(arrow_head(x2, y2, ang, 10), fill="#FFFFFF", stroke=INK, sw=1.8))
    doc.add(path(inner, stroke=WOOD_D, sw=1.5))
    write("gui", "select_fon.png", doc)


def exit_question():
    doc = Doc(180, 180)
    # an open door with warm light beyond, an arrow stepping out
    frame = rrect(36, 16, 92, 150, 8)
    doc.add(shadow(doc, frame, dy=3, std=3, op=0.3))
    doc.add(path(frame, fill=doc.lin([(0, WOOD_M), (1, WOOD_D)]), stroke="#4A2A10", sw=2))
    opening = rrect(46, 26, 72, 140, 4)
    doc.add(path(opening, fill=doc.rad([(0, "#FFFBE6"), (0.6, "#FFE9A8"), (1, SUN)], 0.5, 0.6, 0.7)))
    c = doc.clip('<path d="%s"/>' % opening)
    doc.add('<g clip-path="%s">%s</g>' % (c, path("M46,130 C70,118 96,122 118,128 V166 H46 Z", fill="#A6D99A")))
    door = "M118,26 L150,14 V178 L118,166 Z"
    doc.add(shadow(doc, door, dy=2, std=2, op=0.3, dx=-2))
    doc.add(path(door, fill=doc.lin([(0, WOOD_L), (1, WOOD_M)], 0, 0, 1, 0), stroke=WOOD_D, sw=2))
    doc.add(path("M124,42 L144,34 V86 L124,92 Z M124,108 L144,104 V152 L124,156 Z", fill="none",
                 stroke=WOOD_D, sw=1.5, extra='opacity="0.6"'))
    doc.add(path(circle(126, 98, 3.5), fill=SUN, stroke="#8A5A10", sw=1.2))
    doc.add(path("M30,166 H160", stroke=WOOD_D, sw=3))
    # arrow out through the door
    d = "M20,96 H92"
    doc.add(inked(d, "#FFFFFF", INK, 14, 8))
    doc.add(path(poly([(90, 80), (112, 96), (90, 112)]), fill="#FFFFFF", stroke=INK, sw=2.5))
    write("gui", "ExitQ.png", doc)


def save_question():
    doc = Doc(180, 180)
    # a puzzle box: the picture on its lid, pieces going in, a green arrow down
    box = "M24,92 H156 V160 C156,166 152,170 146,170 H34 C28,170 24,166 24,160 Z"
    doc.add(shadow(doc, box, dy=3, std=3, op=0.3))
    doc.add(path(box, fill=doc.lin([(0, "#F2B56A"), (1, WOOD_M)]), stroke=WOOD_D, sw=2))
    lbl = rrect(44, 112, 92, 44, 6)
    doc.add(path(lbl, fill=PAPER, stroke=WOOD_D, sw=1.5))
    c = doc.clip('<path d="%s"/>' % rrect(48, 116, 84, 36, 4))
    doc.add('<g clip-path="%s">%s%s%s</g>' % (
        c, path("M48,116 H132 V152 H48 Z", fill="#BFE2F7"),
        path(circle(116, 126, 6), fill=SUN),
        path("M48,146 C70,130 92,136 132,140 V152 H48 Z", fill=GREEN)))
    doc.add(path("M90,116 V152 M48,134 H132", stroke="#FFFFFF", sw=1.2, extra='stroke-dasharray="3 3" opacity="0.8"'))
    lid = "M14,76 H166 V90 C166,94 163,96 160,96 H20 C17,96 14,94 14,90 Z"
    doc.add('<g transform="rotate(-10 30 86)">%s%s</g>' % (
        shadow(doc, lid, dy=2, std=2, op=0.25),
        path(lid, fill=doc.lin([(0, "#F7C98A"), (1, "#C8843E")]), stroke=WOOD_D, sw=2)))
    doc.add(piece_art(doc, 104, 30, 26, (1, 1, -1, 1), "#A9D6F5", SKY, rot=18))
    doc.add(piece_art(doc, 132, 48, 20, (1, -1, 1, 1), "#FFD07A", "#E8842A", rot=-12))
    d = "M66,12 V56"
    doc.add(inked(d, "#9FD39D", INK, 16, 10))
    doc.add(path(poly([(48, 52), (66, 76), (84, 52)]), fill="#9FD39D", stroke=INK, sw=2.5))
    write("gui", "window_save_fon.png", doc)


def credits_art():
    w, h = 320, 440
    doc = Doc(w, h)
    card = rrect(6, 6, w - 12, h - 14, 22)
    doc.add(shadow(doc, card, dy=3, std=3, op=0.28))
    doc.add(path(card, fill=doc.lin([(0, "#CFEAFB"), (0.6, "#9FD0F0"), (1, SKY)]), stroke=WOOD_M, sw=4))
    c = doc.clip('<path d="%s"/>' % card)
    g = ['<g clip-path="%s">' % c]
    # warm lamp hanging from the top, its light falling on the table
    g.append(path("M160,0 V70", stroke=WOOD_D, sw=3))
    g.append(path("M40,440 L120,108 H200 L280,440 Z", fill="#FFF1B8", extra='opacity="0.55" filter="%s"' % doc.blur(6)))
    shade = "M122,108 C122,84 136,70 160,70 C184,70 198,84 198,108 Z"
    g.append(path(circle(160, 112, 16), fill="#FFF6C8", extra='filter="%s"' % doc.blur(5)))
    g.append(path(shade, fill=doc.lin([(0, "#FFB957"), (1, "#E8842A")]), stroke="#9A5418", sw=2.5))
    g.append(path("M132,94 C136,82 146,76 156,75", stroke="#FFFFFF", sw=3, extra='opacity="0.5"'))
    g.append(path(circle(160, 110, 8), fill="#FFFBE0", stroke="#F6C945", sw=2))
    # easel with a half assembled picture
    g.append(path("M110,170 L80,350 M210,170 L240,350 M160,160 V340", stroke=WOOD_D, sw=6))
    g.append(path("M110,170 L80,350 M210,170 L240,350 M160,160 V340", stroke=WOOD_L, sw=3))
    pic = rrect(88, 168, 144, 108, 6)
    g.append(shadow(doc, pic, dy=3, std=2.5, op=0.3))
    g.append(path(pic, fill="#FFFDF6", stroke=WOOD_D, sw=2.5))
    inner = rrect(96, 176, 128, 92, 3)
    ci = doc.clip('<path d="%s"/>' % inner)
    sc = [path("M96,176 H224 V268 H96 Z", fill=doc.lin([(0, "#FFE9A8"), (1, "#FFC98A")])),
          path(circle(190, 200, 12), fill=SUN),
          path("M96,250 C120,226 150,228 170,240 C190,228 210,230 224,238 V268 H96 Z", fill=GREEN),
          path("M96,258 C130,246 170,250 224,256 V268 H96 Z", fill="#4E9A4C")]
    g.append('<g clip-path="%s">%s</g>' % (ci, "".join(sc)))
    # a missing piece shows the paper; the piece waits beside it
    hole = piece(128, 206, 30, (1, 1, 1, -1))
    g.append(path(hole, fill="#FFFDF6", stroke=INK, sw=1.8, extra='stroke-dasharray="4 3"'))
    g.append(path("M96,206 H224 M96,236 H224 M128,176 V268 M158,176 V268 M190,176 V268", stroke="#FFFFFF",
                  sw=1, extra='opacity="0.45"'))
    g.append(path(inner, stroke=WOOD_D, sw=1.5))
    # table with palette, brush, pencil, pieces
    g.append(path("M0,352 H320 V440 H0 Z", fill=doc.lin([(0, WOOD_L), (1, WOOD_M)])))
    g.append(path("M0,352 H320", stroke=WOOD_D, sw=3))
    for k, yy in enumerate((372, 392, 414)):
        g.append(path("M0,%d C80,%d 160,%d 320,%d" % (yy, yy - 4, yy + 5, yy - 2), stroke=WOOD_M, sw=1.5,
                      extra='opacity="0.5"'))
    pal = ("M40,378 C40,362 66,354 88,358 C108,362 116,374 108,384 C102,390 92,384 88,392 "
           "C84,402 64,404 52,398 C44,394 40,388 40,378 Z")
    g.append(shadow(doc, pal, dy=2.5, std=2, op=0.3))
    g.append(path(pal, fill="#FFF1D0", stroke=WOOD_D, sw=2))
    for (px, py, col) in ((56, 370, BERRY), (72, 364, SUN), (90, 368, GREEN), (60, 386, SKY)):
        g.append(path(circle(px, py, 5.5), fill=col, stroke=INK, sw=1))
    g.append(path("M128,400 L178,368", stroke=INK, sw=6))
    g.append(path("M128,400 L178,368", stroke=BERRY, sw=4))
    g.append(path("M178,368 L190,360", stroke="#CFCFCF", sw=6))
    g.append(path("M188,361 L200,353", stroke=WOOD_D, sw=5))
    g.append(piece_art(doc, 214, 368, 30, (1, 1, -1, 1), "#FFD07A", "#E8842A", rot=-14))
    g.append(piece_art(doc, 262, 384, 26, (-1, 1, 1, 1), "#9FD39D", GREEN, rot=20))
    # stars on the blue
    for sx, sy, r in ((44, 60, 9), (270, 48, 11), (250, 130, 7), (60, 150, 7)):
        g.append(small_star(doc, sx, sy, r, "#FFFFFF"))
    g.append("</g>")
    doc.add("".join(g))
    doc.add(path(card, stroke=WOOD_M, sw=4))
    doc.add(path(rrect(12, 12, w - 24, h - 26, 17), stroke="#FFFFFF", sw=1.5, extra='opacity="0.6"'))
    write("gui", "avtor_fon.png", doc)

# ----------------------------------------------------------------------------------------------
# Trophies: 92 x 92. The rank shows in the material (1 bronze, 2 silver, 3 gold, 4 gold with a
# gem, 5 gold with gems and laurels, 6 crystal with rays) and in the motif growing.

T = 92
MATERIALS = {
    "bronze": (("#F8D2A2", "#D08A48", "#97592A"), "#6B3A16", "#FFE6C8"),
    "silver": (("#FFFFFF", "#D3DAE2", "#97A3B0"), "#56616E", "#FFFFFF"),
    "gold": (("#FFF4B0", "#F6C945", "#D68E1A"), "#875710", "#FFFCE6"),
    "crystal": (("#FFFFFF", "#DDF3FD", "#94CBEC"), "#3B73A5", "#FFFFFF"),
}
GEMS = {
    "ruby": ("#FF9A92", BERRY, "#8E2420"),
    "sapphire": ("#BFE4FF", SKY, "#2A5FA0"),
    "emerald": ("#B6EBA8", GREEN, "#2E6B2E"),
}


def material_of(level):
    return {1: "bronze", 2: "silver", 6: "crystal"}.get(level, "gold")


class Mat:
    def __init__(self, doc, name):
        (self.c1, self.c2, self.c3), self.ink, self.shine = MATERIALS[name]
        self.name = name
        self.doc = doc

    def fill(self, diag=True):
        if diag:
            return self.doc.lin([(0, self.c1), (0.55, self.c2), (1, self.c3)], 0.2, 0, 0.8, 1)
        return self.doc.lin([(0, self.c1), (0.5, self.c2), (1, self.c3)])

    def soft(self):
        return self.doc.lin([(0, self.c1), (1, self.c2)], 0, 0, 0.6, 1)


def gem(doc, cx, cy, r, kind="ruby"):
    hi, mid, dk = GEMS[kind]
    pts = [(cx + r * math.cos(math.radians(a)), cy + r * math.sin(math.radians(a))) for a in range(-90, 270, 45)]
    d = poly(pts)
    table = poly([(cx + r * 0.5 * math.cos(math.radians(a)), cy + r * 0.5 * math.sin(math.radians(a)))
                  for a in range(-90, 270, 45)])
    return (path(d, fill=doc.rad([(0, hi), (0.55, mid), (1, dk)], 0.4, 0.35, 0.7), stroke=dk, sw=1) +
            path(table, fill=hi, extra='opacity="0.55"') +
            path(circle(cx - r * 0.3, cy - r * 0.35, r * 0.22), fill="#FFFFFF", extra='opacity="0.9"'))


def laurels(doc, cx=46, cy=50, rad=38, a0=100, a1=228, n=7):
    """Two green laurel branches rising from the bottom around the motif."""
    out = []
    leaf = doc.lin([(0, "#9FDC8C"), (1, "#3E8E3C")])
    for side in (-1, 1):
        pts = []
        for k in range(n + 1):
            a = math.radians(a0 + (a1 - a0) * k / n)
            pts.append((cx + side * abs(rad * math.cos(a)), cy + rad * math.sin(a)))
        out.append(path("M" + " L".join("%s,%s" % (f(x), f(y)) for x, y in pts), stroke="#2E6B2E", sw=1.6))
        for k in range(1, n + 1):
            a = a0 + (a1 - a0) * k / n
            x, y = pts[k]
            tang = a + 90
            for off in (-38, 38):
                ang = (tang + off) if side > 0 else (180 - tang - off)
                lx = x + 4.5 * math.cos(math.radians(ang))
                ly = y + 4.5 * math.sin(math.radians(ang))
                out.append('<ellipse cx="%s" cy="%s" rx="5" ry="2.3" transform="rotate(%s %s %s)" fill="%s" '
                           'stroke="#2E6B2E" stroke-width="0.8"/>' % (f(lx), f(ly), f(ang), f(lx), f(ly), leaf))
    return "".join(out)


def rays(doc, cx=46, cy=44, n=16, r=46):
    g = doc.rad([(0, "#FFF7C2", 0.95), (0.45, "#FFE37A", 0.7), (1, SUN, 0)], cx, cy, r, user=True)
    out = [path(circle(cx, cy, 30), fill=doc.rad([(0, "#FFFBE0", 0.9), (1, "#FFF3B0", 0)]), extra='')]
    tri = []
    for k in range(n):
        a = 2 * math.pi * k / n
        w = math.radians(5.5 if k % 2 == 0 else 3.5)
        rr = r if k % 2 == 0 else r * 0.8
        tri.append(poly([(cx, cy), (cx + rr * math.cos(a - w), cy + rr * math.sin(a - w)),
                         (cx + rr * math.cos(a + w), cy + rr * math.sin(a + w))]))
    out.append(path(" ".join(tri), fill=g))
    return "".join(out)


def plinth(m, x0=20, x1=72, y0=80, y1=89):
    d = "M%s,%s H%s L%s,%s C%s,%s %s,%s %s,%s H%s C%s,%s %s,%s %s,%s Z" % (
        f(x0 + 3), f(y0), f(x1 - 3), f(x1), f(y1 - 3), f(x1 + 0.5), f(y1 - 1), f(x1 - 1), f(y1), f(x1 - 3), f(y1),
        f(x0 + 3), f(x0 + 1), f(y1), f(x0 - 0.5), f(y1 - 1), f(x0), f(y1 - 3))
    return (path(d, fill=m.fill(False), stroke=m.ink, sw=1.5) +
            path("M%s,%s H%s" % (f(x0 + 4), f(y0 + 1.8), f(x1 - 4)), stroke=m.shine, sw=1.2, extra='opacity="0.8"'))


def shine_stroke(m, d, w=1.5, op=0.8):
    return path(d, stroke=m.shine, sw=w, extra='opacity="%s"' % f(op))


def mat_piece(m, x, y, s, tabs, rot=0, alt=False):
    d = piece(x, y, s, tabs)
    cx, cy = x + s / 2.0, y + s / 2.0
    fill = m.soft() if alt else m.fill()
    body = path(d, fill=fill, stroke=m.ink, sw=1.4)
    hl = shine_stroke(m, "M%s,%s Q%s,%s %s,%s" % (f(x + s * 0.16), f(y + s * 0.34), f(x + s * 0.2), f(y + s * 0.14),
                                                  f(x + s * 0.42), f(y + s * 0.12)), 1.4)
    if rot:
        return '<g transform="rotate(%s %s %s)">%s%s</g>' % (f(rot), f(cx), f(cy), body, hl)
    return body + hl


def trophy(member, level, motif, extras=None):
    """Lays out one trophy: rays and laurels behind, the motif with its soft shadow, gems on top."""
    doc = Doc(T, T)
    doc.add('<g transform="translate(0,-2.5)">')  # room below for the shadow
    m = Mat(doc, material_of(level) if extras is None else extras.get("material", material_of(level)))
    ex = extras or {}
    show_rays = ex.get("rays", level >= 6)
    show_laurels = ex.get("laurels", level >= 5)
    gems_n = ex.get("gems", 0 if level < 4 else (1 if level == 4 else 3))
    if show_rays:
        doc.add(rays(doc))
    if show_laurels:
        doc.add(laurels(doc))
    art, anchors = motif(doc, m, level)
    gid = doc.uid("m")
    doc.defs.append('<g id="%s">%s</g>' % (gid, art))
    sid = doc.uid("s")
    doc.defs.append('<filter id="%s" x="-20%%" y="-20%%" width="140%%" height="140%%">'
                    '<feGaussianBlur in="SourceAlpha" stdDeviation="2"/></filter>' % sid)
    doc.add('<use xlink:href="#%s" filter="url(#%s)" opacity="0.3" transform="translate(0,2.5)"/>' % (gid, sid))
    doc.add('<use xlink:href="#%s"/>' % gid)
    if gems_n == 1:
        cx, cy, r = anchors[0]
        doc.add(gem(doc, cx, cy, r * 1.35, "ruby"))
    elif gems_n >= 3:
        for k, a in enumerate(anchors[:3]):
            cx, cy, r = a
            doc.add(gem(doc, cx, cy, r * 1.15, ("ruby", "sapphire", "emerald")[k]))
    doc.add("</g>")
    write("trofei", member, doc)


# --- the seven motifs; each returns (svg, gem anchors) --------------------------------------

def m_collector(doc, m, level):
    rows = {1: [1], 2: [2], 3: [2, 1], 4: [3, 2], 5: [3, 2, 1]}[level]
    s = {1: 36, 2: 28, 3: 27, 4: 21, 5: 19}[level]
    out = [plinth(m)]
    base = 80
    for k, n in enumerate(rows):
        y = base - (k + 1) * s
        x0 = 46 - n * s / 2.0
        for i in range(n):
            left = 1 if i == 0 else -1
            right = 1
            top = 1 if k == len(rows) - 1 else 0
            out.append(mat_piece(m, x0 + i * s, y, s, (top, right if i < n - 1 else 1, 0, left),
                                 alt=(i + k) % 2 == 1))
    return "".join(out), [(46, 84.5, 3.6), (32, 84.5, 3.2), (60, 84.5, 3.2)]


def crown(m, cx, base, w, h):
    x0, x1 = cx - w / 2.0, cx + w / 2.0
    top = base - h
    d = ("M%s,%s L%s,%s L%s,%s L%s,%s L%s,%s L%s,%s L%s,%s Z" % (
        f(x0), f(base), f(x0 - w * 0.04), f(top + h * 0.15), f(cx - w * 0.24), f(top + h * 0.55), f(cx), f(top),
        f(cx + w * 0.24), f(top + h * 0.55), f(x1 + w * 0.04), f(top + h * 0.15), f(x1), f(base)))
    out = [path(d, fill=m.fill(), stroke=m.ink, sw=1.4)]
    out.append(path(rrect(x0 - 1, base - h * 0.22, w + 2, h * 0.26, 2), fill=m.fill(False), stroke=m.ink, sw=1.2))
    for px, py in ((x0 - w * 0.04, top + h * 0.15), (cx, top), (x1 + w * 0.04, top + h * 0.15)):
        out.append(path(circle(px, py, max(1.6, w * 0.07)), fill=m.shine, stroke=m.ink, sw=1))
    return "".join(out)


def m_master(doc, m, level):
    out = []
    # ribbon tails behind the piece
    for side, col in ((-1, SKY), (1, BERRY)):
        tail = poly([(46 + side * 2, 58), (46 + side * 16, 56), (46 + side * 24, 89), (46 + side * 17, 83),
                     (46 + side * 9, 90)])
        out.append(path(tail, fill=col, stroke=INK, sw=1.3))
    s = 38 if level < 3 else 40
    y = 30 if level == 1 else 34
    x = 46 - s / 2.0
    d = piece(x, y, s, (1, 1, 1, 1))
    out.append(path(d, fill=m.fill(), stroke=m.ink, sw=1.6))
    out.append(path(star(46, y + s / 2.0 + 1, s * 0.26, s * 0.11), fill=m.shine, stroke=m.ink, sw=1.1,
                    extra='opacity="0.95"'))
    out.append(shine_stroke(m, "M%s,%s Q%s,%s %s,%s" % (f(x + 5), f(y + 12), f(x + 6), f(y + 5), f(x + 13), f(y + 4)), 2))
    anchors = [(46, 21, 3.2)]
    if level == 2:
        out.append(crown(m, 46, y + 4, 24, 16))
    if level >= 3:
        out.append(crown(m, 46, y + 4, 34, 24))
        out.append(gem(doc, 46, y - 2.5, 3.3, "ruby"))
        out.append(gem(doc, 36.5, y - 0.5, 2.4, "sapphire"))
        out.append(gem(doc, 55.5, y - 0.5, 2.4, "emerald"))
    return "".join(out), anchors


def knob_edge(p0, p1, t):
    # a seam across the mountain: its knobs a little shallower than a piece's
    return " ".join(["M%s,%s" % (f(p0[0]), f(p0[1]))] + knob_cmds(p0, p1, t, 0.8))


def m_endurance(doc, m, level):
    peak = {1: 46, 2: 37, 3: 29, 4: 21}[level]
    base = 81
    hgt = base - peak
    side_peak = peak + hgt * 0.38
    valley = peak + hgt * 0.52
    d = ("M10,%s C12,%s 14,%s 16,%s L40,%s C42,%s 44,%s 46,%s L55,%s L63,%s C64,%s 66,%s 67,%s L82,%s "
         "C83,%s 84,%s 84,%s Z" % (
             f(base), f(base - 3), f(base - 6), f(base - 8), f(peak + 2), f(peak - 0.5), f(peak - 0.5), f(peak + 2),
             f(valley), f(side_peak + 1), f(side_peak - 0.5), f(side_peak - 0.5), f(side_peak + 1.5),
             f(base - 6), f(base - 4), f(base - 2), f(base)))
    out = [path(d, fill=m.fill(), stroke=m.ink, sw=1.6)]
    clip = doc.clip('<path d="%s"/>' % d)
    seams = []
    ym = peak + hgt * 0.62
    seams.append(knob_edge((0, ym), (46, ym), -1) + " L92,%s" % f(ym))
    seams.append(knob_edge((46, ym), (46, base), 1))
    if level >= 3:
        y2 = peak + hgt * 0.32
        seams.append(knob_edge((20, y2), (70, y2), 1))
    out.append('<g clip-path="%s">%s%s</g>' % (
        clip, path(" ".join(seams), stroke=m.ink, sw=1.2, extra='opacity="0.7"'),
        path("M%s,%s L%s,%s" % (f(38), f(peak + 6), f(22), f(peak + hgt * 0.55)), stroke=m.shine, sw=2,
             extra='opacity="0.8"')))
    # snow on the top from the gold levels on
    if level >= 3:
        snow = "M%s,%s L%s,%s C%s,%s %s,%s %s,%s L%s,%s L%s,%s L%s,%s Z" % (
            f(35.5), f(peak + 9), f(40), f(peak + 2), f(42), f(peak - 0.5), f(44), f(peak - 0.5), f(46), f(peak + 2),
            f(50.5), f(peak + 9), f(45), f(peak + 6.5), f(41), f(peak + 10))
        out.append(path(snow, fill="#FFFFFF", stroke=m.ink, sw=1))
    # flag on the summit
    out.append(path("M43,%s V%s" % (f(peak), f(peak - 16)), stroke=INK, sw=1.8))
    out.append(path("M43.5,%s L%s,%s L43.5,%s Z" % (f(peak - 16), f(58), f(peak - 12), f(peak - 8)), fill=BERRY,
                    stroke=INK, sw=1.2))
    out.append(plinth(m, 8, 86, base, base + 8))
    return "".join(out), [(46, base + 4, 3.4), (30, base + 4, 3), (62, base + 4, 3)]


def petal(cx, by, length, width, ang):
    d = ("M%s,%s C%s,%s %s,%s %s,%s C%s,%s %s,%s %s,%s Z" % (
        f(cx), f(by), f(cx - width), f(by - length * 0.35), f(cx - width * 0.55), f(by - length * 0.85), f(cx),
        f(by - length), f(cx + width * 0.55), f(by - length * 0.85), f(cx + width), f(by - length * 0.35), f(cx), f(by)))
    return '<path d="%s" transform="rotate(%s %s %s)"' % (d, f(ang), f(cx), f(by))


def m_meditation(doc, m, level):
    n = {1: 3, 2: 5, 3: 7, 4: 9}[level]
    length = {1: 40, 2: 42, 3: 44, 4: 45}[level]
    out = []
    # water and a lily pad
    out.append(path("M8,84 Q27,79 46,84 T84,84", stroke=SKY, sw=2.2))
    out.append(path("M18,88 Q32,84.5 46,88 T74,88", stroke=SKY, sw=1.8, extra='opacity="0.8"'))
    out.append('<ellipse cx="46" cy="78" rx="32" ry="6.5" fill="%s" stroke="#2E6B2E" stroke-width="1.3"/>'
               % doc.lin([(0, "#9FDC8C"), (1, "#3E8E3C")]))
    by = 77
    spread = {3: 40, 5: 62, 7: 72, 9: 80}[n]
    angs = [(-spread + 2 * spread * k / (n - 1)) for k in range(n)]
    angs.sort(key=lambda a: -abs(a))
    for a in angs:
        ln = length * (1 - abs(a) / 230.0)
        fill = m.fill() if abs(a) < spread * 0.6 else m.soft()
        out.append(petal(46, by, ln, 11 + (1.5 if level >= 3 else 0), a) +
                   ' fill="%s" stroke="%s" stroke-width="1.3"/>' % (fill, m.ink))
        out.append('<path d="M46,%s V%s" transform="rotate(%s 46 %s)" stroke="%s" stroke-width="1" '
                   'opacity="0.55"/>' % (f(by - 5), f(by - ln * 0.72), f(a), f(by), m.ink))
    # a calm clock resting in the flower, ten past ten
    cy = by - 25
    r = 10.5
    out.append(path(circle(46, cy, r + 2.5), fill=m.fill(False), stroke=m.ink, sw=1.4))
    out.append(path(circle(46, cy, r), fill="#FFFDF6", stroke=m.ink, sw=1))
    for k in range(12):
        a = math.radians(k * 30)
        r0 = r - (3 if k % 3 == 0 else 1.7)
        out.append(path("M%s,%s L%s,%s" % (f(46 + r0 * math.cos(a)), f(cy + r0 * math.sin(a)),
                                           f(46 + (r - 0.8) * math.cos(a)), f(cy + (r - 0.8) * math.sin(a))),
                        stroke=INK, sw=1.3 if k % 3 == 0 else 0.8))
    out.append(path("M46,%s L%s,%s M46,%s L%s,%s" % (f(cy), f(46 - r * 0.45), f(cy - r * 0.3), f(cy),
                                                     f(46 + r * 0.55), f(cy - r * 0.45)), stroke=INK, sw=1.8))
    out.append(path(circle(46, cy, 1.5), fill=INK))
    return "".join(out), [(46, cy + r + 6.5, 3.4)]


def m_inconstancy(doc, m, level):
    out = []
    if level >= 3:
        hops = [((13, 20), (30, 30), 10, -20), ((79, 16), (62, 28), 10, 25)]
        if level >= 4:
            hops.append(((80, 76), (64, 66), 9, 10))
        for (hx, hy), (tx, ty), s, rot in hops:
            out.append(path("M%s,%s Q%s,%s %s,%s" % (f(tx), f(ty), f((hx + tx) / 2.0), f(min(hy, ty) - 12), f(hx), f(hy)),
                            stroke=m.ink, sw=1.2, extra='stroke-dasharray="2 3" opacity="0.8"'))
            out.append(mat_piece(m, hx - s / 2.0, hy - s / 2.0, s, (1, 1, -1, 1), rot=rot))
    if level >= 2:
        out.append(mat_piece(m, 22, 54, 18, (1, -1, 1, 1), rot=22, alt=True))
        out.append(mat_piece(m, 52, 54, 18, (1, 1, 1, -1), rot=-22, alt=True))
    up = 26 if level >= 2 else 28
    out.append(mat_piece(m, 41 - up, 24, up, (1, -1, 1, 1), rot=-18))
    out.append(mat_piece(m, 51, 24, up, (1, 1, 1, -1), rot=18))
    # body and feelers
    out.append(path("M44,28 C38,20 36,14 32,12 M48,28 C54,20 56,14 60,12", stroke=INK, sw=1.6))
    out.append(path(circle(32, 12, 2.2) + " " + circle(60, 12, 2.2), fill=INK))
    out.append('<ellipse cx="46" cy="50" rx="4.6" ry="%s" fill="%s" stroke="%s" stroke-width="1.2"/>'
               % (f(21 if level >= 2 else 17), doc.lin([(0, "#5A6E9E"), (1, INK)]), INK))
    out.append(path(circle(46, 27, 4.5), fill="#5A6E9E", stroke=INK, sw=1.2))
    return "".join(out), [(46, 46, 3.4)]


def m_sage(doc, m, level):
    out = []
    books = 1 if level == 1 else 2
    y = 89
    for k in range(books):
        h = 10
        x0, x1 = (14, 78) if k == 0 else (18, 74)
        cover = rrect(x0, y - h, x1 - x0, h, 2.5)
        col = (BERRY, "#8E2420") if k == 0 else (SKY, "#2A5FA0")
        out.append(path(cover, fill=doc.lin([(0, col[0]), (1, col[1])]), stroke=INK, sw=1.3))
        out.append(path(rrect(x0 + 3, y - h + 2.2, x1 - x0 - 5, h - 4.4, 1.5), fill="#FFF8E7", stroke="#C9B48F", sw=0.8))
        out.append(path("M%s,%s H%s M%s,%s H%s" % (f(x0 + 4), f(y - h / 2.0 - 1), f(x1 - 3), f(x0 + 4), f(y - h / 2.0 + 1),
                                                   f(x1 - 3)), stroke="#D8C7A6", sw=0.6))
        out.append(path(rrect(x0, y - h, 7, h, 2.5), fill=doc.lin([(0, col[0]), (1, col[1])]), stroke=INK, sw=1.2))
        y -= h
    top = y
    oy = top - 40  # owl top
    body = ("M46,%s C60,%s 64,%s 64,%s C64,%s 56,%s 46,%s C36,%s 28,%s 28,%s C28,%s 32,%s 46,%s Z" % (
        f(oy + 4), f(oy + 4), f(oy + 16), f(oy + 24), f(oy + 34), f(oy + 41), f(oy + 41), f(oy + 41), f(oy + 34),
        f(oy + 24), f(oy + 16), f(oy + 4), f(oy + 4)))
    tufts = ("M31,%s L30,%s L39,%s Z M61,%s L62,%s L53,%s Z" % (
        f(oy + 13), f(oy - 1), f(oy + 6), f(oy + 13), f(oy - 1), f(oy + 6)))
    out.append(path(tufts, fill=m.fill(), stroke=m.ink, sw=1.3))
    out.append(path(body, fill=m.fill(), stroke=m.ink, sw=1.5))
    # belly with little feather marks
    out.append('<ellipse cx="46" cy="%s" rx="11" ry="12" fill="%s" opacity="0.75"/>' % (f(oy + 28), m.shine))
    for fx, fy in ((41, oy + 25), (51, oy + 25), (46, oy + 30), (41, oy + 34), (51, oy + 34)):
        out.append(path("M%s,%s q2.5,2.5 5,0" % (f(fx - 2.5), f(fy)), stroke=m.ink, sw=0.9, extra='opacity="0.7"'))
    # wings
    out.append(path("M29,%s C25,%s 27,%s 34,%s" % (f(oy + 18), f(oy + 28), f(oy + 36), f(oy + 38)), stroke=m.ink, sw=1.3))
    out.append(path("M63,%s C67,%s 65,%s 58,%s" % (f(oy + 18), f(oy + 28), f(oy + 36), f(oy + 38)), stroke=m.ink, sw=1.3))
    # eyes and beak
    for ex in (39, 53):
        out.append(path(circle(ex, oy + 14, 6.5), fill="#FFFDF6", stroke=m.ink, sw=1.3))
        out.append(path(circle(ex + 0.6, oy + 14.5, 3.2), fill=INK))
        out.append(path(circle(ex - 0.6, oy + 13, 1.1), fill="#FFFFFF"))
    out.append(path("M43.5,%s L48.5,%s L46,%s Z" % (f(oy + 19), f(oy + 19), f(oy + 24)), fill="#F39A3C", stroke="#9A5418", sw=1))
    # feet on the book
    for fx in (41, 51):
        out.append(path("M%s,%s l-2,3 M%s,%s v3.5 M%s,%s l2,3" % (f(fx), f(oy + 40), f(fx), f(oy + 40), f(fx), f(oy + 40)),
                        stroke="#E8842A", sw=1.8))
    # the owl holds a puzzle piece under one wing
    out.append(mat_piece(m, 60, oy + 26, 13, (1, 1, -1, -1), rot=15, alt=True))
    if level >= 3:
        # scholar's cap
        cap_y = oy + 2
        out.append(path(poly([(46, cap_y - 7), (66, cap_y - 1), (46, cap_y + 5), (26, cap_y - 1)]), fill="#3A4A78",
                        stroke=INK, sw=1.3))
        out.append(path("M36,%s V%s C40,%s 52,%s 56,%s V%s" % (f(cap_y + 2), f(cap_y + 7), f(cap_y + 9), f(cap_y + 9),
                                                               f(cap_y + 7), f(cap_y + 2)), fill="#3A4A78", stroke=INK, sw=1.2))
        out.append(path("M46,%s L64,%s V%s" % (f(cap_y - 1), f(cap_y), f(cap_y + 9)), stroke=SUN, sw=1.4))
        out.append(path(circle(64, cap_y + 10, 2), fill=SUN, stroke="#B7791F", sw=0.8))
    return "".join(out), [(46, 84, 3.2), (30, 84, 2.8), (62, 84, 2.8)]


def m_lord(doc, m, level):
    out = []
    s = 21
    x, y = 46 - s, 44
    cols = (("#9FDC8C", GREEN), ("#BFE4FF", SKY), ("#FFC4BF", BERRY), ("#FFE98A", SUN))
    tabs = ((0, 1, 1, 0), (0, 0, -1, -1), (-1, -1, 0, 0), (1, 0, 0, 1))
    frame = rrect(x - 4, y - 4, 2 * s + 8, 2 * s + 8, 4)
    out.append(path(frame, fill=m.fill(), stroke=m.ink, sw=1.5))
    for k, (cx, cy) in enumerate(((0, 0), (1, 0), (0, 1), (1, 1))):
        d = piece(x + cx * s, y + cy * s, s, tabs[k])
        out.append(path(d, fill=doc.lin([(0, cols[k][0]), (1, cols[k][1])]), stroke=INK, sw=1.2))
    out.append(path(rrect(x, y, 2 * s, 2 * s, 1.5), stroke=INK, sw=1.4))
    out.append(crown(m, 46, 44, 46, 34))
    out.append(gem(doc, 46, 38, 4, "ruby"))
    out.append(gem(doc, 33, 38.5, 3, "sapphire"))
    out.append(gem(doc, 59, 38.5, 3, "emerald"))
    return "".join(out), [(46, 88, 0.1)]


def trophies():
    families = (("trofi_sobiratel", 5, m_collector), ("trofi_master", 3, m_master),
                ("trofi_terpenie", 4, m_endurance), ("trofi_meditaciya", 4, m_meditation),
                ("trofi_nepostoyanstvo", 4, m_inconstancy), ("trofi_mudrec", 6, m_sage))
    for stem, levels, motif in families:
        for lv in range(1, levels + 1):
            trophy("%s%d.png" % (stem, lv), lv, motif)
    trophy("trofi_povelitel.png", 6, m_lord, {"material": "gold", "rays": True, "laurels": True, "gems": 0})



def gui():
    round_button("button_ok.png", 64, 64, tick_d, ink_w=(9, 5))
    round_button("button_cancel.png", 64, 64, cross_d, ink_w=(9, 5))
    round_button("button_replay.png", 64, 64, replay_d, ink_w=(8, 4.5), head=replay_head)
    round_button("slider_right.png", 32, 32, plus_d, solid=True, ink_w=(0, 3.5))
    round_button("slider_left.png", 32, 32, minus_d, solid=True, ink_w=(0, 3.5))
    flat_button()
    slider()
    checkboxes()
    window("window_mini.png", 640, 400)
    window("window_standart.png", 800, 620)
    trofi_fon()
    magnifier()
    liderboard_fon()
    liderboard_rows()
    players_fon()
    player_list()
    violin()
    gear()
    piano()
    score_fon()
    select_fon()
    exit_question()
    save_question()
    rotation_plate()
    result_table()
    credits_art()
    faq_mouse_rotate()
    faq_pocket()
    faq_mouse_drag()


if __name__ == "__main__":
    gui()
    trophies()

#!/usr/bin/env python3
"""Draws the SVG sources of the loading, menu, book, level, pocket and effects packs, the two
splash logos and the window icon.

    python3 tools/assets/draw_menu_book_level.py

rewrites assets/gfx/{loading,menu,book,level,pocket,effects,plain}/*.svg. Everything is drawn
from shapes here and in svgkit.py, no picture is imported; the only randomness is seeded, so a
rerun gives the same files. The build renders each SVG to PNG at its own size.
"""
import math
import random
import sys

# svgkit sits next to this script, and Python puts the script's folder first on sys.path;
# no __pycache__ is left beside it in the source tree.
sys.dont_write_bytecode = True
from svgkit import (BERRY, FACE, GREEN, INK, PAPER, PAPER_SHADE, SKY, SUN, TEAL_D, TEAL_L,
                    WOOD_D, WOOD_L, WOOD_M, Doc, button_states, circle, f, glow, inked, path,
                    piece, poly, rrect, shadow, star, write)

FONT = 'font-family="DejaVu Sans"'


# ----------------------------------------------------------------------------------------------
# Shapes

def ellipse(cx, cy, rx, ry):
    return "M%s,%s A%s,%s 0 1 1 %s,%s A%s,%s 0 1 1 %s,%s Z" % (
        f(cx - rx), f(cy), f(rx), f(ry), f(cx + rx), f(cy), f(rx), f(ry), f(cx - rx), f(cy))


def gear(cx, cy, ro, ri, hole, n=8):
    pts = []
    for i in range(n):
        a = 2 * math.pi * i / n
        wi, wo = math.pi / n * 0.62, math.pi / n * 0.38
        for r, da in ((ri, -wi), (ro, -wo), (ro, wo), (ri, wi)):
            pts.append((cx + r * math.cos(a + da), cy + r * math.sin(a + da)))
    return poly(pts) + " " + circle(cx, cy, hole)


def soft_edge(d, color="#000", op=0.3, reach=8.0, steps=8, extra=""):
    """A blur-free soft falloff around d: stacked strokes, widest first. rsvg clips a filter's
    input at the picture edge, so pictures that are cut from one drawing or tiled use this
    instead of a blur to stay seamless."""
    a = 1 - (1 - op) ** (1.0 / steps)
    out = [path(d, fill=color, extra='opacity="%s" %s' % (f(op), extra))]
    for k in range(steps, 0, -1):
        out.append('<path d="%s" fill="none" stroke="%s" stroke-width="%s" opacity="%s" %s/>'
                   % (d, color, f(2 * reach * k / steps), f(a), extra))
    return "".join(out)


def grain(doc, rng, x0, y0, w, h, n, horizontal=True, color=WOOD_D, op=0.16, wave=3.0):
    """Stylised wood grain: soft wavy lines along the board."""
    out = []
    for _ in range(n):
        if horizontal:
            y = y0 + rng.uniform(0.08, 0.92) * h
            pts = []
            x = x0 - 10
            d = "M%s,%s" % (f(x), f(y))
            while x < x0 + w + 10:
                step = rng.uniform(40, 90)
                d += " Q%s,%s %s,%s" % (f(x + step / 2), f(y + rng.uniform(-wave, wave)),
                                        f(x + step), f(y))
                x += step
            out.append(path(d, stroke=color, sw=rng.uniform(0.8, 1.6),
                            extra='opacity="%s"' % f(op * rng.uniform(0.6, 1.2))))
        else:
            x = x0 + rng.uniform(0.08, 0.92) * w
            y = y0 - 10
            d = "M%s,%s" % (f(x), f(y))
            while y < y0 + h + 10:
                step = rng.uniform(40, 90)
                d += " Q%s,%s %s,%s" % (f(x + rng.uniform(-wave, wave)), f(y + step / 2),
                                        f(x), f(y + step))
                y += step
            out.append(path(d, stroke=color, sw=rng.uniform(0.8, 1.6),
                            extra='opacity="%s"' % f(op * rng.uniform(0.6, 1.2))))
    return "".join(out)


def wood_board(doc, d, box, rng, grains=6, rim=2, light=WOOD_L, mid=WOOD_M):
    """A honey-wood board of any outline d lying in box (x, y, w, h)."""
    x, y, w, h = box
    clip = doc.clip('<path d="%s"/>' % d)
    return "".join([
        path(d, fill=doc.lin([(0, light), (0.55, "#C4874A"), (1, mid)])),
        '<g clip-path="%s">' % clip,
        grain(doc, rng, x, y, w, h, grains),
        path(d, stroke="#FFFFFF", sw=3, extra='opacity="0.25" transform="translate(0,1.5)"'),
        "</g>",
        path(d, stroke=WOOD_D, sw=rim),
    ])


def paper_plate(doc, d, rim=WOOD_M, sw=2):
    return path(d, fill=doc.lin([(0, "#FFFDF6"), (0.6, PAPER), (1, PAPER_SHADE)]), stroke=rim, sw=sw)


# ----------------------------------------------------------------------------------------------
# Icons. Each draws centred on (0, 0) in a 64 x 64 box; p carries the colours of the state.

def palette(state, ink_px, scale):
    grey = state == "disabled"
    return {
        "ink": "#8A857C" if grey else INK,
        "fill": "#E2DED6" if grey else "#FFFFFF",
        "sun": "#D0CBC2" if grey else SUN,
        "green": "#B9B4AB" if grey else GREEN,
        "sky": "#C6C1B8" if grey else SKY,
        "berry": "#ADA89F" if grey else BERRY,
        "wood": "#BDB7AD" if grey else WOOD_L,
        "o": ink_px / scale,          # outline width in icon units
    }


def ofill(d, p, fill=None, extra=""):
    """A filled shape with the ink outline."""
    return path(d, fill=fill or p["fill"], stroke=p["ink"], sw=p["o"], extra=extra)


def ostroke(d, p, w, col=None):
    """A thick line of colour col with the ink outline around it."""
    return inked(d, col or p["fill"], p["ink"], w + 2 * p["o"], w)


def icon_podium(p):
    grey = p["ink"] != INK
    bands = ("#C9CFD6", p["sun"], WOOD_L) if not grey else (p["sky"], p["sun"], p["wood"])
    blocks = [(-28, -2, 19, 28), (-9.5, -12, 19, 38), (9, 6, 19, 20)]
    s = ""
    for (x, y, w, h), band in zip(blocks, bands):
        s += ofill(rrect(x, y, w, h, 2.5), p)
        s += path(rrect(x + 3, y + 3, w - 6, 6, 2), fill=band)
    s += ofill(star(0, -23, 10, 4.2), p, p["sun"])
    return s


def icon_cup(p):
    cup = ("M-17,-24 H17 C17,-6 12,4 0,6 C-12,4 -17,-6 -17,-24 Z")
    handles = "M-16,-18 C-28,-18 -28,-4 -12,-2 M16,-18 C28,-18 28,-4 12,-2"
    s = ostroke(handles, p, 3.5, p["sun"])
    s += ofill(cup, p, p["sun"])
    s += ofill("M-4,5 H4 V14 H-4 Z", p, p["sun"])
    s += ofill(rrect(-14, 13, 28, 11, 3), p, p["wood"])
    s += path("M-10,-19 C-10,-9 -7,-4 -3,-1", stroke="#FFFFFF", sw=3.5, extra='opacity="0.75"')
    s += ofill(star(2, -12, 6, 2.6), p, p["fill"])
    return s


def icon_rosette(p):
    s = ofill("M-12,2 L-20,28 L-12,24 L-7,31 L-1,8 Z", p, p["berry"])
    s += ofill("M12,2 L20,28 L12,24 L7,31 L1,8 Z", p, p["sky"])
    petals = []
    for k in range(16):
        a = 2 * math.pi * k / 16
        petals.append((math.cos(a) * (21 if k % 2 == 0 else 18.5),
                       -6 + math.sin(a) * (21 if k % 2 == 0 else 18.5)))
    s += ofill(poly(petals), p, p["fill"])
    s += ofill(circle(0, -6, 13), p, p["sun"])
    s += ofill(star(0, -6, 8.5, 3.6), p, p["fill"])
    return s


def icon_play(p):
    tri = "M-15,-25 L27,0 L-15,25 Z"
    return (path(tri, fill=p["ink"], stroke=p["ink"], sw=7 + 2 * p["o"]) +
            path(tri, fill=p["fill"], stroke=p["fill"], sw=7))


def icon_scissors(p):
    s = ostroke("M-11,12 L17,-26", p, 5)
    s += ostroke("M11,12 L-17,-26", p, 5)
    s += ostroke(circle(-13, 18, 8), p, 4.5, p["berry"])
    s += ostroke(circle(13, 18, 8), p, 4.5, p["berry"])
    s += path(circle(0, -4.5, 2.5), fill=p["ink"])
    return s


def icon_door(p):
    s = ofill(rrect(-24, -27, 30, 54, 3), p, p["wood"])
    s += path("M-20,-23 H2 V23 H-20 Z", fill="#000000", extra='opacity="0.14"')
    s += ofill("M-20,-23 L2,-27 L2,27 L-20,23 Z", p, p["fill"])
    s += path(circle(-3, 1, 2.6), fill=p["ink"])
    s += ostroke("M6,0 H22", p, 5, p["green"])
    s += ofill("M18,-10 L30,0 L18,10 Z", p, p["green"])
    return s


def icon_gear(p):
    return (ofill(gear(0, 0, 27, 20, 8, 8), p, extra='fill-rule="evenodd"') +
            path(circle(0, 0, 14), stroke=p["sky"], sw=3, extra='opacity="0.8"'))


def icon_trash(p):
    s = ofill("M-16,-12 H16 L12,26 H-12 Z", p)
    s += "".join(path("M%s,-5 L%s,19" % (f(x), f(x * 0.85)), stroke=p["ink"], sw=p["o"] * 0.8)
                 for x in (-7, 0, 7))
    s += ofill(rrect(-21, -21, 42, 8, 3), p, p["berry"])
    s += ofill(rrect(-6, -27, 12, 7, 2.5), p, p["berry"])
    return s


def icon_arrow(direction):
    def draw(p):
        pts = [(-22, -9), (2, -9), (2, -22), (25, 0), (2, 22), (2, 9), (-22, 9)]
        if direction < 0:
            pts = [(-x, y) for x, y in pts]
        return ofill(poly(pts), p)
    return draw


def icon_ghost(p):
    # The guide picture: a faint landscape inside a dashed frame, one solid piece on it.
    s = path(rrect(-26, -22, 52, 44, 4), fill=p["fill"], extra='opacity="0.55"')
    s += path("M-26,14 C-14,0 -6,4 2,10 C10,2 18,-2 26,6 V22 H-26 Z", fill=p["green"],
              extra='opacity="0.55"')
    s += path(circle(13, -10, 6), fill=p["sun"], extra='opacity="0.7"')
    s += path(rrect(-26, -22, 52, 44, 4), stroke=p["ink"], sw=p["o"] * 0.9,
              extra='stroke-dasharray="6 4"')
    s += ofill(piece(-20, -8, 17, (1, 1, 0, 0)), p, p["fill"])
    return s


def icon_bulb(p):
    rays = "".join("M%s,%s L%s,%s " % (f(math.cos(a) * 25), f(-8 + math.sin(a) * 25),
                                       f(math.cos(a) * 31), f(-8 + math.sin(a) * 31))
                   for a in [math.radians(d) for d in (-160, -125, -90, -55, -20)])
    s = path(rays, stroke=p["ink"], sw=p["o"] * 1.1)
    s += ofill("M-8,12 C-8,4 -18,-1 -18,-10 C-18,-21 -10,-27 0,-27 C10,-27 18,-21 18,-10 "
               "C18,-1 8,4 8,12 Z", p, p["sun"])
    s += path("M-10,-12 C-10,-18 -6,-21 -1,-21", stroke="#FFFFFF", sw=3.5, extra='opacity="0.8"')
    s += ofill(rrect(-9, 12, 18, 7, 2.5), p, p["fill"])
    s += ofill(rrect(-7, 19, 14, 6, 2.5), p, p["fill"])
    s += path("M-4,27 H4", stroke=p["ink"], sw=p["o"])
    return s


def icon_picture(p):
    s = '<g transform="rotate(-7)">'
    s += ofill(rrect(-27, -21, 54, 42, 4), p, p["wood"])
    s += path(rrect(-21, -15, 42, 30, 2), fill=p["sky"])
    s += path("M-21,9 C-12,-1 -4,1 3,6 C10,-1 16,-2 21,2 V15 H-21 Z", fill=p["green"])
    s += path(circle(11, -6, 4.5), fill=p["sun"])
    s += path(rrect(-21, -15, 42, 30, 2), stroke=p["ink"], sw=p["o"] * 0.7)
    s += "</g>"
    # little lift marks: the picture floats over the table
    s += path("M-18,28 H-8 M-2,29 H10", stroke=p["ink"], sw=p["o"] * 0.8)
    return s


def icon_sort(p):
    s = ""
    cols = [p["berry"], p["sky"], p["green"]]
    for r in range(3):
        for c in range(3):
            x, y = -27 + c * 18, -25 + r * 18
            s += ofill(rrect(x, y, 14, 14, 3), p, cols[r])
    return s


def icon_magnifier(p):
    s = ostroke("M8,8 L25,25", p, 8, p["wood"])
    s += ofill(circle(-6, -6, 18), p, p["fill"])
    s += path(circle(-6, -6, 12.5), fill=p["sky"], extra='opacity="0.45"')
    s += path("M-16,-8 A11,11 0 0 1 -6,-17", stroke="#FFFFFF", sw=3.5)
    return s


def icon_border(p):
    # Only the edge pieces: a frame of pieces around an empty middle.
    outer, inner = rrect(-26, -26, 52, 52, 4), rrect(-12, -12, 24, 24, 2)
    s = path(inner, fill=p["fill"], extra='opacity="0.35"')
    s += ofill(outer + " " + inner, p, p["fill"], extra='fill-rule="evenodd"')
    for a, b in (("M-8,-26 V-12", "M8,-26 V-12"), ("M-8,12 V26", "M8,12 V26"),
                 ("M-26,-8 H-12", "M-26,8 H-12"), ("M12,-8 H26", "M12,8 H26")):
        s += path(a + " " + b, stroke=p["ink"], sw=p["o"] * 0.7)
    for cx, cy in ((-19, -19), (19, -19), (-19, 19), (19, 19)):
        s += path(circle(cx, cy, 3), fill=p["green"])
    return s


def icon_size(k):
    def draw(p):
        frame = rrect(-26, -20, 52, 40, 3)
        s = path(frame, fill=p["fill"], extra='opacity="0.4"')
        s += path(frame, stroke=p["ink"], sw=p["o"] * 0.8, extra='stroke-dasharray="5 4"')
        w, h = (18, 14) if k == 1 else (34, 26) if k == 2 else (52, 40)
        s += ofill(rrect(-26, -20, w, h, 3), p, p["sky"])
        return s
    return draw


def icon_close(p):
    return ostroke("M-16,-16 L16,16 M16,-16 L-16,16", p, 8)


def icon_pocket(p):
    # a piece tucked into a stitched denim pocket, half of it showing
    s = '<g transform="translate(0,4)">'
    s += '<g transform="rotate(-14 0 -20)">%s</g>' % ofill(piece(-11, -31, 22, (1, 1, 1, -1)), p,
                                                         p["sun"])
    s += ofill("M-21,-8 H21 V11 C21,19 11,26 0,28 C-11,26 -21,19 -21,11 Z", p, p["sky"])
    s += path("M-16,-3 H16 V10 C16,15 9,20 0,22 C-9,20 -16,15 -16,10 Z", stroke="#FFFFFF", sw=1.8,
              extra='stroke-dasharray="3.5 3" opacity="0.85"')
    s += ofill(rrect(-23, -12, 46, 7, 3), p, p["sky"])
    return s + "</g>"


# ----------------------------------------------------------------------------------------------
# Button strips: four states side by side (svgkit.button_states).

def button_strip(doc, sw, h, face, icon, fourth, ink_px=3.0, glow_std=2.5, icon_frac=0.7):
    """face: ("rect", x, y, w, h, r) or ("circle", cx, cy, r) in state-local coordinates."""
    if face[0] == "rect":
        _, fx, fy, fw, fh, fr = face
        d = rrect(fx, fy, fw, fh, fr)
        hl = rrect(fx + 4, fy + 3, fw - 8, fh * 0.42, min(fr, fh * 0.21))
        cx, cy, box = fx + fw / 2.0, fy + fh / 2.0, min(fw, fh)
    else:
        _, cx, cy, r = face
        d = circle(cx, cy, r)
        hl = ("M%s,%s A%s,%s 0 0 1 %s,%s C%s,%s %s,%s %s,%s Z" % (
            f(cx - r * 0.74), f(cy - r * 0.22), f(r * 0.8), f(r * 0.8), f(cx + r * 0.74),
            f(cy - r * 0.22), f(cx + r * 0.4), f(cy - r * 0.44), f(cx - r * 0.4),
            f(cy - r * 0.44), f(cx - r * 0.74), f(cy - r * 0.22)))
        box = 2 * r
    scale = box * icon_frac / 64.0

    def drawn(state):
        p = palette(state, ink_px, scale)
        return ('<g transform="translate(%s,%s) scale(%s)">%s</g>'
                % (f(cx), f(cy), f(scale), icon(p)))

    button_states(doc, sw, h, d, hl, fourth, drawn, glow_std=glow_std)


def bar_button(member, sw, icon, fourth="disabled"):
    """Main-menu bar button: rounded plate, 96 px high."""
    h = 96
    doc = Doc(sw * 4, h)
    button_strip(doc, sw, h, ("rect", 10, 6, sw - 20, 76, 22), icon, fourth, ink_px=3.2,
                 icon_frac=0.74)
    write("menu", member, doc)


def small_button(pack, member, s, icon, fourth="disabled", ink_px=2.2, icon_frac=0.66):
    """Round button for small states (40-64 px)."""
    doc = Doc(s * 4, s)
    r = (s - 10) / 2.0
    button_strip(doc, s, s, ("circle", s / 2.0, r + 3, r), icon, fourth, ink_px=ink_px,
                 glow_std=1.6, icon_frac=icon_frac)
    write(pack, member, doc)


def tool_button(member, icon, fourth):
    """Play-panel tool: round face in the upper part of a 96 px state, so that at rest
    (scale 0.7, only 23 px of screen below its centre at 768) the whole face shows."""
    doc = Doc(96 * 4, 96)
    button_strip(doc, 96, 96, ("circle", 48, 42, 36), icon, fourth, ink_px=3.4, icon_frac=0.72)
    write("level", member, doc)


# ----------------------------------------------------------------------------------------------
# menu pack

def menu_buttons():
    bar_button("play_button.png", 160, icon_play)
    bar_button("top_button.png", 128, icon_podium)
    bar_button("trophy_button.png", 128, icon_cup)
    bar_button("compleate_button.png", 128, icon_rosette)
    bar_button("cut_button.png", 128, icon_scissors)
    bar_button("exit_button.png", 128, icon_door)
    bar_button("settings_button.png", 128, icon_gear)
    small_button("menu", "button_trash.png", 48, icon_trash)
    small_button("menu", "button_right.png", 48, icon_arrow(1))
    small_button("menu", "button_left.png", 48, icon_arrow(-1))


def gallery_tab():
    """Book tab: a cream label (the title is drawn on it) with a coloured band at its free end.
    The 4th state is the selected tab, so it lights up in teal rather than greying out."""
    sw, h = 160, 52
    doc = Doc(sw * 4, h)
    d = rrect(6, 5, 148, 40, 11)
    band = doc.clip('<path d="%s"/>' % d)
    looks = {
        "normal": (("#FFFDF6", PAPER, PAPER_SHADE), FACE["normal"]),
        "hover": (("#FFFFFF", "#FFFCF2", "#F8EDD4"), FACE["hover"]),
        "pressed": (("#F6EBD2", "#EFE1C2", "#E6D4AE"), FACE["pressed"]),
        "active": (("#FFFFFF", "#FBFFFC", "#EAF7F0"), FACE["active"]),
    }
    for i, state in enumerate(("normal", "hover", "pressed", "active")):
        x0 = i * sw
        (p0, p1, p2), (top, bot, rim) = looks[state]
        clip = doc.clip('<rect x="%d" y="0" width="%d" height="%d"/>' % (x0 + 2, sw - 4, h))
        dy = 2 if state == "pressed" else 0
        g = ['<g clip-path="%s"><g transform="translate(%d,0)">' % (clip, x0)]
        g.append(shadow(doc, d, dy=1.5 if dy else 2.5, std=1.5 if dy else 2,
                        op=0.25 if dy else 0.3))
        if state == "hover":
            g.append(glow(doc, d, "#FFC25A", std=2.2, op=0.95))
        if state == "active":
            g.append(glow(doc, d, "#C9F7E1", std=2.2, op=1))
        g.append('<g transform="translate(0,%d)">' % dy)
        g.append(path(d, fill=doc.lin([(0, p0), (0.55, p1), (1, p2)])))
        g.append('<g clip-path="%s"><rect x="0" y="0" width="19" height="%d" fill="%s"/>'
                 '<path d="M19,0 V%d" stroke="%s" stroke-width="1.5"/></g>'
                 % (band, h, doc.lin([(0, top), (1, bot)]), h, rim))
        if state != "pressed":
            g.append(path(rrect(9, 7, 142, 9, 4.5), fill="#FFFFFF", extra='opacity="0.5"'))
        g.append(path(d, stroke=rim, sw=2))
        g.append(path(circle(12.5, 25, 2.6), fill="#FFFFFF", stroke=rim, sw=1))
        g.append("</g></g></g>")
        doc.add("".join(g))
    write("menu", "gallery_button.png", doc)


def up_panel():
    """Greeting plaque hanging from the top frame, with bunting on both sides. The greeting
    (big font) is centred at y = 36, so the cream area spans about 14..66."""
    w, h = 1024, 100
    doc = Doc(w, h)
    rng = random.Random(11)
    # bunting strings, hanging just below the screen frame
    cols = [SUN, GREEN, SKY, BERRY]
    for side in (-1, 1):
        x_a, x_b = (40, 148) if side < 0 else (w - 148, w - 40)
        doc.add(path("M%d,30 Q%d,46 %d,30" % (x_a, (x_a + x_b) // 2, x_b), stroke=WOOD_D, sw=1.6))
        n = 4
        for k in range(n):
            t = (k + 0.5) / n
            x = x_a + t * (x_b - x_a)
            y = 30 + 32 * t * (1 - t)
            flag = poly([(x - 9, y - 1), (x + 9, y - 1), (x, y + 19)])
            doc.add(shadow(doc, flag, dy=2, std=1.2, op=0.25))
            doc.add(path(flag, fill=cols[(k + (0 if side < 0 else 2)) % 4], stroke=INK, sw=1.4))
    plate = rrect(150, -30, 724, 114, 28)
    doc.add(shadow(doc, plate, dy=3, std=3, op=0.32))
    doc.add(wood_board(doc, plate, (150, -30, 724, 114), rng, grains=5))
    inner = rrect(166, -20, 692, 88, 18)
    doc.add(path(inner, fill="#000", extra='opacity="0.18" transform="translate(0,1.5)"'))
    doc.add(paper_plate(doc, inner, rim=WOOD_D, sw=1.5))
    doc.add(path(rrect(172, -14, 680, 30, 12), fill="#FFFFFF", extra='opacity="0.35"'))
    # brass pins in the wood
    for x in (158, 866):
        doc.add(path(circle(x, 58, 3.5), fill=doc.lin([(0, "#FFF0B0"), (1, "#C9962E")]),
                     stroke=WOOD_D, sw=1))
    # small player pawn marks at the plaque's ends (leave the middle free for the text)
    for cx, col in ((192, SKY), (832, GREEN)):
        doc.add(path(circle(cx, 24, 7), fill=col, stroke=INK, sw=1.6))
        doc.add(path("M%d,52 C%d,36 %d,36 %d,52 Z" % (cx - 13, cx - 10, cx + 10, cx + 13),
                     fill=col, stroke=INK, sw=1.6))
    write("menu", "up_panel.png", doc)


def menu_panel():
    """Wooden shelf under the bar buttons; detail kept 10 px off the ends (edge-compressed)."""
    w, h = 1024, 110
    doc = Doc(w, h)
    rng = random.Random(12)
    board = rrect(14, 10, 996, 94, 30)
    doc.add(shadow(doc, board, dy=3, std=3, op=0.35))
    doc.add(wood_board(doc, board, (14, 10, 996, 94), rng, grains=9))
    groove = rrect(30, 20, 964, 72, 22)
    doc.add(path(groove, fill="#000", extra='opacity="0.12"'))
    doc.add(path(groove, stroke=WOOD_D, sw=1.5, extra='opacity="0.55"'))
    doc.add(path(groove, stroke="#FFFFFF", sw=1.5, extra='opacity="0.35" transform="translate(0,1.5)"'))
    for x in (22, 1002):
        doc.add(path(circle(x, 57, 3.5), fill=doc.lin([(0, "#FFF0B0"), (1, "#C9962E")]),
                     stroke=WOOD_D, sw=1))
    write("menu", "menu_panel.png", doc)


def border():
    """Screen frame: a rounded wooden rod. The left half is the used part and is symmetric,
    because the right and top edges put its middle column on the screen edge unmirrored.
    The right half repeats it so filtering at u = 0.5 sees the same colours."""
    w, h = 64, 256
    doc = Doc(w, h)
    prof = [(0, WOOD_D), (0.08, "#8A5526"), (0.22, WOOD_M), (0.42, WOOD_L), (0.5, "#E2B47A"),
            (0.58, WOOD_L), (0.78, WOOD_M), (0.92, "#8A5526"), (1, WOOD_D)]
    for x0 in (0, 32):
        g = doc.lin(prof, x0, 0, x0 + 32, 0, user=True)
        doc.add('<rect x="%d" y="0" width="32" height="%d" fill="%s"/>' % (x0, h, g))
        for x, op in ((7, 0.18), (11.5, 0.12), (20.5, 0.12), (25, 0.18)):
            doc.add('<rect x="%s" y="0" width="1" height="%d" fill="%s" opacity="%s"/>'
                    % (f(x0 + x - 0.5), h, WOOD_D, f(op)))
        doc.add('<rect x="%s" y="0" width="2" height="%d" fill="#FFFFFF" opacity="0.3"/>'
                % (f(x0 + 15), h))
    write("menu", "Border.png", doc)


def pencil(doc, x, y, length, width, angle, color):
    """A pencil pointing up from (x, y) (its bottom end), rotated by angle degrees."""
    hw = width / 2.0
    body = rrect(-hw, -length + 30, width, length - 30, 3)
    cone = "M%s,%s L0,%s L%s,%s Z" % (f(-hw), f(-length + 30), f(-length), f(hw), f(-length + 30))
    lead = "M%s,%s L0,%s L%s,%s Z" % (f(-hw * 0.36), f(-length + 10.8), f(-length),
                                      f(hw * 0.36), f(-length + 10.8))
    g = ['<g transform="translate(%s,%s) rotate(%s)">' % (f(x), f(y), f(angle))]
    g.append(path(cone, fill=doc.lin([(0, "#F2CD9C"), (1, WOOD_L)], 0, 0, 1, 0), stroke=INK,
                  sw=2.2))
    g.append(path(lead, fill=INK))
    g.append(path(body, fill=color, stroke=INK, sw=2.2))
    g.append('<rect x="%s" y="%s" width="%s" height="%s" fill="#FFFFFF" opacity="0.35"/>'
             % (f(-hw + 3), f(-length + 33), f(width * 0.25), f(length - 36)))
    g.append('<rect x="%s" y="%s" width="%s" height="%s" fill="#000" opacity="0.12"/>'
             % (f(hw - width * 0.3), f(-length + 33), f(width * 0.25), f(length - 36)))
    g.append("</g>")
    return "".join(g)


def left_corner():
    """Pencil cup at the bottom-left of the menu (the menu panel hides its lower part at
    1024 x 768, so the pencils carry the picture)."""
    w, h = 256, 320
    doc = Doc(w, h)
    doc.add(path(ellipse(128, 306, 92, 12), fill="#000", extra='opacity="0.3" filter="%s"'
                 % doc.blur(4)))
    # ruler leaning in the cup
    ruler = '<g transform="translate(150,300) rotate(14)">'
    ruler += path(rrect(-13, -250, 26, 250, 3), fill=doc.lin([(0, "#F2CD9C"), (1, WOOD_L)], 0, 0, 1, 0),
                  stroke=INK, sw=2.2)
    for k in range(24):
        ln = 10 if k % 4 == 0 else 6
        ruler += path("M-13,%d H%d" % (-240 + k * 9, -13 + ln), stroke=WOOD_D, sw=1.4)
    ruler += "</g>"
    doc.add(ruler)
    doc.add(pencil(doc, 86, 290, 250, 22, -14, SUN))
    doc.add(pencil(doc, 112, 290, 220, 22, -4, BERRY))
    doc.add(pencil(doc, 132, 292, 270, 22, 6, GREEN))
    doc.add(pencil(doc, 160, 292, 205, 22, 12, SKY))
    # the cup
    cup = "M46,170 H210 L200,300 C198,310 190,314 180,314 H76 C66,314 58,310 56,300 Z"
    doc.add(path(cup, fill=doc.lin([(0, "#9ED0F0"), (0.5, SKY), (1, "#4C97CC")], 0, 0, 1, 0),
                 stroke=INK, sw=3))
    doc.add(path(rrect(40, 160, 176, 22, 9), fill=doc.lin([(0, "#BFE2F7"), (1, SKY)]), stroke=INK,
                 sw=3))
    doc.add(path("M66,196 L74,292", stroke="#FFFFFF", sw=6, extra='opacity="0.35"'))
    # a puzzle piece painted on the cup
    doc.add(path(piece(110, 214, 38, (1, -1, 1, 1)), fill=doc.lin([(0, "#FFB957"), (1, "#E8842A")]),
                 stroke=INK, sw=2.5))
    write("menu", "left_corner.png", doc)


def right_corner():
    """Potted plant at the bottom-right of the menu, a loose piece leaning on the pot."""
    w, h = 256, 320
    doc = Doc(w, h)
    rng = random.Random(7)
    doc.add(path(ellipse(134, 306, 90, 12), fill="#000", extra='opacity="0.3" filter="%s"'
                 % doc.blur(4)))
    leaves = [(-62, 150, 44), (-38, 190, 40), (-14, 220, 46), (8, 200, 42), (30, 230, 44),
              (52, 180, 40), (74, 140, 38), (-86, 120, 34), (96, 112, 32)]
    for ang, ln, wd in leaves:
        ln *= 0.9
        leaf = ("M0,0 C%s,%s %s,%s 0,%s C%s,%s %s,%s 0,0 Z" % (
            f(wd * 0.6), f(-ln * 0.25), f(wd * 0.5), f(-ln * 0.8), f(-ln),
            f(-wd * 0.5), f(-ln * 0.8), f(-wd * 0.6), f(-ln * 0.25)))
        shade = rng.choice(["#6CBB66", GREEN, "#4E9E4D"])
        doc.add('<g transform="translate(128,214) rotate(%s)">' % f(ang * 0.55) +
                path(leaf, fill=doc.lin([(0, "#8ED383"), (1, shade)]), stroke=INK, sw=2.4) +
                path("M0,-6 Q%s,%s 0,%s" % (f(wd * 0.08), f(-ln * 0.5), f(-ln * 0.92)),
                     stroke="#3E8A43", sw=2) + "</g>")
    # a small sun-yellow flower
    fx, fy = 150, 44
    for k in range(6):
        a = 2 * math.pi * k / 6
        doc.add(path(circle(fx + 9 * math.cos(a), fy + 9 * math.sin(a), 7.5), fill="#FFE27A",
                     stroke=INK, sw=1.8))
    doc.add(path(circle(fx, fy, 6.5), fill="#E8842A", stroke=INK, sw=1.8))
    # pot
    pot = "M70,222 H186 L172,304 C171,311 166,314 158,314 H98 C90,314 85,311 84,304 Z"
    doc.add(path(pot, fill=doc.lin([(0, "#F39A3C"), (0.5, "#E8842A"), (1, "#B9621E")], 0, 0, 1, 0),
                 stroke=INK, sw=3))
    doc.add(path(rrect(62, 208, 132, 26, 8), fill=doc.lin([(0, "#FFB957"), (1, "#E8842A")]),
                 stroke=INK, sw=3))
    doc.add(path("M88,244 L98,300", stroke="#FFFFFF", sw=6, extra='opacity="0.3"'))
    for x in (108, 128, 148):
        doc.add(path(circle(x, 268, 4), fill=PAPER, extra='opacity="0.85"'))
    # a loose piece leaning against the pot
    doc.add('<g transform="translate(196,276) rotate(18)">' +
            path(piece(-18, -18, 36, (1, 0, -1, 1)), fill=doc.lin([(0, "#7FD6AE"), (1, "#3FA57A")]),
                 stroke=INK, sw=2.5) + "</g>")
    write("menu", "right_corner.png", doc)


def white_plain():
    doc = Doc(64, 64)
    doc.add('<rect x="0" y="0" width="64" height="64" fill="#EFE9DC"/>')
    doc.add('<rect x="1" y="1" width="62" height="62" fill="#FFFFFF"/>')
    write("menu", "white_plain.png", doc)


def qshadow():
    doc = Doc(128, 128)
    doc.add(path(rrect(24, 24, 80, 80, 14), fill="#000", extra='opacity="0.6" filter="%s"'
                 % doc.blur(9)))
    write("menu", "QSadow.png", doc)


def weave(doc, size, cell, base, light, dark, thread_op=1.0):
    """Seamless basket weave: the cell divides the size, so the edges meet."""
    out = ['<rect x="0" y="0" width="%d" height="%d" fill="%s"/>' % (size, size, base)]
    hg = doc.lin([(0, dark, 0.0), (0.5, light, 0.55 * thread_op), (1, dark, 0.0)])
    vg = doc.lin([(0, dark, 0.0), (0.5, light, 0.55 * thread_op), (1, dark, 0.0)], 0, 0, 1, 0)
    n = size // cell
    half = cell / 2.0
    for r in range(n):
        for c in range(n):
            x, y = c * cell, r * cell
            if (r + c) % 2 == 0:
                for k in range(2):
                    out.append('<rect x="%s" y="%s" width="%s" height="%s" rx="%s" fill="%s"/>'
                               % (f(x + 0.5), f(y + k * half + 0.5), f(cell - 1), f(half - 1),
                                  f(half / 2.5), hg))
            else:
                for k in range(2):
                    out.append('<rect x="%s" y="%s" width="%s" height="%s" rx="%s" fill="%s"/>'
                               % (f(x + k * half + 0.5), f(y + 0.5), f(half - 1), f(cell - 1),
                                  f(half / 2.5), vg))
            out.append('<rect x="%s" y="%s" width="%s" height="%s" fill="none" stroke="%s" '
                       'stroke-width="1" opacity="%s"/>' % (f(x + 0.5), f(y + 0.5), f(cell - 1),
                                                            f(cell - 1), dark, f(0.25 * thread_op)))
    return "".join(out)


def linoleum():
    """Table surface: muted teal with a faint basket weave; period 32 divides 512."""
    s = 512
    doc = Doc(s, s)
    doc.add(weave(doc, s, 32, "#46857A", "#55958A", "#3C776C", thread_op=0.45))
    rng = random.Random(5)
    # a few soft colour drifts, each drawn with its wrapped copies so the tile stays seamless
    for _ in range(14):
        x, y, r = rng.uniform(0, s), rng.uniform(0, s), rng.uniform(40, 110)
        col = rng.choice(["#3F7F74", "#4E8F82"])
        for dx in (-s, 0, s):
            for dy in (-s, 0, s):
                doc.add(path(circle(x + dx, y + dy, r * 1.4), fill=doc.rad(
                    [(0, col, 0.14), (0.5, col, 0.08), (1, col, 0)])))
    write("menu", "lenolium.jpg", doc)


def table_tile():
    """Tintable table tile (white/light grey weave, period 16 divides 128)."""
    s = 128
    doc = Doc(s, s)
    doc.add(weave(doc, s, 16, "#F2F2F2", "#FFFFFF", "#DCDCDC", thread_op=0.9))
    write("menu", "window_standart_2_2.png", doc)


def cursor():
    """Arrow with its tip on pixel (0, 0): the miter join at the tip reaches the corner."""
    doc = Doc(32, 48)
    arrow = "M1.2,1.2 L1.2,35 L9.6,27.6 L15.4,40.6 L21.4,38 L15.8,25.2 L26.4,25.2 Z"
    doc.add(path(arrow, fill="#000", extra='opacity="0.35" filter="%s" transform="translate(2,2.5)"'
                 % doc.blur(1.4)))
    doc.add('<path d="%s" fill="%s" stroke="%s" stroke-width="2.4" stroke-linejoin="miter" '
            'stroke-miterlimit="6"/>' % (arrow, doc.lin([(0, "#FFFFFF"), (1, PAPER_SHADE)]), INK))
    write("menu", "Cursor.png", doc)


def rotation_icons():
    for member, crossed in (("complit_rotation.png", False), ("complit_no_rotation.png", True)):
        doc = Doc(40, 40)
        pc = piece(11, 12, 16, (1, 1, -1, 0))
        doc.add(path(pc, fill=doc.lin([(0, "#FFB957"), (1, "#E8842A")]), stroke=INK, sw=1.8))
        arc = "M7,9 A16,16 0 1 0 33,9"
        col = "#A9A399" if crossed else GREEN
        doc.add(path(arc, stroke=INK, sw=5.6))
        doc.add(path(arc, stroke=col, sw=2.8))
        head = "M28,2 L37,5 L31,13 Z"
        doc.add(path(head, fill=col, stroke=INK, sw=1.6))
        if crossed:
            doc.add(path("M7,7 L33,33", stroke="#FFFFFF", sw=7))
            doc.add(path("M7,7 L33,33", stroke=BERRY, sw=4))
        write("menu", member, doc)


def change_player():
    """Plate behind "Выбор игрока": the caption starts 43 px left of the centre (x = 87) and
    16 px below it, so the cream plate runs from x 74 to the right end."""
    w, h = 260, 100
    doc = Doc(w, h)
    plate = rrect(68, 38, 186, 58, 16)
    doc.add(shadow(doc, plate, dy=2.5, std=2.5, op=0.3))
    doc.add(paper_plate(doc, plate, rim=WOOD_M, sw=2.5))
    doc.add(path(rrect(74, 42, 174, 14, 7), fill="#FFFFFF", extra='opacity="0.5"'))
    # a round orange badge with two pawns (players) overlapping the plate's left end
    badge = circle(46, 54, 38)
    doc.add(shadow(doc, badge, dy=2.5, std=2.5, op=0.3))
    doc.add(path(badge, fill=doc.lin([(0, "#FFB957"), (1, "#E8842A")]), stroke="#9A5418", sw=2))
    doc.add(path("M18,40 A30,30 0 0 1 74,40 C60,30 32,30 18,40 Z", fill="#FFFFFF",
                 extra='opacity="0.45"'))
    for cx, cy, col, s in ((34, 46, SKY, 0.8), (54, 50, GREEN, 1.0)):
        doc.add(path(circle(cx, cy - 10 * s, 8 * s), fill=col, stroke=INK, sw=2))
        doc.add(path("M%s,%s C%s,%s %s,%s %s,%s Z" % (
            f(cx - 15 * s), f(cy + 20 * s), f(cx - 13 * s), f(cy), f(cx + 13 * s), f(cy),
            f(cx + 15 * s), f(cy + 20 * s)), fill=col, stroke=INK, sw=2))
    write("menu", "change_player.png", doc)


# ----------------------------------------------------------------------------------------------
# book pack: one drawing of the open book, cut into the fifteen pieces.
#
# Virtual spread, 704 x 384: columns 0-64, 64-320 (left page), 320-384 (spine), 384-640 (right
# page), 640-704; rows 0-64, 64-320, 320-384. Every edge and centre region holds only bands that
# run along its tiling direction, so the repeated pieces meet themselves seamlessly; the curves
# all lie inside the corner and spine pieces.

BOOK_COLS = [(0, 64), (64, 320), (320, 384), (384, 640), (640, 704)]
BOOK_ROWS = [(0, 64), (64, 320), (320, 384)]


def page_outline(inset, dip):
    """Left page sheet: outer edge at inset from the spread's border, inner edge at the fold
    (x = 352), dipping by dip toward the fold inside the spine column."""
    x0, y0, y1 = 16 + inset, 14 + inset, 370 - inset
    r = 12
    return ("M352,%s Q340,%s 320,%s H%s A%s,%s 0 0 0 %s,%s V%s A%s,%s 0 0 0 %s,%s H320 "
            "Q340,%s 352,%s Z" % (
                f(y0 + dip), f(y0), f(y0), f(x0 + r), r, r, f(x0), f(y0 + r), f(y1 - r), r, r,
                f(x0 + r), f(y1), f(y1), f(y1 - dip)))


def paper_fibres(doc, size, seed):
    """A seamless tile of faint paper fibres."""
    rng = random.Random(seed)
    out = []
    for _ in range(70):
        x, y = rng.uniform(0, size), rng.uniform(0, size)
        a = rng.uniform(0, math.pi)
        ln = rng.uniform(6, 18)
        col = rng.choice(["#E9D9B6", "#FFFFFF", "#EADFC4"])
        op = rng.uniform(0.2, 0.42)
        for dx in (-size, 0, size):
            for dy in (-size, 0, size):
                x1, y1 = x + dx, y + dy
                out.append(path("M%s,%s Q%s,%s %s,%s" % (
                    f(x1), f(y1), f(x1 + math.cos(a) * ln / 2 + rng.uniform(-2, 2)),
                    f(y1 + math.sin(a) * ln / 2 + rng.uniform(-2, 2)), f(x1 + math.cos(a) * ln),
                    f(y1 + math.sin(a) * ln)), stroke=col, sw=0.9, extra='opacity="%s"' % f(op)))
    return "".join(out)


def book_spread(doc):
    out = []
    cover = rrect(5, 4, 694, 372, 22)
    out.append(soft_edge(cover, op=0.35, reach=6, steps=6, extra='transform="translate(0,2.5)"'))
    out.append(path(cover, fill=WOOD_M))
    # grain follows the cover's outline, so the straight runs stay uniform
    for inset, op in ((4, 0.25), (8, 0.12), (12, 0.18)):
        out.append(path(rrect(5 + inset, 4 + inset, 694 - 2 * inset, 372 - 2 * inset, 22 - inset * 0.6),
                        stroke=WOOD_D, sw=1, extra='opacity="%s"' % f(op)))
    out.append(path(rrect(7.5, 6.5, 689, 367, 20), stroke=WOOD_L, sw=2, extra='opacity="0.7"'))
    out.append(path(cover, stroke=WOOD_D, sw=2))
    # the spine binding shows above and below the pages
    spine = doc.lin([(0, WOOD_M), (0.35, WOOD_D), (0.5, "#5A3414"), (0.65, WOOD_D), (1, WOOD_M)],
                    334, 0, 370, 0, user=True)
    spine_clip = doc.clip('<path d="%s"/>' % rrect(6, 5, 692, 370, 21))
    out.append('<g clip-path="%s"><rect x="334" y="0" width="36" height="384" fill="%s"/></g>'
               % (spine_clip, spine))
    fibres = paper_fibres(doc, 256, 3)
    for side in (0, 1):
        g = ['<g transform="translate(704,0) scale(-1,1)">' if side else "<g>"]
        g.append(soft_edge(page_outline(0, 4), op=0.3, reach=3, steps=3,
                           extra='transform="translate(0,1.5)"'))
        for k, col in enumerate(("#E3CFA4", "#EFDDB8", "#F6E9CC")):
            g.append(path(page_outline(k * 2.5, 4 - k * 0.5), fill=col, stroke="#C9AE7C", sw=0.8))
        top = page_outline(8, 2.5)
        pclip = doc.clip('<path d="%s"/>' % top)
        g.append(path(top, fill=PAPER))
        g.append('<g clip-path="%s">' % pclip)
        # fibre pattern anchored on the page centre's tile origin
        pat = doc.pattern(64, 64, 256, 256, fibres)
        g.append('<rect x="0" y="0" width="352" height="384" fill="%s"/>' % pat)
        # shade toward the outer edges: a blurred band along top, outer side and bottom
        for k in range(12, 0, -1):
            g.append('<path d="M360,24 H26 V360 H360" fill="none" stroke="%s" stroke-width="%d" '
                     'opacity="0.13"/>' % (PAPER_SHADE, 3 * k))
        # the fold
        g.append('<rect x="320" y="0" width="32" height="384" fill="%s"/>' % doc.lin(
            [(0, "#E2CB9C", 0), (0.6, "#E2CB9C", 0.35), (1, "#C9AC78", 0.85)], 320, 0, 352, 0,
            user=True))
        g.append("</g>")
        g.append(path(top, stroke="#C9AE7C", sw=1))
        g.append("</g>")
        out.append("".join(g))
    out.append(path("M352,20 V364", stroke="#9E7F4B", sw=1.2, extra='opacity="0.8"'))
    return "".join(out)


def book():
    for c, (x0, x1) in enumerate(BOOK_COLS, 1):
        for r, (y0, y1) in enumerate(BOOK_ROWS, 1):
            w, h = x1 - x0, y1 - y0
            doc = Doc(w, h, (x0, y0, w, h))
            doc.add(book_spread(doc))
            write("book", "%d-%d.png" % (c, r), doc)


# ----------------------------------------------------------------------------------------------
# level pack

def play_panel():
    """The tray under the tools. Only its upper half (plus 23 px at 768) shows, and the top 5 %
    of the picture is cut off, so the rim starts below y = 8."""
    w, h = 800, 160
    doc = Doc(w, h)
    rng = random.Random(21)
    tray = rrect(6, 14, 788, 190, 40)
    doc.add(shadow(doc, tray, dy=-2, std=3.5, op=0.3))
    doc.add(wood_board(doc, tray, (6, 14, 788, 146), rng, grains=7))
    felt = rrect(24, 30, 752, 170, 26)
    doc.add(path(felt, fill="#000", extra='opacity="0.22" transform="translate(0,-1.5)"'))
    doc.add(path(felt, fill=doc.lin([(0, PAPER_SHADE), (0.25, PAPER), (1, "#FBF1DA")]), stroke=WOOD_D,
                 sw=1.5))
    doc.add(path(rrect(28, 33, 744, 12, 6), fill="#000", extra='opacity="0.06"'))
    for x in (15, 785):
        doc.add(path(circle(x, 60, 3.5), fill=doc.lin([(0, "#FFF0B0"), (1, "#C9962E")]),
                     stroke=WOOD_D, sw=1))
    write("level", "PlayPanel.png", doc)


def level_buttons():
    tool_button("exit_button.png", icon_door, "disabled")
    tool_button("button_ghost.png", icon_ghost, "active")
    tool_button("button_hint.png", icon_bulb, "active")
    tool_button("button_image.png", icon_picture, "active")
    tool_button("button_sort.png", icon_sort, "disabled")
    tool_button("button_magnifier.png", icon_magnifier, "active")
    tool_button("button_border.png", icon_border, "active")
    tool_button("settings_button.png", icon_gear, "disabled")
    for k in (1, 2, 3):
        small_button("level", "x%d_button.png" % k, 40, icon_size(k), "active", ink_px=1.8,
                     icon_frac=0.72)
    small_button("level", "close_button.png", 40, icon_close, "disabled", ink_px=1.8,
                 icon_frac=0.62)


# ----------------------------------------------------------------------------------------------
# pocket pack: one drawing of the pocket's bottom-right corner, cut into its four pieces.
# Virtual 104 x 104: fill 0-64 both ways, right strip x 64-104, bottom strip y 64-104.

def pocket_drawing(doc):
    out = []
    edge = ("M-100,-100 H88 V72 A16,16 0 0 1 72,88 H-100 Z")
    out.append(soft_edge(edge, op=0.35, reach=6, steps=6, extra='transform="translate(1.5,2.5)"'))
    # the hem is shaded with strokes that follow it, so the strips stay uniform along their run
    out.append(path(edge, fill=WOOD_M))
    out.append(path("M-100,81 H72 A9,9 0 0 0 81,72 V-100", stroke=WOOD_L, sw=6))
    out.append(path("M-100,80 H72 A8,8 0 0 0 80,72 V-100", stroke="#E6B880", sw=2))
    out.append(path("M-100,85.5 H72 A13.5,13.5 0 0 0 85.5,72 V-100", stroke="#8A5526", sw=2,
                    extra='opacity="0.6"'))
    out.append(path(edge, stroke=WOOD_D, sw=2))
    inner = "M-100,-100 H76 V68 A8,8 0 0 1 68,76 H-100 Z"
    out.append(path(inner, fill="#EAD7B0", stroke=WOOD_D, sw=1.5))
    # the seam a few px inside the hem
    out.append(path("M-100,70 H66 A4,4 0 0 0 70,66 V-100", stroke="#C7AF82", sw=1.5))
    out.append(path("M-100,71.5 H66 A5.5,5.5 0 0 0 71.5,66 V-100", stroke="#FFF8E7", sw=1,
                    extra='opacity="0.7"'))
    return "".join(out)


def pocket():
    pieces = [("pocket1-1.png", 0, 0, 64, 64), ("pocket2-1.png", 64, 0, 40, 64),
              ("pocket1-2.png", 0, 64, 64, 40), ("pocket2-2.png", 64, 64, 40, 40)]
    for member, x, y, w, h in pieces:
        doc = Doc(w, h, (x, y, w, h))
        doc.add(pocket_drawing(doc))
        write("pocket", member, doc)
    doc = Doc(64 * 4, 64)
    button_strip(doc, 64, 64, ("rect", 4, 3, 56, 56, 16), icon_pocket, "active", ink_px=2.4,
                 glow_std=1.6, icon_frac=0.74)
    write("pocket", "button_pocket.png", doc)


# ----------------------------------------------------------------------------------------------
# effects pack

def glow_spark():
    """Soft round glow with eight fine rays, so it looks the same while it spins."""
    doc = Doc(128, 128)
    doc.add(path(circle(64, 64, 60), fill=doc.rad([(0, "#FFFFFF", 1), (0.12, "#FFFFFF", 0.85),
                                                     (0.35, "#FFFFFF", 0.3), (0.7, "#FFFFFF", 0.06),
                                                     (1, "#FFFFFF", 0)])))
    for k in range(8):
        ln = 56 if k % 2 == 0 else 36
        ray = "M64,%s L66.2,64 L64,%s L61.8,64 Z" % (f(64 - ln), f(64 + ln))
        doc.add(path(ray, fill="#FFFFFF", extra='opacity="0.75" filter="%s" transform="rotate(%d 64 64)"'
                     % (doc.blur(0.8), k * 45)))
    doc.add(path(circle(64, 64, 9), fill="#FFFFFF", extra='filter="%s"' % doc.blur(2.5)))
    write("effects", "1trackbar_but.png", doc)


def star_burst():
    doc = Doc(128, 128)
    doc.add(path(circle(64, 64, 44), fill=doc.rad([(0, "#FFFFFF", 0.7), (0.4, "#FFFFFF", 0.2),
                                                     (1, "#FFFFFF", 0)])))
    four = ("M64,6 C67,44 84,61 122,64 C84,67 67,84 64,122 C61,84 44,67 6,64 C44,61 61,44 64,6 Z")
    doc.add(path(four, fill="#FFFFFF", extra='opacity="0.6" filter="%s"' % doc.blur(3)))
    doc.add(path(four, fill="#FFFFFF", extra='transform="translate(64,64) scale(0.9) translate(-64,-64)"'))
    doc.add(path(four, fill="#FFFFFF", extra='opacity="0.55" transform="rotate(45 64 64) '
                 'translate(64,64) scale(0.5) translate(-64,-64)"'))
    write("effects", "cursor_stars1.png", doc)


def ice_sparkle():
    """Six-armed frost crystal with a soft halo, white so the particle colour can tint it."""
    doc = Doc(128, 128)
    doc.add(path(circle(64, 64, 58), fill=doc.rad([(0, "#FFFFFF", 0.75), (0.3, "#F2FAFF", 0.3),
                                                     (0.7, "#F2FAFF", 0.06), (1, "#F2FAFF", 0)])))
    arm = "M64,64 V14 M64,34 L54,24 M64,34 L74,24 M64,50 L57,43 M64,50 L71,43"
    arms = "".join('<path d="%s" transform="rotate(%d 64 64)"/>' % (arm, k * 60) for k in range(6))
    doc.add('<g fill="none" stroke="#FFFFFF" stroke-width="6" stroke-linecap="round" opacity="0.45" '
            'filter="%s">%s</g>' % (doc.blur(2.5), arms))
    doc.add('<g fill="none" stroke="#FFFFFF" stroke-width="3" stroke-linecap="round">%s</g>' % arms)
    doc.add(path(star(64, 64, 12, 6, 6, -90), fill="#FFFFFF"))
    write("effects", "ice_piece.png", doc)


def score_panel():
    """Plaque hanging from the top edge; the score (big font) is centred at y = 31.7."""
    w, h = 320, 80
    doc = Doc(w, h)
    rng = random.Random(31)
    plate = rrect(8, -30, 304, 100, 24)
    doc.add(shadow(doc, plate, dy=3, std=3, op=0.35))
    doc.add(wood_board(doc, plate, (8, -30, 304, 100), rng, grains=4))
    inner = rrect(20, -20, 280, 78, 16)
    doc.add(path(inner, fill="#000", extra='opacity="0.18" transform="translate(0,1.5)"'))
    doc.add(paper_plate(doc, inner, rim=WOOD_D, sw=1.5))
    doc.add(path(rrect(26, -14, 268, 24, 10), fill="#FFFFFF", extra='opacity="0.35"'))
    for x in (14, 306):
        doc.add(path(circle(x, 54, 3), fill=doc.lin([(0, "#FFF0B0"), (1, "#C9962E")]),
                     stroke=WOOD_D, sw=1))
    write("effects", "score_panel.png", doc)


def placeholders():
    doc = Doc(16, 16)
    doc.add(path(circle(8, 8, 7), fill=doc.rad([(0, "#FFFFFF", 0.9), (1, "#FFFFFF", 0)])))
    write("effects", "bonus.png", doc)
    doc = Doc(16, 16)
    doc.add(path(rrect(1, 1, 14, 14, 4), fill=PAPER, stroke=WOOD_M, sw=1.5))
    write("loading", "Loading.png", doc)


# ----------------------------------------------------------------------------------------------
# loading pack, splash logos, window icon

def scene(doc, x, y, w, h):
    """The little picture the pieces of the loading and logo art show."""
    return "".join([
        '<rect x="%s" y="%s" width="%s" height="%s" fill="%s"/>' % (
            f(x), f(y), f(w), f(h), doc.lin([(0, "#BFE4FA"), (1, SKY)])),
        path(circle(x + w * 0.74, y + h * 0.3, h * 0.13), fill=SUN),
        path("M%s,%s C%s,%s %s,%s %s,%s C%s,%s %s,%s %s,%s V%s H%s Z" % (
            f(x), f(y + h * 0.7), f(x + w * 0.2), f(y + h * 0.45), f(x + w * 0.35),
            f(y + h * 0.5), f(x + w * 0.5), f(y + h * 0.66), f(x + w * 0.65), f(y + h * 0.5),
            f(x + w * 0.85), f(y + h * 0.45), f(x + w), f(y + h * 0.62), f(y + h), f(x)),
             fill=doc.lin([(0, "#7CC477"), (1, "#4E9E4D")])),
        path("M%s,%s C%s,%s %s,%s %s,%s" % (
            f(x + w * 0.1), f(y + h), f(x + w * 0.3), f(y + h * 0.78), f(x + w * 0.55),
            f(y + h * 0.86), f(x + w * 0.62), f(y + h * 0.7)), stroke="#F6E0A8", sw=h * 0.05),
    ])


def puzzle_picture(doc, x, y, s, lift=None):
    """2 x 2 interlocking pieces showing the scene; lift = (index, dx, dy, angle) moves one."""
    tabs = [(0, 1, -1, 0), (0, 0, 1, -1), (1, -1, 0, 0), (-1, 0, 0, 1)]
    pos = [(0, 0), (1, 0), (0, 1), (1, 1)]
    out = []
    for i, ((cx, cy), t) in enumerate(zip(pos, tabs)):
        d = piece(x + cx * s, y + cy * s, s, t)
        tr = ""
        if lift and lift[0] == i:
            _, dx, dy, ang = lift
            px, py = x + cx * s + s / 2, y + cy * s + s / 2
            tr = 'transform="translate(%s,%s) rotate(%s %s %s)"' % (f(dx), f(dy), f(ang), f(px), f(py))
            out.append('<g %s>%s</g>' % (tr, shadow(doc, d, dy=8, std=5, op=0.35)))
        else:
            out.append(shadow(doc, d, dy=2, std=1.5, op=0.3))
        c = doc.clip('<path d="%s"/>' % d)
        out.append('<g %s><g clip-path="%s">%s</g>%s%s</g>' % (
            tr, c, scene(doc, x, y, 2 * s, 2 * s),
            path(d, stroke="#FFFFFF", sw=2, extra='opacity="0.35" transform="translate(0.8,0.8)"'),
            path(d, stroke=INK, sw=2.4)))
    return "".join(out)


def loadwin():
    """Loading plate: framed cream card with the pieces coming together; the percentage (white,
    big font) is centred at (246, 290), on the dark ink slot below the card."""
    w, h = 512, 320
    doc = Doc(w, h)
    rng = random.Random(41)
    frame = rrect(8, 6, 496, 306, 26)
    doc.add(shadow(doc, frame, dy=3, std=3.5, op=0.4))
    doc.add(wood_board(doc, frame, (8, 6, 496, 306), rng, grains=8))
    card = rrect(24, 22, 464, 226, 16)
    doc.add(path(card, fill="#000", extra='opacity="0.2" transform="translate(0,1.5)"'))
    doc.add(paper_plate(doc, card, rim=WOOD_D, sw=1.5))
    doc.add(puzzle_picture(doc, 172, 46, 80, lift=(3, 46, 8, 14)))
    for cx, cy, r in ((132, 70, 9), (404, 206, 11), (410, 64, 7), (104, 196, 6)):
        doc.add(path(star(cx, cy, r, r * 0.42, 4, -90), fill=SUN, stroke="#B7791F", sw=1.2))
    slot = rrect(136, 258, 240, 46, 16)
    doc.add(path(slot, fill="#FFFFFF", extra='opacity="0.25" transform="translate(0,1.5)"'))
    doc.add(path(slot, fill=doc.lin([(0, "#1E2F55"), (1, INK)]), stroke=WOOD_D, sw=2))
    doc.add(path(rrect(140, 261, 232, 8, 4), fill="#000", extra='opacity="0.25"'))
    write("loading", "loadwin.png", doc)


def logo_studio():
    """Studio splash over black: a hearth arch with a warm flame, the name below."""
    w, h = 640, 400
    doc = Doc(w, h)
    doc.add(path(circle(320, 150, 150), fill=doc.rad([(0, "#FFB957", 0.5), (0.45, "#E8842A", 0.18),
                                                       (1, "#E8842A", 0)])))
    arch = "M250,236 V150 A70,70 0 0 1 390,150 V236 Z"
    rng = random.Random(51)
    doc.add(path("M226,250 V150 A94,94 0 0 1 414,150 V250 Z", fill=doc.lin(
        [(0, WOOD_L), (1, WOOD_M)]), stroke=WOOD_D, sw=3))
    # stones of the hearth
    stones = []
    for k in range(9):
        a0, a1 = math.pi + k * math.pi / 9, math.pi + (k + 1) * math.pi / 9
        r0, r1 = 72, 92
        stones.append("M%s,%s A%s,%s 0 0 1 %s,%s L%s,%s A%s,%s 0 0 0 %s,%s Z" % (
            f(320 + r1 * math.cos(a0)), f(150 + r1 * math.sin(a0)), r1, r1,
            f(320 + r1 * math.cos(a1)), f(150 + r1 * math.sin(a1)),
            f(320 + r0 * math.cos(a1)), f(150 + r0 * math.sin(a1)), r0, r0,
            f(320 + r0 * math.cos(a0)), f(150 + r0 * math.sin(a0))))
    for s in stones:
        doc.add(path(s, fill=rng.choice(["#E2B47A", WOOD_L, "#C98F52"]), stroke=WOOD_D, sw=2))
    for y in (170, 200, 230):
        for x0, x1 in ((228, 248), (392, 412)):
            doc.add(path("M%d,%d H%d" % (x0, y, x1), stroke=WOOD_D, sw=2, extra='opacity="0.7"'))
    doc.add(path(arch, fill=doc.lin([(0, "#3A1E0C"), (1, "#1A0D05")]), stroke=WOOD_D, sw=2))
    # the flame
    glowf = circle(320, 200, 46)
    doc.add(path(glowf, fill=doc.rad([(0, "#FFD07A", 0.9), (1, "#E8842A", 0)])))
    outer = "M320,118 C344,150 362,170 356,202 C351,226 336,236 320,236 C304,236 289,226 284,202 " \
            "C280,182 292,168 300,158 C302,172 308,178 312,180 C306,160 310,138 320,118 Z"
    inner = "M322,160 C336,180 342,196 338,212 C335,226 328,232 320,232 C311,232 304,226 302,214 " \
            "C300,200 310,190 314,182 C316,192 320,196 322,196 C318,184 318,172 322,160 Z"
    doc.add(path(outer, fill=doc.lin([(0, "#FFD07A"), (0.6, "#F39A3C"), (1, "#D9534F")]),
                 stroke="#9A5418", sw=2))
    doc.add(path(inner, fill=doc.lin([(0, "#FFFBE0"), (1, SUN)])))
    # logs
    doc.add(path(rrect(274, 228, 92, 14, 7), fill=WOOD_M, stroke=WOOD_D, sw=2))
    doc.add(path(rrect(262, 238, 116, 14, 7), fill=WOOD_L, stroke=WOOD_D, sw=2))
    doc.add(path("M210,252 H430", stroke=WOOD_D, sw=3))
    # the name
    doc.add('<text x="320" y="322" text-anchor="middle" %s font-weight="bold" font-size="58" '
            'fill="%s" opacity="0.9">Hearthlight</text>' % (FONT, "#9A5418"))
    doc.add('<text x="320" y="318" text-anchor="middle" %s font-weight="bold" font-size="58" '
            'fill="%s">Hearthlight</text>' % (FONT, doc.lin([(0, "#FFF8E7"), (1, SUN)])))
    doc.add(path("M196,342 H444", stroke="#E8842A", sw=2, extra='opacity="0.8"'))
    doc.add('<text x="320" y="368" text-anchor="middle" %s font-size="18" letter-spacing="6" '
            'fill="%s">GAMES</text>' % (FONT, WOOD_L))
    write("plain", "logo1.png", doc)


def logo_game():
    """Game splash over black: a wooden table with interlocking pieces, the title above."""
    w, h = 640, 400
    doc = Doc(w, h)
    rng = random.Random(61)
    top = "M92,186 H548 L606,356 H34 Z"
    doc.add(path(top, fill="#000", extra='opacity="0.5" filter="%s" transform="translate(0,8)"'
                 % doc.blur(6)))
    doc.add(path("M34,356 H606 V378 H34 Z", fill=doc.lin([(0, WOOD_M), (1, WOOD_D)]), stroke=WOOD_D,
                 sw=2))
    clip = doc.clip('<path d="%s"/>' % top)
    doc.add(path(top, fill=doc.lin([(0, "#C98F52"), (1, WOOD_L)])))
    doc.add('<g clip-path="%s">%s</g>' % (clip, grain(doc, rng, 20, 186, 600, 170, 10, op=0.22,
                                                        wave=5)))
    doc.add(path("M92,186 H548", stroke="#FFFFFF", sw=2, extra='opacity="0.35"'))
    doc.add(path(top, stroke=WOOD_D, sw=2.5))
    # a teal cloth on the table, with the picture being put together
    cloth = "M168,206 H472 L506,340 H134 Z"
    doc.add(path(cloth, fill=doc.lin([(0, TEAL_D), (1, TEAL_L)]), stroke="#2F6359", sw=2))
    doc.add(puzzle_picture(doc, 244, 212, 62, lift=(1, 86, -14, 16)))
    # loose pieces around
    for x, y, s, ang, col, t in ((184, 300, 40, -18, "#FFB957", (1, -1, 1, 0)),
                                 (458, 306, 38, 24, SKY, (-1, 1, 0, 1)),
                                 (200, 232, 30, 36, BERRY, (1, 1, -1, -1))):
        d = piece(-s / 2, -s / 2, s, t)
        doc.add('<g transform="translate(%d,%d) rotate(%d)">%s%s</g>' % (
            x, y, ang, shadow(doc, d, dy=3, std=2, op=0.35),
            path(d, fill=col, stroke=INK, sw=2.2)))
    # title
    for dy, fill in ((5, "#9A5418"), (0, doc.lin([(0, "#FFFDF6"), (1, "#FFD07A")]))):
        doc.add('<text x="320" y="%d" text-anchor="middle" %s font-weight="bold" font-size="62" '
                'fill="%s" stroke="%s" stroke-width="%s" stroke-linejoin="round">Jigsaw Table</text>'
                % (112 + dy, FONT, fill, INK if dy else "none", 6 if dy else 0))
    doc.add(path("M150,138 H490", stroke="#E8842A", sw=3, extra='opacity="0.9"'))
    doc.add(path(circle(320, 138, 5), fill=SUN, stroke="#9A5418", sw=1.5))
    write("plain", "logo2.png", doc)


def window_icon():
    doc = Doc(32, 32)
    d = piece(4, 9, 19, (1, 1, -1, 0))
    doc.add(path(d, fill=doc.lin([(0, "#FFB957"), (1, "#E8842A")]), stroke=INK, sw=1.8))
    doc.add(path("M7.5,13 H16", stroke="#FFFFFF", sw=2, extra='opacity="0.55"'))
    write("plain", "icon.png", doc)


def main():
    menu_buttons()
    gallery_tab()
    up_panel()
    menu_panel()
    border()
    left_corner()
    right_corner()
    white_plain()
    qshadow()
    linoleum()
    table_tile()
    cursor()
    rotation_icons()
    change_player()
    book()
    play_panel()
    level_buttons()
    pocket()
    glow_spark()
    star_burst()
    ice_sparkle()
    score_panel()
    placeholders()
    loadwin()
    logo_studio()
    logo_game()
    window_icon()


if __name__ == "__main__":
    main()

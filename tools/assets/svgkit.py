"""Low-level SVG helpers shared by the scripts that draw the interface pictures
(draw_gui_trophies.py and draw_menu_book_level.py): number text, the document with its
<defs>, path shapes, shadows and the four-state button strip.

The committed SVG files are compared byte for byte, so where the two scripts used to write a
helper differently both ways are kept: as a parameter, or as a flag on Doc.
"""
import math
import os

ROOT = os.path.dirname(os.path.dirname(os.path.dirname(os.path.abspath(__file__))))
OUT = os.path.join(ROOT, "assets", "gfx")

# The shared palette of the game's look.
INK = "#2E4577"
PAPER, PAPER_SHADE = "#FFF8E7", "#F3E6C8"
WOOD_L, WOOD_M, WOOD_D = "#D39B5C", "#A8692F", "#6B3F1A"
GREEN, SKY, BERRY, SUN = "#5DAE5B", "#6FB7E9", "#D9534F", "#F6C945"
TEAL_D, TEAL_L = "#3F7F74", "#4E8F82"

# Button faces per state: top colour, bottom colour, rim.
FACE = {
    "normal": ("#FFB957", "#E8842A", "#9A5418"),
    "hover": ("#FFD07A", "#F39A3C", "#9A5418"),
    "pressed": ("#E8842A", "#C8661A", "#8A4A12"),
    "disabled": ("#C9C4BA", "#A9A399", "#8A857C"),
    "active": ("#7FD6AE", "#3FA57A", "#2F7D5B"),
}


def f(v):
    """Short number text for path data."""
    s = "%.2f" % v
    s = s.rstrip("0").rstrip(".")
    return "0" if s in ("-0", "") else s


def _stops(stops):
    for s in stops:
        yield (s[0], s[1], 1) if len(s) == 2 else s


class Doc:
    """One SVG picture: collects <defs> with ids unique to the file.

    view: the viewBox (x, y, w, h), for pictures cut from a larger drawing; by default the
    whole w x h. The class flags below choose how the file is written; a script whose pictures
    were first written the other way sets them on a subclass.
    """

    xlink = False          # declare the xlink namespace (for <use xlink:href>)
    defs_sep = "\n"        # what stands between the entries of <defs>
    radial_prefix = "g"    # id prefix of radial gradients
    radial_focus = False   # always write fx/fy, defaulting to the centre
    named_blurs = False    # blur ids from the deviation ("blur2_5"), drawing no number

    def __init__(self, w, h, view=None):
        self.w, self.h = w, h
        self.view = view or (0, 0, w, h)
        self.defs = []
        self.body = []
        self.n = 0
        self.blurs = {}

    def uid(self, p):
        self.n += 1
        return "%s%d" % (p, self.n)

    def add(self, *parts):
        self.body.extend(parts)

    def _grad(self, tag, prefix, attrs, stops):
        i = self.uid(prefix)
        st = "".join('<stop offset="%s" stop-color="%s"%s/>'
                     % (f(o), c, (' stop-opacity="%s"' % f(a)) if a != 1 else "")
                     for o, c, a in _stops(stops))
        self.defs.append('<%s id="%s" %s>%s</%s>' % (tag, i, attrs, st, tag))
        return "url(#%s)" % i

    def lin(self, stops, x1=0, y1=0, x2=0, y2=1, user=False, spread=None):
        a = 'x1="%s" y1="%s" x2="%s" y2="%s"' % (f(x1), f(y1), f(x2), f(y2))
        if user:
            a += ' gradientUnits="userSpaceOnUse"'
        if spread:
            a += ' spreadMethod="%s"' % spread
        return self._grad("linearGradient", "g", a, stops)

    def rad(self, stops, cx=0.5, cy=0.5, r=0.5, fx=None, fy=None, user=False):
        a = 'cx="%s" cy="%s" r="%s"' % (f(cx), f(cy), f(r))
        if fx is not None or self.radial_focus:
            a += ' fx="%s" fy="%s"' % (f(cx if fx is None else fx), f(cy if fy is None else fy))
        if user:
            a += ' gradientUnits="userSpaceOnUse"'
        return self._grad("radialGradient", self.radial_prefix, a, stops)

    def blur(self, std):
        """A plain Gaussian blur with room around the shape, one filter per deviation."""
        key = f(std)
        if key not in self.blurs:
            i = "blur" + key.replace(".", "_") if self.named_blurs else self.uid("b")
            self.blurs[key] = i
            self.defs.append('<filter id="%s" x="-50%%" y="-50%%" width="200%%" height="200%%">'
                             '<feGaussianBlur stdDeviation="%s"/></filter>' % (i, key))
        return "url(#%s)" % self.blurs[key]

    def clip(self, inner):
        i = self.uid("c")
        self.defs.append('<clipPath id="%s">%s</clipPath>' % (i, inner))
        return "url(#%s)" % i

    def pattern(self, x, y, w, h, inner):
        i = self.uid("p")
        self.defs.append('<pattern id="%s" patternUnits="userSpaceOnUse" x="%s" y="%s" width="%s" '
                         'height="%s">%s</pattern>' % (i, f(x), f(y), f(w), f(h), inner))
        return "url(#%s)" % i

    def svg(self):
        vx, vy, vw, vh = self.view
        ns = ' xmlns:xlink="http://www.w3.org/1999/xlink"' if self.xlink else ""
        return ('<?xml version="1.0" encoding="UTF-8"?>\n'
                '<svg xmlns="http://www.w3.org/2000/svg"%s version="1.1" width="%d" height="%d" '
                'viewBox="%s %s %s %s">\n<defs>%s</defs>\n%s\n</svg>\n'
                % (ns, self.w, self.h, f(vx), f(vy), f(vw), f(vh), self.defs_sep.join(self.defs),
                   "\n".join(self.body)))


def write(pack, member, doc):
    d = os.path.join(OUT, pack)
    os.makedirs(d, exist_ok=True)
    with open(os.path.join(d, member + ".svg"), "w", encoding="utf-8") as fh:
        fh.write(doc.svg())


# ----------------------------------------------------------------------------------------------
# Shapes: each returns path data.

def rrect(x, y, w, h, r):
    r = min(r, w / 2.0, h / 2.0)
    return ("M%s,%s H%s A%s,%s 0 0 1 %s,%s V%s A%s,%s 0 0 1 %s,%s H%s A%s,%s 0 0 1 %s,%s V%s "
            "A%s,%s 0 0 1 %s,%s Z" % (
                f(x + r), f(y), f(x + w - r), f(r), f(r), f(x + w), f(y + r), f(y + h - r),
                f(r), f(r), f(x + w - r), f(y + h), f(x + r), f(r), f(r), f(x), f(y + h - r),
                f(y + r), f(r), f(r), f(x + r), f(y)))


def circle(cx, cy, r):
    return "M%s,%s A%s,%s 0 1 1 %s,%s A%s,%s 0 1 1 %s,%s Z" % (
        f(cx - r), f(cy), f(r), f(r), f(cx + r), f(cy), f(r), f(r), f(cx - r), f(cy))


def poly(pts, close=True):
    s = "M" + " L".join("%s,%s" % (f(x), f(y)) for x, y in pts)
    return s + (" Z" if close else "")


def star(cx, cy, ro, ri, n=5, rot=-90):
    pts = []
    for k in range(2 * n):
        a = math.radians(rot + k * 180.0 / n)
        r = ro if k % 2 == 0 else ri
        pts.append((cx + r * math.cos(a), cy + r * math.sin(a)))
    return poly(pts)


# The knob of a jigsaw edge, in edge-local units: u along the edge (0..1), v outward (edge lengths).
KNOB = [
    ("L", [(0.36, 0)]),
    ("C", [(0.42, 0.0), (0.44, 0.05), (0.41, 0.10)]),
    ("C", [(0.31, 0.18), (0.34, 0.33), (0.50, 0.33)]),
    ("C", [(0.66, 0.33), (0.69, 0.18), (0.59, 0.10)]),
    ("C", [(0.56, 0.05), (0.58, 0.0), (0.64, 0)]),
    ("L", [(1, 0)]),
]


def knob_cmds(p0, p1, t, depth=1.0):
    """The path commands of a knobbed edge from p0 (the current point) to p1: t = 1 knob out
    (to the left of the way from p0 to p1), -1 knob in; depth scales how far it reaches."""
    dx, dy = p1[0] - p0[0], p1[1] - p0[1]
    ln = math.hypot(dx, dy)
    nx, ny = dy / ln, -dx / ln
    return [cmd + " ".join("%s,%s" % (f(p0[0] + u * dx + v * ln * t * nx * depth),
                                      f(p0[1] + u * dy + v * ln * t * ny * depth))
                           for u, v in pts)
            for cmd, pts in KNOB]


def piece(x, y, s, tabs=(1, 1, 1, 1), sx=None):
    """Jigsaw piece over the square (x, y, s x s), or sx wide; tabs for top, right, bottom,
    left: 1 = knob out, -1 = knob in, 0 = straight."""
    sx = s if sx is None else sx
    corners = [(x, y), (x + sx, y), (x + sx, y + s), (x, y + s)]
    out = ["M%s,%s" % (f(x), f(y))]
    for k in range(4):
        p0, p1 = corners[k], corners[(k + 1) % 4]
        if tabs[k] == 0:
            out.append("L%s,%s" % (f(p1[0]), f(p1[1])))
        else:
            out.extend(knob_cmds(p0, p1, tabs[k]))
    out.append("Z")
    return " ".join(out)


# ----------------------------------------------------------------------------------------------
# Elements

def path(d, fill="none", stroke=None, sw=None, extra=""):
    s = '<path d="%s" fill="%s"' % (d, fill)
    if stroke:
        s += ' stroke="%s" stroke-width="%s" stroke-linejoin="round" stroke-linecap="round"' % (
            stroke, f(sw or 1))
    return s + (" " + extra if extra else "") + "/>"


def shadow(doc, d, dy=2.5, std=2.5, op=0.3, dx=0):
    return ('<path d="%s" fill="#000" opacity="%s" filter="%s" transform="translate(%s,%s)"/>'
            % (d, f(op), doc.blur(std), f(dx), f(dy)))


def glow(doc, d, color, std=3, op=0.8):
    return '<path d="%s" fill="%s" opacity="%s" filter="%s"/>' % (d, color, f(op), doc.blur(std))


def inked(d, fill="#FFFFFF", ink=INK, outer=8, inner=4.5):
    """A stroke drawn in a colour (white by default) with a dark-blue outline around it."""
    return path(d, stroke=ink, sw=outer) + path(d, stroke=fill, sw=inner)


def button_states(doc, sw, h, d, hl, fourth, icon, glow_std=2.5, hl_fade=0.1):
    """A button's four states side by side (normal, hover, pressed, fourth), each sw wide with a
    2 px transparent gutter left and right. d: the face in state-local coordinates; hl: its top
    highlight (None for none), whose white fades to hl_fade; icon(state) -> svg over the face."""
    for i, state in enumerate(("normal", "hover", "pressed", fourth)):
        x0 = i * sw
        top, bot, rim = FACE[state]
        clip = doc.clip('<rect x="%d" y="0" width="%d" height="%d"/>' % (x0 + 2, sw - 4, h))
        g = ['<g clip-path="%s"><g transform="translate(%d,0)">' % (clip, x0)]
        dy = 2 if state == "pressed" else 0
        if state == "pressed":
            g.append(shadow(doc, d, dy=3, std=1.5, op=0.25))
        else:
            g.append(shadow(doc, d, dy=2.5, std=2, op=0.3))
        if state == "hover":
            g.append(glow(doc, d, "#FFC25A", std=glow_std, op=0.95))
        if state == "active":
            g.append(glow(doc, d, "#C9F7E1", std=glow_std, op=0.95))
        g.append('<g transform="translate(0,%d)">' % dy)
        g.append(path(d, fill=doc.lin([(0, top), (1, bot)]), stroke=rim, sw=2))
        if state != "pressed" and hl:
            g.append(path(hl, fill=doc.lin([(0, "#FFFFFF", 0.6), (1, "#FFFFFF", hl_fade)]),
                          extra='opacity="0.75"'))
        g.append(icon(state))
        g.append("</g></g></g>")
        doc.add("".join(g))

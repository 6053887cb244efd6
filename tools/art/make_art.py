#!/usr/bin/python3
"""Draws the pictures of the Vortane Manager tools (wizard, splash, help companion, icons).

Everything is drawn from geometry here; no outside picture is used. Needs Pillow
(Debian: python3-pil). Run from the repository root:  /usr/bin/python3 tools/art/make_art.py
"""
import math
import os
import sys

from PIL import Image, ImageDraw, ImageFilter

ROOT = os.path.abspath(os.path.join(os.path.dirname(__file__), "..", ".."))
S = 4  # supersampling factor for the smooth pictures

NAVY = (14, 24, 74)
DEEP = (8, 14, 44)
AMBER = (244, 168, 40)
AMBER_DARK = (176, 104, 16)
AMBER_LIGHT = (255, 214, 120)


def out(*parts):
    path = os.path.join(ROOT, *parts)
    os.makedirs(os.path.dirname(path), exist_ok=True)
    return path


def lerp(a, b, t):
    return tuple(int(round(a[i] + (b[i] - a[i]) * t)) for i in range(len(a)))


def vgradient(w, h, top, bottom):
    img = Image.new("RGB", (w, h))
    d = ImageDraw.Draw(img)
    for y in range(h):
        d.line([(0, y), (w, y)], fill=lerp(top, bottom, y / max(1, h - 1)))
    return img


def radial_glow(img, cx, cy, r, color, strength):
    """Adds a soft round glow of the colour to an RGB picture."""
    w, h = img.size
    mask = Image.new("L", (w, h), 0)
    md = ImageDraw.Draw(mask)
    steps = 40
    for i in range(steps):
        rr = r * (1 - i / steps)
        md.ellipse([cx - rr, cy - rr, cx + rr, cy + rr], fill=int(255 * strength * (i + 1) / steps))
    mask = mask.filter(ImageFilter.GaussianBlur(r / 6))
    img.paste(Image.new("RGB", (w, h), color), (0, 0), mask)


def down(img, size):
    return img.resize(size, Image.LANCZOS)


def S_(v):
    return v * S


# ---------------------------------------------------------------- film reel
def draw_reel(d, cx, cy, r, rim, face, hole, hub, outline=None, holes=5, rot=0.0):
    """A film reel: round face with a number of round windows and a hub."""
    ow = max(1, int(r * 0.06))
    d.ellipse([cx - r, cy - r, cx + r, cy + r], fill=rim, outline=outline, width=ow if outline else 0)
    ri = r * 0.9
    d.ellipse([cx - ri, cy - ri, cx + ri, cy + ri], fill=face)
    for k in range(holes):
        a = rot + 2 * math.pi * k / holes
        hx, hy = cx + math.cos(a) * r * 0.52, cy + math.sin(a) * r * 0.52
        hr = r * 0.22
        d.ellipse([hx - hr, hy - hr, hx + hr, hy + hr], fill=hole)
    hr = r * 0.16
    d.ellipse([cx - hr, cy - hr, cx + hr, cy + hr], fill=hub)
    hr2 = r * 0.06
    d.ellipse([cx - hr2, cy - hr2, cx + hr2, cy + hr2], fill=hole)


# ---------------------------------------------------------------- film strip along a curve
def curve_points(fn, n):
    return [fn(i / (n - 1)) for i in range(n)]


def normals(pts):
    res = []
    for i in range(len(pts)):
        a = pts[max(0, i - 1)]
        b = pts[min(len(pts) - 1, i + 1)]
        dx, dy = b[0] - a[0], b[1] - a[1]
        ln = math.hypot(dx, dy) or 1
        res.append((-dy / ln, dx / ln, dx / ln, dy / ln))
    return res


def draw_strip(d, pts, width, base, frame_cols, hole_col, edge_col, frame_len, hole_len):
    """A film strip of the given width following the points; frames inside, sprocket holes at both edges."""
    nm = normals(pts)
    half = width / 2
    left = [(p[0] + n[0] * half, p[1] + n[1] * half) for p, n in zip(pts, nm)]
    right = [(p[0] - n[0] * half, p[1] - n[1] * half) for p, n in zip(pts, nm)]
    d.polygon(left + right[::-1], fill=base)
    # arc length along the curve
    acc = [0.0]
    for i in range(1, len(pts)):
        acc.append(acc[-1] + math.hypot(pts[i][0] - pts[i - 1][0], pts[i][1] - pts[i - 1][1]))

    def at(s):
        for i in range(1, len(acc)):
            if acc[i] >= s:
                t = (s - acc[i - 1]) / ((acc[i] - acc[i - 1]) or 1)
                p = (pts[i - 1][0] + (pts[i][0] - pts[i - 1][0]) * t, pts[i - 1][1] + (pts[i][1] - pts[i - 1][1]) * t)
                return p, nm[i]
        return pts[-1], nm[-1]

    def quad(s0, s1, o0, o1, col):
        p0, n0 = at(s0)
        p1, n1 = at(s1)
        d.polygon([(p0[0] + n0[0] * o0, p0[1] + n0[1] * o0), (p1[0] + n1[0] * o0, p1[1] + n1[1] * o0),
                   (p1[0] + n1[0] * o1, p1[1] + n1[1] * o1), (p0[0] + n0[0] * o1, p0[1] + n0[1] * o1)], fill=col)

    total = acc[-1]
    s = frame_len * 0.1
    k = 0
    while s + frame_len * 0.85 < total:
        quad(s, s + frame_len * 0.85, -half * 0.62, half * 0.62, frame_cols[k % len(frame_cols)])
        k += 1
        s += frame_len
    s = hole_len * 0.25
    while s + hole_len * 0.5 < total:
        quad(s, s + hole_len * 0.5, half * 0.74, half * 0.92, hole_col)
        quad(s, s + hole_len * 0.5, -half * 0.92, -half * 0.74, hole_col)
        s += hole_len
    d.line(left, fill=edge_col, width=max(1, int(width * 0.04)))
    d.line(right, fill=edge_col, width=max(1, int(width * 0.04)))


# ---------------------------------------------------------------- pictures
def error_icon():
    W = 32 * S
    img = Image.new("RGBA", (W, W), (0, 0, 0, 0))
    d = ImageDraw.Draw(img)
    c = W / 2
    # shadow
    sh = Image.new("RGBA", (W, W), (0, 0, 0, 0))
    ImageDraw.Draw(sh).ellipse([S_(3), S_(4), S_(31), S_(32) - 1], fill=(0, 0, 0, 90))
    img = Image.alpha_composite(img, sh.filter(ImageFilter.GaussianBlur(S)))
    d = ImageDraw.Draw(img)
    r = S_(13.5)
    d.ellipse([c - r - S, c - r - S, c + r - S, c + r - S], fill=(128, 0, 0, 255))
    r2 = r - S_(1.3)
    for i in range(30):
        t = i / 29
        rr = r2 * (1 - 0.35 * t)
        col = lerp((200, 10, 10), (255, 90, 80), t)
        ox = -S - S_(2.5) * t
        d.ellipse([c - rr + ox, c - rr + ox, c + rr + ox, c + rr + ox], fill=col + (255,))
    # white X
    k = S_(5.5)
    cx = cy = c - S
    wdt = S_(3.6)
    d.line([(cx - k, cy - k), (cx + k, cy + k)], fill=(255, 255, 255, 255), width=int(wdt))
    d.line([(cx - k, cy + k), (cx + k, cy - k)], fill=(255, 255, 255, 255), width=int(wdt))
    down(img, (32, 32)).save(out("shared", "data", "error_icon.png"))


def splash_strip():
    w, h = 22 * S, 161 * S
    img = vgradient(w, h, (24, 40, 120), (6, 10, 40))
    d = ImageDraw.Draw(img)
    # amber glow in the lower part, fading up
    radial_glow(img, w / 2, h * 0.78, h * 0.35, AMBER_DARK, 0.55)
    d = ImageDraw.Draw(img)
    # film strip: a darker band with holes and frames
    x0, x1 = S_(3), S_(19)
    d.rectangle([x0, 0, x1, h], fill=(12, 12, 20))
    y = S_(2)
    k = 0
    while y < h:
        d.rectangle([x0 + S_(1), y, x0 + S_(3), y + S_(2)], fill=(230, 230, 220))
        d.rectangle([x1 - S_(3), y, x1 - S_(1), y + S_(2)], fill=(230, 230, 220))
        y += S_(5)
    y = S_(3)
    cols = [(60, 100, 200), AMBER, (40, 70, 170), AMBER_LIGHT]
    while y + S_(12) < h:
        t = y / h
        col = lerp((70, 110, 210), AMBER, t)
        d.rectangle([x0 + S_(5), y, x1 - S_(5), y + S_(11)], fill=col)
        # small highlight line in each frame
        d.line([(x0 + S_(6), y + S_(2)), (x0 + S_(6), y + S_(5))], fill=lerp(col, (255, 255, 255), 0.5), width=S)
        y += S_(14)
    down(img, (22, 161)).save(out("shared", "data", "splash_strip.png"))


def splash_picture():
    w, h = 368 * S, 199 * S
    img = vgradient(w, h, (10, 18, 60), (4, 6, 24))
    radial_glow(img, w * 0.30, h * 0.62, h * 0.75, (40, 70, 170), 0.7)
    radial_glow(img, w * 0.70, h * 0.72, h * 0.55, (150, 80, 10), 0.55)
    d = ImageDraw.Draw(img)
    # light beam from the lower left towards the right, as from a projector
    beam = Image.new("L", (w, h), 0)
    bd = ImageDraw.Draw(beam)
    bd.polygon([(w * 0.16, h * 0.66), (w * 1.02, h * 0.30), (w * 1.02, h * 1.05)], fill=70)
    beam = beam.filter(ImageFilter.GaussianBlur(S_(10)))
    img.paste(Image.new("RGB", (w, h), AMBER_LIGHT), (0, 0), beam)
    d = ImageDraw.Draw(img)
    # big reel at the lower left, partly outside the picture
    draw_reel(d, w * 0.17, h * 0.70, h * 0.50, (40, 58, 120), (22, 34, 86), (6, 10, 34), (120, 140, 200),
              outline=(90, 120, 200), holes=6, rot=0.3)
    # film strip coming off the reel and sweeping to the right
    def f(t):
        x = w * (0.20 + 0.86 * t)
        y = h * (0.22 + 0.40 * t) + math.sin(t * math.pi * 1.2) * h * 0.10 + h * 0.02 * math.sin(t * 9)
        return (x, y + h * 0.12)
    pts = curve_points(f, 200)
    draw_strip(d, pts, S_(38), (16, 14, 16), [AMBER, (226, 140, 30), AMBER_LIGHT, (70, 110, 210)],
               (200, 200, 190), (60, 56, 50), S_(42), S_(10.5))
    # small reel at the upper middle, calm and dim
    draw_reel(d, w * 0.50, h * 0.30, h * 0.15, (34, 48, 100), (20, 30, 74), (8, 12, 40), (90, 110, 170),
              holes=5, rot=1.0)
    # sparks of light along the beam
    for i, (px, py, pr) in enumerate([(0.78, 0.55, 2.2), (0.86, 0.47, 1.6), (0.92, 0.74, 2.0), (0.64, 0.86, 1.4),
                                      (0.71, 0.38, 1.2)]):
        radial_glow(img, w * px, h * py, S_(pr * 5), AMBER_LIGHT, 0.8)
    # calm the top band (titles are drawn there)
    top = vgradient(w, int(h * 0.14), (10, 18, 60), (10, 18, 60))
    m = Image.new("L", top.size, 0)
    md = ImageDraw.Draw(m)
    for y in range(top.size[1]):
        md.line([(0, y), (w, y)], fill=int(150 * (1 - y / top.size[1])))
    img.paste(top, (0, 0), m)
    down(img, (368, 199)).save(out("extract", "data", "Tovrik32.jpg"), quality=90)


def badge():
    W = 53 * S
    # the badge lies over the top right corner of the splash picture: take that corner as its background
    splash = Image.open(out("extract", "data", "Tovrik32.jpg")).convert("RGB")
    img = splash.crop((368 - 53, 0, 368, 53)).resize((W, W), Image.BICUBIC)
    d = ImageDraw.Draw(img)
    c = W / 2
    r = W / 2 - S_(1)
    d.ellipse([c - r, c - r, c + r, c + r], fill=AMBER_DARK)
    r2 = r - S_(2.5)
    for i in range(24):
        t = i / 23
        rr = r2 * (1 - 0.25 * t)
        col = lerp(NAVY, (40, 66, 160), t)
        o = -S_(3) * t
        d.ellipse([c - rr + o, c - rr + o, c + rr + o, c + rr + o], fill=col)
    # ring of sprocket marks
    for k in range(16):
        a = 2 * math.pi * k / 16
        hx, hy = c + math.cos(a) * (r - S_(1.3)), c + math.sin(a) * (r - S_(1.3))
        hr = S_(0.8)
        d.ellipse([hx - hr, hy - hr, hx + hr, hy + hr], fill=AMBER_LIGHT)
    # the monogram: a V and an M drawn as strokes
    lw = int(S_(4.2))
    v = [(c - S_(15), c - S_(9)), (c - S_(8.5), c + S_(9)), (c - S_(2), c - S_(9))]
    m = [(c + S_(0.5), c + S_(9)), (c + S_(3.5), c - S_(9)), (c + S_(8.5), c + S_(3)),
         (c + S_(13.5), c - S_(9)), (c + S_(16), c + S_(9))]
    for pts, col in ((v, (40, 24, 0)), (m, (40, 24, 0))):
        d.line([(x + S, y + S) for x, y in pts], fill=col, width=lw, joint="curve")
    d.line(v, fill=AMBER, width=lw, joint="curve")
    d.line(m, fill=AMBER_LIGHT, width=lw, joint="curve")
    small = down(img, (53, 53))
    small.convert("P", palette=Image.ADAPTIVE, colors=128).save(out("extract", "data", "Tovrik32.gif"))


def side_picture_background(w, h):
    """The navy background of the programs' side pictures: blue glow above, amber below, a grid of dots."""
    img = vgradient(w, h, (0, 40, 110), (0, 6, 30))
    radial_glow(img, w * 0.5, h * 0.18, w * 0.7, (60, 110, 220), 0.6)
    radial_glow(img, w * 0.5, h * 0.86, w * 0.7, (170, 100, 20), 0.45)
    d = ImageDraw.Draw(img)
    # 90s touch: a fine grid of dots over the background
    for y in range(0, h, S_(8)):
        for x in range(0, w, S_(8)):
            d.ellipse([x, y, x + S * 0.9, y + S * 0.9], fill=(40, 80, 160))
    return img


def folder_box(w, h):
    """Left, top, right and bottom of the folder at the bottom of a side picture."""
    return w * 0.10, h * 0.74, w * 0.90, h * 0.95


def draw_folder_back(d, w, h):
    fx0, fy0, fx1, fy1 = folder_box(w, h)
    back = [(fx0, fy0 + S_(6)), (fx0 + S_(30), fy0 + S_(6)), (fx0 + S_(36), fy0), (fx1, fy0), (fx1, fy1), (fx0, fy1)]
    d.polygon(back, fill=(196, 150, 52), outline=(80, 54, 10))


def draw_folder_front(img, w, h):
    """The front flap with its shadow, over whatever goes into the folder; returns a fresh drawing context."""
    fx0, fy0, fx1, fy1 = folder_box(w, h)
    front = [(fx0 - S_(4), fy0 + S_(20)), (fx1 + S_(4), fy0 + S_(16)), (fx1, fy1), (fx0, fy1)]
    sh = Image.new("L", (w, h), 0)
    ImageDraw.Draw(sh).polygon([(x, y - S_(3)) for x, y in front], fill=120)
    img.paste((0, 0, 0), (0, 0), sh.filter(ImageFilter.GaussianBlur(S_(2))))
    d = ImageDraw.Draw(img)
    d.polygon(front, fill=(248, 204, 96), outline=(90, 60, 10))
    d.line([(fx0 + S_(2), fy0 + S_(24)), (fx1 - S_(2), fy0 + S_(20))], fill=(255, 236, 170), width=S_(2))
    return d


def draw_down_arrow(d, w, h):
    """A green arrow into the folder, at the right."""
    ax, ay = w * 0.82, h * 0.60
    arrow = [(ax - S_(6), ay - S_(22)), (ax + S_(6), ay - S_(22)), (ax + S_(6), ay - S_(4)), (ax + S_(13), ay - S_(4)),
             (ax, ay + S_(12)), (ax - S_(13), ay - S_(4)), (ax - S_(6), ay - S_(4))]
    d.polygon([(x + S_(2), y + S_(2)) for x, y in arrow], fill=(0, 20, 0))
    d.polygon(arrow, fill=(40, 200, 60), outline=(0, 90, 20))


def bevel_frame(img):
    """Shrinks the picture to 146 x 296 and gives it the bevel frame that installers of the time had."""
    img = down(img, (146, 296))
    d = ImageDraw.Draw(img)
    d.line([(0, 0), (145, 0)], fill=(128, 128, 128))
    d.line([(0, 0), (0, 295)], fill=(128, 128, 128))
    d.line([(145, 0), (145, 295)], fill=(255, 255, 255))
    d.line([(0, 295), (145, 295)], fill=(255, 255, 255))
    return img


def wizard_picture():
    w, h = 146 * S, 296 * S
    img = side_picture_background(w, h)
    # the reel at the top
    cx, cy, r = w * 0.52, h * 0.17, w * 0.33
    sh = Image.new("L", (w, h), 0)
    ImageDraw.Draw(sh).ellipse([cx - r + S_(4), cy - r + S_(5), cx + r + S_(4), cy + r + S_(5)], fill=150)
    img.paste((0, 0, 0), (0, 0), sh.filter(ImageFilter.GaussianBlur(S_(3))))
    d = ImageDraw.Draw(img)
    draw_reel(d, cx, cy, r, (170, 176, 190), (120, 128, 146), (10, 30, 80), (220, 224, 232),
              outline=(235, 238, 245), holes=5, rot=-0.4)
    # the folder at the bottom: back part, then the film dips in, then the front flap
    draw_folder_back(d, w, h)
    d = ImageDraw.Draw(img)
    # film strip unwinding down in an S curve into the folder
    def f(t):
        x = w * (0.5 + 0.26 * math.sin(t * math.pi * 1.55 + 0.35))
        y = h * (0.20 + 0.66 * t)
        return (x, y)
    pts = curve_points(f, 220)
    draw_strip(d, pts, S_(26), (20, 16, 14), [AMBER, (240, 150, 40), AMBER_LIGHT, (120, 160, 240)],
               (210, 210, 200), (70, 60, 40), S_(27), S_(7))
    # front flap drawn over the end of the strip
    d = draw_folder_front(img, w, h)
    draw_down_arrow(d, w, h)
    bevel_frame(img).save(out("extract", "data", "wizard.png"))


def draw_cube(d, cx, cy, size, col):
    """A module as a small cube seen from above: lit top, shaded left and right faces."""
    def shade(c, k):
        return tuple(max(0, min(255, int(v * k))) for v in c)
    a, b, edge = size * 0.5, size * 0.29, size * 0.58
    left, right, near, far = (cx - a, cy - b), (cx + a, cy - b), (cx, cy), (cx, cy - 2 * b)
    d.polygon([far, right, near, left], fill=shade(col, 1.25), outline=(20, 16, 14))
    d.polygon([left, near, (cx, cy + edge), (cx - a, cy - b + edge)], fill=shade(col, 0.95), outline=(20, 16, 14))
    d.polygon([near, right, (cx + a, cy - b + edge), (cx, cy + edge)], fill=shade(col, 0.65), outline=(20, 16, 14))


def installer_picture():
    w, h = 146 * S, 296 * S
    img = side_picture_background(w, h)
    d = ImageDraw.Draw(img)
    # the package at the top: an open cardboard box with its flaps up
    bx0, bx1, by0, by1 = w * 0.22, w * 0.80, h * 0.12, h * 0.27
    depth = S_(12)
    sh = Image.new("L", (w, h), 0)
    ImageDraw.Draw(sh).rectangle([bx0 + S_(4), by0 + S_(5), bx1 + S_(4), by1 + S_(5)], fill=150)
    img.paste((0, 0, 0), (0, 0), sh.filter(ImageFilter.GaussianBlur(S_(3))))
    d = ImageDraw.Draw(img)
    card, card_dark, card_light = (200, 150, 88), (140, 98, 50), (226, 184, 120)
    d.polygon([(bx0 - S_(14), by0 - S_(20)), (bx0 + depth, by0 - depth), (bx0, by0)], fill=card_light,
              outline=(80, 54, 20))
    d.polygon([(bx1 + S_(16), by0 - S_(22)), (bx1 + depth, by0 - depth), (bx1, by0)], fill=card_light,
              outline=(80, 54, 20))
    d.polygon([(bx0, by0), (bx0 + depth, by0 - depth), (bx1 + depth, by0 - depth), (bx1, by0)], fill=(60, 36, 14))
    d.polygon([(bx1, by0), (bx1 + depth, by0 - depth), (bx1 + depth, by1 - depth), (bx1, by1)], fill=card_dark,
              outline=(80, 54, 20))
    d.rectangle([bx0, by0, bx1, by1], fill=card, outline=(80, 54, 20))
    d.rectangle([bx0 + (bx1 - bx0) * 0.38, by0, bx0 + (bx1 - bx0) * 0.62, by1], fill=(170, 130, 74))
    d.rectangle([bx0 + S_(8), by1 - S_(16), bx0 + S_(34), by1 - S_(6)], fill=(240, 236, 220), outline=(90, 70, 40))
    d.line([(bx0 + S_(11), by1 - S_(12)), (bx0 + S_(30), by1 - S_(12))], fill=(14, 24, 74), width=S)
    # the folder at the bottom, and the modules on their way from the box into it
    draw_folder_back(d, w, h)

    def f(t):
        x = w * (0.5 + 0.22 * math.sin(t * math.pi * 1.4 + 0.2))
        y = h * (0.26 + 0.56 * t)
        return (x, y)
    for t in [i / 60 for i in range(4, 58, 3)]:
        x, y = f(t)
        d.ellipse([x - S * 1.2, y - S * 1.2, x + S * 1.2, y + S * 1.2], fill=(150, 180, 240))
    for t, col in [(0.12, AMBER), (0.38, (110, 150, 240)), (0.62, (80, 196, 110)), (0.90, (230, 96, 84))]:
        x, y = f(t)
        draw_cube(d, x, y, S_(26), col)
    # the last module half in the folder, under the front flap
    d = draw_folder_front(img, w, h)
    draw_down_arrow(d, w, h)
    img = bevel_frame(img)
    # a 256-colour picture, as the screen's picture was
    img.convert("P", palette=Image.ADAPTIVE, colors=256).save(out("installer", "data", "installer.png"))


def question_mark(d, cx, cy, size, col, width):
    r = size * 0.28
    top = cy - size * 0.36
    d.arc([cx - r, top, cx + r, top + 2 * r], start=180, end=405, fill=col, width=int(width))
    a = math.radians(45)
    sx, sy = cx + r * math.cos(a), top + r + r * math.sin(a)
    d.line([(sx, sy), (cx, cy + size * 0.05), (cx, cy + size * 0.16)], fill=col, width=int(width), joint="curve")
    dr = width * 0.62
    dy = cy + size * 0.33
    d.ellipse([cx - dr, dy - dr, cx + dr, dy + dr], fill=col)


def help_button():
    W = 24 * S
    img = Image.new("RGBA", (W, W), (0, 0, 0, 0))
    d = ImageDraw.Draw(img)
    # speech bubble: yellow body with a blue outline and a tail at the lower left
    body = [S_(2), S_(1.5), S_(22), S_(18)]
    tail = [(S_(5), S_(15)), (S_(3), S_(22.5)), (S_(11), S_(16.5))]
    d.polygon(tail, fill=(0, 0, 160, 255))
    d.ellipse(body, fill=(0, 0, 160, 255))
    inner = [S_(3.3), S_(2.8), S_(20.7), S_(16.7)]
    d.ellipse(inner, fill=(255, 230, 40, 255))
    d.polygon([(S_(5.8), S_(14.5)), (S_(4.6), S_(20.2)), (S_(10.2), S_(15.4))], fill=(255, 230, 40, 255))
    d.ellipse([S_(6), S_(4), S_(12), S_(8)], fill=(255, 250, 190, 255))
    question_mark(d, S_(12), S_(9.6), S_(13), (0, 0, 170, 255), S_(2.2))
    down(img, (24, 24)).save(out("extract", "data", "help_button.png"))


def window_icon():
    W = 32 * S
    img = Image.new("RGBA", (W, W), (0, 0, 0, 0))
    d = ImageDraw.Draw(img)
    # film tail leaving the reel to the lower right
    d.polygon([(S_(16), S_(26)), (S_(31), S_(24)), (S_(31), S_(31)), (S_(16), S_(31))], fill=(30, 24, 20, 255))
    for x in range(18, 31, 3):
        d.rectangle([S_(x), S_(25.2), S_(x + 1.2), S_(26.2)], fill=(230, 230, 220, 255))
        d.rectangle([S_(x), S_(29.2), S_(x + 1.2), S_(30.2)], fill=(230, 230, 220, 255))
    d.rectangle([S_(19), S_(27), S_(23), S_(28.6)], fill=AMBER + (255,))
    d.rectangle([S_(25), S_(26.9), S_(29), S_(28.5)], fill=AMBER + (255,))
    draw_reel(d, S_(14.5), S_(14.5), S_(13.5), (20, 40, 140, 255), (150, 160, 190, 255), (20, 40, 140, 255),
              (240, 240, 250, 255), outline=(0, 0, 60, 255), holes=5, rot=-0.3)
    down(img, (32, 32)).save(out("extract", "data", "tovrik32_icon.png"))


def about0():  # a disk
    W = 48 * S
    img = Image.new("RGBA", (W, W), (0, 0, 0, 0))
    d = ImageDraw.Draw(img)
    body = [(S_(5), S_(4)), (S_(40), S_(4)), (S_(44), S_(8)), (S_(44), S_(44)), (S_(5), S_(44))]
    d.polygon([(x + S_(2), y + S_(2)) for x, y in body], fill=(0, 0, 0, 110))
    d.polygon(body, fill=(30, 50, 130, 255), outline=(0, 0, 40, 255))
    # metal shutter
    d.rectangle([S_(14), S_(4), S_(35), S_(17)], fill=(190, 196, 206, 255), outline=(90, 96, 110, 255))
    d.rectangle([S_(27), S_(6.5), S_(31.5), S_(15)], fill=(30, 50, 130, 255))
    # label
    d.rectangle([S_(9), S_(23), S_(40), S_(42)], fill=(250, 248, 236, 255), outline=(160, 150, 120, 255))
    for k in range(3):
        y = S_(27 + k * 4.5)
        d.line([(S_(12), y), (S_(37) - k * S_(5), y)], fill=(0, 0, 170, 255), width=S)
    d.rectangle([S_(9), S_(23), S_(40), S_(25)], fill=AMBER + (255,))
    down(img, (48, 48)).save(out("extract", "data", "about0.png"))


def about1():  # a film reel with a gauge for the free space
    W = 48 * S
    img = Image.new("RGBA", (W, W), (0, 0, 0, 0))
    d = ImageDraw.Draw(img)
    d.ellipse([S_(4), S_(4), S_(36), S_(36)], fill=(0, 0, 0, 90))
    draw_reel(d, S_(19), S_(19), S_(16), (20, 40, 140, 255), (150, 160, 190, 255), (20, 40, 140, 255),
              (240, 240, 250, 255), outline=(0, 0, 60, 255), holes=5, rot=-0.2)
    # the gauge: a half-round dial at the lower right, needle near "full" free space
    gx, gy, gr = S_(33), S_(38), S_(13)
    d.pieslice([gx - gr, gy - gr, gx + gr, gy + gr], start=180, end=360, fill=(40, 40, 48, 255))
    d.rectangle([gx - gr, gy, gx + gr, gy + S_(5)], fill=(40, 40, 48, 255))
    gr2 = gr - S_(1.5)
    d.pieslice([gx - gr2, gy - gr2, gx + gr2, gy + gr2], start=180, end=360, fill=(250, 248, 236, 255))
    box = [gx - gr2 + S_(1), gy - gr2 + S_(1), gx + gr2 - S_(1), gy + gr2 - S_(1)]
    d.arc(box, start=180, end=240, fill=(230, 40, 30, 255), width=S_(3))
    d.arc(box, start=240, end=300, fill=(250, 200, 30, 255), width=S_(3))
    d.arc(box, start=300, end=360, fill=(40, 170, 60, 255), width=S_(3))
    d.rectangle([gx - gr2, gy + S_(1), gx + gr2, gy + S_(3.5)], fill=(250, 248, 236, 255))
    a = math.radians(-40)
    d.line([(gx, gy), (gx + math.cos(a) * gr2 * 0.9, gy + math.sin(a) * gr2 * 0.9)], fill=(0, 0, 0, 255),
           width=int(S_(1.6)))
    d.ellipse([gx - S_(2), gy - S_(2), gx + S_(2), gy + S_(2)], fill=(0, 0, 0, 255))
    down(img, (48, 48)).save(out("extract", "data", "about1.png"))


def about2():  # a spaceship-like emblem
    W = 48 * S
    img = Image.new("RGBA", (W, W), (0, 0, 0, 0))
    d = ImageDraw.Draw(img)
    c = W / 2
    r = S_(21)
    d.ellipse([c - r, c - r, c + r, c + r], fill=(0, 0, 50, 255))
    r2 = r - S_(2)
    d.ellipse([c - r2, c - r2, c + r2, c + r2], fill=(20, 40, 120, 255))
    for k, (sx, sy) in enumerate([(12, 14), (33, 11), (38, 30), (10, 31), (22, 38), (30, 20)]):
        d.ellipse([S_(sx) - S * 0.8, S_(sy) - S * 0.8, S_(sx) + S * 0.8, S_(sy) + S * 0.8], fill=(230, 230, 255, 255))
    # the ship: a delta wing pointing up with a tail flame
    ship = [(c, S_(7)), (c + S_(5), S_(24)), (c + S_(15), S_(34)), (c + S_(4), S_(32)), (c, S_(36)),
            (c - S_(4), S_(32)), (c - S_(15), S_(34)), (c - S_(5), S_(24))]
    d.polygon([(S_(36) / 2 + 0, S_(35)), (c + S_(3), S_(34)), (c, S_(44)), (c - S_(3), S_(34))], fill=AMBER + (255,))
    d.polygon([(c + S_(1.5), S_(34)), (c, S_(40)), (c - S_(1.5), S_(34))], fill=AMBER_LIGHT + (255,))
    d.polygon(ship, fill=(210, 216, 230, 255), outline=(60, 60, 80, 255))
    d.polygon([(c, S_(7)), (c + S_(5), S_(24)), (c + S_(4), S_(32)), (c, S_(36))], fill=(160, 168, 190, 255))
    d.ellipse([c - S_(2.2), S_(17), c + S_(2.2), S_(24)], fill=(60, 160, 240, 255), outline=(0, 40, 90, 255))
    # ring around
    d.arc([c - r2, c - r2, c + r2, c + r2], start=200, end=340, fill=AMBER + (255,), width=int(S_(1.5)))
    down(img, (48, 48)).save(out("extract", "data", "about2.png"))


def companion():
    """The help companion: a small owl holding an open book, on a light background."""
    w, h = 124 * S, 92 * S
    img = vgradient(w, h, (236, 244, 255), (206, 222, 246))
    d = ImageDraw.Draw(img)
    # floor shadow
    sh = Image.new("L", (w, h), 0)
    ImageDraw.Draw(sh).ellipse([S_(36), S_(80), S_(90), S_(90)], fill=110)
    img.paste((120, 130, 160), (0, 0), sh.filter(ImageFilter.GaussianBlur(S_(2))))
    d = ImageDraw.Draw(img)
    cx = S_(62)
    brown, dark, belly = (150, 96, 48), (90, 54, 22), (236, 206, 150)
    # ear tufts
    d.polygon([(cx - S_(22), S_(20)), (cx - S_(26), S_(4)), (cx - S_(10), S_(14))], fill=dark)
    d.polygon([(cx + S_(22), S_(20)), (cx + S_(26), S_(4)), (cx + S_(10), S_(14))], fill=dark)
    # body
    d.ellipse([cx - S_(27), S_(8), cx + S_(27), S_(86)], fill=brown, outline=dark, width=S)
    d.ellipse([cx - S_(17), S_(42), cx + S_(17), S_(84)], fill=belly)
    for k in range(3):
        for j in range(3 - (k % 2)):
            x = cx - S_(8) + j * S_(8) + (k % 2) * S_(4)
            y = S_(52) + k * S_(8)
            d.arc([x - S_(2.5), y - S_(2), x + S_(2.5), y + S_(2)], start=20, end=160, fill=(190, 150, 90), width=S)
    # eyes
    for sx in (-1, 1):
        ex = cx + sx * S_(11)
        d.ellipse([ex - S_(11), S_(14), ex + S_(11), S_(36)], fill=(250, 226, 170))
        d.ellipse([ex - S_(8.5), S_(16.5), ex + S_(8.5), S_(33.5)], fill=(255, 255, 255), outline=dark, width=S)
        d.ellipse([ex - S_(4.5) + sx * S, S_(20), ex + S_(4.5) + sx * S, S_(29)], fill=(20, 20, 30))
        d.ellipse([ex - S_(2.5) + sx * S, S_(21), ex - S_(0.5) + sx * S, S_(23)], fill=(255, 255, 255))
    # beak
    d.polygon([(cx - S_(3.5), S_(33)), (cx + S_(3.5), S_(33)), (cx, S_(40))], fill=(246, 160, 30), outline=(150, 80, 0))
    # feet
    for sx in (-1, 1):
        fx = cx + sx * S_(9)
        for t in (-2.5, 0, 2.5):
            d.ellipse([fx + S_(t) - S_(1.6), S_(83), fx + S_(t) + S_(1.6), S_(88)], fill=(246, 160, 30))
    # the open book held in front
    bx, by = cx, S_(58)
    left = [(bx, by + S_(4)), (bx - S_(24), by), (bx - S_(25), by + S_(19)), (bx, by + S_(23))]
    right = [(bx, by + S_(4)), (bx + S_(24), by), (bx + S_(25), by + S_(19)), (bx, by + S_(23))]
    d.polygon([(x, y + S_(2)) for x, y in left + right[::-1][1:3]], fill=(0, 110, 110))
    d.polygon([(bx - S_(26), by + S_(1)), (bx - S_(27), by + S_(21)), (bx, by + S_(25)), (bx + S_(27), by + S_(21)),
               (bx + S_(26), by + S_(1)), (bx, by + S_(6))], fill=(0, 128, 128), outline=(0, 60, 60))
    d.polygon(left, fill=(255, 255, 255), outline=(60, 60, 60))
    d.polygon(right, fill=(255, 255, 255), outline=(60, 60, 60))
    for k in range(4):
        t = k * S_(4)
        d.line([(bx - S_(20), by + S_(4) + t), (bx - S_(4), by + S_(7) + t)], fill=(0, 0, 200), width=S)
        d.line([(bx + S_(4), by + S_(7) + t), (bx + S_(20 - (k == 3) * 6), by + S_(4) + t)], fill=(0, 0, 200), width=S)
    # wings (hands) holding the book at its sides
    d.ellipse([bx - S_(32), by + S_(4), bx - S_(20), by + S_(20)], fill=brown, outline=dark, width=S)
    d.ellipse([bx + S_(20), by + S_(4), bx + S_(32), by + S_(20)], fill=brown, outline=dark, width=S)
    # a small sparkle beside the head
    for (px, py, pr) in ((S_(104), S_(16), S_(4)), (S_(16), S_(26), S_(3))):
        d.line([(px - pr, py), (px + pr, py)], fill=(250, 190, 40), width=S)
        d.line([(px, py - pr), (px, py + pr)], fill=(250, 190, 40), width=S)
    small = down(img, (124, 92))
    small.convert("P", palette=Image.ADAPTIVE, colors=255).save(out("help", "data", "Nimbrel", "fs1.gif"))


# ---------------------------------------------------------------- 16x16 tree icons (pixel maps)
PAL = {
    ".": (192, 192, 192),  # silver: background and mask colour
    "K": (0, 0, 0),
    "T": (0, 128, 128),    # dark cyan
    "W": (255, 255, 255),
    "B": (0, 0, 255),
    "N": (0, 0, 128),
    "G": (128, 128, 128),
    "A": (0, 255, 255),
}

BOOK_CLOSED = [
    "................",
    "................",
    ".........KK.....",
    ".......KKTTK....",
    ".....KKTTTTTK...",
    "...KKTTTTTTTTK..",
    ".KKTTTTTTTTTTTK.",
    "KTTTTTTTTTTTTKWK",
    "KTTTTTTTTTTTKWWK",
    ".KTTTTTTTTTKWWK.",
    "..KTTTTTTTKWWK..",
    "..KKKTTTTKWWK...",
    "..KWWKKTKWWK....",
    "...KKWWKWWK.....",
    ".....KKKKK......",
    "................",
]

BOOK_OPEN = [
    "................",
    "................",
    ".........KK.....",
    ".......KKWWK....",
    ".....KKWWWWWK...",
    "...KKWWWWBBWWK..",
    ".KKWWWWBBWWWWWK.",
    "KWWWWBBWWWWBWKWK",
    "KWWBBWWWWBBWKWWK",
    ".KWWWWWBBWWKWWK.",
    "..KWWBBWWWKWWK..",
    "..KKKWWWWKWWK...",
    "..KWWKKWKWWK....",
    "...KKWWKWWK.....",
    ".....KKKKK......",
    "................",
]

PAGE = [
    "................",
    "..KKKKKKKK......",
    "..KWWWWWWKK.....",
    "..KWWWWWWKWK....",
    "..KWBBBBWKWWK...",
    "..KWWWWWWKKKKK..",
    "..KWBBBBBBBBWK..",
    "..KWWWWWWWWWWK..",
    "..KWBBBBBBBBWK..",
    "..KWWWWWWWWWWK..",
    "..KWBBBBBBWWWK..",
    "..KWWWWWWWWWWK..",
    "..KWWWWWWWWWWK..",
    "..KWWWWWWWWWWK..",
    "..KKKKKKKKKKKK..",
    "................",
]


def pixel_icon(rows, name):
    assert len(rows) == 16 and all(len(r) == 16 for r in rows), name
    img = Image.new("RGB", (16, 16))
    for y, row in enumerate(rows):
        for x, ch in enumerate(row):
            img.putpixel((x, y), PAL[ch])
    img.save(out("help", "data", name))
    img.save(out("help", "manual", "img", name))  # the manual's own page on the topic window shows them


def main():
    error_icon()
    splash_strip()
    splash_picture()
    badge()
    wizard_picture()
    installer_picture()
    help_button()
    window_icon()
    about0()
    about1()
    about2()
    companion()
    pixel_icon(BOOK_CLOSED, "tree_closed.png")
    pixel_icon(BOOK_OPEN, "tree_open.png")
    pixel_icon(PAGE, "tree_page.png")
    jpg = out("extract", "data", "Tovrik32.jpg")
    s = 0
    with open(jpg, "rb") as f:
        for b in f.read():
            s ^= b
    print("XOR sum of Tovrik32.jpg:", s or 1)


if __name__ == "__main__":
    sys.exit(main())

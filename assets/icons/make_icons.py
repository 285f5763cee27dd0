#!/usr/bin/env python3
"""Draws the Orlenza System Manager icons and writes tree.bmp, menu.bmp and app.ico.

Everything is drawn here from simple shapes (discs, rings, arcs, rounded rectangles,
polygons, thick lines), each sampled 6 x 6 times per pixel and averaged, so edges are
anti-aliased. Flat style: dark slate shapes with one accent colour per group of settings,
on a transparent background.

  tree.bmp  560 x 40, fourteen 40 x 40 icons side by side (index 0..13, left to right)
  menu.bmp   48 x 16, three 16 x 16 icons (Exit, Help Index, About)
  app.ico   16, 32 and 48 pixel images of the application icon

The BMPs are 32-bit BI_RGB with a BITMAPINFOHEADER, rows bottom-up, bytes B G R A with
straight (not premultiplied) alpha; fully transparent pixels are 0 0 0 0. The ICO holds
classic BMP entries: a BITMAPINFOHEADER (height doubled), 32-bit BGRA rows bottom-up, then
a 1-bit AND mask (bit set where alpha is 0). The output depends on nothing but this file.
"""
import math
import struct
import sys
from pathlib import Path

SS = 6  # samples per pixel along each axis


# ---------------------------------------------------------------- colours

def rgb(h):
    h = h.lstrip('#')
    return (int(h[0:2], 16), int(h[2:4], 16), int(h[4:6], 16))


SLATE = rgb('#34495e')
SLATE_DARK = rgb('#2c3e50')
SLATE_LIGHT = rgb('#7f8c9d')
WHITE = rgb('#ffffff')
BLUE = rgb('#2e86de')       # voice and sound
BLUE_LIGHT = rgb('#6cc3ff')
ORANGE = rgb('#e67e22')     # logon security
PURPLE = rgb('#8e44ad')     # matching
TEAL = rgb('#16a085')       # appearance
GREEN = rgb('#27ae60')      # the service
RED = rgb('#e74c3c')
YELLOW = rgb('#f1c40f')
FLAME = rgb('#f39c12')


# ---------------------------------------------------------------- shapes
# A shape has bbox() -> (x0, y0, x1, y1) and contains(x, y) -> bool, in drawing units
# (one unit is one pixel unless the canvas is scaled; y grows downwards).
# Angles are in degrees, 0 pointing right, 90 pointing down (clockwise on screen).

class Shape:
    def __or__(self, other):
        return Union(self, other)

    def __sub__(self, other):
        return Difference(self, other)

    def __and__(self, other):
        return Intersection(self, other)


class Union(Shape):
    def __init__(self, *parts):
        self.parts = parts

    def bbox(self):
        boxes = [p.bbox() for p in self.parts]
        return (min(b[0] for b in boxes), min(b[1] for b in boxes),
                max(b[2] for b in boxes), max(b[3] for b in boxes))

    def contains(self, x, y):
        for p in self.parts:
            b = p.bbox()
            if b[0] <= x <= b[2] and b[1] <= y <= b[3] and p.contains(x, y):
                return True
        return False


class Difference(Shape):
    def __init__(self, a, b):
        self.a, self.b = a, b

    def bbox(self):
        return self.a.bbox()

    def contains(self, x, y):
        return self.a.contains(x, y) and not self.b.contains(x, y)


class Intersection(Shape):
    def __init__(self, a, b):
        self.a, self.b = a, b

    def bbox(self):
        p, q = self.a.bbox(), self.b.bbox()
        return (max(p[0], q[0]), max(p[1], q[1]), min(p[2], q[2]), min(p[3], q[3]))

    def contains(self, x, y):
        return self.a.contains(x, y) and self.b.contains(x, y)


class Circle(Shape):
    def __init__(self, cx, cy, r):
        self.cx, self.cy, self.r = cx, cy, r

    def bbox(self):
        return (self.cx - self.r, self.cy - self.r, self.cx + self.r, self.cy + self.r)

    def contains(self, x, y):
        dx, dy = x - self.cx, y - self.cy
        return dx * dx + dy * dy <= self.r * self.r


class Ellipse(Shape):
    def __init__(self, cx, cy, rx, ry):
        self.cx, self.cy, self.rx, self.ry = cx, cy, rx, ry

    def bbox(self):
        return (self.cx - self.rx, self.cy - self.ry, self.cx + self.rx, self.cy + self.ry)

    def contains(self, x, y):
        dx, dy = (x - self.cx) / self.rx, (y - self.cy) / self.ry
        return dx * dx + dy * dy <= 1.0


def Ring(cx, cy, r_out, r_in):
    return Circle(cx, cy, r_out) - Circle(cx, cy, r_in)


class Rect(Shape):
    """An axis-aligned rectangle from (x0, y0) to (x1, y1), corners rounded by r."""

    def __init__(self, x0, y0, x1, y1, r=0.0):
        self.x0, self.y0, self.x1, self.y1 = x0, y0, x1, y1
        self.r = min(r, (x1 - x0) / 2, (y1 - y0) / 2)

    def bbox(self):
        return (self.x0, self.y0, self.x1, self.y1)

    def contains(self, x, y):
        if not (self.x0 <= x <= self.x1 and self.y0 <= y <= self.y1):
            return False
        r = self.r
        if r <= 0:
            return True
        cx = min(max(x, self.x0 + r), self.x1 - r)
        cy = min(max(y, self.y0 + r), self.y1 - r)
        dx, dy = x - cx, y - cy
        return dx * dx + dy * dy <= r * r


class Polygon(Shape):
    def __init__(self, points):
        self.pts = list(points)

    def bbox(self):
        xs = [p[0] for p in self.pts]
        ys = [p[1] for p in self.pts]
        return (min(xs), min(ys), max(xs), max(ys))

    def contains(self, x, y):
        inside = False
        pts = self.pts
        j = len(pts) - 1
        for i in range(len(pts)):
            xi, yi = pts[i]
            xj, yj = pts[j]
            if (yi > y) != (yj > y):
                if x < (xj - xi) * (y - yi) / (yj - yi) + xi:
                    inside = not inside
            j = i
        return inside


class Segment(Shape):
    """A line of width w from (x0, y0) to (x1, y1); round ends unless round_caps is False."""

    def __init__(self, x0, y0, x1, y1, w, round_caps=True):
        self.x0, self.y0, self.x1, self.y1 = x0, y0, x1, y1
        self.h = w / 2.0
        self.round = round_caps

    def bbox(self):
        h = self.h
        return (min(self.x0, self.x1) - h, min(self.y0, self.y1) - h,
                max(self.x0, self.x1) + h, max(self.y0, self.y1) + h)

    def contains(self, x, y):
        dx, dy = self.x1 - self.x0, self.y1 - self.y0
        ll = dx * dx + dy * dy
        t = ((x - self.x0) * dx + (y - self.y0) * dy) / ll if ll else 0.0
        if not self.round and (t < 0.0 or t > 1.0):
            return False
        t = min(max(t, 0.0), 1.0)
        px, py = self.x0 + t * dx - x, self.y0 + t * dy - y
        return px * px + py * py <= self.h * self.h


def Polyline(points, w):
    return Union(*[Segment(a[0], a[1], b[0], b[1], w) for a, b in zip(points, points[1:])])


def _in_angle(a, a0, a1):
    """Whether angle a lies on the clockwise sweep from a0 to a1 (degrees)."""
    span = (a1 - a0) % 360.0 or (360.0 if a1 != a0 else 0.0)
    return (a - a0) % 360.0 <= span


class Arc(Shape):
    """A stroke of width w along the circle (cx, cy, r), clockwise from a0 to a1."""

    def __init__(self, cx, cy, r, w, a0, a1, round_caps=True):
        self.cx, self.cy, self.r, self.h = cx, cy, r, w / 2.0
        self.a0, self.a1 = a0, a1
        self.caps = []
        if round_caps:
            for a in (a0, a1):
                t = math.radians(a)
                self.caps.append(Circle(cx + r * math.cos(t), cy + r * math.sin(t), w / 2.0))

    def bbox(self):
        e = self.r + self.h
        return (self.cx - e, self.cy - e, self.cx + e, self.cy + e)

    def contains(self, x, y):
        dx, dy = x - self.cx, y - self.cy
        d = math.hypot(dx, dy)
        if abs(d - self.r) <= self.h and _in_angle(math.degrees(math.atan2(dy, dx)), self.a0, self.a1):
            return True
        return any(c.contains(x, y) for c in self.caps)


class Pie(Shape):
    """A sector of the disc (cx, cy, r), clockwise from a0 to a1."""

    def __init__(self, cx, cy, r, a0, a1):
        self.cx, self.cy, self.r, self.a0, self.a1 = cx, cy, r, a0, a1

    def bbox(self):
        return (self.cx - self.r, self.cy - self.r, self.cx + self.r, self.cy + self.r)

    def contains(self, x, y):
        dx, dy = x - self.cx, y - self.cy
        if dx * dx + dy * dy > self.r * self.r:
            return False
        return _in_angle(math.degrees(math.atan2(dy, dx)), self.a0, self.a1)


class Gear(Shape):
    """A cog: a disc of radius r_body with n teeth out to r_tip (tapered), centred on (cx, cy)."""

    def __init__(self, cx, cy, r_body, r_tip, n, tooth_base, tooth_tip, phase=0.0):
        self.cx, self.cy, self.rb, self.rt, self.n = cx, cy, r_body, r_tip, n
        self.wb, self.wt, self.phase = tooth_base / 2.0, tooth_tip / 2.0, phase

    def bbox(self):
        return (self.cx - self.rt, self.cy - self.rt, self.cx + self.rt, self.cy + self.rt)

    def contains(self, x, y):
        dx, dy = x - self.cx, y - self.cy
        d = math.hypot(dx, dy)
        if d <= self.rb:
            return True
        if d > self.rt:
            return False
        period = 2 * math.pi / self.n
        a = (math.atan2(dy, dx) - math.radians(self.phase)) % period
        a = min(a, period - a)  # angle from the nearest tooth centre line
        off = d * math.sin(a)  # distance from that line
        t = (d - self.rb) / (self.rt - self.rb)
        return off <= self.wb + (self.wt - self.wb) * t


class Rotate(Shape):
    """A shape turned clockwise by deg about (cx, cy)."""

    def __init__(self, shape, deg, cx, cy):
        self.s, self.cx, self.cy = shape, cx, cy
        t = math.radians(deg)
        self.c, self.sn = math.cos(t), math.sin(t)

    def bbox(self):
        x0, y0, x1, y1 = self.s.bbox()
        pts = []
        for x, y in ((x0, y0), (x1, y0), (x0, y1), (x1, y1)):
            dx, dy = x - self.cx, y - self.cy
            pts.append((self.cx + dx * self.c - dy * self.sn, self.cy + dx * self.sn + dy * self.c))
        return (min(p[0] for p in pts), min(p[1] for p in pts),
                max(p[0] for p in pts), max(p[1] for p in pts))

    def contains(self, x, y):
        dx, dy = x - self.cx, y - self.cy
        return self.s.contains(self.cx + dx * self.c + dy * self.sn,
                               self.cy - dx * self.sn + dy * self.c)


class Func(Shape):
    def __init__(self, box, f):
        self.box, self.f = box, f

    def bbox(self):
        return self.box

    def contains(self, x, y):
        return self.f(x, y)


# ---------------------------------------------------------------- canvas

class Canvas:
    """Premultiplied RGBA samples, SS x SS per pixel; `scale` pixels per drawing unit."""

    def __init__(self, w, h, scale=1.0):
        self.w, self.h, self.k = w, h, scale
        self.W, self.H = w * SS, h * SS
        n = self.W * self.H
        self.r = [0.0] * n
        self.g = [0.0] * n
        self.b = [0.0] * n
        self.a = [0.0] * n

    def _samples(self, shape):
        x0, y0, x1, y1 = shape.bbox()
        f = SS * self.k
        i0 = max(0, int(math.floor(x0 * f - 0.5)))
        i1 = min(self.W - 1, int(math.ceil(x1 * f)))
        j0 = max(0, int(math.floor(y0 * f - 0.5)))
        j1 = min(self.H - 1, int(math.ceil(y1 * f)))
        contains = shape.contains
        for j in range(j0, j1 + 1):
            y = (j + 0.5) / f
            row = j * self.W
            for i in range(i0, i1 + 1):
                if contains((i + 0.5) / f, y):
                    yield row + i

    def fill(self, shape, colour, alpha=1.0):
        cr, cg, cb = (c / 255.0 * alpha for c in colour)
        keep = 1.0 - alpha
        R, G, B, A = self.r, self.g, self.b, self.a
        for n in self._samples(shape):
            R[n] = cr + R[n] * keep
            G[n] = cg + G[n] * keep
            B[n] = cb + B[n] * keep
            A[n] = alpha + A[n] * keep

    def erase(self, shape):
        """Cuts the shape out of what is drawn so far (leaves it transparent)."""
        R, G, B, A = self.r, self.g, self.b, self.a
        for n in self._samples(shape):
            R[n] = G[n] = B[n] = A[n] = 0.0

    def pixels(self):
        """Rows top-down of (r, g, b, a) bytes with straight alpha."""
        out = []
        area = SS * SS
        for py in range(self.h):
            row = []
            for px in range(self.w):
                sr = sg = sb = sa = 0.0
                for j in range(py * SS, py * SS + SS):
                    base = j * self.W + px * SS
                    for n in range(base, base + SS):
                        sr += self.r[n]
                        sg += self.g[n]
                        sb += self.b[n]
                        sa += self.a[n]
                a = int(round(sa / area * 255.0))
                if a <= 0:
                    row.append((0, 0, 0, 0))
                    continue
                row.append((min(255, int(round(sr / sa * 255.0))),
                            min(255, int(round(sg / sa * 255.0))),
                            min(255, int(round(sb / sa * 255.0))),
                            min(255, a)))
            out.append(row)
        return out


# ---------------------------------------------------------------- helpers for drawing

def wave_points(x0, x1, yc, amp, periods, phase=0.0, env=False, n=80):
    pts = []
    for k in range(n + 1):
        t = k / n
        e = math.sin(math.pi * t) if env else 1.0
        pts.append((x0 + (x1 - x0) * t,
                    yc - amp * e * math.sin(2 * math.pi * periods * t + phase)))
    return pts


def shield(cx, top, half_w, shoulder, bottom, side_y):
    """A shield outline: a shallow peak at the top, straight sides, curved to a point."""
    pts = [(cx, top), (cx + half_w, top + shoulder), (cx + half_w, side_y)]
    # quadratic curve from (cx + half_w, side_y) to (cx, bottom), control (cx + half_w, ctrl)
    ctrl = side_y + (bottom - side_y) * 0.6
    for k in range(1, 21):
        t = k / 20
        x = (1 - t) ** 2 * (cx + half_w) + 2 * (1 - t) * t * (cx + half_w) + t * t * cx
        y = (1 - t) ** 2 * side_y + 2 * (1 - t) * t * ctrl + t * t * bottom
        pts.append((x, y))
    right = pts[1:]
    left = [(2 * cx - x, y) for x, y in reversed(right[:-1])]
    return Polygon(pts + left)


def arrow_right(x0, x1, y, shaft, head_len, head_half):
    """A right-pointing arrow: shaft from x0 to the head, which ends at x1."""
    return Union(Rect(x0, y - shaft / 2, x1 - head_len + 0.5, y + shaft / 2),
                 Polygon([(x1 - head_len, y - head_half), (x1, y), (x1 - head_len, y + head_half)]))


# ---------------------------------------------------------------- the tree icons (40 x 40)

def icon_voice_assistance(c):
    # speaker
    c.fill(Rect(4, 14.5, 11, 25.5, 1.5), SLATE)
    c.fill(Polygon([(9.5, 14.5), (19, 6.5), (19, 33.5), (9.5, 25.5)]), SLATE)
    c.fill(Rect(16.5, 6, 19.5, 34, 1.5), SLATE)
    # sound waves
    for r in (6.5, 12.0):
        c.fill(Arc(19, 20, r, 3.0, -45, 45), BLUE)
    c.fill(Arc(19, 20, 17.5, 3.0, -42, 42), BLUE, 0.55)


def icon_voice_print_playback(c):
    # a voice print on both sides of a play button
    for x, hgt in ((3.5, 8), (7, 16), (33, 16), (36.5, 8)):
        c.fill(Segment(x, 20 - hgt / 2, x, 20 + hgt / 2, 2.4), SLATE)
    c.fill(Circle(20, 20, 10.5), BLUE)
    c.fill(Polygon([(17, 14.5), (17, 25.5), (25.8, 20)]), WHITE)


def icon_view_sound_data(c):
    c.fill(Rect(3, 6, 37, 30, 3), SLATE)
    c.fill(Rect(6, 9, 34, 27, 1), SLATE_DARK)
    # faint grid
    for y in (13.5, 18, 22.5):
        c.fill(Rect(6.5, y - 0.5, 33.5, y + 0.5), SLATE_LIGHT, 0.45)
    for x in (13, 20, 27):
        c.fill(Rect(x - 0.5, 9.5, x + 0.5, 26.5), SLATE_LIGHT, 0.45)
    c.fill(Polyline(wave_points(7.5, 32.5, 18, 6.5, 3.0, env=True), 2.0), BLUE_LIGHT)
    # stand
    c.fill(Polygon([(17, 29), (23, 29), (24.5, 34.5), (15.5, 34.5)]), SLATE)
    c.fill(Rect(11, 33.5, 29, 36.5, 1.5), SLATE)


def icon_inactivity_timeout(c):
    cx, cy = 20, 22.5
    c.fill(Rect(16, 2.5, 24, 6, 1.2), SLATE)
    c.fill(Rect(18.5, 5, 21.5, 9), SLATE)
    c.fill(Rotate(Rect(29, 9.75, 34.5, 13.25, 1), 45, 30.6, 11.9), SLATE)
    c.fill(Circle(cx, cy, 15), SLATE)
    c.fill(Circle(cx, cy, 12), WHITE)
    c.fill(Pie(cx, cy, 10, -90, 30), ORANGE)
    c.fill(Segment(cx, cy, cx + 9 * math.cos(math.radians(30)),
                   cy + 9 * math.sin(math.radians(30)), 2.5), SLATE)
    c.fill(Segment(cx, cy, cx, cy - 9, 2.5), SLATE)
    c.fill(Circle(cx, cy, 2.3), SLATE)


def icon_logon_attempts(c):
    # key
    c.fill(Ring(11, 14, 8, 3.5), SLATE)
    c.fill(Rect(18, 12.5, 36, 16, 1), SLATE)
    c.fill(Rect(28.5, 14, 31.5, 21, 1), SLATE)
    c.fill(Rect(33, 14, 36, 19.5, 1), SLATE)
    # attempts used and left
    for k, x in enumerate((10, 20, 30)):
        if k < 2:
            c.fill(Circle(x, 30.5, 4), ORANGE)
        else:
            c.fill(Ring(x, 30.5, 4, 2), ORANGE)


def icon_lockout_duration(c):
    c.fill(Arc(13, 13, 6.5, 3.5, 180, 360, round_caps=False), SLATE)
    c.fill(Rect(4.75, 12.9, 8.25, 19), SLATE)
    c.fill(Rect(17.75, 12.9, 21.25, 19), SLATE)
    c.fill(Rect(3, 17.5, 23, 35, 3), SLATE)
    c.fill(Circle(13, 24.5, 2.6), WHITE)
    c.fill(Rect(11.9, 25, 14.1, 30, 1), WHITE)
    # clock
    c.erase(Circle(29, 29, 11))
    c.fill(Circle(29, 29, 9), ORANGE)
    c.fill(Segment(29, 29, 29, 23, 2.2), WHITE)
    c.fill(Segment(29, 29, 33, 29, 2.2), WHITE)


def icon_matching_sensitivity(c):
    for y, x in ((10, 26), (20, 13), (30, 21)):
        c.fill(Segment(5, y, 35, y, 3), SLATE_LIGHT)
        c.fill(Segment(5, y, x, y, 3), PURPLE)
        c.erase(Circle(x, y, 6))
        c.fill(Circle(x, y, 4.5), SLATE)
        c.fill(Circle(x, y, 1.8), WHITE)


def icon_percent_confidence(c):
    c.fill(shield(20, 2.5, 15, 3.5, 37.5, 19), SLATE)
    c.fill(shield(20, 5.5, 12, 3, 34, 19), PURPLE)
    c.fill(Ring(15.5, 15, 3.4, 1.6), WHITE)
    c.fill(Ring(24.5, 24.5, 3.4, 1.6), WHITE)
    c.fill(Segment(25, 12.5, 15, 27, 2.4), WHITE)


def icon_theme_style(c):
    body = Circle(19.5, 20, 16.5) - Circle(31.5, 29.5, 6.5)
    c.fill(body, SLATE)
    c.erase(Circle(20.5, 25, 2.6))
    for (x, y), col in (((11, 14), RED), ((18.5, 9.5), YELLOW), ((26.5, 11.5), GREEN),
                        ((10.5, 23), BLUE), ((31, 18.5), PURPLE)):
        c.fill(Circle(x, y, 3.4), col)


def icon_language(c):
    cx, cy, r = 20, 20, 16
    c.fill(Circle(cx, cy, r), SLATE)
    c.fill(Circle(cx, cy, r - 2.5), TEAL)
    inner = Circle(cx, cy, r - 2.5)
    lw = 1.8
    c.fill(Ellipse(cx, cy, 6.5 + lw / 2, r) - Ellipse(cx, cy, 6.5 - lw / 2, r - lw) & inner, WHITE)
    c.fill(Rect(cx - lw / 2, 3, cx + lw / 2, 37) & inner, WHITE)
    for y in (cy - 7, cy, cy + 7):
        c.fill(Rect(3, y - lw / 2, 37, y + lw / 2) & inner, WHITE)


def icon_start_stop(c):
    c.fill(Circle(20, 20, 17), SLATE)
    c.fill(Arc(20, 21, 9, 3.5, -50, 230), GREEN)
    c.fill(Segment(20, 9.5, 20, 19.5, 3.5), GREEN)


def icon_startup_type(c):
    c.fill(Gear(17, 17, 10.5, 14.5, 8, 6.5, 4.5, phase=22.5) - Circle(17, 17, 4.5), SLATE)
    c.erase(Circle(29.5, 29.5, 10.5))
    c.fill(Circle(29.5, 29.5, 8.5), GREEN)
    c.fill(arrow_right(24.5, 35, 29.5, 2.6, 5, 4.5), WHITE)


def icon_enhanced_startup(c):
    cx, cy = 20, 20

    def ogive(x, y):
        if y < 3 or y > 27:
            return False
        if y < 15:
            hw = math.sqrt(225 - (y - 15) ** 2) - 8.5
        else:
            hw = 6.5
        return abs(x - cx) <= hw

    parts = [
        (Ellipse(20, 30, 4.2, 8.5) & Rect(0, 28, 40, 40), FLAME),
        (Ellipse(20, 30, 2.1, 5.0) & Rect(0, 28, 40, 40), YELLOW),
        (Polygon([(14.5, 17), (7.5, 25), (7.5, 31), (14.5, 26)]), GREEN),
        (Polygon([(25.5, 17), (32.5, 25), (32.5, 31), (25.5, 26)]), GREEN),
        (Func((13, 2.5, 27, 27.5), ogive), SLATE),
        (Rect(16.5, 26, 23.5, 29.5, 1), SLATE),
        (Circle(20, 15, 3.6), WHITE),
        (Circle(20, 15, 2.2), BLUE),
    ]
    for shape, col in parts:
        c.fill(Rotate(shape, 45, cx, cy), col)


def icon_noise_filtration(c):
    c.fill(Rect(4, 3.5, 36, 8, 1.5), SLATE)
    c.fill(Polygon([(5.5, 7), (34.5, 7), (23.5, 19.5), (23.5, 25), (16.5, 28.5), (16.5, 19.5)]), SLATE)
    c.fill(Polyline(wave_points(3.5, 36.5, 33.5, 3, 2.0, phase=0.0), 2.6), BLUE)


TREE = [
    icon_voice_assistance, icon_voice_print_playback, icon_view_sound_data,
    icon_inactivity_timeout, icon_logon_attempts, icon_lockout_duration,
    icon_matching_sensitivity, icon_percent_confidence, icon_theme_style,
    icon_language, icon_start_stop, icon_startup_type, icon_enhanced_startup,
    icon_noise_filtration,
]


# ---------------------------------------------------------------- the menu icons (16 x 16)

def menu_exit(c):
    c.fill(Rect(1.5, 1, 9.5, 15, 1), SLATE)
    c.fill(Circle(4, 8.5, 1), WHITE)
    c.erase(Union(Rect(6, 5.5, 12, 10.5), Polygon([(10, 1.5), (16.5, 8), (10, 14.5)])))
    c.fill(arrow_right(7, 15.5, 8, 2.2, 4.5, 4.2), RED)


def menu_help(c):
    c.fill(Circle(8, 8, 7.5), BLUE)
    c.fill(Arc(8, 6, 2.6, 2.1, 180, 90), WHITE)
    c.fill(Segment(8, 8.6, 8, 9.6, 2.1), WHITE)
    c.fill(Circle(8, 12.4, 1.25), WHITE)


def menu_about(c):
    c.fill(Circle(8, 8, 7.5), SLATE)
    c.fill(Circle(8, 4.4, 1.35), WHITE)
    c.fill(Rect(7, 6.8, 9.1, 12.6), WHITE)
    c.fill(Rect(6, 6.8, 9.1, 8), WHITE)
    c.fill(Rect(6, 11.6, 10, 12.7), WHITE)


MENU = [menu_exit, menu_help, menu_about]


# ---------------------------------------------------------------- the application icon

def app_icon(size):
    if size <= 16:
        c = Canvas(16, 16)
        c.fill(Rect(0.5, 0.5, 15.5, 15.5, 3), BLUE)
        c.fill(Rect(5.5, 2, 10.5, 9.5, 2.5), WHITE)
        c.fill(Arc(8, 7, 4.4, 1.5, 0, 180), WHITE)
        c.fill(Rect(7.25, 11, 8.75, 13.5), WHITE)
        c.fill(Rect(4.5, 12.8, 11.5, 14.3, 0.6), WHITE)
        return c
    c = Canvas(size, size, size / 48.0)
    c.fill(Rect(1, 1, 47, 47, 9), BLUE)
    c.fill(Rect(18, 7, 30, 29, 6), WHITE)
    for y in (14, 18, 22):
        c.fill(Rect(21, y - 0.8, 27, y + 0.8, 0.8), BLUE, 0.55)
    c.fill(Arc(24, 22, 10, 3, 0, 180), WHITE)
    c.fill(Rect(12.5, 18, 15.5, 22), WHITE)
    c.fill(Rect(32.5, 18, 35.5, 22), WHITE)
    c.fill(Rect(22.5, 31, 25.5, 38), WHITE)
    c.fill(Rect(16.5, 37, 31.5, 40, 1.5), WHITE)
    for a0, a1 in ((-35, 35), (145, 215)):
        c.fill(Arc(24, 18, 17, 2.6, a0, a1), WHITE, 0.75)
    return c


# ---------------------------------------------------------------- file writers

def render_strip(painters, size):
    rows = [[] for _ in range(size)]
    for paint in painters:
        c = Canvas(size, size)
        paint(c)
        for y, row in enumerate(c.pixels()):
            rows[y].extend(row)
    return rows


def bmp_bytes(rows):
    """A 32-bit BI_RGB BMP, rows bottom-up, B G R A with straight alpha."""
    h, w = len(rows), len(rows[0])
    data = bytearray()
    for row in reversed(rows):
        for r, g, b, a in row:
            data += bytes((b, g, r, a))
    info = struct.pack('<IiiHHIIiiII', 40, w, h, 1, 32, 0, len(data), 2835, 2835, 0, 0)
    head = struct.pack('<2sIHHI', b'BM', 14 + len(info) + len(data), 0, 0, 14 + len(info))
    return head + info + bytes(data)


def ico_entry(rows):
    """A classic icon image: BITMAPINFOHEADER (height doubled), BGRA rows, AND mask."""
    h, w = len(rows), len(rows[0])
    xor = bytearray()
    for row in reversed(rows):
        for r, g, b, a in row:
            xor += bytes((b, g, r, a))
    stride = ((w + 31) // 32) * 4
    mask = bytearray()
    for row in reversed(rows):
        line = bytearray(stride)
        for x, px in enumerate(row):
            if px[3] == 0:
                line[x >> 3] |= 0x80 >> (x & 7)
        mask += line
    info = struct.pack('<IiiHHIIiiII', 40, w, h * 2, 1, 32, 0, len(xor) + len(mask), 0, 0, 0, 0)
    return info + bytes(xor) + bytes(mask)


def ico_bytes(images):
    entries = [ico_entry(rows) for rows in images]
    out = bytearray(struct.pack('<HHH', 0, 1, len(images)))
    offset = 6 + 16 * len(images)
    for rows, data in zip(images, entries):
        w, h = len(rows[0]), len(rows)
        out += struct.pack('<BBBBHHII', w % 256, h % 256, 0, 0, 1, 32, len(data), offset)
        offset += len(data)
    for data in entries:
        out += data
    return bytes(out)


def main():
    here = Path(__file__).resolve().parent
    (here / 'tree.bmp').write_bytes(bmp_bytes(render_strip(TREE, 40)))
    (here / 'menu.bmp').write_bytes(bmp_bytes(render_strip(MENU, 16)))
    (here / 'app.ico').write_bytes(ico_bytes([app_icon(s).pixels() for s in (16, 32, 48)]))
    return 0


if __name__ == '__main__':
    sys.exit(main())

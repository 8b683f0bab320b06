#!/usr/bin/env python3
"""Draws the achievement's mantling, data/art/mantle2.svg: a helm with its torse, and on each side
five tongues of cloth falling from the torse in a fan, their outer edges slashed into lobes, the
lining showing along their inner edges, in their curled tips and between them. The sinister half
is the dexter half mirrored. Usage: tools/draw_mantling.py > data/art/mantle2.svg"""
import math, sys

W, H = 497, 545
CX = W / 2.0
FIRST, SECOND, SILVER, BLACK = "#ffff00", "#00ff00", "#c0c0c0", "#000000"

def bez(p0, p1, p2, p3, t):
    u = 1 - t
    return (u**3*p0[0] + 3*u*u*t*p1[0] + 3*u*t*t*p2[0] + t**3*p3[0],
            u**3*p0[1] + 3*u*u*t*p1[1] + 3*u*t*t*p2[1] + t**3*p3[1])

def centreline(ctrl, curl_turn, curl_sign, curl_radius, n=70, m=40):
    """Points along a cubic, then a spiral curling from its end. Returns points and the index the curl starts at."""
    pts = [bez(*ctrl, i / n) for i in range(n + 1)]
    # length of the body
    L = sum(math.dist(pts[i], pts[i+1]) for i in range(n))
    x, y = pts[-1]
    a = math.atan2(pts[-1][1] - pts[-2][1], pts[-1][0] - pts[-2][0])
    total = math.radians(curl_turn)
    R = curl_radius
    for j in range(m):
        f = (j + 1) / m
        da = curl_sign * total / m
        r = R * (1 - 0.6 * f)
        a += da
        x += r * abs(da) * math.cos(a)
        y += r * abs(da) * math.sin(a)
        pts.append((x, y))
    return pts, n

def ribbon(pts, widths_l, widths_r):
    left, right = [], []
    for i, p in enumerate(pts):
        q0 = pts[max(i - 1, 0)]; q1 = pts[min(i + 1, len(pts) - 1)]
        dx, dy = q1[0] - q0[0], q1[1] - q0[1]
        d = math.hypot(dx, dy) or 1
        nx, ny = -dy / d, dx / d
        left.append((p[0] + nx * widths_l[i], p[1] + ny * widths_l[i]))
        right.append((p[0] - nx * widths_r[i], p[1] - ny * widths_r[i]))
    return left, right

def path(points, close=True):
    s = "M " + " L ".join(f"{x:.1f} {y:.1f}" for x, y in points)
    return s + (" Z" if close else "")

class Leaf:
    def __init__(self, ctrl, w0, face, lining, lobes=4, curl=300, sign=1, depth=0.6, depth2=0.18, lobes2=None):
        self.ctrl, self.w0, self.face, self.lining = ctrl, w0, face, lining
        self.lobes, self.curl, self.sign, self.depth = lobes, curl, sign, depth
        self.depth2, self.lobes2 = depth2, lobes2 or lobes + 1

    @staticmethod
    def lobe(s, lobes, depth):
        if s <= 0.12:
            return 1.0, False
        ph = (s - 0.12) / 0.88 * lobes
        frac = ph - math.floor(ph)
        return 1 - depth + depth * math.sqrt(max(math.sin(math.pi * frac), 0)), frac

    def shapes(self):
        pts, n = centreline(self.ctrl, self.curl, self.sign, self.w0 * 0.72)
        N = len(pts)
        wl, wr, notches = [], [], []
        prev = None
        for i in range(N):
            if i <= n:
                s = i / n
                base = self.w0 * (0.55 + 0.45 * math.sin(math.pi * min(s * 1.4, 1) * 0.5 + 0.0)) * (1 - 0.55 * s)
            else:
                base = self.w0 * 0.3 * (1 - 0.8 * (i - n) / (N - n))
            base = max(base, 1.6)
            if i <= n:
                f1, frac = self.lobe(s, self.lobes, self.depth)
                f2, _ = self.lobe(s, self.lobes2, self.depth2)
                if frac is not False and prev is not None and frac < prev:
                    notches.append(i)
                prev = frac if frac is not False else None
            else:
                f1 = f2 = 1.0
            wl.append(base * f1)
            wr.append(base * f2)
        left, right = ribbon(pts, wl, wr)
        out = []
        body = left + right[::-1]
        out.append(f'<path d="{path(body)}" fill="{self.face}"/>')
        # along the inner edge the cloth turns and its lining shows, widest halfway down
        a0, a1 = int(n * 0.18), int(n * 0.9)
        inner = []
        for i in range(a0, a1 + 1):
            t = (i - a0) / (a1 - a0)
            w = 2 + 9 * math.sin(math.pi * t)
            p, q = right[i], pts[i]
            d = math.dist(p, q) or 1
            inner.append((p[0] + (q[0] - p[0]) * w / d, p[1] + (q[1] - p[1]) * w / d))
        band = right[a0:a1 + 1] + inner[::-1]
        out.append(f'<path d="{path(band)}" fill="{self.lining}" stroke="{BLACK}" stroke-width="1.8" stroke-linejoin="round"/>')
        k = n - 4
        tip = left[k:] + right[k:][::-1]
        out.append(f'<path d="{path(tip)}" fill="{self.lining}" stroke="{BLACK}" stroke-width="2"/>')
        out.append(f'<path d="{path(body)}" fill="none" stroke="{BLACK}" stroke-width="2.4" stroke-linejoin="round"/>')
        for i in notches:
            j = min(i + 6, n)
            a = left[i]
            b = (pts[j][0] * 0.8 + left[j][0] * 0.2, pts[j][1] * 0.8 + left[j][1] * 0.2)
            c = (pts[i + 2][0] * 0.5 + left[i + 2][0] * 0.5, pts[i + 2][1] * 0.5 + left[i + 2][1] * 0.5)
            out.append(f'<path d="M {a[0]:.1f} {a[1]:.1f} Q {c[0]:.1f} {c[1]:.1f} {b[0]:.1f} {b[1]:.1f}" fill="none" stroke="{BLACK}" stroke-width="1.8"/>')
        rib = [(pts[i][0] * 0.6 + right[i][0] * 0.4, pts[i][1] * 0.6 + right[i][1] * 0.4) for i in range(6, n - 6)]
        out.append(f'<path d="{path(rib, False)}" fill="none" stroke="{BLACK}" stroke-width="1.5"/>')
        return out

def mirror(svg_elements):
    return [f'<g transform="matrix(-1 0 0 1 {W} 0)">'] + svg_elements + ['</g>']

def dexter():
    e = []
    # the mass of the mantling in its lining colour: what shows between the tongues is the cloth turned
    mass = [(200, 92), (176, 62), (130, 28), (80, 26), (40, 60), (18, 110), (10, 180), (10, 260), (14, 340), (20, 420),
            (34, 480), (56, 515), (84, 528), (124, 526), (126, 205), (150, 160), (196, 106)]
    e.append(f'<path d="{path(mass)}" fill="{SECOND}" stroke="{BLACK}" stroke-width="2.4" stroke-linejoin="round"/>')
    leaves = [
        Leaf(((176, 130), (100, 220), (126, 400), (66, 492)), 42, FIRST, SECOND, lobes=4, curl=320, sign=-1),
        Leaf(((172, 118), (80, 170), (76, 320), (30, 402)), 44, FIRST, SECOND, lobes=4, curl=320, sign=-1),
        Leaf(((178, 108), (84, 110), (26, 190), (22, 292)), 42, FIRST, SECOND, lobes=4, curl=320, sign=-1),
        Leaf(((186, 100), (124, 70), (54, 70), (26, 170)), 38, FIRST, SECOND, lobes=3, curl=320, sign=-1),
        Leaf(((198, 92), (184, 40), (130, 12), (68, 34)), 30, FIRST, SECOND, lobes=3, curl=330, sign=-1),
    ]
    for leaf in leaves:
        e += leaf.shapes()
    return e

def torse():
    """The wreath of the two tinctures twisted together, resting on the crown of the helm: six twists,
    each bounded by curved slants so that the roll reads round."""
    e = []
    x0, x1, n, h, sl = 184.0, 313.0, 6, 22, 9
    def top(x):
        return 76 + 0.0012 * (x - CX) ** 2
    seg = (x1 - x0) / n
    for i in range(n):
        a, b = x0 + i * seg, x0 + (i + 1) * seg
        # each twist: its left and right slants bow towards the dexter
        def slant(x):
            return (f"Q {x + sl * 0.1:.1f} {top(x) + h * 0.35:.1f} {x:.1f} {top(x) + h:.1f}", (x + sl, top(x + sl)))
        left_top = (a + sl, top(a + sl))
        right_top = (b + sl, top(b + sl))
        if i == 0:
            left_top = (a, top(a) + 3)
        if i == n - 1:
            right_top = (b, top(b) + 3)
        d = f"M {left_top[0]:.1f} {left_top[1]:.1f} "
        d += f"Q {(left_top[0] + right_top[0]) / 2:.1f} {min(left_top[1], right_top[1]) - 3:.1f} {right_top[0]:.1f} {right_top[1]:.1f} "
        if i == n - 1:
            d += f"C {b + 6:.1f} {top(b) + 6:.1f} {b + 6:.1f} {top(b) + h - 6:.1f} {b:.1f} {top(b) + h - 3:.1f} "
        else:
            d += f"Q {b + sl * 0.15:.1f} {top(b) + h * 0.35:.1f} {b:.1f} {top(b) + h:.1f} "
        d += f"Q {(a + b) / 2:.1f} {top((a + b) / 2) + h + 3:.1f} {a:.1f} {top(a) + h - (3 if i == 0 else 0):.1f} "
        if i == 0:
            d += f"C {a - 6:.1f} {top(a) + h - 6:.1f} {a - 6:.1f} {top(a) + 6:.1f} {left_top[0]:.1f} {left_top[1]:.1f} "
        else:
            d += f"Q {a + sl * 0.15:.1f} {top(a) + h * 0.35:.1f} {left_top[0]:.1f} {left_top[1]:.1f} "
        d += "Z"
        fill = FIRST if i % 2 == 0 else SECOND
        e.append(f'<path d="{d}" fill="{fill}" stroke="{BLACK}" stroke-width="2" stroke-linejoin="round"/>')
    return e

def helm():
    e = ['<g transform="translate(248 206) scale(1.12 1.05) translate(-248 -206)">']
    # the bowl of the helm, seen from the front, with its visor bars
    bowl = "M 202 196 C 198 160 200 120 218 102 C 232 88 264 88 278 102 C 296 120 298 160 294 196 Z"
    e.append(f'<path d="{bowl}" fill="{SILVER}" stroke="{BLACK}" stroke-width="2.4"/>')
    e.append(f'<path d="M 216 128 C 230 120 266 120 280 128 L 280 170 C 266 176 230 176 216 170 Z" fill="{BLACK}"/>')
    for k in range(5):
        x = 222 + k * 13
        e.append(f'<rect x="{x}" y="122" width="5" height="54" fill="{SILVER}" stroke="{BLACK}" stroke-width="1.2"/>')
    e.append(f'<path d="M 214 126 C 230 116 266 116 282 126" fill="none" stroke="{BLACK}" stroke-width="2"/>')
    e.append(f'<path d="M 248 92 L 248 118" fill="none" stroke="{BLACK}" stroke-width="1.6"/>')
    e.append(f'<path d="M 212 180 C 228 186 268 186 284 180" fill="none" stroke="{BLACK}" stroke-width="1.6"/>')
    # the gorget, resting on the shield's chief
    e.append(f'<path d="M 188 206 C 196 196 204 192 214 190 L 282 190 C 292 192 300 196 308 206 Z" fill="{SILVER}" stroke="{BLACK}" stroke-width="2.4"/>')
    e.append(f'<path d="M 200 199 C 230 194 266 194 296 199" fill="none" stroke="{BLACK}" stroke-width="1.5"/>')
    e.append('</g>')
    return e

def main():
    parts = [f'<svg xmlns="http://www.w3.org/2000/svg" width="{W}" height="{H}" viewBox="0 0 {W} {H}" shape-rendering="crispEdges">']
    parts.append('''  <!-- The helm, torse and mantling of the achievement, drawn in the key colours the program replaces pixel
       by pixel with the tinctures of the arms: #ffff00 the outside of the mantling (the first tincture),
       #00ff00 its lining (the second tincture), #c0c0c0 the steel of the helm (argent), #000000 every
       line (grey when the arms name sable); white, where nothing is drawn, is transparent. No other colour
       and no anti-aliasing. The shield is stretched into x 127..366, y 199..506 and must stay clear of
       the mantling; rows 0..2 stay white. Made by tools/draw_mantling.py. -->''')
    # the mantling never covers the shield: its rectangle (x 127..366, y 199..506) is cut out
    parts.append('<clipPath id="aroundShield"><path clip-rule="evenodd" d="M 0 0 H 497 V 545 H 0 Z M 127 199 V 507 H 367 V 199 Z"/></clipPath>')
    parts.append('<g clip-path="url(#aroundShield)">')
    d = dexter()
    parts += d
    parts += mirror(d)
    parts.append('</g>')
    parts += helm()
    parts += torse()
    parts.append('</svg>')
    sys.stdout.write("\n".join(parts) + "\n")

main()

"""Small drawing vocabulary for the scenario scene pictures: each function returns
ImageMagick draw commands (MVG) for one thing in a scene, placed at x, y (its foot point)
and scaled by s."""

import subprocess

# Scene pictures fill the scene box: 4155 twips high at 15 twips a pixel.
SCENE_W, SCENE_H = 492, 277


def group(body, x=0, y=0, s=1.0, flip=False):
    sx = -s if flip else s
    return (f"push graphic-context\ntranslate {x},{y}\nscale {sx},{s}\n{body}\n"
            "pop graphic-context\n")


def style(fill, stroke="none", width=1, opacity=1.0):
    return f"fill '{fill}'\nstroke '{stroke}'\nstroke-width {width}\nfill-opacity {opacity}\n"


def text(x, y, words, size=12, fill="#000000", font="DejaVu-Sans-Bold", anchor="start"):
    words = words.replace("'", "\\'")
    return (f"stroke none\nfill '{fill}'\nfill-opacity 1\nfont '{font}'\nfont-size {size}\n"
            f"text-anchor {anchor}\ntext {x},{y} '{words}'\n")


def label(x, y, words, size=11):
    """A caption box in a corner, like the note on a photograph of the scene."""
    width = int(len(words) * size * 0.62) + 12
    return (style("#000000", opacity=0.55) + f"roundrectangle {x},{y} {x + width},{y + size + 10} 4,4\n"
            + text(x + 6, y + size + 3, words, size, "#ffffff"))


def orange_panel(x, y, top, bottom, w=44, h=32):
    """The orange plate: hazard number over UN number."""
    half = y + h // 2
    return (style("#f28c1c", "#111111", 2) + f"rectangle {x},{y} {x + w},{y + h}\n"
            + f"line {x},{half} {x + w},{half}\n"
            + text(x + w // 2, half - 3, top, h * 0.36, "#111111", anchor="middle")
            + text(x + w // 2, y + h - 3, bottom, h * 0.36, "#111111", anchor="middle"))


def diamond(cx, cy, r, fill, number, symbol="", ink="#111111", lower=None):
    """A danger label standing on its point; `lower` colours the bottom half (class 8)."""
    body = style(fill, "#111111", 1.5) + f"polygon {cx},{cy - r} {cx + r},{cy} {cx},{cy + r} {cx - r},{cy}\n"
    if lower:
        # the lower half, below the hand and the bar
        body += style(lower) + f"polygon {cx - r * 0.86 + 1},{cy + r * 0.14} {cx + r * 0.86 - 1},{cy + r * 0.14} {cx},{cy + r - 2}\n"
    if symbol == "flame":
        body += style(ink) + (f"path 'M {cx - r * 0.25},{cy + r * 0.05} Q {cx - r * 0.3},{cy - r * 0.35}"
                              f" {cx},{cy - r * 0.6} Q {cx + r * 0.05},{cy - r * 0.3} {cx + r * 0.18},{cy - r * 0.38}"
                              f" Q {cx + r * 0.35},{cy - r * 0.1} {cx + r * 0.25},{cy + r * 0.05} Z'\n")
        body += f"rectangle {cx - r * 0.3},{cy + r * 0.08} {cx + r * 0.3},{cy + r * 0.13}\n"
    elif symbol == "oxidiser":
        # flame over a circle
        body += style(ink) + (f"path 'M {cx - r * 0.2},{cy - r * 0.02} Q {cx - r * 0.3},{cy - r * 0.3}"
                              f" {cx - r * 0.08},{cy - r * 0.6} Q {cx - r * 0.05},{cy - r * 0.38} {cx + r * 0.04},{cy - r * 0.42}"
                              f" Q {cx + r * 0.02},{cy - r * 0.55} {cx + r * 0.12},{cy - r * 0.62}"
                              f" Q {cx + r * 0.32},{cy - r * 0.3} {cx + r * 0.2},{cy - r * 0.02} Z'\n")
        body += style("none", ink, max(1.2, r * 0.08), 0) + f"ellipse {cx},{cy + r * 0.14} {r * 0.18},{r * 0.12} 0,360\n"
    elif symbol == "skull":
        body += style(ink) + (f"circle {cx},{cy - r * 0.35} {cx + r * 0.17},{cy - r * 0.35}\n"
                              f"rectangle {cx - r * 0.09},{cy - r * 0.25} {cx + r * 0.09},{cy - r * 0.14}\n")
        body += style("none", ink, max(1.5, r * 0.07)) + (
            f"line {cx - r * 0.32},{cy - r * 0.18} {cx + r * 0.32},{cy + r * 0.05}\n"
            f"line {cx + r * 0.32},{cy - r * 0.18} {cx - r * 0.32},{cy + r * 0.05}\n")
        body += style(fill) + (f"circle {cx - r * 0.07},{cy - r * 0.37} {cx - r * 0.02},{cy - r * 0.37}\n"
                               f"circle {cx + r * 0.07},{cy - r * 0.37} {cx + r * 0.12},{cy - r * 0.37}\n")
    elif symbol == "corrosive":
        body += corrosion(cx, cy - r * 0.05, r, ink)
    body += text(cx, cy + r * 0.78, number, max(7, r * 0.32), "#ffffff" if lower else ink, anchor="middle")
    return body


def corrosion(cx, cy, r, ink="#111111"):
    """The corrosion symbol: liquid dripping from two test tubes onto a hand (left) and a
    metal bar (right), both being eaten away; centred at (cx, cy) for a sign of radius r."""
    u = r * 0.1
    out = ""
    for side in (-1, 1):
        # a tube tilted towards the middle, mouth down over the hand or the bar
        tx, ty = cx + side * 3.2 * u, cy - 5.6 * u
        out += (f"push graphic-context\ntranslate {tx},{ty}\nrotate {side * 35}\n"
                + style("none", ink, max(1, u * 0.7), 0) + f"roundrectangle {-0.9 * u},{-2.6 * u} {0.9 * u},{2.2 * u} {0.8 * u},{0.8 * u}\n"
                + style(ink) + f"rectangle {-0.9 * u},{0.6 * u} {0.9 * u},{2.2 * u}\npop graphic-context\n")
        dx = cx + side * 2.4 * u
        for k in range(2):
            out += style(ink) + f"ellipse {dx},{cy - 2.4 * u + k * 1.3 * u} {0.35 * u},{0.5 * u} 0,360\n"
    # the hand, fingers to the right, with a bite taken out where the drops land
    out += style(ink) + (f"path 'M {cx - 5.4 * u},{cy + 0.4 * u} L {cx - 1.2 * u},{cy - 0.4 * u}"
                         f" Q {cx - 0.6 * u},{cy - 0.2 * u} {cx - 1.2 * u},{cy + 0.3 * u}"
                         f" L {cx - 0.6 * u},{cy + 0.5 * u} Q {cx - 0.4 * u},{cy + 1.1 * u} {cx - 1.2 * u},{cy + 1.2 * u}"
                         f" L {cx - 5.4 * u},{cy + 1.6 * u} Z'\n")
    # the bar, eaten away at the top where the drops land
    out += style(ink) + (f"path 'M {cx + 0.8 * u},{cy - 0.2 * u} L {cx + 1.8 * u},{cy - 0.2 * u}"
                         f" Q {cx + 2.4 * u},{cy + 0.5 * u} {cx + 3.0 * u},{cy - 0.2 * u} L {cx + 5.4 * u},{cy - 0.2 * u}"
                         f" L {cx + 5.4 * u},{cy + 1.4 * u} L {cx + 0.8 * u},{cy + 1.4 * u} Z'\n")
    return out


def background_size(background):
    if "-append" in background:
        return f"{SCENE_W}x{SCENE_H}"
    return background[background.index("-size") + 1]


def sky_ground(path, sky_top, sky_bottom, ground_top, ground_bottom, horizon=150,
               w=SCENE_W, h=SCENE_H):
    """Convert arguments for a background of sky over ground."""
    return ["-size", f"{w}x{horizon}", f"gradient:{sky_top}-{sky_bottom}",
            "-size", f"{w}x{h - horizon}", f"gradient:{ground_top}-{ground_bottom}", "-append"]


def cloud(cx, cy, w, h, colour="#e8e8e0", opacity=0.55, puffs=7, seed=1):
    """A vapour cloud made of overlapping puffs."""
    out = style(colour, opacity=opacity / 2)
    out += f"ellipse {cx},{cy} {w / 2},{h / 2} 0,360\n"
    out += style(colour, opacity=opacity)
    for i in range(puffs):
        k = (i * 37 + seed * 11) % 100 / 100.0
        px = cx - w / 2 + w * (i + 0.5) / puffs
        py = cy - h * 0.15 + h * 0.3 * k
        r = h * (0.28 + 0.2 * ((i * 53 + seed * 7) % 10) / 10.0)
        out += f"ellipse {px},{py} {r * 1.3},{r} 0,360\n"
    return out


def tank_truck(x, y, s=1.0, flip=False, panel=("33", "1203"), placard=("#d7261e", "3", "flame")):
    """A semi-trailer tank truck, foot at (x, y), cab to the right unless flipped."""
    body = ""
    body += style("#000000", opacity=0.25) + "ellipse 150,2 160,9 0,360\n"
    # trailer chassis and tank
    body += style("#555555") + "rectangle 0,-34 240,-26\n"
    body += style("#c9ccd1", "#555555", 1.5) + "roundrectangle 0,-100 235,-34 30,30\n"
    body += style("#e9ebee", opacity=0.9) + "roundrectangle 12,-94 225,-80 8,8\n"
    body += style("#9ea3aa", opacity=0.8) + "roundrectangle 8,-50 228,-38 8,8\n"
    body += style("#8a8f96") + "rectangle 60,-106 90,-100\nrectangle 150,-106 180,-100\n"
    # cab
    body += style("#c0392b", "#5a1a14", 1.5) + "roundrectangle 250,-96 306,-26 6,6\n"
    body += style("#a9d3f0", "#333333", 1) + "rectangle 262,-88 300,-62\n"
    body += style("#333333") + "rectangle 240,-40 306,-26\n"
    # wheels
    for wx in (30, 62, 196, 270, 292):
        body += style("#222222") + f"circle {wx},-14 {wx + 13},-14\n"
        body += style("#888888") + f"circle {wx},-14 {wx + 5},-14\n"
    placed = group(body, x, y, s, flip)
    # panels and labels are drawn unflipped so that their text reads right
    def at(px, py):
        return (x - px * s if flip else x + px * s), y + py * s
    extra = ""
    if panel:
        px, py = at(200 if not flip else 244, -88)
        extra += orange_panel(px, py, panel[0], panel[1], 44 * s, 32 * s)
    if placard:
        cx, cy = at(120, -66)
        extra += diamond(cx, cy, 22 * s, placard[0], placard[1], placard[2], "#ffffff" if placard[0] == "#d7261e" else "#111111")
    return placed + extra


def car(x, y, s=1.0, colour="#2e6fb7", flip=False, crumpled=False):
    body = style("#000000", opacity=0.25) + "ellipse 45,2 50,6 0,360\n"
    body += style(colour, "#1b1b1b", 1) + "roundrectangle 0,-30 95,-8 8,8\n"
    if crumpled:
        body += "polygon 70,-30 95,-22 95,-8 78,-12\n"
        body += style(colour, "#1b1b1b", 1) + "polygon 18,-30 28,-48 62,-48 72,-30\n"
    else:
        body += style(colour, "#1b1b1b", 1) + "polygon 18,-30 30,-48 66,-48 78,-30\n"
    body += style("#bfe0f5", "#333333", 0.8) + "polygon 25,-31 33,-45 46,-45 46,-31\npolygon 50,-31 50,-45 63,-45 71,-31\n"
    for wx in (20, 75):
        body += style("#1a1a1a") + f"circle {wx},-8 {wx + 10},-8\n" + style("#999999") + f"circle {wx},-8 {wx + 4},-8\n"
    return group(body, x, y, s, flip)


def fire_engine(x, y, s=1.0, flip=False):
    body = style("#000000", opacity=0.25) + "ellipse 80,2 85,7 0,360\n"
    body += style("#c8141c", "#4d0a0c", 1.5) + "roundrectangle 0,-70 165,-14 5,5\n"
    body += style("#f4f4f4") + "rectangle 0,-42 120,-36\n"
    body += style("#9fd0ef", "#333333", 1) + "rectangle 130,-62 160,-40\n"
    body += style("#b0b0b0") + "rectangle 10,-78 115,-70\n"
    body += style("#2a7fff") + "rectangle 130,-76 145,-70\n"
    body += style("#dddddd", "#666666", 0.8) + "rectangle 15,-64 50,-46\nrectangle 60,-64 95,-46\n"
    for wx in (30, 130):
        body += style("#1a1a1a") + f"circle {wx},-12 {wx + 12},-12\n" + style("#999999") + f"circle {wx},-12 {wx + 5},-12\n"
    return group(body, x, y, s, flip)


def firefighter(x, y, s=1.0, suit="#2b3a55", helmet="#f2f2f2", gas_tight=False):
    if gas_tight:
        body = (style(suit, "#333333", 1) + "roundrectangle -9,-46 9,-14 7,7\n"
                + "roundrectangle -8,-16 -2,0 2,2\nroundrectangle 2,-16 8,0 2,2\n"
                + "roundrectangle -14,-42 -8,-22 3,3\nroundrectangle 8,-42 14,-22 3,3\n"
                + "circle 0,-50 0,-60\n" + style("#bfe3f7", "#333333", 0.8) + "ellipse 0,-50 6,5 0,360\n")
        return group(body, x, y, s)
    body = (style(suit, "#111111", 0.8) + "rectangle -7,-38 7,-16\n"
            + "rectangle -7,-16 -1,0\nrectangle 1,-16 7,0\n"
            + "rectangle -11,-36 -7,-20\nrectangle 7,-36 11,-20\n"
            + style("#e6d12b") + "rectangle -7,-24 7,-21\nrectangle -7,-6 7,-4\n"
            + style("#e2b48f") + "circle 0,-43 0,-48\n"
            + style(helmet, "#444444", 0.8) + "ellipse 0,-47 7,4 180,360\n")
    return group(body, x, y, s)


def civilian(x, y, s=1.0, colour="#4a7b9d", lying=False):
    body = (style(colour) + "rectangle -6,-36 6,-15\nrectangle -6,-15 -1,0\nrectangle 1,-15 6,0\n"
            + "rectangle -9,-34 -6,-18\nrectangle 6,-34 9,-18\n" + style("#e2b48f") + "circle 0,-42 0,-48\n")
    if lying:
        return f"push graphic-context\ntranslate {x},{y}\nrotate -90\nscale {s},{s}\n{body}\npop graphic-context\n"
    return group(body, x, y, s)


def windsock(x, y, s=1.0, to_right=True):
    direction = 1 if to_right else -1
    body = style("#666666") + "rectangle -2,-80 2,0\n"
    for i, c in enumerate(("#e8452c", "#ffffff", "#e8452c", "#ffffff")):
        x0 = direction * (2 + i * 12)
        x1 = direction * (14 + i * 12)
        body += style(c, "#aa2211", 0.5) + f"polygon {x0},{-80 + i * 1.5} {x1},{-79 + i * 1.5} {x1},{-66 - i * 1.5} {x0},{-64 - i * 1.5}\n"
    return group(body, x, y, s)


def building(x, y, w, h, wall="#d8cbb0", roof="#7d5d4c", window="#9cc6e4", rows=2, cols=6, flat=True):
    body = style(wall, "#555555", 1) + f"rectangle {x},{y - h} {x + w},{y}\n"
    if flat:
        body += style(roof) + f"rectangle {x - 4},{y - h - 6} {x + w + 4},{y - h}\n"
    else:
        body += style(roof) + f"polygon {x - 6},{y - h} {x + w / 2},{y - h - h * 0.45} {x + w + 6},{y - h}\n"
    gap_x = w / (cols + 1)
    gap_y = h / (rows + 1)
    for r in range(rows):
        for c in range(cols):
            wx = x + gap_x * (c + 1) - gap_x * 0.3
            wy = y - h + gap_y * (r + 1) - gap_y * 0.3
            body += style(window, "#444444", 0.6) + f"rectangle {wx},{wy} {wx + gap_x * 0.6},{wy + gap_y * 0.55}\n"
    return body


def render(out, background, mvg, soft="", front=""):
    """Draws `mvg` over the background arguments, then the `soft` layer (clouds, blurred so
    that they look like gas), then `front` (captions), and writes `out`."""
    args = ["convert", *background, "-draw", mvg]
    if soft:
        size = background_size(background)
        args += ["(", "-size", size, "xc:none", "-draw", soft, "-blur", "0x5", ")", "-composite"]
    if front:
        args += ["-draw", front]
    if str(out).endswith(".jpg"):
        args += ["-strip", "-quality", "82"]
    elif str(out).endswith(".gif"):
        args += ["-strip", "+dither", "-colors", "64"]
    elif str(out).endswith(".bmp"):
        args += ["-type", "TrueColor", "BMP3:" + str(out)]
        out = None
    if out is not None:
        args.append(str(out))
    subprocess.run(args, check=True)

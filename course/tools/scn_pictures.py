#!/usr/bin/env python3
"""Draws the scene, logo, temperature and wind pictures of the sample scenarios into
data/images (scn_* files) with ImageMagick:
    python3 course/tools/scn_pictures.py [only-this-name ...]
"""
import subprocess
import sys
from pathlib import Path

from scn_draw import *  # noqa: F401,F403 - the drawing vocabulary

IMAGES = Path(__file__).resolve().parent.parent / "data" / "images"
PICTURES = {}


def picture(name):
    def register(fn):
        PICTURES[name] = fn
        return fn
    return register


def motorway(horizon=150, w=SCENE_W, h=SCENE_H):
    """A motorway seen from the side: carriageways across the picture."""
    out = style("#7f9a5c") + f"rectangle 0,{horizon} {w},{horizon + 10}\n"
    out += style("#5d5f63") + f"rectangle 0,{horizon + 12} {w},{h - 30}\n"
    out += style("#bfbfbf") + f"rectangle 0,{horizon + 10} {w},{horizon + 13}\n"
    mid = (horizon + 12 + h - 30) // 2
    out += style("#d9d9d9") + f"rectangle 0,{mid - 2} {w},{mid + 2}\n"
    for x in range(0, w, 40):
        out += style("#ffffff") + f"rectangle {x},{mid - 30} {x + 20},{mid - 28}\nrectangle {x},{mid + 28} {x + 20},{mid + 30}\n"
    out += style("#ffffff") + f"rectangle 0,{h - 34} {w},{h - 31}\n"
    return out


def trees(y, xs, colour="#3f6b35"):
    out = ""
    for i, x in enumerate(xs):
        r = 10 + (i * 7) % 9
        out += style("#5a4030") + f"rectangle {x - 2},{y - 10} {x + 2},{y}\n"
        out += style(colour) + f"ellipse {x},{y - 10 - r} {r * 0.8},{r} 0,360\n"
    return out


SUMMER_SKY = ("#4f8fd6", "#cfe5f7", "#7ea35e", "#52753d")


def shimmer(x0, x1, y, rows=2):
    """Faint heat-haze strokes standing for petrol vapour over a pool."""
    out = style("none", "#dfe7ef", 1.4, 0) + "stroke-opacity 0.55\n"
    for r in range(rows):
        for i, x in enumerate(range(x0 + (r * 17) % 30, x1, 34)):
            yy = y - r * 10 - (i % 3) * 3
            out += f"path 'M {x},{yy} q 4,-5 8,0 t 8,0 t 8,0'\n"
    return out + "stroke-opacity 1\n"


def flames(x0, x1, base, top):
    out = ""
    for i, x in enumerate(range(x0, x1, 22)):
        hgt = top * (0.6 + 0.4 * ((i * 37) % 10) / 10)
        out += style("#ff7a00", opacity=0.85) + (f"path 'M {x - 8},{base} Q {x - 14},{base - hgt * 0.5} {x + 2},{base - hgt}"
                                                  f" Q {x + 4},{base - hgt * 0.45} {x + 16},{base} Z'\n")
        out += style("#ffd84a", opacity=0.9) + (f"path 'M {x - 3},{base} Q {x - 6},{base - hgt * 0.3} {x + 2},{base - hgt * 0.55}"
                                                 f" Q {x + 3},{base - hgt * 0.25} {x + 9},{base} Z'\n")
    return out


def petrol_pool(cx, cy, w, h):
    return (style("#3e4651", opacity=0.7) + f"ellipse {cx},{cy} {w},{h} 0,360\n"
            + style("#b48ad0", opacity=0.25) + f"ellipse {cx - w * 0.2},{cy} {w * 0.35},{h * 0.4} 0,360\n"
            + style("#8cc7d9", opacity=0.25) + f"ellipse {cx + w * 0.25},{cy + 1} {w * 0.3},{h * 0.35} 0,360\n")


@picture("scn1_tanker_side.jpg")
def tanker_side(out):
    soft = front = ""
    m = trees(150, range(10, 500, 33)) + motorway()
    m += petrol_pool(260, 232, 170, 14)
    m += tank_truck(110, 218, 1.05)
    m += car(20, 224, 0.9, "#2e6fb7", crumpled=True)
    m += style("#8fa4b8", opacity=0.9) + "rectangle 298,206 302,224\n"
    m += shimmer(120, 420, 236, 1)
    front += label(8, 8, "South side, 60 m: the bottom valve drips")
    render(out, sky_ground(out, *SUMMER_SKY), m, soft, front)


@picture("scn1_tanker_rear.jpg")
def tanker_rear(out):
    soft = front = ""
    m = trees(150, range(5, 500, 41), "#47773b") + motorway()
    # the trailer seen from behind, the car wedged under its end
    m += style("#000000", opacity=0.25) + "ellipse 250,238 120,10 0,360\n"
    m += petrol_pool(290, 240, 150, 12)
    m += style("#c9ccd1", "#555555", 2) + "circle 250,150 250,92\n"
    m += style("#e9ebee", opacity=0.8) + "ellipse 235,120 30,18 0,360\n"
    m += style("#444444") + "rectangle 180,200 320,214\n"
    for wx in (198, 222, 278, 302):
        m += style("#1d1d1d") + f"rectangle {wx - 10},212 {wx + 10},240\n"
    m += orange_panel(228, 176, "33", "1203", 44, 32)
    m += diamond(300, 136, 20, "#d7261e", "3", "flame", "#ffffff")
    m += car(150, 246, 1.1, "#2e6fb7", crumpled=True)
    m += style("#f0c419") + "polygon 100,246 108,226 116,246\n"
    m += shimmer(200, 420, 244, 1)
    front += label(8, 8, "West side, 40 m: the car under the trailer")
    render(out, sky_ground(out, *SUMMER_SKY), m, soft, front)


@picture("scn1_approach.jpg")
def approach(out):
    soft = front = ""
    # looking east along the motorway from the west
    m = trees(150, list(range(0, 180, 23)) + list(range(320, 500, 27)), "#45733a")
    m += style("#5d5f63") + "polygon 150,277 342,277 262,150 230,150\n"
    m += style("#4f5155") + "polygon 0,277 120,277 226,150 214,150\n"
    m += style("#ffffff") + "polygon 244,277 248,277 246,150 246,150\n"
    for i in range(6):
        y0 = 160 + i * 20
        m += style("#ffffff") + f"polygon {286 + i * 6},{y0} {290 + i * 6},{y0} {294 + i * 7},{y0 + 10} {290 + i * 7},{y0 + 10}\n"
    m += style("#6b6f75", opacity=0.7) + "ellipse 250,176 36,4 0,360\n"
    m += tank_truck(215, 172, 0.22)
    m += car(206, 174, 0.2, "#2e6fb7", crumpled=True)
    m += shimmer(220, 290, 178, 1)
    m += windsock(70, 250, 0.9, True)
    front += label(8, 8, "From the west, 300 m: truck and car on the eastbound carriageway")
    render(out, sky_ground(out, *SUMMER_SKY), m, soft, front)


@picture("scn1_downwind.jpg")
def downwind(out):
    soft = front = ""
    m = trees(150, range(10, 500, 37)) + motorway()
    m += petrol_pool(200, 234, 200, 16)
    m += tank_truck(20, 218, 0.85)
    m += fire_engine(300, 232, 1.0)
    m += shimmer(100, 480, 240, 3)
    m += firefighter(280, 250, 1.0)
    m += style("#222222") + "rectangle 290,214 300,226\n" + style("#ff2a2a") + "rectangle 292,216 298,220\n"
    front += label(250, 170, "Gas detector: 20 % LEL", 10)
    front += label(8, 8, "Engine 1 parked east of the truck, downwind, in the vapour")
    render(out, sky_ground(out, *SUMMER_SKY), m, soft, front)


def monitor(x, y, s=1.0, to_left=True):
    """An unmanned monitor on its stand throwing a water arc towards the left or right."""
    d = -1 if to_left else 1
    body = style("#c8141c", "#333333", 1) + "rectangle -6,-14 6,0\n" + style("#888888") + f"polygon 0,-14 {d * 14},-24 {d * 16},-20 0,-10\n"
    (x0, y0), (x1, y1), (x2, y2) = (x + d * 16 * s, y - 22 * s), (x + d * 90 * s, y - 150 * s), (x + d * 170 * s, y - 110 * s)
    points = " ".join(f"{(1 - t) ** 2 * x0 + 2 * (1 - t) * t * x1 + t * t * x2:.1f},"
                      f"{(1 - t) ** 2 * y0 + 2 * (1 - t) * t * y1 + t * t * y2:.1f}"
                      for t in (i / 20 for i in range(21)))
    arc = "push graphic-context\n" + style("none", "#cfeaff", 3, 0) + f"polyline {points}\npop graphic-context\n"
    return group(body, x, y, s) + arc


def pool_fire_scene(out, cooled):
    soft = front = ""
    m = motorway()
    m += style("#1e1e1e", opacity=0.75) + "ellipse 330,40 190,45 0,360\nellipse 420,70 110,40 0,360\n"
    m += style("#333333", opacity=0.6) + "ellipse 260,80 120,40 0,360\n"
    m += tank_truck(110, 218, 1.0)
    m += flames(95, 440, 240, 95)
    if cooled:
        m += monitor(20, 262, 1.0, to_left=False) + monitor(480, 262, 1.0, to_left=True)
        front += label(8, 8, "Unmanned monitors cool the tank from both sides")
    else:
        front += label(8, 8, "The pool burns under the tank")
    render(out, sky_ground(out, "#8a8f99", "#d8c7a8", "#7ea35e", "#52753d"), m, soft, front)


PICTURES["scn1_fire.jpg"] = lambda out: pool_fire_scene(out, cooled=False)
PICTURES["scn1_cooling.jpg"] = lambda out: pool_fire_scene(out, cooled=True)


@picture("scn1_burnt.jpg")
def burnt_out(out):
    soft = front = ""
    m = trees(150, range(10, 500, 33), "#4d5a3a") + motorway()
    m += style("#1b1b1b", opacity=0.8) + "ellipse 280,236 200,16 0,360\n"
    # the shell burnt down to the liquid level: only the lower part of the tank is left
    m += style("#555555") + "rectangle 110,184 350,192\n"
    m += style("#6d6a66", "#2b2b2b", 1.5) + "path 'M 110,184 L 110,160 Q 150,150 170,165 Q 230,140 280,162 Q 320,150 345,160 L 345,184 Z'\n"
    m += style("#5a1a14", "#2b2b2b", 1.5) + "roundrectangle 360,156 416,192 6,6\n"
    for wx in (140, 172, 306, 380, 402):
        m += style("#222222") + f"circle {wx},204 {wx + 13},204\n"
    m += style("#f7f7f2", opacity=0.9) + "ellipse 250,240 170,9 0,360\n"
    m += firefighter(60, 258, 1.1) + firefighter(84, 260, 1.1)
    front += label(8, 8, "After the fire: tank burnt down, foam on the rest of the pool")
    render(out, sky_ground(out, "#7c8591", "#cfd3d8", "#7ea35e", "#52753d"), m, soft, front)


@picture("scn1_foam.jpg")
def foam(out):
    soft = front = ""
    m = trees(150, range(10, 500, 33)) + motorway()
    m += tank_truck(150, 218, 0.95)
    m += style("#f7f7f2", opacity=0.95) + "ellipse 290,234 190,14 0,360\n"
    for x in range(110, 470, 14):
        m += style("#ffffff") + f"circle {x},{228 + (x // 14) % 3} {x + 6},{228 + (x // 14) % 3}\n"
    m += firefighter(60, 258, 1.1) + firefighter(84, 260, 1.1)
    m += style("none", "#e0e0e0", 3, 0) + "path 'M 95,232 Q 110,190 140,224'\n"
    m += style("#c8b12b") + "rectangle 40,245 100,249\n"
    front += label(8, 8, "Foam blanket laid from upwind, gully sealed")
    render(out, sky_ground(out, *SUMMER_SKY), m, soft, front)


def drain_scene(out, in_drain):
    soft = front = ""
    # looking east along the hard shoulder towards the gully; the truck behind on the left
    m = trees(150, range(180, 500, 29), "#47773b")
    m += style("#5d5f63") + "polygon 0,150 230,150 300,277 0,277\n"
    m += style("#d0d0d0") + "polygon 230,150 236,150 312,277 300,277\n"
    m += style("#7ea35e") + "polygon 236,150 492,150 492,277 312,277\n"
    m += tank_truck(30, 168, 0.35)
    m += style("#3e4651", opacity=0.75) + "path 'M 60,178 Q 150,176 228,214 Q 236,232 244,244 Q 170,226 40,200 Z'\n"
    m += style("#b48ad0", opacity=0.3) + "ellipse 150,196 50,5 10,360\n"
    m += style("#8cc7d9", opacity=0.3) + "ellipse 205,214 25,4 30,360\n"
    m += style("#3a3a3a", "#222222", 2) + "polygon 232,240 272,236 282,252 240,257\n"
    for i in range(5):
        m += style("#111111") + f"polygon {238 + i * 8},{241 - i} {242 + i * 8},{241 - i} {250 + i * 8},{254 - i} {246 + i * 8},{254 - i}\n"
    m += style("#2f6f9a", opacity=0.85) + "path 'M 300,277 Q 360,230 420,215 Q 470,205 492,204 L 492,222 Q 430,232 380,277 Z'\n"
    m += text(440, 250, "stream", 12, "#ffffff", anchor="middle")
    m += style("#f07b1a") + "polygon 120,262 128,238 136,262\n" + style("#ffffff") + "rectangle 124,250 132,253\n"
    m += shimmer(80, 220, 190, 2)
    if in_drain:
        m += style("#b48ad0", opacity=0.45) + "path 'M 330,277 Q 380,240 430,226 Q 470,216 492,214 L 492,220 Q 440,232 400,262 L 380,277 Z'\n"
        m += style("#8cc7d9", opacity=0.45) + "ellipse 455,222 30,4 -10,360\n"
        m += style("#c8b12b") + "rectangle 410,250 480,254\n"
        front += label(8, 8, "Hard shoulder, looking east: sheen on the stream")
    else:
        front += label(8, 8, "Hard shoulder, looking east: petrol runs to the gully")
    render(out, sky_ground(out, "#5a97d8", "#cfe5f7", "#7ea35e", "#52753d"), m, soft, front)


PICTURES["scn1_drain.jpg"] = lambda out: drain_scene(out, in_drain=False)
PICTURES["scn1_stream.jpg"] = lambda out: drain_scene(out, in_drain=True)


def plan_frame(title):
    """Paper background, north arrow and title of a site plan."""
    out = style("#f4f1e6", "#8a8170", 2) + f"rectangle 1,1 {SCENE_W - 2},{SCENE_H - 2}\n"
    out += style("#333333") + "polygon 462,16 470,40 462,35 454,40\n" + text(462, 54, "N", 12, "#333333", anchor="middle")
    out += text(12, 22, title, 13, "#333333")
    return out


def wind_arrow(x, y, dx, dy, words):
    """An arrow in the direction the wind blows, with its caption."""
    import math
    length = math.hypot(dx, dy)
    ux, uy = dx / length, dy / length
    tip = (x + dx, y + dy)
    left = (tip[0] - 14 * ux + 8 * uy, tip[1] - 14 * uy - 8 * ux)
    right = (tip[0] - 14 * ux - 8 * uy, tip[1] - 14 * uy + 8 * ux)
    out = style("none", "#1f5fa8", 5, 0) + f"line {x},{y} {tip[0] - 10 * ux},{tip[1] - 10 * uy}\n"
    out += style("#1f5fa8") + f"polygon {tip[0]},{tip[1]} {left[0]},{left[1]} {right[0]},{right[1]}\n"
    return out + text(x, y - 10, words, 11, "#1f5fa8")


def plume(x, y, dx, dy, colour="#e0b33a"):
    """The hazard area downwind: a cone from the source."""
    import math
    length = math.hypot(dx, dy)
    px, py = -dy / length, dx / length
    return style(colour, opacity=0.35) + (f"polygon {x},{y} {x + dx + px * length * 0.35},{y + dy + py * length * 0.35}"
                                          f" {x + dx - px * length * 0.35},{y + dy - py * length * 0.35}\n")


def route(points, colour, dashed=False):
    pts = " ".join(f"{x},{y}" for x, y in points)
    out = style("none", colour, 4, 0)
    if dashed:
        out += "stroke-dasharray 10,6\n"
    out += f"polyline {pts}\n"
    if dashed:
        out += "stroke-dasharray none\n"
    (x1, y1), (x2, y2) = points[-2], points[-1]
    return out + style(colour) + f"circle {x2},{y2} {x2 + 6},{y2}\n"


def marker(x, y, words, colour="#c0392b"):
    return (style(colour, "#ffffff", 2) + f"circle {x},{y} {x + 8},{y}\n"
            + text(x + 12, y + 4, words, 11, "#222222"))


@picture("scn1_map.gif")
def petrol_map(out):
    soft = front = ""
    m = plan_frame("Motorway, junctions 11 and 12")
    m += style("#bcbcbc") + "rectangle 0,120 492,150\n" + style("#ffffff") + "rectangle 0,134 492,136\n"
    m += style("#d0d0d0") + "path 'M 60,150 Q 70,200 40,277 L 60,277 Q 90,200 80,150 Z'\n"
    m += style("#d0d0d0") + "path 'M 400,120 Q 410,70 440,0 L 460,0 Q 430,70 420,120 Z'\n"
    m += text(86, 190, "Junction 11", 11, "#444444") + text(340, 80, "Junction 12", 11, "#444444")
    m += plume(250, 140, 220, 0)
    m += marker(250, 140, "Crash", "#c0392b")
    m += building(425, 250, 50, 26, "#e0c9c9", "#8a2a2a", "#cccccc", 1, 2)
    m += text(400, 270, "Fire station", 11, "#8a2a2a")
    m += route([(440, 220), (415, 160), (410, 120), (300, 128)], "#c0392b", dashed=True)
    m += route([(420, 224), (200, 200), (80, 190), (70, 150), (150, 142)], "#2a8a3a")
    m += wind_arrow(30, 70, 80, 0, "Wind W 4 m/s")
    m += text(120, 268, "green: via junction 11    red dashed: direct route", 10, "#333333")
    render(out, ["-size", f"{SCENE_W}x{SCENE_H}", "xc:#f4f1e6"], m, soft, front)


@picture("scn2_map.gif")
def pool_map(out):
    soft = front = ""
    m = plan_frame("Indoor swimming pool, ground floor")
    m += style("#bcbcbc") + "rectangle 0,240 492,262\n" + text(20, 256, "Park Road", 11, "#444444")
    m += style("#d9e4ec", "#555555", 2) + "rectangle 150,70 360,200\n"
    m += style("#7fc3e8") + "rectangle 175,95 300,170\n" + text(238, 136, "Pool hall", 11, "#1b4a6b", anchor="middle")
    m += style("#c8c8c8", "#555555", 1) + "rectangle 300,70 360,120\n" + text(330, 99, "Plant", 10, "#222222", anchor="middle")
    m += text(330, 111, "room (B)", 10, "#222222", anchor="middle")
    m += style("#8a6d3b") + "rectangle 320,200 350,206\n" + text(300, 222, "Main entrance", 11, "#333333")
    m += style("#c8c8c8") + "rectangle 360,78 420,112\n" + text(390, 70, "Yard", 11, "#333333", anchor="middle")
    m += plume(348, 84, 130, 130)
    m += marker(348, 82, "", "#c0392b")
    m += marker(95, 80, "Assembly point", "#2a8a3a")
    m += wind_arrow(40, 130, 60, 60, "Wind NW 3 m/s")
    render(out, ["-size", f"{SCENE_W}x{SCENE_H}", "xc:#f4f1e6"], m, soft, front)


@picture("scn3_map.gif")
def cold_store_map(out):
    soft = front = ""
    m = plan_frame("Cold store, Harbour Road")
    m += style("#bcbcbc") + "rectangle 0,220 492,240\n" + text(300, 236, "Harbour Road", 11, "#444444")
    m += style("#dfe6ea", "#555555", 2) + "rectangle 200,70 380,190\n" + text(290, 135, "Cold store", 12, "#333333", anchor="middle")
    m += style("#c8c8c8", "#555555", 1) + "rectangle 200,70 250,110\n" + text(225, 93, "Machine", 9, "#222222", anchor="middle")
    m += text(225, 104, "room", 9, "#222222", anchor="middle")
    for i in range(4):
        m += style("#8a8a8a") + f"rectangle {262 + i * 28},186 {282 + i * 28},196\n"
    m += text(300, 210, "Docks 1-4", 10, "#333333")
    m += style("#8a6d3b") + "rectangle 420,214 450,246\n" + text(430, 206, "East gate", 11, "#333333", anchor="middle")
    for i in range(5):
        m += style("#e7c9a0", "#6b4a2a", 1) + f"rectangle {20 + (i % 2) * 50},{60 + i * 32} {50 + (i % 2) * 50},{82 + i * 32}\n"
    m += text(20, 52, "Houses", 11, "#333333")
    m += plume(206, 80, -190, 0)
    m += marker(206, 78, "", "#c0392b")
    m += wind_arrow(460, 150, -70, 0, "")
    m += text(395, 140, "Wind E 2 m/s", 11, "#1f5fa8")
    render(out, ["-size", f"{SCENE_W}x{SCENE_H}", "xc:#f4f1e6"], m, soft, front)


DUSK_SKY = ("#33456e", "#e6a97a", "#6f7b6a", "#464f45")
NIGHT_SKY = ("#070d22", "#24365c", "#2f3438", "#1a1d20")
CHLORINE_GAS = "#c9d84a"


def pool_building(x, y):
    out = style("#d7dde2", "#55606a", 1.5) + f"rectangle {x},{y - 110} {x + 330},{y}\n"
    out += style("#5b6b78") + f"polygon {x - 8},{y - 110} {x + 165},{y - 140} {x + 338},{y - 110}\n"
    for i in range(7):
        out += style("#f3d27a", "#55606a", 1) + f"rectangle {x + 14 + i * 44},{y - 95} {x + 48 + i * 44},{y - 40}\n"
    out += style("#1d7a8c") + f"rectangle {x + 100},{y - 130} {x + 230},{y - 116}\n"
    out += text(x + 165, y - 119, "CITY SWIMMING POOL", 10, "#ffffff", anchor="middle")
    return out


@picture("scn2_outside.jpg")
def pool_outside(out):
    soft = front = ""
    m = trees(150, range(5, 500, 45), "#3c5a3a")
    m += pool_building(120, 200)
    m += style("#3e4246", "#222222", 1) + "rectangle 400,178 432,200\n" + text(416, 174, "Plant", 9, "#ffffff", anchor="middle")
    soft += cloud(430, 196, 120, 24, CHLORINE_GAS, 0.45, seed=3)
    m += style("#4d5257") + "rectangle 0,200 492,277\n"
    m += fire_engine(10, 250, 0.7)
    for i, x in enumerate(range(150, 260, 16)):
        m += civilian(x, 262 - (i % 2) * 4, 0.8, ("#ffffff", "#e7a33c", "#3c8ee7", "#e74c3c")[i % 4])
    front += label(8, 8, "North-west side: bathers in towels, haze at the plant room door")
    render(out, sky_ground(out, *DUSK_SKY, horizon=160), m, soft, front)


@picture("scn2_entrance.jpg")
def pool_entrance(out):
    soft = front = ""
    m = style("#d7dde2", "#55606a", 1.5) + "rectangle 60,40 440,230\n"
    m += style("#8a6d3b", "#3b2a10", 2) + "rectangle 200,120 300,230\n" + style("#f3e3b0", opacity=0.8) + "rectangle 208,128 292,226\n"
    m += style("#1d7a8c") + "rectangle 170,90 330,112\n" + text(250, 106, "MAIN ENTRANCE", 12, "#ffffff", anchor="middle")
    soft += cloud(260, 210, 260, 50, CHLORINE_GAS, 0.45, seed=5)
    m += style("#4d5257") + "rectangle 0,230 492,277\n"
    m += civilian(150, 262, 1.0, "#3c8ee7") + civilian(320, 266, 1.0, "#ffffff") + civilian(350, 262, 0.95, "#e74c3c")
    m += firefighter(400, 268, 1.15) + firefighter(430, 266, 1.1)
    m += text(415, 200, "coughing", 10, "#ffffff", anchor="middle")
    front += label(8, 8, "South-east side, main entrance: downwind")
    render(out, sky_ground(out, *DUSK_SKY, horizon=160), m, soft, front)


@picture("scn2_poolhall.jpg")
def pool_hall(out):
    soft = front = ""
    m = style("#e8eef2") + "rectangle 0,0 492,150\n"
    for i in range(6):
        m += style("#2a3550", "#aab4bc", 3) + f"rectangle {20 + i * 80},20 {80 + i * 80},110\n"
    m += style("#f2f2ee") + "rectangle 0,150 492,277\n"
    m += style("#4fb1e0") + "polygon 60,170 432,170 492,277 0,277\n"
    for i in range(1, 6):
        x0, x1 = 60 + i * 62, 0 + i * 82
        m += style("none", "#ff5a5a", 2, 0) + "stroke-dasharray 6,4\n" + f"line {x0},170 {x1},277\n" + "stroke-dasharray none\n"
    for x, y in ((150, 220), (260, 200), (330, 240)):
        m += style("#e2b48f") + f"circle {x},{y} {x + 6},{y}\n"
    m += style("#ffffff", "#777777", 1) + "rectangle 440,120 452,170\nrectangle 432,110 460,120\n"
    soft += cloud(240, 170, 480, 26, CHLORINE_GAS, 0.3, 9, seed=2)
    front += label(8, 8, "Pool hall above the plant room: haze near the floor")
    render(out, ["-size", f"{SCENE_W}x{SCENE_H}", "xc:#e8eef2"], m, soft, front)


def gas_cylinder(x, y, s=1.0, body="#9fb5a0"):
    c = (style(body, "#333333", 1) + "roundrectangle -16,-110 16,0 10,10\n"
         + style("#ffe14d") + "rectangle -16,-100 16,-90\n"
         + style("#777777", "#333333", 1) + "rectangle -5,-122 5,-110\nrectangle -10,-126 10,-122\n")
    out = group(c, x, y, s)
    out += diamond(x, y - 60 * s, 11 * s, "#ffffff", "2", "skull")
    return out


def splash_suit(x, y, s=1.0, suit="#2f8f4e"):
    """A decontamination operator: hooded splash suit, full-face mask and an apparatus
    cylinder on the back (one protection level below a gas-tight suit)."""
    body = (style("#8a8f96", "#333333", 0.8) + "roundrectangle 6,-40 13,-18 3,3\n"
            + style(suit, "#1b3b22", 0.8) + "rectangle -7,-38 7,-16\n"
            + "rectangle -7,-16 -1,0\nrectangle 1,-16 7,0\n"
            + "rectangle -11,-36 -7,-20\nrectangle 7,-36 11,-20\n"
            + "circle 0,-44 0,-51\n"
            + style("#bfe3f7", "#222222", 0.8) + "ellipse -1,-44 5,5 0,360\n"
            + style("#222222") + "circle -1,-39 1.5,-39\n"
            + style("#111111") + "rectangle -7,-3 7,0\n")
    return group(body, x, y, s)


@picture("scn2_plantroom.jpg")
def plant_room(out):
    soft = front = ""
    m = style("#6c7378") + "rectangle 0,0 492,200\n" + style("#50565a") + "rectangle 0,200 492,277\n"
    for y in (30, 50):
        m += style("#9ca3a8", "#333333", 1) + f"rectangle 0,{y} 492,{y + 10}\n"
    m += style("#3a78b8", "#222222", 1) + "roundrectangle 30,140 130,210 8,8\n" + text(80, 180, "PUMP", 11, "#ffffff", anchor="middle")
    m += style("#9ca3a8", "#333333", 1) + "rectangle 75,60 85,140\n"
    m += gas_cylinder(400, 230, 1.0) + text(400, 244, "2", 12, "#111111", anchor="middle")
    # cylinder 1 lies in the gas; drawn over it so that it stays recognisable
    front += lying_cylinder(300, 262, 0.9) + text(290, 254, "1", 12, "#111111", anchor="middle")
    # chlorine is heavier than air: the gas fills the room from the floor up
    soft += cloud(250, 240, 500, 70, CHLORINE_GAS, 0.55, 9, seed=4)
    m += firefighter(200, 262, 1.6, "#e3b51d", gas_tight=True)
    front += label(8, 8, "Plant room, basement: chlorine cylinders 1 and 2")
    render(out, ["-size", f"{SCENE_W}x{SCENE_H}", "xc:#6c7378"], m, soft, front)


def lying_cylinder(x, y, s=1.0, body="#9fb5a0"):
    """A gas cylinder fallen on its side, valve to the right, foot at (x, y)."""
    c = (style(body, "#333333", 1) + "roundrectangle -70,-32 70,0 12,12\n"
         + style("#ffe14d") + "rectangle 46,-32 56,0\n"
         + style("#777777", "#333333", 1) + "rectangle 70,-21 82,-11\nrectangle 82,-25 86,-7\n")
    return group(c, x, y, s)


@picture("scn2_cylinder.jpg")
def cylinder_close(out):
    soft = front = ""
    m = style("#6c7378") + "rectangle 0,0 492,200\n" + style("#50565a") + "rectangle 0,200 492,277\n"
    m += lying_cylinder(200, 250, 2.0)
    m += diamond(170, 218, 26, "#ffffff", "2", "skull")
    # liquid chlorine leaving the valve: frost on the valve, a spray that flashes to gas
    m += style("#f4f8fa", "#b8c4cc", 1) + "ellipse 365,220 14,18 0,360\n"
    m += style("#eef3c8", opacity=0.8) + "path 'M 372,222 Q 420,236 470,262 L 470,277 L 430,277 Q 410,250 372,228 Z'\n"
    soft += cloud(420, 250, 200, 50, CHLORINE_GAS, 0.5, seed=8)
    front += label(8, 8, "Cylinder 1 on the floor: liquid escapes at the frosted valve")
    render(out, ["-size", f"{SCENE_W}x{SCENE_H}", "xc:#6c7378"], m, soft, front)


def ambulance(x, y, s=1.0, flip=False):
    body = style("#000000", opacity=0.25) + "ellipse 70,2 75,6 0,360\n"
    body += style("#f4f4f0", "#444444", 1.5) + "roundrectangle 0,-72 110,-12 5,5\nroundrectangle 110,-56 145,-12 5,5\n"
    body += style("#2a9d3a") + "rectangle 0,-40 145,-32\n" + style("#9fd0ef", "#333333", 1) + "rectangle 118,-52 140,-38\n"
    body += style("#c8141c") + "rectangle 45,-64 55,-46\nrectangle 41,-60 59,-50\n" + style("#2a7fff") + "rectangle 100,-78 112,-72\n"
    for wx in (28, 118):
        body += style("#1a1a1a") + f"circle {wx},-10 {wx + 11},-10\n" + style("#999999") + f"circle {wx},-10 {wx + 4},-10\n"
    return group(body, x, y, s, flip)


@picture("scn2_casualties.jpg")
def pool_casualties(out):
    soft = front = ""
    m = trees(160, range(5, 500, 40), "#3c5a3a")
    m += style("#4d5257") + "rectangle 0,200 492,277\n"
    m += ambulance(320, 230, 1.0)
    # the twelve bathers, just out of the building in their swimwear
    for i, x in enumerate(range(40, 280, 20)):
        m += civilian(x, 258 - (i % 3) * 4, 0.8, ("#d84a3a", "#3a7bd8", "#d8b23a", "#4aa85a", "#9a4ad8")[i % 5])
    m += firefighter(296, 262, 1.1)
    m += style("#2a9d3a", "#ffffff", 1) + "rectangle 288,230 304,238\n"
    front += label(8, 8, "Casualty collection point, upwind: 12 exposed")
    render(out, sky_ground(out, *DUSK_SKY, horizon=160), m, soft, front)


@picture("scn2_decon.jpg")
def pool_decon(out):
    soft = front = ""
    m = trees(160, range(5, 500, 40), "#3c5a3a")
    m += style("#4d5257") + "rectangle 0,200 492,277\n"
    m += style("#e0e0e0", "#666666", 1) + "polygon 150,240 190,120 330,120 370,240\n" + style("#c8141c") + "rectangle 150,236 370,244\n"
    m += style("#3a78b8", opacity=0.6) + "ellipse 260,250 90,12 0,360\n"
    m += firefighter(250, 252, 1.6, "#e3b51d", gas_tight=True)
    for i in range(12):
        m += style("#9fd7ff", opacity=0.8) + f"circle {300 - i * 5},{150 + i * 6} {302 - i * 5},{150 + i * 6}\n"
    m += splash_suit(340, 262, 1.2)
    m += style("none", "#333333", 3, 0) + "path 'M 354,232 Q 420,250 492,240'\n"
    front += label(8, 8, "Decontamination area, upwind of the building")
    render(out, sky_ground(out, *DUSK_SKY, horizon=160), m, soft, front)


@picture("scn2_exposed.jpg")
def pool_exposed(out):
    soft = front = ""
    m = trees(160, range(5, 500, 40), "#3c5a3a")
    m += style("#4d5257") + "rectangle 0,200 492,277\n"
    m += ambulance(330, 232, 1.0)
    m += style("#2b3a55", "#111111", 0.8) + "rectangle 150,222 190,232\n"
    m += firefighter(200, 262, 1.2) + splash_suit(250, 262, 1.2)
    for i in range(10):
        m += style("#9fd7ff", opacity=0.85) + f"circle {232 - i * 3},{206 + i * 4} {234 - i * 3},{206 + i * 4}\n"
    m += style("none", "#333333", 3, 0) + "path 'M 262,230 Q 300,250 330,262'\n"
    front += label(8, 8, "Upwind of the building: turnout gear off, rinsing with water")
    render(out, sky_ground(out, *DUSK_SKY, horizon=160), m, soft, front)


@picture("scn2_labels.gif")
def chlorine_labels(out):
    soft = front = ""
    m = diamond(45, 60, 38, "#ffffff", "2", "skull")
    m += diamond(120, 60, 38, "#ffe14d", "5.1", "oxidiser")
    m += diamond(195, 60, 38, "#ffffff", "8", "corrosive", lower="#111111")
    m += style("#ffffff", "#333333", 1) + "rectangle 20,112 220,168\n"
    m += text(120, 136, "UN 1017  CHLORINE", 14, "#111111", anchor="middle")
    m += text(120, 156, "Cylinder 50 kg", 11, "#333333", "DejaVu-Sans", anchor="middle")
    render(out, ["-size", "240x180", "xc:#9fb5a0"], m, soft, front)


def cold_store(x, y):
    out = style("#e9eef0", "#7a868c", 1.5) + f"rectangle {x},{y - 120} {x + 300},{y}\n"
    for i in range(4):
        out += style("#5b6670", "#333333", 1) + f"rectangle {x + 120 + i * 44},{y - 50} {x + 154 + i * 44},{y}\n"
        out += text(x + 137 + i * 44, y - 54, str(i + 1), 9, "#333333", anchor="middle")
    out += style("#c7cdd1", "#7a868c", 1.5) + f"rectangle {x - 70},{y - 80} {x},{y}\n"
    out += style("#3e4246") + f"rectangle {x - 45},{y - 40} {x - 20},{y}\n"
    out += style("#1d3f7a") + f"rectangle {x + 90},{y - 110} {x + 250},{y - 94}\n"
    out += text(x + 170, y - 98, "NORDIC COLD STORE", 10, "#ffffff", anchor="middle")
    return out


def floodlight(x, y, reach=60):
    return (style("#fff6c0", opacity=0.18) + f"polygon {x},{y} {x - reach},{y + reach * 2} {x + reach},{y + reach * 2}\n"
            + style("#fff6c0") + f"circle {x},{y} {x + 4},{y}\n")


def ammonia_cloud(cx, cy, w, h, seed=1):
    return cloud(cx, cy, w, h, "#f2f4f6", 0.6, 8, seed)


@picture("scn3_overview.jpg")
def cold_store_overview(out):
    soft = front = ""
    m = cold_store(150, 220)
    m += floodlight(160, 100) + floodlight(440, 100)
    soft += ammonia_cloud(70, 170, 200, 80, seed=2)
    m += style("#1f2226") + "rectangle 0,220 492,277\n"
    m += fire_engine(330, 262, 0.8, flip=False)
    front += label(8, 8, "From the east gate, 150 m: cloud at the machine room")
    render(out, sky_ground(out, *NIGHT_SKY, horizon=170), m, soft, front)


def house(x, y, lit=True):
    out = style("#b9a48a", "#3b3024", 1) + f"rectangle {x},{y - 50} {x + 70},{y}\n"
    out += style("#6b3a2a") + f"polygon {x - 6},{y - 50} {x + 35},{y - 80} {x + 76},{y - 50}\n"
    glow = "#ffd66b" if lit else "#2b3140"
    out += style(glow, "#3b3024", 1) + f"rectangle {x + 10},{y - 40} {x + 28},{y - 24}\nrectangle {x + 42},{y - 40} {x + 60},{y - 24}\n"
    return out + style("#4a3626") + f"rectangle {x + 28},{y - 20} {x + 42},{y}\n"


def street_lamp(x, y):
    return (style("#555555") + f"rectangle {x - 2},{y - 90} {x + 2},{y}\nrectangle {x},{y - 90} {x + 16},{y - 87}\n"
            + style("#ffe9a0", opacity=0.25) + f"polygon {x + 14},{y - 86} {x - 16},{y} {x + 46},{y}\n")


@picture("scn3_street.jpg")
def residential_street(out):
    soft = front = ""
    m = house(10, 200) + house(110, 200, False) + house(330, 200) + house(420, 200)
    m += street_lamp(240, 230)
    m += style("#2a2d31") + "rectangle 0,200 492,277\n" + style("#d9d9d9") + "rectangle 0,236 492,238\n"
    m += fire_engine(160, 262, 0.9)
    m += style("#fff6c0", opacity=0.35) + "polygon 308,240 492,210 492,265\n"
    soft += ammonia_cloud(360, 215, 300, 70, seed=6) + ammonia_cloud(120, 205, 240, 50, seed=7)
    front += label(8, 8, "Residential street west of the cold store: in the cloud")
    render(out, sky_ground(out, *NIGHT_SKY, horizon=170), m, soft, front)


@picture("scn3_dock.jpg")
def loading_dock(out):
    soft = front = ""
    m = style("#c7cdd1", "#7a868c", 1.5) + "rectangle 0,70 90,190\n" + style("#3e4246") + "rectangle 30,120 60,190\n"
    m += text(45, 64, "MACHINE ROOM", 9, "#333333", anchor="middle")
    m += style("#e1e6e9", "#7a868c", 1.5) + "rectangle 90,40 492,190\n"
    for i in range(3):
        m += style("#5b6670", "#333333", 1) + f"rectangle {110 + i * 130},90 {200 + i * 130},190\n"
        m += text(155 + i * 130, 84, f"DOCK {i + 1}", 11, "#333333", anchor="middle")
    m += style("#8a8f94") + "rectangle 0,190 492,204\n"
    m += style("#1f2226") + "rectangle 0,204 492,277\n"
    m += floodlight(250, 50, 80)
    soft += ammonia_cloud(250, 170, 500, 90, seed=3)
    front += civilian(160, 196, 1.1, "#f07b1a", lying=True)
    front += label(8, 8, "Loading dock 1 next to the machine room: someone lies there")
    render(out, ["-size", f"{SCENE_W}x{SCENE_H}", "gradient:#070d22-#24365c"], m, soft, front)


@picture("scn3_machine_room.jpg")
def machine_room(out):
    soft = front = ""
    m = style("#c7cdd1", "#7a868c", 1.5) + "rectangle 40,40 460,230\n"
    m += style("#3e4246", "#222222", 2) + "rectangle 190,100 290,230\n"
    m += style("#ffffff", "#c0392b", 3) + "rectangle 310,70 440,120\n"
    m += text(375, 92, "AMMONIA", 14, "#c0392b", anchor="middle") + text(375, 112, "NH3 - machine room", 10, "#333333", anchor="middle")
    m += diamond(375, 170, 30, "#ffffff", "2", "skull")
    for y in (55, 70):
        m += style("#9ca3a8", "#333333", 1) + f"rectangle 40,{y} 180,{y + 8}\n"
    m += style("#c0392b", "#333333", 1) + "rectangle 60,130 120,150\n" + text(90, 144, "STOP", 10, "#ffffff", anchor="middle")
    m += text(90, 164, "emergency stop", 9, "#333333", "DejaVu-Sans", "middle")
    m += style("#1f2226") + "rectangle 0,230 492,277\n"
    m += floodlight(240, 30, 70)
    soft += ammonia_cloud(230, 200, 260, 90, seed=4)
    front += label(8, 8, "Machine room door: white fog pours out")
    render(out, ["-size", f"{SCENE_W}x{SCENE_H}", "gradient:#070d22-#24365c"], m, soft, front)


def houses_scene(out, state):
    soft = front = ""
    m = house(20, 210) + house(120, 210) + house(220, 210, False) + house(320, 210)
    m += street_lamp(100, 240) + street_lamp(300, 240)
    m += style("#2a2d31") + "rectangle 0,210 492,277\n"
    if state == "cloud":
        soft += ammonia_cloud(440, 190, 200, 80, seed=5)
        m += civilian(160, 250, 0.9, "#6b88b0")
        front += label(8, 8, "Houses 300 m west of the cold store")
    elif state == "residents":
        soft += ammonia_cloud(300, 215, 420, 80, seed=11)
        for i, x in enumerate(range(150, 420, 30)):
            m += civilian(x, 258 - (i % 2) * 5, 0.85, ("#6b88b0", "#d8b23a", "#9a4ad8", "#4aa85a")[i % 4])
        front += civilian(250, 266, 0.9, "#b0b0b0", lying=True)
        front += label(8, 8, "Street west of the cold store: residents inside the cloud")
    else:
        m += splash_suit(180, 258, 1.1)
        m += style("#222222") + "rectangle 190,226 200,236\n" + style("#4aff6a") + "rectangle 192,228 198,232\n"
        front += label(8, 8, "Houses west of the cold store: measuring at the doors")
    render(out, sky_ground(out, *NIGHT_SKY, horizon=180), m, soft, front)


PICTURES["scn3_houses.jpg"] = lambda out: houses_scene(out, "cloud")
PICTURES["scn3_residents.jpg"] = lambda out: houses_scene(out, "residents")
PICTURES["scn3_houses_clear.jpg"] = lambda out: houses_scene(out, "clear")


def water_curtain_scene(out, leaking):
    soft = front = ""
    m = cold_store(230, 210)
    m += floodlight(250, 90, 70)
    if leaking:
        soft += ammonia_cloud(170, 160, 140, 70, seed=9)
    m += style("#1f2226") + "rectangle 0,210 492,277\n"
    m += fire_engine(30, 262, 0.75)
    m += style("#3a3a3a") + "rectangle 120,246 150,252\n"
    for i in range(26):
        x = 60 + i * 9
        top = 110 + abs(13 - i) * 4
        m += style("none", "#9fd7ff", 1.5, 0) + "stroke-opacity 0.7\n" + f"path 'M 135,248 Q {x},{top - 40} {x},{top + 100}'\n"
    m += "stroke-opacity 1\n"
    front += label(8, 8, "Water curtain between the machine room and the houses" if leaking
                   else "Leak isolated: no cloud in sight, the water curtain still runs")
    render(out, sky_ground(out, *NIGHT_SKY, horizon=170), m, soft, front)


PICTURES["scn3_water_curtain.jpg"] = lambda out: water_curtain_scene(out, leaking=True)
PICTURES["scn3_after.jpg"] = lambda out: water_curtain_scene(out, leaking=False)


@picture("scn3_casualty.jpg")
def ammonia_casualty(out):
    soft = front = ""
    m = style("#1f2226") + "rectangle 0,200 492,277\n"
    m += ambulance(330, 240, 1.0)
    m += floodlight(200, 60, 80)
    m += style("#d8d8d0", "#555555", 1) + "rectangle 138,238 212,246\n"
    front += civilian(200, 240, 1.1, "#f07b1a", lying=True)
    m += firefighter(110, 262, 1.2) + splash_suit(290, 262, 1.2)
    front += label(8, 8, "Decontamination point by the ambulance: the rescued worker")
    render(out, sky_ground(out, *NIGHT_SKY, horizon=200), m, soft, front)


@picture("scn3_blast.jpg")
def machine_room_blast(out):
    soft = front = ""
    m = style("#c7cdd1", "#7a868c", 1.5) + "rectangle 40,40 460,230\n"
    m += style("#141414", "#222222", 2) + "rectangle 190,100 290,230\n"
    m += style("#3e4246", "#222222", 2) + "polygon 300,250 390,232 396,246 306,264\n"
    for x, y in ((120, 246), (330, 226), (420, 258), (160, 262), (250, 255)):
        m += style("#7a868c") + f"polygon {x},{y} {x + 10},{y - 4} {x + 14},{y + 3} {x + 3},{y + 6}\n"
    m += style("#1f2226") + "rectangle 0,230 492,277\n" + style("#3e4246", "#222222", 2) + "polygon 300,250 390,232 396,246 306,264\n"
    m += style("#2a2a2a", opacity=0.6) + "path 'M 190,100 Q 240,60 300,96 L 300,104 Q 240,80 190,110 Z'\n"
    m += floodlight(240, 30, 70)
    soft += ammonia_cloud(230, 200, 260, 90, seed=12)
    front += label(8, 8, "Machine room: the door blown out, fog still pours out")
    render(out, ["-size", f"{SCENE_W}x{SCENE_H}", "gradient:#070d22-#24365c"], m, soft, front)


def ghs(cx, cy, r, symbol):
    """A pictogram of the chemical labelling system: black symbol in a red-bordered square
    on its point."""
    out = style("#ffffff", "#d7261e", max(2, r * 0.12)) + f"polygon {cx},{cy - r} {cx + r},{cy} {cx},{cy + r} {cx - r},{cy}\n"
    if symbol == "skull":
        out += style("#111111") + (f"circle {cx},{cy - r * 0.12} {cx + r * 0.2},{cy - r * 0.12}\n"
                                   f"rectangle {cx - r * 0.1},{cy} {cx + r * 0.1},{cy + r * 0.1}\n")
        out += style("none", "#111111", max(1.5, r * 0.09), 0) + (
            f"line {cx - r * 0.35},{cy + r * 0.1} {cx + r * 0.35},{cy + r * 0.38}\n"
            f"line {cx + r * 0.35},{cy + r * 0.1} {cx - r * 0.35},{cy + r * 0.38}\n")
        out += style("#ffffff") + (f"circle {cx - r * 0.08},{cy - r * 0.13} {cx - r * 0.02},{cy - r * 0.13}\n"
                                   f"circle {cx + r * 0.08},{cy - r * 0.13} {cx + r * 0.14},{cy - r * 0.13}\n")
    elif symbol == "corrosion":
        out += corrosion(cx, cy + r * 0.18, r * 0.95)
    elif symbol == "gas":
        out += style("#111111") + (f"roundrectangle {cx - r * 0.42},{cy - r * 0.12} {cx + r * 0.3},{cy + r * 0.14} {r * 0.1},{r * 0.1}\n"
                                   f"rectangle {cx + r * 0.3},{cy - r * 0.05} {cx + r * 0.4},{cy + r * 0.07}\n")
    elif symbol == "environment":
        out += style("none", "#111111", max(1, r * 0.06), 0) + (f"line {cx - r * 0.3},{cy + r * 0.25} {cx - r * 0.3},{cy - r * 0.4}\n"
                                                                f"line {cx - r * 0.3},{cy - r * 0.15} {cx - r * 0.5},{cy - r * 0.3}\n"
                                                                f"line {cx - r * 0.3},{cy - r * 0.05} {cx - r * 0.1},{cy - r * 0.25}\n"
                                                                f"line {cx - r * 0.6},{cy + r * 0.3} {cx + r * 0.6},{cy + r * 0.3}\n")
        out += style("#111111") + f"polygon {cx},{cy + r * 0.12} {cx + r * 0.35},{cy} {cx + r * 0.5},{cy + r * 0.12} {cx + r * 0.35},{cy + r * 0.22}\n"
    return out


@picture("scn3_receiver_labels.gif")
def receiver_labels(out):
    soft = front = ""
    m = style("#ffffff", "#333333", 1) + "rectangle 10,10 230,170\n"
    m += text(120, 32, "AMMONIA, ANHYDROUS", 13, "#111111", anchor="middle")
    m += text(120, 48, "NH3  -  receiver R1, 4 000 kg", 10, "#333333", "DejaVu-Sans", anchor="middle")
    for i, symbol in enumerate(("gas", "corrosion", "skull", "environment")):
        m += ghs(42 + i * 52, 92, 23, symbol)
    m += text(120, 140, "DANGER", 13, "#111111", anchor="middle")
    m += text(120, 158, "Toxic if inhaled. Severe skin burns.", 9, "#333333", "DejaVu-Sans", anchor="middle")
    render(out, ["-size", "240x180", "xc:#b9c2c8"], m, soft, front)


def placard(out, fill, number, symbol, lower=None):
    """A danger label of 200 x 200 pixels, as the quiz questions show them."""
    m = diamond(100, 100, 94, fill, number, symbol, lower=lower)
    m += style("none", "#111111", 2, 0) + "polygon 100,14 186,100 100,186 14,100\n"
    render(out, ["-size", "200x200", "xc:#ffffff"], m)


PICTURES["placard_8.gif"] = lambda out: placard(out, "#ffffff", "8", "corrosive", lower="#111111")


def painted_out(source, box, colour):
    """A course picture with its caption painted over, for a question that must not show it."""
    def draw(out):
        subprocess.run(["convert", str(IMAGES / source), "+repage", "-fill", colour, "-draw",
                        "rectangle " + box, "-strip", str(out)], check=True)
    return draw


PICTURES["windsock_plain.gif"] = painted_out("windsock.gif[0]", "40,105 169,130", "#dfeefa")
PICTURES["tank_shapes_plain.gif"] = painted_out("tank_shapes.gif", "0,142 480,194", "#ffffff")


def thermometer(out, degrees, night=False):
    """Temperature picture, 80 x 80: a thermometer and the reading."""
    level = 56 - max(-10, min(30, degrees)) * 1.1
    m = style("#ffffff", "#555555", 1.5) + "roundrectangle 14,6 26,62 6,6\n" + "circle 20,66 20,56\n"
    m += style("#d42b2b") + f"rectangle 17,{level} 23,62\n" + "circle 20,66 20,59\n"
    for k in range(0, 5):
        m += style("#555555") + f"rectangle 27,{12 + k * 11} 31,{13 + k * 11}\n"
    sign = "+" if degrees > 0 else ("−" if degrees < 0 else "")
    m += text(57, 45, f"{sign}{abs(degrees)}\u00b0C", 12, "#ffffff" if night else "#222222", "DejaVu-Sans-Condensed-Bold", "middle")
    bg = ("#1c2a4a", "#3b4f78") if night else ("#bfe0f7", "#ffffff")
    render(out, ["-size", "80x80", f"gradient:{bg[0]}-{bg[1]}"], m)


def wind_rose(out, from_degrees, speed, night=False):
    """Wind picture, 80 x 80: a compass with an arrow blowing from the given bearing."""
    import math
    a = math.radians(from_degrees)
    # the arrow starts at the side the wind comes from and points downwind
    sx, sy = 40 + 26 * math.sin(a), 38 - 26 * math.cos(a)
    ex, ey = 40 - 22 * math.sin(a), 38 + 22 * math.cos(a)
    ink = "#ffffff" if night else "#222222"
    m = style("none", "#8899aa", 1.5, 0) + "circle 40,38 40,8\n"
    for t, (tx, ty) in zip("NESW", ((40, 7), (74, 42), (40, 76), (6, 42))):
        m += text(tx, ty, t, 9, ink, anchor="middle")
    m += style("none", "#1f5fa8", 4, 0) + f"line {sx},{sy} {ex},{ey}\n"
    ux, uy = (ex - sx), (ey - sy)
    n = math.hypot(ux, uy)
    ux, uy = ux / n, uy / n
    m += style("#1f5fa8") + (f"polygon {ex + 6 * ux},{ey + 6 * uy} {ex - 8 * ux + 7 * uy},{ey - 8 * uy - 7 * ux}"
                             f" {ex - 8 * ux - 7 * uy},{ey - 8 * uy + 7 * ux}\n")
    m += style("#ffffff", "#1f5fa8", 1) + "roundrectangle 46,60 78,76 3,3\n"
    m += text(62, 72, f"{speed} m/s", 9, "#1f5fa8", anchor="middle")
    bg = ("#1c2a4a", "#3b4f78") if night else ("#eaf4fb", "#ffffff")
    render(out, ["-size", "80x80", f"gradient:{bg[0]}-{bg[1]}"], m)


def logo(out, number, colour, icon):
    """Scenario logo, 120 x 80: the scenario number and a small symbol."""
    m = style(colour, "#222222", 2) + "roundrectangle 2,2 117,77 10,10\n"
    m += style("#ffffff", opacity=0.9) + "circle 40,40 40,8\n" + icon
    m += text(94, 54, str(number), 36, "#ffffff", anchor="middle")
    render(out, ["-size", "120x80", "xc:#ffffff"], m)


PICTURES["scn1_temp.gif"] = lambda out: thermometer(out, 18)
PICTURES["scn2_temp.gif"] = lambda out: thermometer(out, 6, night=False)
PICTURES["scn3_temp.bmp"] = lambda out: thermometer(out, -4, night=True)
PICTURES["scn1_wind.gif"] = lambda out: wind_rose(out, 270, 4)
PICTURES["scn2_wind.gif"] = lambda out: wind_rose(out, 315, 3)
PICTURES["scn3_wind.gif"] = lambda out: wind_rose(out, 90, 2, night=True)
PICTURES["scn1_logo.gif"] = lambda out: logo(out, 1, "#c0392b", group(
    style("#9aa0a6") + "roundrectangle -22,-10 10,6 6,6\n" + style("#c0392b") + "rectangle 12,-8 22,6\n"
    + style("#222222") + "circle -14,9 -10,9\ncircle 16,9 20,9\n", 40, 40))
PICTURES["scn2_logo.gif"] = lambda out: logo(out, 2, "#1d7a8c", group(
    style("#9ad14b", "#333333", 1) + "roundrectangle -8,-22 8,18 6,6\n" + style("#333333") + "rectangle -4,-28 4,-22\n"
    + style("#1d7a8c") + "path 'M -26,20 q 6,-5 12,0 t 12,0 t 12,0 t 12,0'\n", 40, 40))
PICTURES["scn3_logo.gif"] = lambda out: logo(out, 3, "#2c4f8c", group(
    style("none", "#2c4f8c", 3, 0) + "line 0,-24 0,24\nline -21,-12 21,12\nline -21,12 21,-12\n"
    + style("#ffffff", "#c0392b", 1) + "roundrectangle -15,-7 15,7 3,3\n"
    + text(0, 5, "NH3", 11, "#c0392b", anchor="middle"), 40, 40))


def main(only):
    IMAGES.mkdir(parents=True, exist_ok=True)
    for name, fn in PICTURES.items():
        if not only or name in only:
            fn(IMAGES / name)
            print("drew", name)


if __name__ == "__main__":
    main(sys.argv[1:])

#!/usr/bin/python3
"""Draws the window's pictures and the program icon into ui/pictures/.

Shapes are drawn four times larger and scaled down, which gives smooth edges
without any randomness; text is drawn afterwards at its final size so FreeType
can hint it. The same packages give the same bytes on every run.

Needs Debian's python3-pil and fonts-inter (scripts/install-deps.sh).
"""

import io
import struct
import sys
from pathlib import Path

from PIL import Image, ImageDraw, ImageFont

OUT = Path(__file__).resolve().parent.parent / "ui" / "pictures"
FONT_DIR = Path("/usr/share/fonts/opentype/inter")
SS = 4  # supersampling factor for shapes

# Palette: a dark navy stage, gold for rewards and the call to action,
# green for days already claimed.
NAVY = (20, 28, 50)
NAVY_BAND = (25, 35, 62)
CARD = (32, 43, 74)
TILE = (42, 56, 94)
TILE_CLAIMED = (33, 58, 66)
TILE_MILESTONE = (70, 58, 46)
SPOT = (38, 51, 88)
WHITE = (244, 246, 251)
MUTED = (158, 170, 199)
DIM = (118, 131, 163)
GOLD = (247, 186, 62)
GOLD_LIGHT = (252, 212, 110)
GOLD_DARK = (206, 138, 28)
GREEN = (52, 199, 130)
INK = (24, 30, 48)
BLUE = (61, 110, 240)
RED = (236, 88, 96)
TEAL = (56, 204, 214)
PURPLE = (160, 112, 240)
BROWN = (150, 92, 52)


def font(weight, size):
    path = FONT_DIR / f"Inter-{weight}.otf"
    if not path.exists():
        sys.exit(f"make-pictures: missing {path}; run scripts/install-deps.sh")
    return ImageFont.truetype(str(path), size)


def mix(a, b, t):
    return tuple(round(x + (y - x) * t) for x, y in zip(a, b))


class Sketch:
    """A supersampled drawing surface addressed in final-size pixels."""

    def __init__(self, size, background):
        self.size = size
        self.img = Image.new("RGBA", (size[0] * SS, size[1] * SS), background)
        self.draw = ImageDraw.Draw(self.img)

    @staticmethod
    def _box(box):
        # Pillow's boxes include their far edge; ours end before it.
        x0, y0, x1, y1 = (round(v * SS) for v in box)
        return [x0, y0, x1 - 1, y1 - 1]

    @staticmethod
    def _points(points):
        return [(round(x * SS), round(y * SS)) for x, y in points]

    def rect(self, box, radius=0, fill=None, outline=None, width=0):
        self.draw.rounded_rectangle(self._box(box), radius=round(radius * SS),
                                    fill=fill, outline=outline, width=round(width * SS))

    def ellipse(self, box, fill=None, outline=None, width=0):
        self.draw.ellipse(self._box(box), fill=fill, outline=outline, width=round(width * SS))

    def circle(self, cx, cy, r, **kw):
        self.ellipse((cx - r, cy - r, cx + r, cy + r), **kw)

    def polygon(self, points, fill):
        self.draw.polygon(self._points(points), fill=fill)

    def stroke(self, points, width, fill):
        """A polyline with round caps and joints."""
        pts = self._points(points)
        w = round(width * SS)
        self.draw.line(pts, fill=fill, width=w, joint="curve")
        for x, y in (pts[0], pts[-1]):
            self.draw.ellipse((x - w / 2, y - w / 2, x + w / 2, y + w / 2), fill=fill)

    def check(self, cx, cy, s, width, fill):
        """A check mark centred on (cx, cy), s wide."""
        self.stroke([(cx - s * 0.42, cy + s * 0.02), (cx - s * 0.12, cy + s * 0.30),
                     (cx + s * 0.42, cy - s * 0.28)], width, fill)

    def play(self, cx, cy, s, fill):
        """A right-pointing play triangle with softened corners."""
        h = s * 0.58
        pts = [(cx - s * 0.36, cy - h), (cx + s * 0.56, cy), (cx - s * 0.36, cy + h)]
        self.polygon(pts, fill)
        self.stroke(pts + [pts[0]], s * 0.16, fill)

    def finish(self):
        # A box filter: edges on whole pixels stay crisp and nothing rings.
        return self.img.reduce(SS)


def text(draw, xy, content, face, fill, anchor="la", tracking=0):
    """Draws text; tracking adds that many pixels between the letters."""
    if not tracking:
        draw.text(xy, content, font=face, fill=fill, anchor=anchor)
        return
    widths = [face.getlength(ch) for ch in content]
    total = sum(widths) + tracking * (len(content) - 1)
    x, y = xy
    if anchor[0] == "m":
        x -= total / 2
    elif anchor[0] == "r":
        x -= total
    for ch, w in zip(content, widths):
        draw.text((x, y), ch, font=face, fill=fill, anchor="l" + anchor[1])
        x += w + tracking


# --- reward glyphs ---------------------------------------------------------

def glyph_coin(sk, cx, cy, s):
    r = s * 0.42
    sk.circle(cx + s * 0.08, cy + s * 0.06, r, fill=GOLD_DARK)
    sk.circle(cx, cy, r, fill=GOLD)
    sk.circle(cx, cy, r * 0.68, fill=GOLD_LIGHT)
    sk.rect((cx - r * 0.14, cy - r * 0.42, cx + r * 0.14, cy + r * 0.42), radius=r * 0.1, fill=GOLD_DARK)


def glyph_potion(sk, cx, cy, s):
    sk.rect((cx - s * 0.13, cy - s * 0.46, cx + s * 0.13, cy - s * 0.12), radius=s * 0.04, fill=(205, 215, 235))
    sk.rect((cx - s * 0.17, cy - s * 0.52, cx + s * 0.17, cy - s * 0.38), radius=s * 0.05, fill=BROWN)
    sk.circle(cx, cy + s * 0.14, s * 0.34, fill=(205, 215, 235))
    sk.circle(cx, cy + s * 0.14, s * 0.27, fill=PURPLE)
    sk.rect((cx - s * 0.27, cy - s * 0.02, cx + s * 0.27, cy + s * 0.06), fill=(205, 215, 235))
    sk.circle(cx - s * 0.1, cy + s * 0.08, s * 0.06, fill=(214, 190, 255))


def glyph_gift(sk, cx, cy, s):
    sk.ellipse((cx - s * 0.30, cy - s * 0.44, cx - s * 0.02, cy - s * 0.20), outline=GOLD, width=s * 0.08)
    sk.ellipse((cx + s * 0.02, cy - s * 0.44, cx + s * 0.30, cy - s * 0.20), outline=GOLD, width=s * 0.08)
    sk.rect((cx - s * 0.40, cy - s * 0.10, cx + s * 0.40, cy + s * 0.44), radius=s * 0.05, fill=RED)
    sk.rect((cx - s * 0.46, cy - s * 0.26, cx + s * 0.46, cy - s * 0.06), radius=s * 0.05, fill=mix(RED, WHITE, 0.2))
    sk.rect((cx - s * 0.07, cy - s * 0.26, cx + s * 0.07, cy + s * 0.44), fill=GOLD)


def glyph_gem(sk, cx, cy, s):
    top, mid, bot = cy - s * 0.30, cy - s * 0.08, cy + s * 0.44
    sk.polygon([(cx - s * 0.26, top), (cx + s * 0.26, top), (cx + s * 0.46, mid),
                (cx, bot), (cx - s * 0.46, mid)], fill=TEAL)
    sk.polygon([(cx - s * 0.26, top), (cx + s * 0.26, top), (cx + s * 0.46, mid),
                (cx - s * 0.46, mid)], fill=mix(TEAL, WHITE, 0.45))
    sk.polygon([(cx - s * 0.14, mid), (cx + s * 0.14, mid), (cx, bot)], fill=mix(TEAL, WHITE, 0.25))


def glyph_chest(sk, cx, cy, s):
    sk.rect((cx - s * 0.48, cy - s * 0.32, cx + s * 0.48, cy + s * 0.06), radius=s * 0.18, fill=mix(BROWN, WHITE, 0.12))
    sk.rect((cx - s * 0.48, cy - s * 0.06, cx + s * 0.48, cy + s * 0.42), radius=s * 0.05, fill=BROWN)
    sk.rect((cx - s * 0.48, cy - s * 0.08, cx + s * 0.48, cy + s * 0.0), fill=GOLD)
    for x in (cx - s * 0.34, cx + s * 0.26):
        sk.rect((x, cy - s * 0.32, x + s * 0.08, cy + s * 0.42), fill=GOLD_DARK)
    sk.rect((cx - s * 0.11, cy - s * 0.14, cx + s * 0.11, cy + s * 0.14), radius=s * 0.04, fill=GOLD_LIGHT)
    sk.circle(cx, cy - s * 0.02, s * 0.035, fill=INK)


GLYPHS = [glyph_coin, glyph_potion, glyph_gift, glyph_gem]
AMOUNTS = [500, 3, 1, 2, 1, 800, 5, 1, 3, 1, 999, 5, 2, 3, 1, 750, 8, 2, 5, 1]
CLAIMED = 6  # days 1..6 shown as collected, day 7 as today


# --- splash ----------------------------------------------------------------

BUTTON_BOX = (733, 476, 973, 540)  # where the START button sits on the splash
SPOT_BOX = (BUTTON_BOX[0] - 20, BUTTON_BOX[1] - 18, BUTTON_BOX[2] + 20, BUTTON_BOX[3] + 18)
OUTPUT_FILES = ["attendance.yml", "CheckAttendance.lua"]


def make_splash():
    W, H = 1060, 640
    sk = Sketch((W, H), NAVY)
    # Soft diagonal bands give the stage some depth while staying flat.
    sk.polygon([(640, 0), (1060, 0), (1060, 640), (420, 640)], NAVY_BAND)
    sk.polygon([(900, 0), (1060, 0), (1060, 260)], mix(NAVY_BAND, SPOT, 0.35))

    # Header logo tile.
    sk.rect((48, 36, 116, 104), radius=16, fill=CARD)

    # Calendar card with 5 x 4 day tiles.
    card = (48, 148, 628, 592)
    sk.rect(card, radius=18, fill=CARD)
    tw, th, gap = 100, 80, 11
    gx, gy = card[0] + 22, card[1] + 68
    tiles = []
    for i in range(20):
        day = i + 1
        col, row = i % 5, i // 5
        x, y = gx + col * (tw + gap), gy + row * (th + gap)
        milestone = day % 5 == 0
        fill = TILE_CLAIMED if day <= CLAIMED else TILE_MILESTONE if milestone else TILE
        sk.rect((x, y, x + tw, y + th), radius=10, fill=fill)
        if day == CLAIMED + 1:
            sk.rect((x - 1, y - 1, x + tw + 1, y + th + 1), radius=11, outline=GOLD, width=2.5)
        glyph = glyph_chest if milestone else GLYPHS[i % 4]
        glyph(sk, x + 30, y + 48, 34 if milestone else 30)
        if day <= CLAIMED:
            sk.circle(x + tw - 15, y + 15, 9, fill=GREEN)
            sk.check(x + tw - 15, y + 15, 10, 2.2, WHITE)
        tiles.append((day, x, y, fill))

    # Steps and outputs on the right.
    steps_x = 652
    step_top = [196, 254, 312]
    for n, top in enumerate(step_top, 1):
        sk.circle(steps_x + 15, top + 14, 15, fill=GOLD if n == 3 else SPOT)
    chip_face = font("SemiBold", 15)
    chips, left = [], steps_x
    for name in OUTPUT_FILES:
        right = left + 32 + chip_face.getlength(name) + 14
        chips.append((left, 404, round(right), 438))
        left = round(right) + 8
    for box in chips:
        sk.rect(box, radius=17, fill=SPOT)
    for i, box in enumerate(chips):
        cx, cy = box[0] + 18, (box[1] + box[3]) / 2
        sk.rect((cx - 6, cy - 8, cx + 6, cy + 8), radius=2, fill=TEAL if i == 0 else PURPLE)
        sk.polygon([(cx + 1, cy - 8), (cx + 6.5, cy - 8), (cx + 6.5, cy - 2.5)], SPOT)
        sk.polygon([(cx + 1, cy - 8), (cx + 1, cy - 2.5), (cx + 6.5, cy - 2.5)], mix(TEAL if i == 0 else PURPLE, WHITE, 0.45))

    # The calm spot the START button sits on; start.png's margin has its colour.
    sk.rect(SPOT_BOX, radius=22, fill=SPOT)

    img = sk.finish()
    img.alpha_composite(icon_image(48), (58, 46))
    img = img.convert("RGB")
    d = ImageDraw.Draw(img)

    d.text((134, 71), "Attendance Reward Builder", font=font("Bold", 40), fill=WHITE, anchor="ls")
    d.text((136, 99), "20-day check-in rewards", font=font("Medium", 19), fill=MUTED, anchor="ls")
    x = 136 + font("Medium", 19).getlength("20-day check-in rewards")
    for part, colour, face in [("  \u2192  ", MUTED, font("Medium", 19)),
                               ("attendance.yml", GOLD, font("SemiBold", 19)),
                               ("  +  ", MUTED, font("Medium", 19)),
                               ("CheckAttendance.lua", GOLD, font("SemiBold", 19))]:
        d.text((x, 99), part, font=face, fill=colour, anchor="ls")
        x += face.getlength(part)

    text(d, (card[0] + 24, card[1] + 26), "DAILY CHECK-IN", font("Bold", 14), MUTED, anchor="lm", tracking=1.6)
    text(d, (card[2] - 24, card[1] + 26), "20 DAYS \u00b7 1 REWARD EACH", font("SemiBold", 13), DIM, anchor="rm", tracking=1.0)
    day_face, amt_face = font("SemiBold", 12), font("Bold", 14)
    for day, x, y, fill in tiles:
        claimed = day <= CLAIMED
        label = "TODAY" if day == CLAIMED + 1 else f"DAY {day}"
        text(d, (x + 10, y + 15), label, day_face, GOLD if day == CLAIMED + 1 else MUTED, anchor="lm", tracking=0.6)
        d.text((x + tw - 10, y + th - 12), f"\u00d7{AMOUNTS[day - 1]}", font=amt_face,
               fill=DIM if claimed else WHITE, anchor="rs")

    text(d, (steps_x, card[1] + 26), "HOW IT WORKS", font("Bold", 14), MUTED, anchor="lm", tracking=1.6)
    steps = [("Set the event dates", "First and last day of the check-in event"),
             ("Fill in the 20 rewards", "Item ID (and amount) for each day"),
             ("Press START", "Both files are saved next to the program")]
    num_face, head_face, sub_face = font("Bold", 15), font("SemiBold", 19), font("Regular", 15)
    for n, ((head, sub), top) in enumerate(zip(steps, step_top), 1):
        d.text((steps_x + 15, top + 14), str(n), font=num_face, fill=INK if n == 3 else WHITE, anchor="mm")
        d.text((steps_x + 44, top + 14), head, font=head_face, fill=WHITE, anchor="lm")
        d.text((steps_x + 44, top + 38), sub, font=sub_face, fill=MUTED, anchor="lm")

    text(d, (steps_x, 386), "OUTPUT", font("Bold", 14), MUTED, anchor="lm", tracking=1.6)
    for box, name in zip(chips, OUTPUT_FILES):
        d.text((box[0] + 32, (box[1] + box[3]) / 2), name, font=chip_face, fill=WHITE, anchor="lm")

    d.text(((SPOT_BOX[0] + SPOT_BOX[2]) / 2, 580), "Press START to begin", font=font("Medium", 16),
           fill=MUTED, anchor="mm")
    return img


# --- START button ----------------------------------------------------------

def make_start():
    W, H = 244, 64
    sk = Sketch((W, H), SPOT)
    body = (6, 4, 238, 60)
    sk.rect((body[0], body[1] + 3, body[2], body[3]), radius=14, fill=GOLD_DARK)
    sk.rect((body[0], body[1], body[2], body[3] - 3), radius=14, fill=GOLD)
    sk.rect((body[0] + 2, body[1] + 2, body[2] - 2, body[1] + 24), radius=12, fill=mix(GOLD, GOLD_LIGHT, 0.55))
    sk.rect((body[0] + 2, body[1] + 14, body[2] - 2, body[3] - 6), radius=12, fill=GOLD)
    face = font("ExtraBold", 30)
    label = "START"
    tracking = 2.5
    tw = sum(face.getlength(c) for c in label) + tracking * (len(label) - 1)
    icon_w, space = 22, 14
    left = (W - (icon_w + space + tw)) / 2
    cy = (body[1] + body[3] - 3) / 2
    sk.circle(left + icon_w / 2, cy, icon_w / 2 + 0.5, fill=INK)
    sk.play(left + icon_w / 2 + 0.8, cy, 8.5, GOLD)
    img = sk.finish().convert("RGB")
    d = ImageDraw.Draw(img)
    text(d, (left + icon_w + space, cy + 1), label, face, INK, anchor="lm", tracking=tracking)
    return img


# --- author card -----------------------------------------------------------

def make_author_card():
    W, H = 244, 100
    sk = Sketch((W, H), (0, 0, 0, 0))
    border = (206, 212, 226, 255)
    sk.rect((0, 0, W - 1, H - 1), radius=14, fill=border)
    sk.rect((1, 1, W - 2, H - 2), radius=13, fill=(255, 255, 255, 255))
    link_bg = (234, 240, 255, 255)
    sk.rect((1, 64, W - 2, H - 2), radius=13, fill=link_bg)
    sk.rect((1, 64, W - 2, 78), fill=link_bg)
    sk.rect((1, 63, W - 2, 64), fill=border)
    sk.circle(33, 32, 21, fill=NAVY + (255,))
    img = sk.finish()
    d = ImageDraw.Draw(img)
    d.text((33, 33), "Q", font=font("Bold", 25), fill=GOLD, anchor="mm")
    d.text((64, 24), "Quillomar", font=font("Bold", 23), fill=INK, anchor="lm")
    d.text((64, 46), "Custom event scripts", font=font("Medium", 16), fill=(78, 88, 114), anchor="lm")
    link = "Visit the author's page"
    face = font("SemiBold", 16)
    arrow = "  \u2197"
    total = face.getlength(link + arrow)
    x = (W - total) / 2
    d.text((x, 82), link + arrow, font=face, fill=BLUE, anchor="lm")
    base = 82 + 8
    d.line((x, base, x + face.getlength(link), base), fill=BLUE, width=1)
    return img


# --- icon ------------------------------------------------------------------

# Calendar geometry per icon size, in whole pixels so the edges stay crisp:
# page box, bottom of the blue header, outline width, corner radius, rings.
ICON_GEOMETRY = {
    16: ((0, 1, 16, 16), 5, 1, 2.5, False),
    24: ((1, 2, 23, 23), 8, 1, 3.5, True),
    32: ((1, 3, 31, 31), 11, 1, 4.5, True),
    48: ((2, 5, 46, 46), 16, 2, 7, True),
    64: ((3, 7, 61, 61), 21, 2, 9, True),
    256: ((10, 26, 246, 246), 82, 6, 36, True),
}
ICON_OUTLINE = (28, 62, 156, 255)
ICON_CHECK = (24, 170, 104, 255)


def icon_image(px):
    """The calendar with a check mark, drawn for one icon size."""
    (x0, y0, x1, y1), header, t, r, rings = ICON_GEOMETRY[px]
    sk = Sketch((px, px), (0, 0, 0, 0))
    w = x1 - x0
    sk.rect((x0, y0, x1, y1), radius=r, fill=ICON_OUTLINE)
    sk.rect((x0 + t, y0 + t, x1 - t, y1 - t), radius=max(r - t, 1), fill=(255, 255, 255, 255))
    sk.rect((x0 + t, y0 + t, x1 - t, header), radius=max(r - t, 1), fill=BLUE + (255,))
    sk.rect((x0 + t, header - r, x1 - t, header), fill=BLUE + (255,))
    if rings:
        rw = max(2, round(w * 0.1))
        for fx in (0.3, 0.7):
            cx = round(x0 + w * fx)
            sk.rect((cx - rw / 2, y0 - round(px * 0.08), cx + rw / 2, y0 + (header - y0) * 0.55),
                    radius=rw / 2, fill=ICON_OUTLINE)
    if px == 16:
        # Hand-placed on pixel centres: 45-degree strokes stay sharp.
        sk.stroke([(3.5, 9.5), (6.5, 12.5), (12.5, 6.5)], 2.2, ICON_CHECK)
    else:
        cy = (header + y1 - t) / 2 + 0.3
        sk.check((x0 + x1) / 2, cy, w * 0.58, w * 0.13, ICON_CHECK)
    return sk.finish()


def write_ico(path, images):
    """ICO with 32-bit DIB entries for the small sizes and PNG for 256 px."""
    blobs = []
    for im in images:
        w, h = im.size
        if w >= 256:
            buf = io.BytesIO()
            im.save(buf, "PNG", optimize=True)
            blobs.append(buf.getvalue())
            continue
        header = struct.pack("<IiiHHIIiiII", 40, w, h * 2, 1, 32, 0, 0, 0, 0, 0, 0)
        rows = [im.crop((0, y, w, y + 1)).tobytes("raw", "BGRA") for y in range(h - 1, -1, -1)]
        mask_stride = ((w + 31) // 32) * 4
        mask = bytearray()
        alpha = im.getchannel("A")
        for y in range(h - 1, -1, -1):
            row = bytearray(mask_stride)
            for x in range(w):
                if alpha.getpixel((x, y)) == 0:
                    row[x // 8] |= 0x80 >> (x % 8)
            mask += row
        blobs.append(header + b"".join(rows) + bytes(mask))
    out = struct.pack("<HHH", 0, 1, len(images))
    offset = 6 + 16 * len(images)
    for im, blob in zip(images, blobs):
        w, h = im.size
        out += struct.pack("<BBBBHHII", w % 256, h % 256, 0, 0, 1, 32, len(blob), offset)
        offset += len(blob)
    path.write_bytes(out + b"".join(blobs))


# ---------------------------------------------------------------------------

def save_png(img, name):
    """Saves losslessly; an RGB picture of at most 256 colours goes to a palette."""
    if img.mode == "RGB" and img.getcolors(256):
        img = img.quantize(colors=256, method=Image.Quantize.MEDIANCUT, dither=Image.Dither.NONE)
    img.save(OUT / name, "PNG", optimize=True)


def main():
    OUT.mkdir(parents=True, exist_ok=True)
    save_png(make_splash(), "splash.png")
    save_png(make_start(), "start.png")
    save_png(make_author_card(), "author_card.png")
    write_ico(OUT / "rewardcfg.ico", [icon_image(px) for px in (16, 24, 32, 48, 64, 256)])
    for p in sorted(OUT.iterdir()):
        print(f"{p.name}: {p.stat().st_size} bytes")


if __name__ == "__main__":
    main()

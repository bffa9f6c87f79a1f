#!/usr/bin/env python3
"""Draws the calculator's 32 x 32 window icon, a price tag with two opposed arrows, and writes it
as corvane.xpm, compiled into the program. The installed icons are drawn from
packaging/ as a scalable picture.

Run from this folder after changing the drawing: python3 make_icon.py
"""

SIZE = 32

# Palette: key -> (character, RGBA). Space is transparent.
COLOURS = {
    "clear": (" ", (0, 0, 0, 0)),
    "edge": ("#", (92, 52, 10, 255)),
    "body": ("o", (244, 176, 52, 255)),
    "shine": ("+", (255, 222, 128, 255)),
    "shade": ("=", (214, 136, 28, 255)),
    "string": ("s", (120, 120, 132, 255)),
    "arrow": ("a", (34, 110, 60, 255)),
}

CENTRE_Y = 16  # the tag's middle row
HOLE = (8, 16)  # centre of the hole the string goes through


def half_height(x):
    """Half the tag's height in column x, or None outside it: a cut-off point on the left widens
    at 45 degrees into the body on the right."""
    if 11 <= x <= 29:
        return 9
    if 3 <= x <= 10:
        return 2 + (x - 3)
    return None


def inside_tag(x, y):
    half = half_height(x)
    if half is None or abs(y - CENTRE_Y) > half:
        return False
    rounded = x >= 28 and abs(y - CENTRE_Y) >= half - (x - 27) + 1  # the right-hand corners
    return not rounded


def on_arrows(x, y):
    """One arrow pointing right above one pointing left: one package traded for another."""
    for middle, tip, step in ((11.5, 27, -1), (20.5, 14, 1)):
        back = (x - tip) * step  # columns from the tip towards the tail
        if 4 <= back <= 13 and abs(y - middle) <= 1:
            return True
        if 0 <= back <= 3 and abs(y - middle) <= back + 0.5:
            return True
    return False


def on_string(x, y):
    """A line two pixels thick at the joins, from the top left corner down to the hole."""
    slope = 0.45
    return 1 <= y <= 13 and x in (round(HOLE[0] - (13 - y) * slope),
                                  round(HOLE[0] - (13.5 - y) * slope))


def classify(x, y):
    hole = (x - HOLE[0]) ** 2 + (y - HOLE[1]) ** 2
    if on_string(x, y) and hole > 5:  # over the tag too, down to the rim of the hole
        return "string"
    if inside_tag(x, y) and hole > 2:
        neighbours = [inside_tag(x + dx, y + dy) for dx, dy in ((1, 0), (-1, 0), (0, 1), (0, -1))]
        if not all(neighbours) or hole <= 5:
            return "edge"
        if on_arrows(x, y):
            return "arrow"
        half = half_height(x)
        if y - (CENTRE_Y - half) <= 2:
            return "shine"
        if (CENTRE_Y + half) - y <= 2:
            return "shade"
        return "body"
    return "clear"


def draw():
    return [[classify(x, y) for x in range(SIZE)] for y in range(SIZE)]


def write_xpm(pixels, path):
    used = [key for key in COLOURS if any(key in row for row in pixels)]
    lines = ["/* XPM */", "static const char* const corvane_xpm[] = {",
             f'"{SIZE} {SIZE} {len(used)} 1",']
    for key in used:
        char, (r, g, b, a) = COLOURS[key]
        value = "None" if a == 0 else f"#{r:02X}{g:02X}{b:02X}"
        lines.append(f'"{char} c {value}",')
    rows = ['"' + "".join(COLOURS[key][0] for key in row) + '"' for row in pixels]
    lines.append(",\n".join(rows))
    lines.append("};")
    with open(path, "w", encoding="ascii") as out:
        out.write("\n".join(lines) + "\n")


if __name__ == "__main__":
    image = draw()
    write_xpm(image, "corvane.xpm")

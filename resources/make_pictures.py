#!/usr/bin/env python3
"""Draws Tintora's cursors and button glyphs from the pixel art below into PNG files.

Run it after changing a picture: python3 resources/make_pictures.py
Each picture is rows of characters; the legend maps a character to a colour (" " is transparent).
Cursors carry their hot spot as (x, y).
"""
import os
import struct
import zlib

LEGEND = {
    " ": None,
    "#": (0, 0, 0, 255),
    "w": (255, 255, 255, 255),
    "g": (128, 128, 128, 255),
    "l": (192, 192, 192, 255),
    "d": (64, 64, 64, 255),
    "r": (220, 30, 30, 255),
    "G": (30, 160, 60, 255),
    "b": (40, 80, 220, 255),
    "y": (250, 210, 40, 255),
    "o": (230, 130, 30, 255),
    "c": (40, 190, 220, 255),
    "m": (200, 60, 200, 255),
    "s": (150, 110, 70, 255),
}


def png(rows):
    height = len(rows)
    width = max(len(r) for r in rows)
    raw = b""
    for r in rows:
        r = r.ljust(width)
        raw += b"\x00" + b"".join(bytes(LEGEND[ch] or (0, 0, 0, 0)) for ch in r)

    def chunk(tag, data):
        c = struct.pack(">I", len(data)) + tag + data
        return c + struct.pack(">I", zlib.crc32(tag + data) & 0xFFFFFFFF)

    return (b"\x89PNG\r\n\x1a\n" + chunk(b"IHDR", struct.pack(">IIBBBBB", width, height, 8, 6, 0, 0, 0))
            + chunk(b"IDAT", zlib.compress(raw, 9)) + chunk(b"IEND", b""))


EYEDROPPER = [
    "            ###",
    "           #ddd#",
    "          #dddd#",
    "        ###ddd#",
    "        #w#dd#",
    "       #www##",
    "      #www#d#",
    "     #www#  #",
    "    #www#",
    "   #www#",
    "  #www#",
    " #www#",
    " #ww#",
    "#w##",
    "##",
]

PICTURES = {
    # Cursors (hot spot at the dropper's tip, the bucket's spout, the arrow's point).
    "cursors/eyedroppertolist.png": EYEDROPPER + [
        "",
        "        #######",
        "        #wwwww#",
        "        #w###w#",
        "        #wwwww#",
        "        #w###w#",
        "        #######",
    ],
    "cursors/eyedropper.png": EYEDROPPER,
    "cursors/paintbucket.png": [
        "     ##",
        "    #ww#",
        "   #wwww#",
        "  #wwwwww#",
        " #wwwwwwww#",
        "#wwwwwwwwww#",
        "#bwwwwwwwww#",
        "#bbwwwwwwww#",
        "#bbbwwwwww#",
        "#bbb#wwww#",
        "#bbb #ww#",
        " #b#  ##",
        " #b#",
        "  #",
    ],
    "cursors/rightclick.png": [
        "#",
        "##",
        "#w#",
        "#ww#",
        "#www#",
        "#wwww#",
        "#wwwww#",
        "#wwwwww#",
        "#wwww####",
        "#w#ww#   #####",
        "## #ww#  #w#r#",
        "#   #ww# #w#r#",
        "    #ww# #www#",
        "     ##  #www#",
        "          ###",
    ],
    # Frame icons and button glyphs, 16 x 16.
    "glyphs/expand.png": [
        "################",
        "#wwwwwwwwwwwwww#",
        "#w####wwwwwwwww#",
        "#w#rr#wwwwwwwww#",
        "#w####wwwwwwwww#",
        "#wwwwwwwwwwwwww#",
        "#wwwwww##wwwwww#",
        "#wwwwww#G#wwwww#",
        "#wwwwww#GG#wwww#",
        "#wwwwww#GGG#www#",
        "#wwwwww#GG#wwww#",
        "#wwwwww#G#wwwww#",
        "#wwwwww##wwwwww#",
        "#wwwwwwwwwwwwww#",
        "#wwwwwwwwwwwwww#",
        "################",
    ],
    "glyphs/tool.png": [
        "",
        "   ###",
        "  #lll#",
        "   #ll#     ##",
        " #  #l#    #ll#",
        " #l##l#   #ll#",
        " #llll#  #ll#",
        "  #llll##ll#",
        "   ###lllll#",
        "      #lll#",
        "     #lll##",
        "    #ss##",
        "   #ss#",
        "  #ss#",
        " #ss#",
        "  ##",
    ],
    "glyphs/help.png": [
        "",
        "     ######",
        "   ##bbbbbb##",
        "  #bbbwwwwbbb#",
        "  #bbwwbbwwbb#",
        " #bbbbbbbwwbbb#",
        " #bbbbbbwwbbbb#",
        " #bbbbbwwbbbbb#",
        " #bbbbbwwbbbbb#",
        " #bbbbbbbbbbbb#",
        "  #bbbbwwbbbb#",
        "  #bbbbwwbbbb#",
        "   ##bbbbbb##",
        "     ######",
    ],
    "glyphs/tacked.png": [
        "",
        "      ####",
        "      #rr#",
        "      #rr#",
        "      #rr#",
        "     #rrrr#",
        "    ########",
        "       ##",
        "       ##",
        "       ##",
        "       ##",
        "       ##",
        "  ############",
        "  #wwwwwwwwww#",
        "  ############",
    ],
    "glyphs/untacked.png": [
        "",
        "",
        "           ##",
        "          #rr#",
        "         #rrr#",
        "     ## #rrr#",
        "     #w#rrr#",
        "      #ww##",
        "     ##w#",
        "    ## ##",
        "   ##",
        "  ##",
        "  ############",
        "  #wwwwwwwwww#",
        "  ############",
    ],
    "glyphs/locked.png": [
        "",
        "     ######",
        "    #gggggg#",
        "   #g#    #g#",
        "   #g#    #g#",
        "   #g#    #g#",
        "  ############",
        "  #yyyyyyyyyy#",
        "  #yyyyy#yyyy#",
        "  #yyyy###yyy#",
        "  #yyyyy#yyyy#",
        "  #yyyyy#yyyy#",
        "  #yyyyyyyyyy#",
        "  ############",
    ],
    "glyphs/unlocked.png": [
        "",
        "          ######",
        "         #gggggg#",
        "        #g#    #g#",
        "        #g#    #g#",
        "        #g#",
        "  ############",
        "  #yyyyyyyyyy#",
        "  #yyyyy#yyyy#",
        "  #yyyy###yyy#",
        "  #yyyyy#yyyy#",
        "  #yyyyy#yyyy#",
        "  #yyyyyyyyyy#",
        "  ############",
    ],
    "glyphs/camera.png": [
        "",
        "",
        "     #####",
        "    #ddddd#",
        " ##############",
        " #llllllllllll#",
        " #lll#####lyyl#",
        " #ll##www##lll#",
        " #ll#wwbbw#lll#",
        " #ll#wbbbw#lll#",
        " #ll#wwbww#lll#",
        " #ll##www##lll#",
        " #lll#####llll#",
        " ##############",
    ],
    "glyphs/eyedropper.png": EYEDROPPER,
    "glyphs/insertabove.png": [
        "",
        "       ##",
        "      #GG#",
        "     #GGGG#",
        "    #GGGGGG#",
        "      #GG#",
        "      #GG#",
        "",
        " ##############",
        " #wwwwwwwwwwww#",
        " ##############",
        " #wwwwwwwwwwww#",
        " ##############",
    ],
    "glyphs/insertbelow.png": [
        "",
        " ##############",
        " #wwwwwwwwwwww#",
        " ##############",
        " #wwwwwwwwwwww#",
        " ##############",
        "",
        "      #GG#",
        "      #GG#",
        "    #GGGGGG#",
        "     #GGGG#",
        "      #GG#",
        "       ##",
    ],
    "glyphs/reset.png": [
        "",
        "",
        "     ######",
        "    #wwwwww#",
        "   #w##  ##w#",
        "   #w#    #w#",
        "   #w#    ###",
        "   #w#  #####",
        "   #w#   #w#",
        "   #w#    #",
        "   #w##  ##",
        "    #wwwww#",
        "     #####",
    ],
    "glyphs/websafe.png": [
        "################",
        "#rrrrrGGGGGbbbb#",
        "#rrrrrGGGGGbbbb#",
        "#rrrrrGGGGGbbbb#",
        "#yyyyyccccmmmmm#",
        "#yyyyyccccmmmmm#",
        "#yyyyyccccmmmmm#",
        "#wwwwwllllggggg#",
        "#wwwwwllllggggg#",
        "#wwwwwllllggggg#",
        "################",
        "",
        " ## ## ### ###",
        " ## ## #   #",
        "  #  # ### ##",
        "  ####   # #",
    ],
}


def main():
    here = os.path.dirname(os.path.abspath(__file__))
    for name, rows in PICTURES.items():
        path = os.path.join(here, name)
        with open(path, "wb") as f:
            f.write(png(rows))


if __name__ == "__main__":
    main()

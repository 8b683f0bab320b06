#!/usr/bin/env python3
"""Draws the installed blackletter faces side by side at the window's button size and at the
scroll's size, with the body face for comparison, into one PNG (docs/screenshots/fonts.png).

The glyphs go through fontconfig, FreeType and cairo, as the program's own text does. A face that
fontconfig does not have is listed with the face it fell back to, so that a sheet made on a
machine without a package does not pass a substitute off as the real face.

usage: tools/font_sheet.py [OUT.png]
"""
import ctypes
import ctypes.util
import os
import sys

SAMPLE = "New Draw Next Search Lancaster 0123"
SCROLL_NAME = "L a n c a s t e r"  # the scroll spaces a short surname out letter by letter
BUTTON_PIXELS = 20                  # the toolbar buttons and the search label
SCROLL_PIXELS = 30                  # the surname on the achievement's scroll
LABEL_PIXELS = 13

# (fontconfig pattern, what the row says); the package named after each.
FACES = [
    ("Blankenburg_UNZ1A", "Blankenburg (fonts-blankenburg)"),
    ("Gamaliel", "Gamaliel (fonts-gamaliel)"),
    ("Rusch:style=Gotico-Antiqua 100G", "Rusch Gotico-Antiqua 100G (fonts-gotico-antiqua)"),
    ("Zainer:style=Gotico-Antiqua 96G", "Zainer Gotico-Antiqua 96G (fonts-gotico-antiqua)"),
    ("Fust & Schoeffer:style=Durandus Gotico-Antiqua 118G", "Fust & Schoeffer Durandus 118G (fonts-gotico-antiqua)"),
    ("Jessen:style=Mittel 14", "Jessen Mittel 14 (fonts-gotico-antiqua)"),
    ("Hamlet:style=Tertia 18", "Hamlet Tertia 18 (fonts-gotico-antiqua)"),
    ("DejaVu Serif:style=Bold", "DejaVu Serif Bold (the fallback today)"),
    ("DejaVu Sans", "DejaVu Sans (the body face)"),
]

WIDTH = 1240
ROW_HEIGHT = LABEL_PIXELS + 8 + BUTTON_PIXELS + 14 + SCROLL_PIXELS + 22
MARGIN = 16
SAMPLE_INDENT = 50

FC_FILE = b"file"
FC_MATCH_PATTERN = 0
FC_RESULT_MATCH = 0


def load(name, fallback):
    path = ctypes.util.find_library(name) or fallback
    return ctypes.CDLL(path)


cairo = load("cairo", "libcairo.so.2")
fc = load("fontconfig", "libfontconfig.so.1")

for fn, res, args in [
    (cairo.cairo_image_surface_create, ctypes.c_void_p, [ctypes.c_int, ctypes.c_int, ctypes.c_int]),
    (cairo.cairo_create, ctypes.c_void_p, [ctypes.c_void_p]),
    (cairo.cairo_set_source_rgb, None, [ctypes.c_void_p, ctypes.c_double, ctypes.c_double, ctypes.c_double]),
    (cairo.cairo_paint, None, [ctypes.c_void_p]),
    (cairo.cairo_rectangle, None, [ctypes.c_void_p] + [ctypes.c_double] * 4),
    (cairo.cairo_fill, None, [ctypes.c_void_p]),
    (cairo.cairo_move_to, None, [ctypes.c_void_p, ctypes.c_double, ctypes.c_double]),
    (cairo.cairo_show_text, None, [ctypes.c_void_p, ctypes.c_char_p]),
    (cairo.cairo_set_font_face, None, [ctypes.c_void_p, ctypes.c_void_p]),
    (cairo.cairo_set_font_size, None, [ctypes.c_void_p, ctypes.c_double]),
    (cairo.cairo_ft_font_face_create_for_pattern, ctypes.c_void_p, [ctypes.c_void_p]),
    (cairo.cairo_font_face_destroy, None, [ctypes.c_void_p]),
    (cairo.cairo_surface_write_to_png, ctypes.c_int, [ctypes.c_void_p, ctypes.c_char_p]),
    (cairo.cairo_destroy, None, [ctypes.c_void_p]),
    (cairo.cairo_surface_destroy, None, [ctypes.c_void_p]),
    (fc.FcNameParse, ctypes.c_void_p, [ctypes.c_char_p]),
    (fc.FcConfigSubstitute, ctypes.c_int, [ctypes.c_void_p, ctypes.c_void_p, ctypes.c_int]),
    (fc.FcDefaultSubstitute, None, [ctypes.c_void_p]),
    (fc.FcFontMatch, ctypes.c_void_p, [ctypes.c_void_p, ctypes.c_void_p, ctypes.POINTER(ctypes.c_int)]),
    (fc.FcPatternGetString, ctypes.c_int, [ctypes.c_void_p, ctypes.c_char_p, ctypes.c_int,
                                           ctypes.POINTER(ctypes.c_char_p)]),
    (fc.FcPatternDestroy, None, [ctypes.c_void_p]),
]:
    fn.restype = res
    fn.argtypes = args


def matched_face(pattern_text):
    """The resolved pattern for a fontconfig name and the file it resolved to."""
    pattern = fc.FcNameParse(pattern_text.encode())
    fc.FcConfigSubstitute(None, pattern, FC_MATCH_PATTERN)
    fc.FcDefaultSubstitute(pattern)
    result = ctypes.c_int()
    match = fc.FcFontMatch(None, pattern, ctypes.byref(result))
    fc.FcPatternDestroy(pattern)
    path = ctypes.c_char_p()
    if not match or fc.FcPatternGetString(match, FC_FILE, 0, ctypes.byref(path)) != FC_RESULT_MATCH:
        return match, ""
    return match, path.value.decode()


def text(cr, face, pixels, x, y, words, grey=0.0):
    cairo.cairo_set_font_face(cr, face)
    cairo.cairo_set_font_size(cr, pixels)
    cairo.cairo_set_source_rgb(cr, grey, grey, grey)
    cairo.cairo_move_to(cr, x, y)
    cairo.cairo_show_text(cr, words.encode())


def main():
    out = sys.argv[1] if len(sys.argv) > 1 else os.path.join(
        os.path.dirname(os.path.abspath(__file__)), "..", "docs", "screenshots", "fonts.png")
    height = MARGIN * 2 + ROW_HEIGHT * len(FACES)
    surface = cairo.cairo_image_surface_create(1, WIDTH, height)  # CAIRO_FORMAT_RGB24
    cr = cairo.cairo_create(surface)
    cairo.cairo_set_source_rgb(cr, 1, 1, 1)
    cairo.cairo_paint(cr)
    label_match, _ = matched_face("DejaVu Sans")
    label_face = cairo.cairo_ft_font_face_create_for_pattern(label_match)

    y = MARGIN
    for index, (pattern, name) in enumerate(FACES):
        match, path = matched_face(pattern)
        face = cairo.cairo_ft_font_face_create_for_pattern(match)
        if index % 2:
            cairo.cairo_set_source_rgb(cr, 0.95, 0.95, 0.93)
            cairo.cairo_rectangle(cr, 0, y - 4, WIDTH, ROW_HEIGHT)
            cairo.cairo_fill(cr)
        label = f"{name}: {os.path.basename(path) or 'not found'}"
        text(cr, label_face, LABEL_PIXELS, MARGIN, y + LABEL_PIXELS, label, 0.35)
        # The sizes are labelled in the body face: some of these faces have no figures.
        button_base = y + LABEL_PIXELS + 8 + BUTTON_PIXELS
        text(cr, label_face, LABEL_PIXELS, MARGIN, button_base, f"{BUTTON_PIXELS} px", 0.35)
        text(cr, face, BUTTON_PIXELS, MARGIN + SAMPLE_INDENT, button_base, SAMPLE)
        scroll_base = button_base + 14 + SCROLL_PIXELS
        text(cr, label_face, LABEL_PIXELS, MARGIN, scroll_base, f"{SCROLL_PIXELS} px", 0.35)
        text(cr, face, SCROLL_PIXELS, MARGIN + SAMPLE_INDENT, scroll_base, SAMPLE)
        text(cr, face, SCROLL_PIXELS, WIDTH - 330, button_base - 2, SCROLL_NAME)
        cairo.cairo_font_face_destroy(face)
        y += ROW_HEIGHT

    temporary = out + ".tmp"
    status = cairo.cairo_surface_write_to_png(surface, temporary.encode())
    cairo.cairo_destroy(cr)
    cairo.cairo_surface_destroy(surface)
    if status != 0:
        sys.exit(f"font_sheet: cannot write {out}")
    os.replace(temporary, out)
    print(out)


if __name__ == "__main__":
    main()

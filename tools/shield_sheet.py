"""What the contact sheets of drawn shields share: one blazon drawn through escaval, the
shield's picture as an image of the sheet, and the sheet's SVG written out as a PNG."""

import base64
import os
import subprocess
import sys


def draw(tool, escaval, data, blazon, path):
    """Draws `blazon` into `path`; whether it was drawn clean (exit 0 under --strict)."""
    result = subprocess.run([escaval, "draw", "--strict", "--quiet", "--data", data, "-o", path, blazon],
                            capture_output=True, text=True)
    if result.returncode not in (0, 3):
        sys.exit(f"{tool}: drawing failed: {blazon}\n{result.stderr}")
    return result.returncode == 0


def shield_image(path, x, y, width):
    """The drawn shield at `path` as an SVG image `width` wide, its top left at (x, y)."""
    with open(path, "rb") as f:
        picture = base64.b64encode(f.read()).decode("ascii")
    return (f'<image x="{x}" y="{y}" width="{width}" height="{width * 520 // 415}" '
            f'href="data:image/png;base64,{picture}"/>')


def write_png(svg_lines, work, out):
    """Writes the sheet (its SVG lines) to the PNG `out`, through a file renamed into place."""
    svg = os.path.join(work, "sheet.svg")
    with open(svg, "w", encoding="utf-8") as f:
        f.write("\n".join(svg_lines))
    os.makedirs(os.path.dirname(out), exist_ok=True)
    partial = out + ".part"
    subprocess.run(["rsvg-convert", "-f", "png", "-o", partial, svg], check=True)
    os.replace(partial, out)

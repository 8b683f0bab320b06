"""The colours and line widths every geometric charge is drawn with (data/charges/DRAWING.md)."""

BLACK, WHITE, RED, BLUE = '#000000', '#ffffff', '#ff0000', '#0000ff'
CONTOUR = 3      # contour stroke width at the picture's own size
INNER = 2        # inner lines
MARGIN = 5       # geometric edge of a picture; the stroke then stays off the unpainted rows

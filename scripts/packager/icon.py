"""The program's icon drawn from the logo: one PNG image per size Windows asks for."""
import io
import struct

from PIL import Image

SIZES = (16, 20, 24, 32, 40, 48, 64, 96, 128, 256)


def icon_images(logo):
    """PNG bytes per size from a square logo picture (a PIL image)."""
    source = logo.convert("RGBA")
    images = []
    for size in SIZES:
        out = io.BytesIO()
        source.resize((size, size), Image.LANCZOS).save(out, "PNG")
        images.append(out.getvalue())
    return images


def group_icon(images, first_id):
    """The RT_GROUP_ICON directory of images stored as RT_ICON first_id, first_id + 1, ..."""
    data = struct.pack("<HHH", 0, 1, len(images))
    for n, (size, image) in enumerate(zip(SIZES, images)):
        side = 0 if size == 256 else size
        data += struct.pack("<BBBBHHIH", side, side, 0, 0, 1, 32, len(image), first_id + n)
    return data

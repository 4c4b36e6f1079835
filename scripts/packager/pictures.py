"""The package's pictures: PNG files that must decode, in the sizes the wizard shows."""
from PIL import Image

from .errors import PackageError

COVER_SIZE = (343, 615)


def load_png(path, label):
    """The decoded picture; raises PackageError naming the file when it is not a PNG
    picture that decodes completely."""
    try:
        with Image.open(path) as picture:
            if picture.format != "PNG":
                raise PackageError(f"{label}: not a PNG picture ({picture.format})")
            picture.load()
            return picture.copy()
    except PackageError:
        raise
    except Exception as error:  # Pillow raises several kinds for broken files
        raise PackageError(f"{label}: the picture does not decode ({error})") from None


def check_cover(picture, label):
    if picture.size != COVER_SIZE:
        raise PackageError(f"{label}: the cover picture is {picture.size[0]} x "
                           f"{picture.size[1]} pixels; it must be {COVER_SIZE[0]} x "
                           f"{COVER_SIZE[1]}")


def check_logo(picture, label):
    width, height = picture.size
    if width != height or width < 32:
        raise PackageError(f"{label}: the logo is {width} x {height} pixels; it must be "
                           f"square and at least 32 pixels wide (it also becomes the icon)")

"""The version resource Explorer's file properties show: product name, company, versions."""
import struct

_FIXED_SIGNATURE = 0xFEEF04BD
_VOS_NT_WINDOWS32 = 0x00040004
_VFT_APP = 1
_LANGUAGE = 0x0409  # US English
_CODE_PAGE = 1200  # UTF-16


def _pad(data):
    return data + b"\0" * (-len(data) % 4)


def _node(key, value=b"", text=False, children=()):
    """One VS_VERSIONINFO-style block: length, value length, type, key, value, children,
    each part starting on a 32-bit boundary."""
    value_length = len(value) // 2 if text else len(value)
    body = _pad(struct.pack("<HHH", 0, value_length, 1 if text else 0) +
                (key + "\0").encode("utf-16-le"))
    body += value
    for child in children:
        body = _pad(body) + child
    return struct.pack("<H", len(body)) + body[2:]


def _numbers(version):
    a, b, c, d = (int(n) for n in version.split("."))
    return (a << 16) | b, (c << 16) | d


def fixed_file_version(resource):
    """The file version "a.b.c.d" of an existing version resource."""
    at = resource.find(struct.pack("<I", _FIXED_SIGNATURE))
    high, low = struct.unpack_from("<II", resource, at + 8)
    return f"{high >> 16}.{high & 0xFFFF}.{low >> 16}.{low & 0xFFFF}"


def version_resource(file_version, product_version, strings):
    """strings: (name, value) pairs of the string table, in their order."""
    fixed = struct.pack("<13I", _FIXED_SIGNATURE, 0x00010000, *_numbers(file_version),
                        *_numbers(product_version), 0x3F, 0, _VOS_NT_WINDOWS32, _VFT_APP, 0, 0, 0)
    table = [_node(name, (value + "\0").encode("utf-16-le"), text=True)
             for name, value in strings]
    language = f"{_LANGUAGE:04X}{_CODE_PAGE:04X}"
    string_info = _node("StringFileInfo", text=True,
                        children=[_node(language, text=True, children=table)])
    var_info = _node("VarFileInfo", text=True,
                     children=[_node("Translation", struct.pack("<HH", _LANGUAGE, _CODE_PAGE))])
    return _node("VS_VERSION_INFO", fixed, children=[string_info, var_info])

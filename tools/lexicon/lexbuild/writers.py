"""Writing the data files byte for byte."""
import os

CRLF = b"\r\n"


def write_bytes(path, data):
    os.makedirs(os.path.dirname(path), exist_ok=True)
    with open(path, "wb") as f:
        f.write(data)


def lines_crlf(lines, encoding="cp1252"):
    """Every line followed by CR LF."""
    return b"".join((l if isinstance(l, bytes) else l.encode(encoding)) + CRLF for l in lines)


def padded_to_four(data):
    return data + b"\0" * (-len(data) % 4)

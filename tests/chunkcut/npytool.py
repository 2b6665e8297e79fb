#!/usr/bin/python3
"""numpy's side of the .npy and chunk table tests.

Every array here follows one pattern, which the C++ tests rebuild: the
element at C-order position i is i converted to the element type (True for
i != 0; i - i*1j for complex types).

    npytool.py seeds DIR   writes the fuzz seed corpus: real numpy blobs of
                           every element type, versions 1.0 to 3.0, Fortran
                           order and big-endian data
    npytool.py write DB    stores pattern arrays as a chunk table "props"
                           the way Python tools do (np.save per chunk)
    npytool.py check DB    loads every property of "props" with np.load and
                           compares it with the pattern named by its prop_name
"""
import io
import sqlite3
import sys

import numpy as np
from numpy.lib import format as npformat

TYPES = ["bool", "int8", "int16", "int32", "int64", "uint8", "uint16", "uint32",
         "uint64", "float16", "float32", "float64", "complex64", "complex128"]


def pattern(dtype, shape):
    a = np.arange(int(np.prod(shape, dtype=np.int64))).reshape(shape)
    if np.dtype(dtype).kind == "c":
        return (a - 1j * a).astype(dtype)
    return a.astype(dtype)


def blob(array, version=None):
    out = io.BytesIO()
    if version is None:
        np.save(out, array)
    else:
        npformat.write_array(out, array, version=version)
    return out.getvalue()


def shape_name(shape):
    return "x".join(str(n) for n in shape) if shape else "scalar"


def seeds(folder):
    def save(name, array, version=None):
        with open(f"{folder}/{name}.npy", "wb") as f:
            f.write(blob(array, version))

    for t in TYPES:
        save(f"v1-c-{t}-2x3x4", pattern(t, (2, 3, 4)))
    for v in (2, 3):
        for t in ("int32", "float64"):
            save(f"v{v}-c-{t}-2x3x4", pattern(t, (2, 3, 4)), (v, 0))
    for t in ("int16", "float32", "complex128"):
        save(f"v1-f-{t}-2x3x4", np.asfortranarray(pattern(t, (2, 3, 4))))
    save("v2-f-float64-3x5", np.asfortranarray(pattern("float64", (3, 5))), (2, 0))
    for t in (">f8", ">i4", ">c8", ">u2"):
        save(f"v1-be-{np.dtype(t).name}-2x3x4", pattern(t, (2, 3, 4)))
    save("v1-c-float64-scalar", pattern("float64", ()))
    save("v1-c-float32-0x3", pattern("float32", (0, 3)))
    save("v1-c-int8-0", pattern("int8", (0,)))
    save("v1-c-uint8-24", pattern("uint8", (24,)))
    # Found by fuzzing: no elements, yet extents whose product without the
    # 0 is about 10^14; printing it must not walk them.
    save("v1-c-float64-86x1999999999991x0", pattern("float64", (86, 1999999999991, 0)))


# prop_name of a stored array: "<type>-<shape>[-fortran|-bigendian|-v2|-v3]".
def written_arrays():
    for t in TYPES:
        yield f"{t}-50x3", pattern(t, (50, 3)), None
    yield "float32-100", pattern("float32", (100,)), None
    yield "float64-0x4", pattern("float64", (0, 4)), None
    yield "float32-20x3x2-fortran", np.asfortranarray(pattern("float32", (20, 3, 2))), None
    yield "int32-40x3-bigendian", pattern(">i4", (40, 3)), None
    yield "float64-30x2-v2", pattern("float64", (30, 2)), (2, 0)
    yield "complex64-30x2-v3", pattern("complex64", (30, 2)), (3, 0)


def write(path):
    db = sqlite3.connect(path)
    db.execute("CREATE TABLE props (object_name TEXT, prop_name TEXT, chunkID INTEGER, arr ARRAY, "
               "PRIMARY KEY (object_name, prop_name, chunkID))")
    for name, array, version in written_arrays():
        chunks = np.array_split(array, 4) if len(array) else [array]
        rows = [("numpy", name, i + 1, blob(c if array.flags.c_contiguous else np.asfortranarray(c), version))
                for i, c in enumerate(chunks)]
        db.executemany("INSERT INTO props VALUES (?,?,?,?)", rows)
    db.commit()


def check(path):
    db = sqlite3.connect(path)
    names = [r[0] for r in db.execute("SELECT DISTINCT prop_name FROM props ORDER BY prop_name")]
    if not names:
        print("no properties stored")
        return 1
    failures = 0
    for name in names:
        blobs = db.execute("SELECT arr FROM props WHERE prop_name = ? ORDER BY chunkID", (name,))
        got = np.concatenate([np.load(io.BytesIO(b[0])) for b in blobs])
        dtype, shape = name.split("-")[:2]
        want = pattern(dtype, tuple(int(n) for n in shape.split("x")))
        if got.dtype != want.dtype or got.shape != want.shape or not np.array_equal(got, want):
            print(f"{name}: got {got.dtype} {got.shape} {got.ravel()[:6]}")
            failures += 1
        else:
            print(f"{name}: ok")
    return 1 if failures else 0


if __name__ == "__main__":
    command, target = sys.argv[1], sys.argv[2]
    if command == "seeds":
        seeds(target)
    elif command == "write":
        write(target)
    else:
        sys.exit(check(target))

# Runs one property script inside the host's embedded interpreter and
# gathers what it left behind for the host to take as properties. The host
# loads this file once, into a module of its own.

import bisect
import io
import keyword
import linecache
import re
import sys
import tokenize
import traceback
import types

import numpy

FILENAME = "<script>"
TRACEBACK_FRAMES = 4  # innermost frames shown when a script raises


class Props(dict):
    """The dict props. For every key the script sets, it remembers how many
    names the script's namespace held at that moment, which places the key
    among the script's top-level names in the order of first assignment.
    (The namespace itself stays a plain dict, which orders its names by
    first assignment too, and whose lookups Python makes fast: a dict
    subclass there would slow every global name lookup of a script.)"""

    __slots__ = ("namespace", "first_set")

    def __setitem__(self, key, value):
        if key not in self.first_set:
            self.first_set[key] = len(self.namespace)
        dict.__setitem__(self, key, value)


class Failed(Exception):
    """The script raised, or left a value that cannot become a property."""


# The refusals below in the interface language, by their English text; the
# host fills it before each run (app/script/propertyscript.cpp lists them).
TEXTS = {}


def text(template, *args):
    """template in the interface language, its %1, %2, ... replaced by args."""
    def argument(match):
        number = int(match.group(1))
        return str(args[number - 1]) if number <= len(args) else match.group(0)
    return re.sub(r"%([1-9])", argument, TEXTS.get(template, template))


def bound_as_variable(name):
    """Whether a property is also bound to its name, besides props[name]."""
    return (name.isidentifier() and not keyword.iskeyword(name)
            and not name.startswith("_") and name != "props")


def run(source, views, vertices, output):
    """Runs source with every property bound as a read-only view.

    source: the script as text, or the bytes of a script file, which are
    read as Python reads a file: UTF-8 unless a coding line says otherwise,
    and refused with the line where they are not valid text.

    views: (name, array) of every property, in the object's order.
    Returns (name, array) of every property the script replaced, in the
    object's order, then of every one it created, in the order it first
    assigned them (a name deleted and set again counts from then on); each
    array one-dimensional, in C order, aligned, in the machine's byte order,
    read-only and over memory of its own. print and warnings go to output;
    input() finds nothing to read.
    """
    try:
        code = compile(source, FILENAME, "exec")
        if isinstance(source, bytes):
            source = decoded(source)
    except (SyntaxError, ValueError) as error:  # ValueError: a null character
        raise Failed(describe(error)) from None

    namespace = {}
    props = Props()
    props.namespace = namespace
    props.first_set = {}
    originals = dict(views)
    for name, view in views:
        dict.__setitem__(props, name, view)
        if bound_as_variable(name):
            namespace[name] = view
    namespace["props"] = props
    namespace["__name__"] = "__main__"
    linecache.cache[FILENAME] = (len(source), None, source.splitlines(True), FILENAME)
    saved = sys.stdin, sys.stdout, sys.stderr
    try:
        sys.stdin, sys.stdout, sys.stderr = io.StringIO(), output, output
        try:
            exec(code, namespace)
        except KeyboardInterrupt:
            raise
        except BaseException as error:  # SystemExit too: the host goes on
            raise Failed(describe(error)) from None
        finally:
            sys.stdin, sys.stdout, sys.stderr = saved
            linecache.cache.pop(FILENAME, None)
        return collect(namespace, props, originals, vertices)
    finally:
        # props and the script's functions refer back to the namespace:
        # emptied, the views and the property values they keep go now, not
        # at Python's next collection of reference cycles.
        namespace.clear()
        props.clear()


def decoded(source):
    """The text of a script file that compile() accepted."""
    encoding, _ = tokenize.detect_encoding(io.BytesIO(source).readline)
    return source.decode(encoding)


def describe(error):
    """The last traceback lines of an error raised by the script."""
    frame = error.__traceback__
    while frame is not None and frame.tb_frame.f_code.co_filename != FILENAME:
        frame = frame.tb_next  # the runner's own frames
    lines = traceback.format_exception(type(error), error, frame, limit=-TRACEBACK_FRAMES, chain=False)
    return "".join(lines).rstrip()


def collect(namespace, props, originals, vertices):
    found = {}
    rank = {name: (-1, position) for position, name in enumerate(originals)}  # replaced: in their place
    for position, (name, value) in enumerate(namespace.items()):
        if (not isinstance(name, str) or name.startswith("_") or value is props
                or isinstance(value, types.ModuleType) or callable(value)
                or unchanged(originals, name, value)):
            continue  # the script's own names, and properties left as they were
        found[name] = value
        rank.setdefault(name, (position, 1))
    for name, value in props.items():
        if not isinstance(name, str):
            raise Failed(text("props holds the key %1: property names are texts", repr(name)))
        if unchanged(originals, name, value):
            continue
        if name in found and found[name] is not value:
            raise Failed(text("'%1' was given one value as a variable and another in props", name))
        found[name] = value
        rank[name] = min(rank.get(name, (len(namespace), 2)), (props.first_set.get(name, len(namespace)), 0))
    results = []
    held = HeldMemory(originals.values())
    for name in sorted(found, key=rank.__getitem__):
        array = as_property(name, found[name], vertices)
        if held.overlaps(array):
            # Each property holds memory of its own (propB = propA, or
            # b = a for two results): the host shares and copies values by
            # itself and must know which arrays share them.
            array = array.copy()
            array.flags.writeable = False
        held.add(array)
        results.append((name, array))
    return results


def unchanged(originals, name, value):
    """Whether value is the property name as the script found it."""
    return name in originals and originals[name] is value


def span(array):
    """The bytes [start, end) an array of one axis in C order lies on."""
    start = array.__array_interface__["data"][0]
    return start, start + array.nbytes


class HeldMemory:
    """The memory of the properties and of the results taken so far, as
    sorted, disjoint spans: whether a result lies on any of it takes a
    binary search, not a comparison with every property (a script may
    make thousands)."""

    def __init__(self, arrays):
        self.starts, self.ends = [], []
        for start, end in sorted(span(array) for array in arrays if array.nbytes):
            if self.ends and start < self.ends[-1]:  # two properties sharing values
                self.ends[-1] = max(self.ends[-1], end)
            else:
                self.starts.append(start)
                self.ends.append(end)

    def overlaps(self, array):
        if not array.nbytes:
            return False
        start, end = span(array)
        at = bisect.bisect_right(self.starts, start)  # spans starting at or before start: [0, at)
        return (at > 0 and self.ends[at - 1] > start) or (at < len(self.starts) and self.starts[at] < end)

    def add(self, array):
        if array.nbytes:  # called only for arrays that overlap nothing held
            start, end = span(array)
            at = bisect.bisect_right(self.starts, start)
            self.starts.insert(at, start)
            self.ends.insert(at, end)


def as_property(name, value, vertices):
    if isinstance(value, numpy.ma.MaskedArray):
        raise Failed(text("'%1' is a masked array: fill the masked values first, as in %1.filled(numpy.nan)", name))
    if value is None:
        raise Failed(text("'%1' is None, neither a number nor a numpy array (numpy's in-place methods "
                          "such as %1.sort() return None: write %1 = numpy.sort(...))", name))
    if isinstance(value, numpy.ndarray):
        array = numpy.asarray(value)
    elif isinstance(value, (int, float, numpy.number, numpy.bool_)):
        array = numpy.asarray(value)
    else:
        raise Failed(text("'%1' holds a %2, neither a number nor a numpy array "
                          "(names of the script's own values start with '_')", name, type(value).__name__))
    kind = array.dtype.kind
    if kind == "c":
        raise Failed(text("'%1' holds complex numbers", name))
    if kind not in "buif":
        raise Failed(text("'%1' holds %2 values, not numbers", name, array.dtype))
    if kind == "f" and array.dtype.itemsize > 8:
        array = array.astype(numpy.float64)
    if array.ndim == 0:
        array = numpy.full(vertices, array, dtype=array.dtype)
    elif array.size != vertices:
        raise Failed(text("'%1' holds %2 values for %3 vertices", name, array.size, vertices))
    array = numpy.require(array.reshape(-1), array.dtype.newbyteorder("="), "CA")
    if not in_numpys_own_memory(array):
        # A file mapped into memory (numpy.memmap, numpy.frombuffer of an
        # mmap) or another program's buffer may shrink or go away under the
        # property: it gets a copy of its own.
        array = array.copy()
    array.flags.writeable = False
    return array


def in_numpys_own_memory(array):
    """Whether the array's values lie in memory that numpy allocated itself:
    its chain of bases ends in an ndarray that owns its data, not in another
    object's buffer (mmap, bytes, a memoryview, a capsule of the host)."""
    while isinstance(array.base, numpy.ndarray):
        if isinstance(array, numpy.memmap):
            return False
        array = array.base
    return array.base is None and array.flags.owndata and not isinstance(array, numpy.memmap)


def new_output():
    return io.StringIO()


def utf8(value):
    """str(value) as UTF-8, whatever characters it holds."""
    return str(value).encode("utf-8", "replace")

# Runs one property script inside the host's embedded interpreter and
# gathers what it left behind for the host to take as properties. The host
# loads this file once, into a module of its own.

import io
import keyword
import linecache
import sys
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


def bound_as_variable(name):
    """Whether a property is also bound to its name, besides props[name]."""
    return (name.isidentifier() and not keyword.iskeyword(name)
            and not name.startswith("_") and name != "props")


def run(source, views, vertices, output):
    """Runs source with every property bound as a read-only view.

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
                or originals.get(name) is value):
            continue  # the script's own names, and properties left as they were
        found[name] = value
        rank.setdefault(name, (position, 1))
    for name, value in props.items():
        if not isinstance(name, str):
            raise Failed(f"props holds the key {name!r}: property names are texts")
        if originals.get(name) is value:
            continue
        if name in found and found[name] is not value:
            raise Failed(f"'{name}' was given one value as a variable and another in props")
        found[name] = value
        rank[name] = min(rank.get(name, (len(namespace), 2)), (props.first_set.get(name, len(namespace)), 0))
    results = []
    held = list(originals.values())
    for name in sorted(found, key=rank.__getitem__):
        array = as_property(name, found[name], vertices)
        if any(numpy.may_share_memory(array, other) for other in held):
            # Each property holds memory of its own (propB = propA, or
            # b = a for two results): the host shares and copies values by
            # itself and must know which arrays share them.
            array = array.copy()
            array.flags.writeable = False
        held.append(array)
        results.append((name, array))
    return results


def as_property(name, value, vertices):
    if isinstance(value, numpy.ma.MaskedArray):
        raise Failed(f"'{name}' is a masked array: fill the masked values first, as in {name}.filled(numpy.nan)")
    if isinstance(value, numpy.ndarray):
        array = numpy.asarray(value)
    elif isinstance(value, (int, float, numpy.number, numpy.bool_)):
        array = numpy.asarray(value)
    else:
        raise Failed(f"'{name}' holds a {type(value).__name__}, neither a number nor a numpy array "
                     "(names of the script's own values start with '_')")
    kind = array.dtype.kind
    if kind == "c":
        raise Failed(f"'{name}' holds complex numbers")
    if kind not in "buif":
        raise Failed(f"'{name}' holds {array.dtype} values, not numbers")
    if kind == "f" and array.dtype.itemsize > 8:
        array = array.astype(numpy.float64)
    if array.ndim == 0:
        array = numpy.full(vertices, array, dtype=array.dtype)
    elif array.size != vertices:
        raise Failed(f"'{name}' holds {array.size} values for {vertices} vertices")
    array = numpy.require(array.reshape(-1), array.dtype.newbyteorder("="), "CA")
    array.flags.writeable = False
    return array


def new_output():
    return io.StringIO()


def utf8(value):
    """str(value) as UTF-8, whatever characters it holds."""
    return str(value).encode("utf-8", "replace")

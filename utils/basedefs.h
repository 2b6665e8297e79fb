#pragma once

// Application-wide constants. Plain C++17: this library links against
// nothing, so every other deliverable and host code can read it.
//
// The values are fixed when the library is loaded; the two environment
// variables and the processor count are read at that moment and never again.

#include "utils/basedefs_export.h"

#include <array>
#include <chrono>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace kelvra {

// Smallest time step between two listings of a changing source.
inline constexpr std::chrono::microseconds LMT_LST_DELTA = std::chrono::seconds(1);

// Logical processors reported by the system at load time; absent when it cannot tell.
BASEDEFS_EXPORT extern const std::optional<unsigned> NCORE;

// Largest byte size of one stored array chunk: SQLite's default maximum
// length of a string or blob.
inline constexpr std::int64_t SQLITE_LIMIT_LENGTH = 1000000000;

// Value of the environment variable JAVASEIS_DATA_HOME at load time;
// absent when the variable is unset, the empty text when it is set empty.
BASEDEFS_EXPORT extern const std::optional<std::string> JAVASEIS_DATA_HOME;

// Exactly one element: the whole value of JAVASEIS_DATA_SECONDARIES at load
// time, never split at any separator; that element is absent when unset.
BASEDEFS_EXPORT extern const std::vector<std::optional<std::string>> JAVASEIS_DATA_SECONDARIES;

inline constexpr std::string_view SURVEY_BOX_LINE = "SURVEY_BOX_LINE";
inline constexpr std::string_view SURVEY_BOX_LABEL = "SURVEY_BOX_LABEL";

// Object kinds, in the order in which object fields offer them.
inline constexpr std::array<std::string_view, 7> GEOMETRY_TYPES{
    "Point", "Line", "Tsurface", "Gsurface", "Cube", "Label", "Survey"};

// Section directions of a seismic cube: inline, crossline, depth.
inline constexpr std::array<std::string_view, 3> SECTION_TYPES{"iline", "xline", "depth"};

// Suffix for a file-dialog filter string: appended to a dialog's own filter,
// it adds an all-files filter after it.
inline constexpr std::string_view FILTER_ALL_FILES = ";;All files (*)";

inline constexpr std::array<std::string_view, 3> COORDINATE_PROPERTY_NAMES{"X", "Y", "Z"};

// The coordinate names, then the single letters A to O.
inline constexpr std::array<std::string_view, 18> DEFAULT_PROPERTY_NAMES{
    "X", "Y", "Z", "A", "B", "C", "D", "E", "F",
    "G", "H", "I", "J", "K", "L", "M", "N", "O"};

// Delimiter given by word or by the character itself, to the character, in
// insertion order. Keys that are not listed are not delimiters.
inline constexpr std::array<std::pair<std::string_view, std::string_view>, 4> DELIMITER2CHAR{{
    {"comma", ","}, {",", ","}, {"space", " "}, {" ", " "}}};

inline constexpr bool point_in_polygon_use_mpltpath = false;
inline constexpr bool point_in_polygon_use_shapely = false;

} // namespace kelvra

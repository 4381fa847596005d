#pragma once

// Values crossing between JavaScript and the core.
#include <emscripten/val.h>

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

namespace talvo::web {

// A JavaScript array of strings.
emscripten::val Strings(const std::vector<std::string>& strings);
std::vector<std::uint8_t> BytesOf(const emscripten::val& array);
// A Uint8Array holding a copy of `bytes`.
emscripten::val Uint8Array(const std::uint8_t* bytes, std::size_t size);

}  // namespace talvo::web

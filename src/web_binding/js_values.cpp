#include "web_binding/js_values.h"

namespace talvo::web {

using emscripten::val;

val Strings(const std::vector<std::string>& strings) {
    val array = val::array();
    for (const std::string& s : strings) array.call<void>("push", s);
    return array;
}

std::vector<std::uint8_t> BytesOf(const val& array) {
    return emscripten::convertJSArrayToNumberVector<std::uint8_t>(array);
}

val Uint8Array(const std::uint8_t* bytes, std::size_t size) {
    // A copy: the view would move with the module's memory.
    return val(emscripten::typed_memory_view(size, bytes)).call<val>("slice");
}

}  // namespace talvo::web

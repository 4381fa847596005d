#include "radio/codecs/codecs.h"

namespace talvo {

bool IsNumeric(std::string_view text) {
    return DecimalNumber::Leading(text).hasDigits();
}

}  // namespace talvo

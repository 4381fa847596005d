#include "cli/difference_text.h"

#include <cstdio>

namespace talvo::cli {

std::string ByteDifferenceText(const compare::ByteDifference& difference, LanguageFlagValue lang) {
    char address[16];
    std::snprintf(address, sizeof address, "0x%03zX", difference.firstAddress);
    const std::string count = std::to_string(difference.count);
    if (lang == kChinese)
        return std::string("对讲机中的数据与写入的不一致：第一个不同之处在地址 ") + address +
               "，共 " + count + " 个字节不同。";
    return std::string("the radio does not hold what was written: first difference at ") + address +
           ", " + count + (difference.count == 1 ? " byte differs" : " bytes differ");
}

}  // namespace talvo::cli

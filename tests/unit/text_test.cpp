// Messages: arguments fill their markers in the language asked for, nested messages too.
#include "model/text.h"

#include <gtest/gtest.h>

#include <random>

#include "catalogue_words.h"

namespace talvo {
namespace {

TEST(FillArguments, EveryMarkerWithAnArgumentIsReplacedAndOthersStay) {
    struct Case {
        const char* pattern;
        std::vector<std::string> args;
        const char* expected;
    };
    const Case cases[] = {
        {"%1: %2", {"a", "b"}, "a: b"},
        {"%2 of %1", {"3", "7"}, "7 of 3"},
        {"sudo fuser -v %1 shows %1", {"/dev/x"}, "sudo fuser -v /dev/x shows /dev/x"},
        {"%1 and %3", {"x"}, "x and %3"},  // no third argument: the marker stays
        {"100% sure, %", {"x"}, "100% sure, %"},
        {"%1", {"%2"}, "%2"},  // an argument is not read again for markers
    };
    for (const Case& c : cases)
        EXPECT_EQ(FillArguments(c.pattern, c.args), c.expected) << c.pattern;
}

// Random patterns of text and markers: the result is the pattern with each marker's argument
// put in its place, nothing else changed.
TEST(FillArguments, RandomPatternsMatchAPieceByPieceBuild) {
    std::mt19937 rng(7);
    const std::vector<std::string> args{"α", "", "%1", "x y"};
    for (int round = 0; round < 500; ++round) {
        std::string pattern, expected;
        for (int piece = 0; piece < 6; ++piece) {
            if (rng() % 2) {
                const std::size_t n = rng() % 5;  // %1..%4 have arguments, %5 has none
                pattern += "%" + std::to_string(n + 1);
                expected += n < args.size() ? args[n] : "%" + std::to_string(n + 1);
            } else {
                const std::string text = std::string(rng() % 3, 'a' + static_cast<char>(rng() % 3));
                pattern += text;
                expected += text;
            }
        }
        EXPECT_EQ(FillArguments(pattern, args), expected) << pattern;
    }
}

TEST(Message, NestedMessagesAndLiteralsRenderInOneLanguage) {
    const Message label(TALVO_TEXT("EditLabels", "%1: %2"),
                        {Message(TALVO_TEXT("EditLabels", "Channel %1"), {Message::Literal("12")}),
                         TALVO_TEXT("EditLabels", "RX frequency")});
    EXPECT_EQ(Render(label, kEnglish), "Channel 12: RX frequency");
    EXPECT_EQ(Render(label, kChinese), "信道 12: 接收频率");
    Message bare = Message::Literal("Name: ");
    bare.finish = [](std::string s) { return s.substr(0, s.find(':')); };
    EXPECT_EQ(Render(bare, kChinese), "Name");
}

}  // namespace
}  // namespace talvo

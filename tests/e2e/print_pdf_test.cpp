// talvo-cli print: the printout of a data file as PDF, read back with poppler's tools.
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <sstream>

#include "channel_view.h"
#include "e2e_support.h"
#include "radio/codecs/data_file.h"
#include "radio/codecs/encode.h"

namespace talvo::e2e {
namespace {

namespace fs = std::filesystem;

// A program on the PATH, or empty.
std::string FindTool(const std::string& name) {
    const char* path = std::getenv("PATH");
    std::stringstream dirs(path ? path : "/usr/bin:/bin");
    std::string dir;
    while (std::getline(dirs, dir, ':')) {
        const fs::path candidate = fs::path(dir) / name;
        if (!dir.empty() && fs::exists(candidate)) return candidate.string();
    }
    return {};
}

// A data file holding `channels` programmed channels (with names) and the A and B channel
// numbers 12 and 7.
void WriteSample(const fs::path& file, int channels) {
    ProgramState s = StartupState(kEnglish);
    for (int ch = 1; ch <= channels; ++ch) {
        s.channels.at(ch).rx = FrequencyOrNone("145.50000");
        s.channels.at(ch).tx = FrequencyOrNone("146.10000");
        for (std::size_t k = 2; k <= 6; ++k) s.channels.at(ch).option[k] = 1;
        s.channels.at(ch).name = "CH" + std::to_string(ch);
    }
    SetCheckedSettingText(s.options, TextId::AChannelNumber, "12");
    SetCheckedSettingText(s.options, TextId::BChannelNumber, "7");
    EncodeImage(s);
    const auto bytes = SerializeDataFile(s.EncodedImage);
    PutFileBytes(file, {bytes.begin(), bytes.end()});
}

class PrintPdf : public ::testing::Test {
  protected:
    void SetUp() override {
        pdftotext_ = FindTool("pdftotext");
        pdfinfo_ = FindTool("pdfinfo");
        if (pdftotext_.empty() || pdfinfo_.empty()) GTEST_SKIP() << "poppler-utils missing";
    }

    ProcessResult Print(const std::vector<std::string>& args) {
        std::vector<std::string> all = {"print"};
        all.insert(all.end(), args.begin(), args.end());
        ProcessResult r = RunProcess(TALVO_CLI_PATH, all);
        EXPECT_FALSE(r.timedOut);
        return r;
    }

    int Pages(const fs::path& pdf) {
        const ProcessResult r = RunProcess(pdfinfo_, {pdf.string()});
        for (const std::string& line : Lines(r.out)) {
            if (line.rfind("Pages:", 0) == 0) return std::stoi(line.substr(6));
        }
        return -1;
    }

    std::string Text(const fs::path& pdf) {
        return RunProcess(pdftotext_, {"-layout", pdf.string(), "-"}).out;
    }

    std::string pdftotext_;
    std::string pdfinfo_;
    TempFolder folder_;
};

TEST_F(PrintPdf, DocumentInEachLanguage) {
    struct Case {
        const char* lang;
        std::vector<std::string> texts;
    };
    const std::vector<Case> cases = {
        {"en",
         {"TALVO Interphone programming data are printed", "Function Set",
          "B Channel Number:", "The whole frequency frequently", "VOX(Voice control launches)",
          "WhetherAllow to Cancel Operating", "Debug information", "High Power Grades",
          "Channel data", "RXFreq", "145.50000", "146.10000", "CH3"}},
        {"zh",
         {"TALVO对讲机编程数据打印", "功能设置", "B组当前频道数:", "全频频率", "VOX(声控发射)",
          "是否允许取消操作", "调试信息", "信道数据", "接收频率", "145.50000", "CH3"}},
    };
    const fs::path data = folder_ / "sample.dat";
    WriteSample(data, 3);
    for (const Case& c : cases) {
        const fs::path pdf = folder_ / (std::string(c.lang) + ".pdf");
        // Chinese is given before the command: it is the command's wherever it stands.
        const ProcessResult r =
            c.lang == std::string("zh")
                ? RunProcess(TALVO_CLI_PATH,
                             {"--lang", c.lang, "print", data.string(), "--pdf", pdf.string()})
                : Print({data.string(), "--pdf", pdf.string(), "--lang", c.lang});
        ASSERT_EQ(r.exitCode, 0) << r.err;
        EXPECT_EQ(r.err, "");
        EXPECT_EQ(r.out, "");
        ASSERT_TRUE(fs::exists(pdf));
        EXPECT_EQ(Pages(pdf), 3) << c.lang;
        const std::string text = Text(pdf);
        for (const std::string& t : c.texts) {
            EXPECT_NE(text.find(t), std::string::npos) << c.lang << ": " << t;
        }
        // the free channels are left out of the printed grid
        EXPECT_EQ(text.find("CH4"), std::string::npos);
    }
}

TEST_F(PrintPdf, FullTableRunsOntoMorePages) {
    const fs::path data = folder_ / "full.dat";
    const fs::path pdf = folder_ / "full.pdf";
    WriteSample(data, 128);
    const ProcessResult r = Print({"--pdf=" + pdf.string(), data.string()});
    ASSERT_EQ(r.exitCode, 0) << r.err;
    EXPECT_GT(Pages(pdf), 3);
    const std::string text = Text(pdf);
    EXPECT_NE(text.find("CH128"), std::string::npos);
    EXPECT_NE(text.find("TALVO Interphone programming data are printed"), std::string::npos);
}

TEST_F(PrintPdf, FailuresLeaveNoDocument) {
    const fs::path data = folder_ / "sample.dat";
    WriteSample(data, 1);
    const fs::path notData = folder_ / "notes.dat";
    PutFileBytes(notData, std::vector<std::uint8_t>(3120, 'x'));
    const fs::path kept = folder_ / "kept.pdf";
    PutFileBytes(kept, {'o', 'l', 'd'});

    struct Case {
        std::vector<std::string> args;
        int status;
        fs::path untouched;  // must not exist afterwards, or keep its bytes when it existed
    };
    const std::vector<Case> cases = {
        {{(folder_ / "missing.dat").string(), "--pdf", (folder_ / "a.pdf").string()},
         3,
         folder_ / "a.pdf"},
        {{notData.string(), "--pdf", kept.string()}, 3, kept},
        {{data.string(), "--pdf", (folder_ / "no-folder" / "b.pdf").string()},
         3,
         folder_ / "no-folder" / "b.pdf"},
        {{data.string()}, 2, {}},
        {{data.string(), "--pdf"}, 2, {}},
        {{data.string(), "--pdf", (folder_ / "c.pdf").string(), "--lang", "fr"},
         2,
         folder_ / "c.pdf"},
    };
    for (const Case& c : cases) {
        const ProcessResult r = Print(c.args);
        EXPECT_EQ(r.exitCode, c.status) << c.args[0] << r.err;
        EXPECT_EQ(Lines(r.err).size(), 1u) << r.err;
        EXPECT_EQ(r.out, "");
        if (c.untouched == kept) {
            EXPECT_EQ(FileBytes(kept), (std::vector<std::uint8_t>{'o', 'l', 'd'}));
        } else if (!c.untouched.empty()) {
            EXPECT_FALSE(fs::exists(c.untouched)) << c.untouched;
        }
    }
}

}  // namespace
}  // namespace talvo::e2e

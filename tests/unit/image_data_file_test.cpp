#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <iterator>

#include "catalogue_words.h"
#include "channel_view.h"
#include "image_samples.h"
#include "radio/codecs/data_file.h"
#include "radio/codecs/decode.h"
#include "radio/codecs/file_io.h"
#include "radio/memory/memory_layout.h"

namespace talvo {
namespace {

namespace fs = std::filesystem;

std::vector<std::uint8_t> ReadAll(const fs::path& p) {
    std::ifstream in(p, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

void WriteAll(const fs::path& p, const std::vector<std::uint8_t>& bytes) {
    std::ofstream out(p, std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(bytes.data()),
              static_cast<std::streamsize>(bytes.size()));
}

class TempFolder : public ::testing::Test {
  protected:
    void SetUp() override {
        std::string pattern = (fs::temp_directory_path() / "talvo-image-XXXXXX").string();
        ASSERT_NE(::mkdtemp(pattern.data()), nullptr);
        dir_ = pattern;
    }
    void TearDown() override { fs::remove_all(dir_); }
    fs::path dir_;
};

std::vector<std::uint8_t> FileOf(const ImageBytes& image) {
    const auto file = SerializeDataFile(image);
    return {file.begin(), file.end()};
}

TEST(DataFileFormat, HeaderThenImageBytes) {
    const ImageBytes image = samples::ValidImageMaker(3).make();
    const auto file = SerializeDataFile(image);
    const std::uint8_t header[16] = {'Q',  'D',  'F', '-', '7', 'K', 0xFF, 0xFF,
                                     0xFF, 0xFF, 'V', '0', '1', '0', '0',  0xFF};
    for (std::size_t i = 0; i < 16; ++i) EXPECT_EQ(file[i], header[i]) << i;
    for (std::size_t i = 16; i < 48; ++i) EXPECT_EQ(file[i], 0xFF) << i;
    for (std::size_t a = 0; a < 0xC00; ++a) ASSERT_EQ(file[48 + a], image[a]) << a;
}

TEST(DataFileFormat, ParseAcceptsOnlyFullFilesWithTheSignature) {
    const ImageBytes source = samples::ValidImageMaker(4).make();
    std::vector<std::uint8_t> file = FileOf(source);
    for (std::size_t i = 6; i < 48; ++i) file[i] = static_cast<std::uint8_t>(i);  // ignored
    file.push_back(0x99);  // a stale tail is ignored too

    ImageBytes image = samples::Filled(0x11);
    ASSERT_EQ(ParseDataFile(file, image), Status::Ok);
    for (std::size_t a = 0; a < 0xC00; ++a) ASSERT_EQ(image[a], source[a]);
    EXPECT_EQ(image[0xC00], 0x11);  // not stored in the file

    struct Refusal {
        const char* what;
        std::vector<std::uint8_t> bytes;
        Status status;
    };
    std::vector<std::uint8_t> wrongSignature = file;
    wrongSignature[5] = 'k';
    const std::vector<Refusal> refusals = {
        {"wrong signature", wrongSignature, Status::WrongFileType},
        {"one byte short", std::vector<std::uint8_t>(file.begin(), file.begin() + 3119),
         Status::Truncated},
        {"header only", std::vector<std::uint8_t>(file.begin(), file.begin() + 48),
         Status::Truncated},
        {"empty", {}, Status::Truncated},
        {"short and wrong", {'Q', 'D', 'F'}, Status::Truncated},
        {"text file", std::vector<std::uint8_t>(4000, 'a'), Status::WrongFileType},
    };
    for (const auto& r : refusals) {
        ImageBytes untouched = samples::Filled(0x22);
        EXPECT_EQ(ParseDataFile(r.bytes, untouched), r.status) << r.what;
        EXPECT_EQ(untouched, samples::Filled(0x22)) << r.what;
    }
}

TEST_F(TempFolder, SaveThenOpenGivesTheSavedImage) {
    ProgramState saved = StartupState(kEnglish);
    saved.RadioImage = samples::ValidImageMaker(5).make();
    DecodeImage(saved);
    const fs::path path = dir_ / "radio.dat";
    WriteAll(path, std::vector<std::uint8_t>(5000, 0xAB));  // a longer file is replaced whole
    ASSERT_EQ(SaveDataFile(saved, path.string()), Status::Ok);
    EXPECT_EQ(fs::file_size(path), 3120u);
    EXPECT_EQ(std::distance(fs::directory_iterator(dir_), fs::directory_iterator()), 1);

    ProgramState opened = StartupState(kEnglish);
    ASSERT_EQ(OpenDataFile(opened, path.string()), Status::Ok);
    for (std::size_t a = 0; a < 0xC00; ++a)
        ASSERT_EQ(opened.RadioImage[a], saved.EncodedImage[a]) << a;
    EXPECT_TRUE(opened.band.BandPromptSuppressed);
    EXPECT_TRUE(opened.channels == saved.channels);
    EXPECT_EQ(opened.band.index, saved.band.index);
    EXPECT_EQ(opened.options.index, saved.options.index);
    EXPECT_EQ(opened.powerGrades, saved.powerGrades);
}

TEST_F(TempFolder, OpenRefusalsChangeNothing) {
    const fs::path missing = dir_ / "missing.dat";
    const fs::path wrong = dir_ / "wrong.dat";
    const fs::path shortFile = dir_ / "short.dat";
    std::vector<std::uint8_t> bytes = FileOf(samples::Filled(0x00));
    WriteAll(shortFile, std::vector<std::uint8_t>(bytes.begin(), bytes.begin() + 100));
    bytes[0] = 'X';
    WriteAll(wrong, bytes);
    const std::vector<std::pair<fs::path, Status>> cases = {
        {missing, Status::FileNotFound}, {dir_ / "no-folder" / "x.dat", Status::FileNotFound},
        {wrong, Status::WrongFileType},  {shortFile, Status::Truncated},
        {dir_, Status::CannotRead},
    };
    for (const auto& [path, status] : cases) {
        ProgramState state = StartupState(kEnglish);
        state.RadioImage = samples::Filled(0x33);
        state.channels.at(1).rx = FrequencyOrNone("145.00000");
        EXPECT_EQ(OpenDataFile(state, path.string()), status) << path;
        EXPECT_EQ(state.RadioImage, samples::Filled(0x33)) << path;
        EXPECT_EQ(FrequencyText(state.channels.at(1).rx), "145.00000") << path;
        EXPECT_FALSE(state.band.BandPromptSuppressed) << path;
    }
    // Open never creates the file it was asked for.
    EXPECT_FALSE(fs::exists(missing));
}

TEST_F(TempFolder, FailedSavesAreReportedAndLeaveNoTraces) {
    ProgramState state = StartupState(kEnglish);
    EXPECT_EQ(SaveDataFile(state, (dir_ / "no-folder" / "x.dat").string()), Status::CannotWrite);
    EXPECT_EQ(SaveDataFile(state, dir_.string()), Status::CannotWrite);  // a folder
    fs::create_directory(dir_ / "sub");
    EXPECT_EQ(SaveDataFile(state, (dir_ / "sub").string() + "/"), Status::CannotWrite);
    EXPECT_EQ(std::distance(fs::directory_iterator(dir_), fs::directory_iterator()), 1);
    EXPECT_TRUE(fs::is_empty(dir_ / "sub"));
}

TEST_F(TempFolder, AtomicWriteKeepsPermissionsAndFollowsLinks) {
    const fs::path target = dir_ / "kept.dat";
    WriteAll(target, {1, 2, 3});
    ::chmod(target.c_str(), 0640);
    const fs::path link = dir_ / "link.dat";
    fs::create_symlink(target, link);
    const std::vector<std::uint8_t> bytes = {9, 8, 7, 6};
    ASSERT_EQ(WriteFileAtomically(link.string(), bytes), Status::Ok);
    EXPECT_TRUE(fs::is_symlink(link));
    EXPECT_EQ(ReadAll(target), bytes);
    EXPECT_EQ(fs::status(target).permissions() & fs::perms::all,
              fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);

    std::vector<std::uint8_t> head;
    ASSERT_EQ(ReadFileBytes(target.string(), head, 2), Status::Ok);
    EXPECT_EQ(head, (std::vector<std::uint8_t>{9, 8}));
}

TEST_F(TempFolder, ReadingAFifoDoesNotWait) {
    const fs::path fifo = dir_ / "pipe.dat";
    ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
    std::vector<std::uint8_t> bytes;
    EXPECT_EQ(ReadFileBytes(fifo.string(), bytes), Status::CannotRead);
}

}  // namespace
}  // namespace talvo

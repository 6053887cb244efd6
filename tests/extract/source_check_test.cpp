#include <filesystem>

#include "extract/containers.h"
#include "source_fixture.h"
#include "tools/samples/sample_containers.h"

using namespace samples;

namespace {

constexpr int32_t kUntouched = -777;

std::string withSignatureAt(std::string bytes, size_t offset) {
  bytes.replace(offset, 18, kMveSignature);
  return bytes;
}

struct CheckCase {
  const char* what;
  int16_t mode;
  std::string bytes;
  bool valid;
  int32_t value;
};

std::ostream& operator<<(std::ostream& out, const CheckCase& c) { return out << c.what; }

std::vector<CheckCase> checkCases() {
  std::string movie = mveMovie(1000, 1);
  std::string lowerCase = movie;
  lowerCase[0] = 'i';
  std::string exeDos = selfPlayingExe(movie, 107354);
  BifEntry notAMovie{std::string(200, 'x'), {}, {}};
  return {
      {"mve", 1, movie, true, kUntouched},
      {"mve with lower-case signature", 1, lowerCase, false, kUntouched},
      {"mve shorter than its signature", 1, movie.substr(0, 17), false, kUntouched},
      {"mvl", 2, mvlLibrary({{"A.MVE", movie, {}}, {"B.MVE", movie, {}}, {"C.MVE", movie, {}}}), true, 3},
      {"mvl with wrong magic keeps its count", 2, mvlLibrary({{"A.MVE", movie, {}}}, {"VMVX", 5}), false, 5},
      {"mvl shorter than its header", 2, "VMV", false, 0},
      {"exe with dos player", 3, exeDos, true, 107354},
      {"exe at 310784", 3, selfPlayingExe(movie, 310784), true, 310784},
      {"exe at 233472", 3, selfPlayingExe(movie, 233472), true, 233472},
      {"exe at 76800", 3, selfPlayingExe(movie, 76800), true, 76800},
      {"exe: the last hit wins over 107354", 3, withSignatureAt(exeDos, 76800), true, 76800},
      {"exe: the last hit wins over 310784", 3, withSignatureAt(selfPlayingExe(movie, 310784), 233472), true, 233472},
      {"exe without movie", 3, selfPlayingExe(std::string(1000, 'x'), 76800), false, kUntouched},
      {"bif", 4, bifArchive({{movie, {}, {}}, {movie, {}, {}}, {movie, {}, {}}}), true, 3},
      {"bif with count 0 and a movie behind byte 24", 4, bifArchive({{movie, {}, {}}}, {"BIFF", 0}), true, 0},
      {"bif with wrong magic", 4, bifArchive({{movie, {}, {}}}, {"BIFX", {}}), false, kUntouched},
      {"bif whose first entry is no movie", 4, bifArchive({notAMovie}), false, 1},
      {"bif with a negative first offset", 4, bifArchive({{movie, -20, {}}}), false, 1},
      {"bif with a first offset past the end", 4, bifArchive({{movie, 1 << 30, {}}}), false, 1},
  };
}

}  // namespace

class SourceCheck : public SourceFixture, public testing::WithParamInterface<CheckCase> {};

TEST_P(SourceCheck, VerdictAndHandedBackValue) {
  const CheckCase& c = GetParam();
  mode1 = c.mode;
  std::string path = put("SOURCE.DAT", c.bytes);
  int32_t value = kUntouched;
  SourceFault fault = SourceFault::Missing;
  EXPECT_EQ(checkmvefiletype(path, value, fault), c.valid);
  EXPECT_EQ(value, c.value);
  EXPECT_EQ(fault, c.valid ? SourceFault::None : SourceFault::NotThisKind);
}

INSTANTIATE_TEST_SUITE_P(Containers, SourceCheck, testing::ValuesIn(checkCases()));

TEST_F(SourceCheck, MissingFileIsNotValidAndIsNotCreated) {
  mode1 = kMvlLibrary;
  int32_t value = kUntouched;
  SourceFault fault = SourceFault::None;
  EXPECT_FALSE(checkmvefiletype("D:\\NONE.MVL", value, fault));
  EXPECT_EQ(fault, SourceFault::Missing);
  EXPECT_EQ(value, kUntouched);
  EXPECT_FALSE(std::filesystem::exists(drive / "NONE.MVL"));
}

// A wildcard path passes the existence test but cannot be opened.
TEST_F(SourceCheck, FileThatExistsButCannotBeOpenedIsNotValid) {
  mode1 = kMveFile;
  put("A.MVE", mveMovie(1000, 1));
  int32_t value = kUntouched;
  SourceFault fault = SourceFault::None;
  EXPECT_FALSE(checkmvefiletype("D:\\*.MVE", value, fault));
  EXPECT_EQ(fault, SourceFault::CannotOpen);
}

// Sparse files, so that the limit costs no disk space.
TEST_F(SourceCheck, SourceLongerThanTheFormatsCanAddressIsRefused) {
  mode1 = kMveFile;
  std::string path = put("BIG.MVE", mveMovie(1000, 1));
  std::filesystem::resize_file(drive / "BIG.MVE", uint64_t{kMaxContainerLength});
  int32_t value = 0;
  SourceFault fault = SourceFault::Missing;
  EXPECT_TRUE(checkmvefiletype(path, value, fault));
  EXPECT_EQ(fault, SourceFault::None);

  std::filesystem::resize_file(drive / "BIG.MVE", uint64_t{kMaxContainerLength} + 1);
  EXPECT_FALSE(checkmvefiletype(path, value, fault));
  EXPECT_EQ(fault, SourceFault::TooLarge);
}

TEST_F(SourceCheck, GeneratedSamplesPassAsTheirKind) {
  writeSampleFolder(drive / "SAMPLES");
  struct Sample {
    int16_t mode;
    const char* path;
    int32_t value;
  };
  for (const Sample& s : {Sample{1, "D:\\SAMPLES\\LOGO.MVE", kUntouched}, Sample{2, "D:\\SAMPLES\\MOVIES.MVL", 3},
                          Sample{3, "D:\\SAMPLES\\TRAILER.EXE", 76800}, Sample{4, "D:\\SAMPLES\\AREA.BIF", 3}}) {
    mode1 = s.mode;
    int32_t value = kUntouched;
    EXPECT_TRUE(checkmvefiletype(s.path, value)) << s.path;
    EXPECT_EQ(value, s.value) << s.path;
  }
}

#include "planted_link.h"

#include "temp_prefix.h"

namespace fs = std::filesystem;

namespace testing_support {
namespace {

constexpr char kOutsideBytes[] = "someone else's file\r\n";

}  // namespace

std::string nameOf(LinkTarget target) { return target == LinkTarget::Nowhere ? "Nowhere" : "OutsideFile"; }

std::string linkTargetName(const ::testing::TestParamInfo<LinkTarget>& param) { return nameOf(param.param); }

PlantedLink::PlantedLink(fs::path at, const fs::path& outsideFolder, LinkTarget target)
    : at_(std::move(at)),
      outside_(outsideFolder / ("victim-of-" + at_.filename().string())),
      outsideExisted_(target == LinkTarget::OutsideFile) {
  fs::create_directories(at_.parent_path());
  fs::create_directories(outsideFolder);
  if (outsideExisted_) writeFile(outside_, kOutsideBytes);
  fs::create_symlink(outside_, at_);
}

bool PlantedLink::outsideUnchanged() const {
  std::error_code ec;
  if (!outsideExisted_) return !fs::exists(fs::symlink_status(outside_, ec));
  return fs::is_regular_file(fs::symlink_status(outside_, ec)) && readFile(outside_) == kOutsideBytes;
}

bool PlantedLink::linkLeftAlone() const {
  std::error_code ec;
  return fs::is_symlink(fs::symlink_status(at_, ec)) && fs::read_symlink(at_, ec) == outside_;
}

bool isPlainFile(const fs::path& path) {
  std::error_code ec;
  return fs::is_regular_file(fs::symlink_status(path, ec));
}

}  // namespace testing_support

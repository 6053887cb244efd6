#pragma once
// A symbolic link planted by someone else in a folder the programs write to, leading to a file outside it
// that either does not exist or holds bytes of its own. Tests check that no write goes through it.
#include <gtest/gtest.h>

#include <filesystem>
#include <string>

namespace testing_support {

enum class LinkTarget { Nowhere, OutsideFile };

// "Nowhere" or "OutsideFile", for the names of parameterised tests.
std::string nameOf(LinkTarget target);
std::string linkTargetName(const ::testing::TestParamInfo<LinkTarget>& param);

class PlantedLink {
 public:
  // Plants a link at `at` (creating its folder) leading to a file in outsideFolder, which is created
  // with bytes of its own for LinkTarget::OutsideFile.
  PlantedLink(std::filesystem::path at, const std::filesystem::path& outsideFolder, LinkTarget target);

  const std::filesystem::path& at() const { return at_; }
  const std::filesystem::path& outside() const { return outside_; }
  // The file the link leads to is as it was: the same bytes, or still missing.
  bool outsideUnchanged() const;
  // The link itself is still there and still leads to the same file.
  bool linkLeftAlone() const;

 private:
  std::filesystem::path at_;
  std::filesystem::path outside_;
  bool outsideExisted_;
};

// A regular file of its own at path, no link.
bool isPlainFile(const std::filesystem::path& path);

}  // namespace testing_support

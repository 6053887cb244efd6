#pragma once
// A prefix with drive D: standing for the CD the containers are read from.
#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "support/temp_prefix.h"

class SourceFixture : public testing::Test {
 protected:
  // Writes a container onto drive D: and gives its Windows path.
  std::string put(const std::string& name, const std::string& bytes) {
    testing_support::writeFile(drive / name, bytes);
    return "D:\\" + name;
  }

  testing_support::TempPrefix prefix;
  std::filesystem::path drive = prefix.mapDrive('D', "cd");
};

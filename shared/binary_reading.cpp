#include "shared/binary_reading.h"

#include "platform/files.h"
#include "shared/routines.h"

std::string textAt(int fileNumber, int64_t offset, int width) {
  SeekTo(fileNumber, offset);
  std::string text;
  ReadFixedString(fileNumber, text, width);
  return text;
}

int32_t longAt(int fileNumber, int64_t offset) {
  SeekTo(fileNumber, offset);
  return win::getLong(fileNumber);
}

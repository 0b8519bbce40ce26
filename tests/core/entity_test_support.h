#pragma once

#include <cstdint>
#include <vector>

#include <gtest/gtest.h>

#include "core/archive.h"
#include "core/entity.h"
#include "geometry/point.h"
#include "tests/support/point_near.h"

namespace korvo {
class NativeSaveContext;
}

namespace korvo::testing {

// The bytes an entity's WriteBody produces, with the table numbers of `numbers` for records
// that refer to table entries.
inline std::vector<uint8_t> BodyBytes(const Entity& entity,
                                      const NativeSaveContext* numbers = nullptr) {
  ArchiveWriter writer;
  writer.saveContext = numbers;
  EXPECT_TRUE(entity.WriteBody(writer));
  return writer.bytes();
}

// Reads a body into `entity` and checks that exactly all bytes were consumed.
inline void ReadWholeBody(Entity& entity, const std::vector<uint8_t>& bytes) {
  ArchiveReader reader(bytes);
  entity.ReadBody(reader);
  EXPECT_EQ(reader.Remaining(), 0u);
}

// Every proper prefix of a body makes ReadBody fail with an end-of-file error.
inline void ExpectTruncatedBodiesFail(Entity& entity, const std::vector<uint8_t>& bytes) {
  for (std::size_t length = 0; length < bytes.size(); ++length) {
    SCOPED_TRACE(length);
    ArchiveReader reader(std::span<const uint8_t>(bytes.data(), length));
    try {
      entity.ReadBody(reader);
      ADD_FAILURE() << "a truncated body was accepted";
    } catch (const ArchiveError& error) {
      EXPECT_EQ(error.kind(), ArchiveErrorKind::EndOfFile);
    }
  }
}

}  // namespace korvo::testing

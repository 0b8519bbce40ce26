#include "plugin/service_table.h"

#include <gtest/gtest.h>

#include <climits>
#include <set>

#include "plugin/plugin_context.h"

namespace korvo {
namespace {

// The ids the host leaves unassigned.
const std::set<int32_t> kUnassigned = {125, 126, 142, 143, 145, 146, 147, 157,
                                       158, 159, 160, 175, 176, 210, 211, 216};

// The services of the input, creation and entity groups.
const std::set<int32_t> kHostGroups = {
    110, 111, 112, 113, 114, 115, 116, 117, 118, 119, 120, 121, 122, 123, 124, 127, 128,
    129, 130, 131, 132, 133, 134, 135, 136, 137, 138, 139, 140, 141, 144, 148, 149, 150,
    166, 169, 170, 171, 172, 173, 174, 177, 178, 179, 181, 212, 213, 217, 218, 219, 220};

TEST(ServiceTable, UnassignedIdsAndIdsOutsideTheRangeGiveNothing) {
  PluginContext context(nullptr, u"");
  for (const int32_t id : kUnassigned) {
    SCOPED_TRACE(id);
    EXPECT_EQ(GetService(&context, id), nullptr);
  }
  for (const int32_t id : {INT_MIN, -1, 0, 99, 229, 1000, INT_MAX}) {
    SCOPED_TRACE(id);
    EXPECT_EQ(GetService(&context, id), nullptr);
  }
}

TEST(ServiceTable, EveryServiceOfTheHostGroupsIsOfferedOnceUnderItsId) {
  PluginContext context(nullptr, u"");
  std::set<void*> addresses;
  for (const int32_t id : kHostGroups) {
    SCOPED_TRACE(id);
    void* address = GetService(&context, id);
    EXPECT_NE(address, nullptr);
    addresses.insert(address);
  }
  // Services that share a function type are still different functions.
  EXPECT_EQ(addresses.size(), kHostGroups.size());
}

}  // namespace
}  // namespace korvo

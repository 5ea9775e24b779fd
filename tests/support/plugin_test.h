// A test stands where the application stands: a fresh host, and the plug-in
// freshly loaded into it for every test, reached only through PluginMain.
#pragma once

#include <gtest/gtest.h>

#include <iostream>
#include <string>
#include <vector>

#include "devhost/host.h"
#include "devhost/session.h"

class PluginTest : public ::testing::Test {
 protected:
  void SetUp() override { ASSERT_TRUE(session.Load()) << session.error(); }

  void TearDown() override {
    if (HasFailure()) std::cerr << "host calls:\n" << host.trace().Text();
    EXPECT_EQ(host.violations(), std::vector<std::string>{})
        << "the plug-in called suites it did not hold";
  }

  // Arguments of every call of `operation` from trace index `from` on.
  std::vector<std::string> ArgsOf(const std::string& operation,
                                  size_t from = 0) const {
    std::vector<std::string> out;
    const auto& entries = host.trace().Entries();
    for (size_t i = from; i < entries.size(); ++i)
      if (entries[i].operation == operation)
        out.push_back(entries[i].arguments);
    return out;
  }

  size_t Mark() const { return host.trace().Size(); }

  DevHost host;
  PluginSession session{host, QUASO_PLUGIN_PATH};
};

// The fifteen suites in the order the plug-in takes them.
inline const std::vector<std::string>& SuiteRows() {
  static const std::vector<std::string> rows = {
      "\"SP Blocks Suite\", 2",        "\"AI MdMemory Suite\", 1",
      "\"SP Access Suite\", 3",        "\"AI Preference Suite\", 2",
      "\"AI Context Suite\", 3",       "\"AS Lib Suite\", 1",
      "\"AI Runtime Suite\", 7",       "\"AI User Suite\", 5",
      "\"AI Menu Suite\", 7",          "\"AI Notifier Suite\", 2",
      "\"ADM Basic Suite\", 2",        "\"ADM Dialog Suite\", 3",
      "\"ADM Dialog Group Suite\", 1", "\"ADM Item Suite\", 4",
      "\"ADM Icon Suite\", 1"};
  return rows;
}

inline std::vector<std::string> FirstRows(size_t count) {
  return {SuiteRows().begin(), SuiteRows().begin() + count};
}

#include "targets/record_edit.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

TEST(RecordFromEditText, CutAtCommasAndJoinedAsCommaText) {
  struct Case {
    std::string text, record;
  };
  const Case cases[] = {
      {"99,New station,AB-999,Town", "99,New station,AB-999,Town"},
      {"", "\"\""},
      // Pieces as typed, no quote handling, no trim; quoted where they would not read back.
      {"a,\"b\",  c ", "a,\"\"\"b\"\"\",\"  c \""},
      {"a,b\tc", "a,\"b\tc\""},                  // a control byte gets the field quoted
      {"a,", "a,"},
  };
  for (const Case& c : cases) EXPECT_EQ(targets::RecordFromEditText(c.text), c.record) << c.text;
  // At most 512 bytes of the text are used.
  EXPECT_EQ(targets::RecordFromEditText(std::string(600, 'x')), std::string(512, 'x'));
}

TEST(ResetWorkedEntries, KeepsFourFieldsAndDropsShortRecords) {
  std::vector<std::string> lines = {"No,Name,Code,Place,Worked,Award", "1,a,c,p,JA1<1>,extra",
                                    "2,b", "3,c,d", "4,d,e,f", "5"};
  targets::ResetWorkedEntries(lines);
  EXPECT_EQ(lines, (std::vector<std::string>{"No,Name,Code,Place,Worked,Award", "1,a,c,p", "3,c,d,",
                                             "4,d,e,f"}));
}

}  // namespace

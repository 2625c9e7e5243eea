#include "datafiles/config_record.h"

#include <gtest/gtest.h>

#include <set>
#include <string>

#include "datafiles/config_field.h"
#include "datafiles/data_location.h"
#include "datafiles/pad.h"
#include "datafiles/product_title.h"

namespace kes {
namespace {

TEST(ConfigRecord, FieldKeepsWhatWasPutWithoutPaddingOrLeadingSpaces) {
  ConfigRecord record;
  record.put(62, 4, "12");
  EXPECT_EQ(record.get(62, 4), "12");
  record.put(Field::ShowTime, "Y");
  EXPECT_EQ(record.get(62, 5), "12  Y");  // the record holds "12" and two spaces
  record.put(Field::PlayerName, "  Anna");
  EXPECT_EQ(record.get(Field::PlayerName), "Anna");
}

TEST(ConfigRecord, LongTextIsCutOnTheRightAndNeighboursStay) {
  ConfigRecord record;
  record.put(Field::FaceSet, "777");
  record.put(Field::BackDesign, "1234");
  EXPECT_EQ(record.get(Field::BackDesign), "123");
  EXPECT_EQ(record.get(Field::FaceSet), "777");
}

TEST(ConfigRecord, UnwrittenAndBlankedFieldsReadEmpty) {
  ConfigRecord record;
  EXPECT_EQ(record.get(Field::GameTitle), "");
  record.put(Field::GameTitle, "FreeCell");
  record.put(Field::GameTitle, "");
  EXPECT_EQ(record.get(Field::GameTitle), "");
}

TEST(ConfigRecord, SecondAndThirdBuffersMapLikeTheFirst) {
  ConfigRecord record;
  const std::string path = "/home/anna/.local/share/kestrova/";
  record.put(501, 200, path);
  EXPECT_EQ(record.get(501, 200), path);
  record.put(251, 5, "second");
  EXPECT_EQ(record.get(251, 5), "secon");
  EXPECT_EQ(record.get(1, 5), "");  // the first buffer did not change
  EXPECT_EQ(record.get(501, 5), "/home");
}

TEST(ConfigRecord, InvalidStartsAreIgnored) {
  ConfigRecord record;
  for (const int position : {0, 250, 500, 750, 751, 1000}) {
    record.put(position, 3, "abc");
    EXPECT_EQ(record.get(position, 3), "") << position;
  }
  // Nothing spilled into the fields around the invalid starts.
  EXPECT_EQ(record.get(249, 1), "");
  EXPECT_EQ(record.get(251, 1), "");
  EXPECT_EQ(record.get(749, 1), "");
}

TEST(ConfigRecord, FieldNeverRunsIntoTheNextBuffer) {
  ConfigRecord record;
  record.put(748, 10, "abcdef");
  EXPECT_EQ(record.get(748, 10), "abc");
  record.put(249, 5, "xyz");
  EXPECT_EQ(record.get(249, 5), "xy");
  EXPECT_EQ(record.get(251, 3), "");
}

TEST(ConfigRecord, ResetCurrentCountersZeroesBothCounters) {
  ConfigRecord record;
  record.put(Field::CurrentWins, "0007");
  record.put(Field::CurrentLosses, "0003");
  record.resetCurrentCounters();
  EXPECT_EQ(record.get(Field::CurrentWins), "0000");
  EXPECT_EQ(record.get(Field::CurrentLosses), "0000");
}

TEST(ConfigFieldTable, FieldsStartValidlyStayInTheirBufferAndNeverOverlap) {
  std::set<int> used;
  for (const auto& field : allConfigFields()) {
    const int buffer = field.position / ConfigRecord::kBufferSize;
    const int end = field.position + field.length - 1;
    EXPECT_GT(field.length, 0) << field.name;
    EXPECT_NE(field.position % ConfigRecord::kBufferSize, 0) << field.name;
    EXPECT_LT(buffer, ConfigRecord::kBufferCount) << field.name;
    EXPECT_LE(end, (buffer + 1) * ConfigRecord::kBufferSize) << field.name;
    for (int p = field.position; p <= end; ++p) EXPECT_TRUE(used.insert(p).second) << field.name << " at " << p;
  }
}

TEST(ConfigFieldTable, PreferenceKeysAreUniqueRegardlessOfCase) {
  std::set<std::string> keys;
  int withKey = 0;
  for (const auto& field : allConfigFields()) {
    if (!field.hasPreference()) continue;
    ++withKey;
    std::string lower(field.preferenceKey);
    for (auto& c : lower) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    EXPECT_TRUE(keys.insert(lower).second) << field.preferenceKey;
  }
  EXPECT_EQ(withKey, 54);
  EXPECT_EQ(allConfigFields().size(), 66U);
}

TEST(Pad, ZeroFillsSignsAndStarsWhenTooWide) {
  EXPECT_EQ(pad(5, 4), "0005");
  EXPECT_EQ(pad(-1, 4), "-001");
  EXPECT_EQ(pad(12345, 4), "****");
  EXPECT_EQ(pad(9999, 4), "9999");
  EXPECT_EQ(pad(-999, 4), "-999");
  EXPECT_EQ(pad(-1000, 4), "****");
  EXPECT_EQ(pad(0, 6), "000000");
  EXPECT_EQ(pad(123456789012LL, 12), "123456789012");
  EXPECT_EQ(pad(INT64_MIN, 20), "-9223372036854775808");
}

TEST(ProductTitle, PlaceholdersAreReplacedOnceEach) {
  EXPECT_EQ(expandProductTitle("[Program] on the &Web..."), "Kestrova 2000 on the &Web...");
  EXPECT_EQ(expandProductTitle("&About [Program_sw]..."), "&About Kestrova 2000...");
  EXPECT_EQ(expandProductTitle("[Program] and [Program_sw]"), "Kestrova 2000 and Kestrova 2000");
  EXPECT_EQ(expandProductTitle("[Program][Program]"), "Kestrova 2000[Program]");
  EXPECT_EQ(expandProductTitle("&Rules"), "&Rules");
}

TEST(DataLocation, SettingsFileLiesInDataBelowTheWritableFolder) {
  ConfigRecord record;
  ASSERT_TRUE(setUpDataLocation(record, "/srv/kestrova"));
  EXPECT_EQ(record.get(Field::InstallDir), "/srv/kestrova/");
  EXPECT_EQ(record.get(Field::SettingsFileName), "DATA/CFG.DAT");
  EXPECT_EQ(settingsFilePath(record), std::filesystem::path("/srv/kestrova/DATA/CFG.DAT"));
}

TEST(DataLocation, FolderTooLongForTheFieldIsRefusedNotCut) {
  ConfigRecord record;
  EXPECT_FALSE(setUpDataLocation(record, "/" + std::string(250, 'x')));
  EXPECT_EQ(record.get(Field::InstallDir), "");
  EXPECT_EQ(record.get(Field::SettingsFileName), "");
}

}  // namespace
}  // namespace kes

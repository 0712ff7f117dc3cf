// Theoretical volumes at excess air 1. Reference values: the worked examples of the 1998
// normative method's volume formulas, checked by hand; the displayed texts are exact.
#include "calc/volumes.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "calc/cycle.h"
#include "calc/fuel_document.h"
#include "sheets/errors.h"
#include "support/example_fuels.h"

namespace calc {
namespace {

Record SolidExample() {
  Record r{};
  std::copy(test::kWorkedCoal.begin(), test::kWorkedCoal.end(), r.begin());
  r[15] = test::kWorkedCoalType;
  return r;
}

Record GasExample() {
  Record r{};
  std::copy(test::kWorkedGas.begin(), test::kWorkedGas.end(), r.begin());
  r[15] = kGasType;
  return r;
}

std::vector<std::string> Shown(const Record& record, int type, char sep) {
  FuelDocument doc(sep);
  WriteVolumes(doc, ComputeTheoreticalVolumes(record, type));
  return {doc.XLSheet2.Text(1, 2), doc.XLSheet2.Text(1, 3), doc.XLSheet2.Text(1, 4),
          doc.XLSheet2.Text(1, 5)};
}

TEST(VolumesTest, WorkedExamplesInBothSeparators) {
  using V = std::vector<std::string>;
  EXPECT_EQ(Shown(SolidExample(), 1, '.'), (V{"5.7498", "4.5503", "1.0403", "0.6606"}));
  EXPECT_EQ(Shown(SolidExample(), 5, ','), (V{"5,7498", "4,5503", "1,0403", "0,6606"}));
  // 1.026 exactly: trailing zeros are dropped.
  EXPECT_EQ(Shown(GasExample(), kGasType, '.'), (V{"9.6104", "7.6122", "1.026", "2.1631"}));
  EXPECT_EQ(Shown(GasExample(), kGasType, ','), (V{"9,6104", "7,6122", "1,026", "2,1631"}));
  // A town gas with every component the gas formulas take besides the hydrocarbons, by
  // hand: V0 = 0.0476 · (2 · 25 + 0.5 · (7 + 58) + 1.5 · 0.4 − 0.6) = 3.927; VN2 = 0.79 · V0
  // + 0.05; VRO2 = 0.01 · (25 + 3 + 7 + 0.4); VH2O = 0.01 · (50 + 0.4 + 58 + 1.24 + 1.61 · V0).
  Record town{};
  town[0] = 25, town[5] = 5, town[6] = 3, town[7] = 0.4f, town[8] = 0.6f, town[9] = 7;
  town[10] = 58;
  EXPECT_EQ(Shown(town, kGasType, '.'), (V{"3.927", "3.1523", "0.354", "1.1596"}));

  // Nothing in the record: a gas still carries its own moisture, 1.24 % by volume; no
  // entry selected in the type list counts as solid.
  EXPECT_EQ(Shown(Record{}, kGasType, '.'), (V{"0", "0", "0", "0.0124"}));
  EXPECT_EQ(Shown(Record{}, -1, '.'), (V{"0", "0", "0", "0"}));
  // Oxygen alone: V0 = -0.0333 is shown unchanged; it also feeds the nitrogen and the
  // water vapour.
  Record oxygen{};
  oxygen[6] = 1;
  EXPECT_EQ(Shown(oxygen, 0, '.'), (V{"-0.0333", "-0.0263", "0", "-0.0005"}));
}

TEST(VolumesTest, RecalcReadsTheRecordSheet) {
  FuelDocument doc(',');
  const Record r = GasExample();
  for (int row = 0; row < 50; ++row)
    doc.XLSheet10.SetSingle(2, row, r[static_cast<std::size_t>(row)]);
  doc.ComboBox3 = kGasType;
  RecalcFuel(doc);
  EXPECT_EQ(doc.XLSheet2.Text(1, 2), "9,6104");
  EXPECT_EQ(doc.XLSheet2.Text(1, 5), "2,1631");
  doc.XLSheet10.SetText(2, 3, "abc");  // a record value that is not a number stops the run
  EXPECT_THROW(RecalcFuel(doc), sheets::ConvertError);
}

}  // namespace
}  // namespace calc

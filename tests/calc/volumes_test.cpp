// Theoretical volumes at excess air 1, by hand from the volume formulas. The example coal's
// and gas's volumes are the calculator's golden runs; here every other gas component.
#include "calc/volumes.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "calc/cycle.h"
#include "calc/fuel_document.h"
#include "sheets/errors.h"

namespace calc {
namespace {

std::vector<std::string> Shown(const Record& record, int type, char sep = '.') {
  FuelDocument doc(sep);
  WriteVolumes(doc, ComputeTheoreticalVolumes(record, type));
  return {doc.XLSheet2.Text(1, 2), doc.XLSheet2.Text(1, 3), doc.XLSheet2.Text(1, 4),
          doc.XLSheet2.Text(1, 5)};
}

TEST(VolumesTest, GasComponentsAndEmptyRecords) {
  using V = std::vector<std::string>;
  // A town gas: V0 = 0.0476 · (2 · 25 + 0.5 · (7 + 58) + 1.5 · 0.4 − 0.6) = 3.927; VN2 =
  // 0.79 · V0 + 0.05; VRO2 = 0.01 · (25 + 3 + 7 + 0.4); VH2O = 0.01 · (50 + 0.4 + 58 + 1.24
  // + 1.61 · V0).
  Record town{};
  town[0] = 25, town[5] = 5, town[6] = 3, town[7] = 0.4f, town[8] = 0.6f, town[9] = 7;
  town[10] = 58;
  EXPECT_EQ(Shown(town, kGasType, ','), (V{"3,927", "3,1523", "0,354", "1,1596"}));
  // Nothing in the record: a gas still carries its own moisture, 1.24 % by volume; no
  // entry selected in the type list counts as solid.
  EXPECT_EQ(Shown(Record{}, kGasType), (V{"0", "0", "0", "0.0124"}));
  EXPECT_EQ(Shown(Record{}, -1), (V{"0", "0", "0", "0"}));
  // Oxygen alone: V0 = -0.0333 is shown unchanged and feeds the nitrogen and the vapour.
  Record oxygen{};
  oxygen[6] = 1;
  EXPECT_EQ(Shown(oxygen, 0), (V{"-0.0333", "-0.0263", "0", "-0.0005"}));

  FuelDocument doc;
  doc.XLSheet10.SetText(2, 3, "abc");  // a record value that is not a number stops the run
  EXPECT_THROW(RecalcFuel(doc), sheets::ConvertError);
}

}  // namespace
}  // namespace calc

#include "engine/pile.h"
#include "engine/pile_id.h"
#include "engine/pile_positions.h"
#include "engine/table_state.h"

#include <gtest/gtest.h>

namespace kes {
namespace {

TEST(Pile, EmptyAndFullPiles) {
  Pile p;
  EXPECT_EQ(p.size(), 0);
  EXPECT_EQ(p.top(), 0);
  for (int c = 1; c <= 13; ++c) p.append(c);
  EXPECT_EQ(p.codes().size(), 39u);
  EXPECT_EQ(p.size(), 13);
  EXPECT_EQ(p.top(), 13);
  EXPECT_EQ(p.cardAt(0), 1);
  EXPECT_EQ(p.positionOf(5), 4);
  EXPECT_EQ(p.positionOf(40), -1);
}

TEST(Pile, TakeTopRemovesFromTheTop) {
  Pile p("001002003");
  EXPECT_EQ(p.takeTop(2), "002003");
  EXPECT_EQ(p.codes(), "001");
  EXPECT_EQ(p.takeTop(5), "001");
  EXPECT_TRUE(p.empty());
  EXPECT_EQ(p.takeTop(1), "");
}

// The text form is what saved games and the history hold; it must come back
// exactly, the placeholder 0 and the second pack's 104 included.
TEST(Pile, TextFormRoundTripsAndCellEditsKeepTheRest) {
  Pile p("000104052013");
  EXPECT_EQ(p.codes(), "000104052013");
  EXPECT_EQ(p.size(), 4);
  EXPECT_EQ(p.cardAt(1), 104);
  EXPECT_EQ(p.positionOf(0), 0);
  p.replaceAt(2, 0);
  EXPECT_EQ(p.codes(), "000104000013");
  p.eraseAt(1, 2);
  EXPECT_EQ(p.codes(), "000013");
  p.eraseAt(5, 1);  // past the top: nothing
  EXPECT_EQ(p.codes(), "000013");
  const Pile top = p.splitTop(1);
  EXPECT_EQ(top.codes(), "013");
  EXPECT_TRUE(p.onlyPlaceholders());
  p.appendPile(top);
  EXPECT_FALSE(p.onlyPlaceholders());
  EXPECT_EQ(p, Pile("000013"));
}

TEST(Pile, TextThatIsNoCardReadsAsMinusOneAndAPartialGroupIsDropped) {
  Pile p("0a1999005");
  EXPECT_EQ(p.size(), 3);
  EXPECT_EQ(p.cardAt(0), -1);
  EXPECT_EQ(p.cardAt(1), -1) << "999 is no card and fits no byte";
  EXPECT_EQ(p.cardAt(2), 5);
  EXPECT_EQ(p.positionOf(-1), -1);
  p.setCodes("00100");
  EXPECT_EQ(p.codes(), "001");
}

TEST(PileNames, MapToFamilyAndIndex) {
  EXPECT_EQ(pileFromName("Fila12"), PileId::tableau(11));
  EXPECT_EQ(pileFromName("Appogg8"), PileId::reserve(7));
  EXPECT_EQ(pileFromName("Mazzo_Waste"), PileId::secondWaste());
  EXPECT_EQ(pileFromName("Mazzo"), PileId::stock());
  EXPECT_EQ(pileFromName("Mazzo_Vis"), PileId::waste());
  EXPECT_EQ(pileFromName("Dest16"), PileId::foundation(15));
  EXPECT_EQ(pileFromName("Fila26"), PileId::tableau(25));
}

TEST(PileNames, RejectNamesOutsideTheLists) {
  for (const char* name : {"Fila0", "Fila27", "Dest17", "Appogg9", "Fila", "Fila01", "Mazzo_", "fila1", "Fila1x", ""})
    EXPECT_FALSE(pileFromName(name).has_value()) << name;
}

TEST(PileNames, RoundTripEveryPileAndOrdinal) {
  for (int o = 0; o < kPileCount; ++o) {
    const PileId id = PileId::fromOrdinal(o);
    EXPECT_EQ(id.ordinal(), o);
    EXPECT_EQ(pileFromName(pileName(id)), id) << pileName(id);
  }
  EXPECT_EQ(PileId::fromOrdinal(3), PileId::foundation(0));
  EXPECT_EQ(PileId::fromOrdinal(19), PileId::tableau(0));
  EXPECT_EQ(PileId::fromOrdinal(45), PileId::reserve(0));
}

TEST(TableState, FaceFlagShowsWhereverTheCardLies) {
  TableState t;
  t.appendCard(PileId::tableau(0), 5, false);
  EXPECT_FALSE(t.isFaceUp(5));
  t.pile(PileId::tableau(3)).appendCodes(t.pile(PileId::tableau(0)).takeTop(1));
  EXPECT_FALSE(t.isFaceUp(5));
  t.cards.setFaceUp(5, true);
  EXPECT_TRUE(t.isFaceUp(5));
  EXPECT_EQ(t.locate(5), PileId::tableau(3));
}

TEST(TableState, FaceModes) {
  TableState t;
  const PileId f = PileId::tableau(0);
  for (int c = 1; c <= 5; ++c) t.appendCard(f, c, true);
  t.setTopFaces(f, 2, false);
  EXPECT_EQ(std::vector<bool>({t.isFaceUp(1), t.isFaceUp(2), t.isFaceUp(3), t.isFaceUp(4), t.isFaceUp(5)}),
            std::vector<bool>({true, true, true, false, false}));
  t.setFaceState(f, FaceMode::AlternateUpFirst);
  EXPECT_EQ(std::vector<bool>({t.isFaceUp(1), t.isFaceUp(2), t.isFaceUp(3), t.isFaceUp(4), t.isFaceUp(5)}),
            std::vector<bool>({true, false, true, false, true}));
  t.setFaceState(f, FaceMode::AlternateDownFirst);
  EXPECT_EQ(std::vector<bool>({t.isFaceUp(1), t.isFaceUp(2), t.isFaceUp(3), t.isFaceUp(4), t.isFaceUp(5)}),
            std::vector<bool>({false, true, false, true, false}));
  t.setFaceState(f, FaceMode::BottomUpOnly);
  EXPECT_EQ(std::vector<bool>({t.isFaceUp(1), t.isFaceUp(2), t.isFaceUp(3), t.isFaceUp(4), t.isFaceUp(5)}),
            std::vector<bool>({true, false, false, false, false}));
  t.setTopFaces(f, 10, true);
  EXPECT_TRUE(t.isFaceUp(1) && t.isFaceUp(5));
}

TEST(TableState, PlaceholderCardsKeepNoFace) {
  TableState t;
  t.appendCard(PileId::tableau(0), 0, false);
  EXPECT_EQ(t.pile(PileId::tableau(0)).codes(), "000");
  EXPECT_TRUE(t.cards.isFaceUp(1));
}

TEST(PilePositions, StartOffTableWithFamilySentinels) {
  PilePositions pos;
  EXPECT_EQ(pos.x(PileId::stock()), -10000);
  EXPECT_EQ(pos.y(PileId::foundation(15)), -10001);
  EXPECT_EQ(pos.x(PileId::tableau(25)), -10002);
  EXPECT_EQ(pos.y(PileId::reserve(7)), -10003);
  pos.set(PileId::tableau(3), 120, 40);
  EXPECT_TRUE(pos.isPlaced(PileId::tableau(3)));
  EXPECT_EQ(pos.tableauX[3], 120);
  EXPECT_EQ(pos.tableauY[3], 40);
  pos.resetToOffTable();
  EXPECT_FALSE(pos.isPlaced(PileId::tableau(3)));
}

}  // namespace
}  // namespace kes
